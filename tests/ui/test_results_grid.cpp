// The results grid as a reader sees it, cell by cell: its text, the tips on
// its cells and headings, and the shading of uncertain rows, after a
// bootstrap test (grouped and of single stations, completed and stopped) and
// a similarity profile test, and again after "Finish" blanks it. The
// expected text was taken from the grid before it became a model behind a
// view; it must not move by a character.

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <string>

#include "ui/dendrogram_window.h"
#include "ui/examples_dir.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/results_window.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

// Every cell and heading of the grid's model: display text, tooltip and
// whether the row is shaded, one line a cell that has any of them.
QString grid_cells(const QAbstractItemView* grid) {
    const QAbstractItemModel* m = grid->model();
    QString out;
    for (int c = 0; c < m->columnCount(); ++c) {
        out += QStringLiteral("H%1 %2 | %3\n")
                   .arg(c)
                   .arg(m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                        m->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString());
    }
    out += QStringLiteral("rows %1\n").arg(m->rowCount());
    for (int r = 0; r < m->rowCount(); ++r) {
        for (int c = 0; c < m->columnCount(); ++c) {
            const QModelIndex i = m->index(r, c);
            const QString text = m->data(i, Qt::DisplayRole).toString();
            const QString tip = m->data(i, Qt::ToolTipRole).toString();
            const bool shaded =
                m->data(i, Qt::BackgroundRole).isValid() &&
                m->data(i, Qt::BackgroundRole).value<QBrush>().style() != Qt::NoBrush;
            if (text.isEmpty() && tip.isEmpty() && !shaded) continue;
            out += QStringLiteral("%1,%2 %3 | %4%5\n")
                       .arg(r)
                       .arg(c)
                       .arg(text, tip, shaded ? QStringLiteral(" | shaded") : QString());
        }
    }
    return out;
}

QString read_text(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

const char* const kCloseCalls =
    "\"Close calls\"\r\n8, 3\r\n\"STATION\",\"Sp1\",\"Sp2\",\"Sp3\"\r\n"
    "\"A1\" 10 2 0\r\n\"A2\" 9 3 1\r\n\"B1\" 1 8 4\r\n\"B2\" 2 7 5\r\n"
    "\"C1\" 0 1 9\r\n\"C2\" 1 0 8\r\n\"D1\" 5 5 5\r\n\"D2\" 6 4 5\r\n4\r\n2 2 2 2\r\n";

class ResultsGridText : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        std::ofstream(dir.filePath(QStringLiteral("close_calls.txt")).toStdString(),
                      std::ios::binary)
            << kCloseCalls;
    }

    // One run through the windows on `data` (examples folder or this test's
    // folder), tested by bootstrap or profile; appends the grid after the
    // test and after Finish to `seen`.
    void run(const QString& data, bool profile, const QString& samples, qint64 stop_after = -1) {
        session->stages().set_random_seed(20240611);
        OptionsWindow& f2 = session->options_window();
        const QString local = dir.filePath(data);
        f2.input_file_edit->setText(QFile::exists(local) ? local
                                                         : QDir(examples_dir()).filePath(data));
        f2.report_file_edit->setText(dir.filePath(QStringLiteral("report%1.txt").arg(++runs)));
        f2.bypass_check_box->setChecked(true);
        MethodWindow& f3 = session->method_window();
        f3.measure_options[1]->setChecked(true);
        f3.linkage_options[4]->setChecked(true);
        f3.test_options[profile ? 1 : 0]->setChecked(true);
        (profile ? f3.permutations_edit : f3.boot_samples_edit)->setText(samples);
        session->stages().run_analysis();
        ASSERT_TRUE(session->dendrogram_window().isVisible());
        ResultsWindow& f5 = session->results_window();
        QMetaObject::Connection stop;
        if (stop_after >= 0) {
            stop = QObject::connect(&f5, &ResultsWindow::progressShown, [&](qint64 done) {
                if (done >= stop_after && f5.StopTest->isEnabled()) f5.StopTest->click();
            });
        }
        session->stages().test_linkages();
        QObject::disconnect(stop);
        seen += QStringLiteral("== %1 tested\n").arg(data) + grid_cells(f5.Grid_out);
        session->stages().finish();
        seen += QStringLiteral("== %1 finished\n").arg(data) + grid_cells(f5.Grid_out);
    }

    QTemporaryDir dir;
    QString seen;
    int runs = 0;
};

TEST_F(ResultsGridText, EveryCellTipAndShadeIsAsBeforeForBothTestsAndAStop) {
    run(QStringLiteral("close_calls.txt"), false, QStringLiteral("40"));
    run(QStringLiteral("lake_stations.txt"), true, QStringLiteral("200"));
    run(QStringLiteral("lake_stations.txt"), false, QStringLiteral("50"), 60);
    answers = {Answer::Yes};  // single stations: run the bootstrap anyway
    run(QStringLiteral("river_presence.txt"), false, QStringLiteral("20"));
    const QString expected = read_text(QStringLiteral(TARNWICK_UI_FIXTURES "/results_grid.txt"));
    if (expected != seen) {
        QFile out(QDir(dir.path()).filePath(QStringLiteral("seen.txt")));
        if (out.open(QIODevice::WriteOnly)) out.write(seen.toUtf8());
        dir.setAutoRemove(false);
    }
    EXPECT_EQ(seen.toStdString(), expected.toStdString());
}

// What freezes a window is work once a row that grows with the rows: each
// step here, on a shown grid of 10,000 linkages, must take what a user
// would not notice per 1,000 rows.
TEST_F(ResultsGridText, TenThousandRowsFillShadeAndClearWithoutFreezing) {
    constexpr int kRows = 10000;
    ResultsWindow& f5 = session->results_window();
    f5.resize(900, 700);
    f5.show();
    ResultsGrid& g = session->host().grid();
    const auto step = [&](const char* what, const std::function<void()>& act) {
        QElapsedTimer clock;
        clock.start();
        act();
        QCoreApplication::processEvents();  // the repaint and the column fit
        EXPECT_LT(clock.elapsed(), kRows / 1000 * 200) << what;
    };
    step("fill", [&] {
        g.set_rows(kRows + 1);
        for (int r = 1; r <= kRows; ++r) {
            g.set_cell(r, 0, std::to_string(r));
            g.set_cell(r, 1, std::to_string(r) + " + " + std::to_string(r + 1));
            g.set_cell(r, 2, "12");
            g.set_cell(r, 3, r % 7 ? "0.300" : "Stopped");
        }
    });
    EXPECT_GE(f5.Grid_out->columnWidth(3),
              f5.Grid_out->fontMetrics().horizontalAdvance(QStringLiteral("Stopped")))
        << "columns fitted to their widest text";
    std::vector<int> every_other;
    for (int r = 1; r <= kRows; r += 2) every_other.push_back(r);
    step("shade", [&] {
        f5.show_results_complete(QStringLiteral("1"), every_other, SignificanceTest::Bootstrap);
    });
    step("clear", [&] {
        f5.clear_linkage_details();
        f5.clear_uncertain_rows();
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < 4; ++c) g.set_cell(r, c, "  ");
    });
    const QAbstractItemModel* m = f5.Grid_out->model();
    EXPECT_EQ(m->rowCount(), kRows);
    EXPECT_EQ(m->data(m->index(kRows - 1, 3)).toString(), "  ");
    EXPECT_FALSE(m->data(m->index(1, 0), Qt::BackgroundRole).isValid());
}

}  // namespace
}  // namespace tw::ui::test
