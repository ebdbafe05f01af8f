// The ordination window after a real run of the windows: it opens from the
// results window, works while the windows stay usable, colours the objects
// as the publication view colours their clusters, saves its pictures, and
// its ordination goes with the run's exports.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <map>

#include "figure/publication_layout.h"
#include "ui/dendrogram_window.h"
#include "ui/examples_dir.h"
#include "ui/figure_view.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/ordination_window.h"
#include "ui/results_window.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

constexpr int kWaitMs = 600000;

class OrdinationWindows : public WindowTest {
  protected:
    void run(const QString& data) {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        session->stages().set_random_seed(7);
        OptionsWindow& f2 = session->options_window();
        f2.input_file_edit->setText(data);
        f2.report_file_edit->setText(dir.filePath(QStringLiteral("report.txt")));
        f2.bypass_check_box->setChecked(true);
        session->method_window().measure_options[1]->setChecked(true);  // Bray-Curtis
        session->stages().run_analysis();
        ASSERT_TRUE(session->dendrogram_window().isVisible());
        session->stages().test_linkages();
        ASSERT_TRUE(session->stages().results_complete());
    }
    OrdinationWindow& open() {
        ResultsWindow& f5 = session->results_window();
        EXPECT_TRUE(f5.Ordination->isEnabled());
        f5.Ordination->click();
        OrdinationWindow* w = f5.ordination_window();
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([w] { return !w->computing(); }, kWaitMs));
        return *w;
    }
    QString example(const char* name) { return QDir(examples_dir()).filePath(name); }
    QTemporaryDir dir;
};

TEST_F(OrdinationWindows, DotsHaveTheColoursOfTheirClustersInThePublicationView) {
    run(example("estuary_transect.txt"));
    OrdinationWindow& w = open();
    EXPECT_TRUE(w.OrdinationStatus->text().startsWith(QStringLiteral("Stress ")))
        << w.OrdinationStatus->text().toStdString();

    DendrogramWindow& f4 = session->dendrogram_window();
    f4.PublicationView->click();
    QCoreApplication::processEvents();
    std::map<std::string, Rgb> leaf;
    for (const FigureText& t : f4.PublicationFigure->figure().texts)
        if (t.role == TextRole::LeafLabel) leaf[t.text] = t.colour;
    const RunOrdination* o = session->results_window().ordination_of_run();
    ASSERT_NE(o, nullptr);
    const OrdinationFigure& shown = w.OrdinationPlot->figure();
    ASSERT_EQ(shown.dots.size(), o->labels.size());
    for (std::size_t i = 0; i < o->labels.size(); ++i)
        EXPECT_EQ(shown.dots[i].colour, leaf.at(o->labels[i])) << o->labels[i];
}

TEST_F(OrdinationWindows, ExportsCarryTheOrdinationUntilTheRunIsFinished) {
    run(example("estuary_transect.txt"));
    open();
    ASSERT_EQ(session->stages().export_results(dir.filePath(QStringLiteral("est")).toStdString()),
              Outcome::Completed);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("est.ordination.csv"))));
    session->stages().finish();
    EXPECT_EQ(session->results_window().ordination_of_run(), nullptr);
    EXPECT_FALSE(session->results_window().Ordination->isEnabled());
}

TEST_F(OrdinationWindows, ThreeAxesShowAnyPairAndPicturesAreSaved) {
    run(example("estuary_transect.txt"));
    OrdinationWindow& w = open();
    w.Dimensions->setCurrentIndex(1);
    w.Recompute->click();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return !w.computing(); }, kWaitMs));
    ASSERT_TRUE(w.AxesShown->isEnabled());
    const double first = w.OrdinationPlot->figure().dots[0].y;
    w.AxesShown->setCurrentIndex(2);
    EXPECT_NE(w.OrdinationPlot->figure().dots[0].y, first);
    for (const char* name : {"o.svg", "o.pdf", "o.png"})
        EXPECT_TRUE(w.save_picture(dir.filePath(QString::fromLatin1(name)), 150)) << name;
    w.Tabs->setCurrentIndex(1);
    EXPECT_TRUE(w.save_picture(dir.filePath(QStringLiteral("shepard.svg")), 150));
    QFile svg(dir.filePath(QStringLiteral("o.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("NMDS3")) << "axes 2 and 3 are drawn";
}

RunOrdination line_of(std::int32_t n, const std::string& name) {
    std::vector<double> d;
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = i + 1; j < n; ++j)
            d.push_back(std::abs(std::sin(i * 7.0 + j)) + j - i);
    RunOrdination o;
    o.dissimilarities = dissimilarities_from(n, d, true);
    for (std::int32_t i = 0; i < n; ++i) o.labels.push_back(name + std::to_string(i));
    o.clusters.assign(static_cast<std::size_t>(n), "");
    return o;
}

// A second run's ordination asked for while the first is still at work:
// only the second's reaches the window and its exports.
TEST(OrdinationWindow, ANewRunReplacesAnOrdinationStillAtWork) {
    OrdinationWindow w;
    w.open_run(line_of(400, "first "), 1);
    ASSERT_TRUE(w.computing());
    w.open_run(line_of(12, "second "), 1);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return !w.computing(); }, kWaitMs));
    QTest::qWait(50);  // anything the first would still deliver
    const RunOrdination* shown = w.result_of_run();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->labels.front(), "second 0");
    EXPECT_EQ(shown->result.objects(), 12);
}

// Pictures of the window for the README, on made-up surveys of 5, 50 and
// 2,000 stations: taken only when TARNWICK_SHOTS names a folder.
TEST_F(OrdinationWindows, PicturesForTheReadme) {
    const char* shots = std::getenv("TARNWICK_SHOTS");
    if (!shots) GTEST_SKIP() << "set TARNWICK_SHOTS to a folder to take the pictures";
    const QString script = QStringLiteral(TARNWICK_SOURCE_DIR "/scripts/make_survey.py");
    for (int n : {5, 50, 2000}) {
        SetUp();
        const QString data = dir.filePath(QStringLiteral("survey%1.txt").arg(n));
        QProcess make;
        make.setStandardOutputFile(data);
        make.start(QStringLiteral("/usr/bin/python3"),
                   {script, QString::number(n), QStringLiteral("2"), QString::number(n)});
        ASSERT_TRUE(make.waitForFinished());
        run(data);
        // This shared machine takes minutes for 20 starts of 2,000 objects:
        // the picture needs only the window, so it is taken after 3.
        session->results_window().Ordination->click();
        OrdinationWindow& w = *session->results_window().ordination_window();
        if (n > 50) {
            w.StopOrdination->click();
            ASSERT_TRUE(QTest::qWaitFor([&w] { return !w.computing(); }, kWaitMs));
            w.Starts->setValue(3);
            w.Recompute->click();
        }
        ASSERT_TRUE(QTest::qWaitFor([&w] { return !w.computing(); }, kWaitMs));
        w.ShowHulls->setChecked(true);
        w.ShowLabels->setChecked(n <= 50);
        w.resize(1000, 760);
        w.show();
        QTest::qWait(100);
        w.grab().save(QStringLiteral("%1/ordination_window_%2.png").arg(shots).arg(n));
        w.Tabs->setCurrentIndex(1);
        QTest::qWait(100);
        w.grab().save(QStringLiteral("%1/shepard_%2.png").arg(shots).arg(n));
        w.Tabs->setCurrentIndex(0);
        w.save_picture(QStringLiteral("%1/ordination_%2.png").arg(shots).arg(n), 150);
        DendrogramWindow& f4 = session->dendrogram_window();
        f4.PublicationView->click();
        f4.resize(1000, 760);
        QTest::qWait(100);
        f4.grab().save(QStringLiteral("%1/tree_%2.png").arg(shots).arg(n));
        TearDown();
    }
}

}  // namespace
}  // namespace tw::ui::test
