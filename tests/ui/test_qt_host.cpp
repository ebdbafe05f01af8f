// What the core reaches through the window host: outputs by name, the
// message area, the results grid, the dendrogram box, and the end of the
// program while a stage is running.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "run/entry_point.h"
#include "ui/dendrogram_drawing.h"
#include "ui/dendrogram_view.h"
#include "ui/dendrogram_window.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/report_printing.h"
#include "ui/report_window.h"
#include "ui/results_grid.h"
#include "ui/results_window.h"
#include "ui/start_window.h"
#include "ui/text_panel.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

using HostTest = WindowTest;

std::string read_bytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(HostTest, FilesGetThePrintedBytesAndAppendKeepsEarlierLines) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("SIGLIST.TXT").toStdString();
    Host& host = session->host();
    {
        auto out = host.open_output(path, OpenMode::Write);
        ASSERT_TRUE(out);
        Printer(out.get()).num(3).zone().text("S").end();
    }
    {
        auto out = host.open_output(path, OpenMode::Append);
        Printer(out.get()).num(12).zone().text("NS").end();
    }
    EXPECT_EQ(read_bytes(QString::fromStdString(path)), " 3            S\r\n 12           NS\r\n");
}

TEST_F(HostTest, AnOutputThatCannotBeOpenedIsRefused) {
    QTemporaryDir dir;
    EXPECT_FALSE(session->host().open_output("", OpenMode::Write));
    EXPECT_FALSE(session->host().open_output(dir.path().toStdString(), OpenMode::Write));
    EXPECT_FALSE(
        session->host().open_output(dir.filePath("no/such/dir/x").toStdString(), OpenMode::Write));
}

TEST_F(HostTest, ScreenDeviceShowsTheReportWindowAndANewRunReplacesIt) {
    for (const char* run : {"first run", "second run"}) {
        auto out = session->host().open_output("SCRN:", OpenMode::Write);
        ASSERT_TRUE(out);
        Printer(out.get()).text(run).end();
    }
    ReportWindow& w = session->report_window();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.contents(), "second run\r\n");

    QTemporaryDir dir;
    ASSERT_TRUE(w.save_to(dir.filePath("report.txt")));
    EXPECT_EQ(read_bytes(dir.filePath("report.txt")), "second run\r\n");
}

TEST_F(HostTest, PrinterDevicePrintsTheWholeReportOnceWhenItsChannelCloses) {
    std::vector<QString> printed;
    set_print_handler([&](const QString& report) { printed.push_back(report); });
    {
        auto out = session->host().open_output("lpt1:", OpenMode::Write);
        ASSERT_TRUE(out);
        Printer p(out.get());
        p.text("line one").end();
        p.text("line two").end();
        EXPECT_TRUE(printed.empty());
    }
    set_print_handler({});
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0], "line one\r\nline two\r\n");
}

TEST_F(HostTest, ReportPrintedToPdfIsAPdfFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    std::string many;
    for (int i = 0; i < 200; ++i) many += "line " + std::to_string(i) + "\r\n";  // several pages
    ASSERT_TRUE(print_report_to_pdf(QString::fromStdString(many), path));
    EXPECT_EQ(read_bytes(path).substr(0, 5), "%PDF-");
}

TEST_F(HostTest, MessageAreaShowsPrintedTextAndClearStartsAgainAtTheTop) {
    Printer& m = session->host().messages();
    m.text("Reading").zone().num(12).end();
    m.text("partial");
    EXPECT_EQ(session->options_window().message_area->shown(), "Reading        12 \npartial");
    m.clear();
    m.text("fresh").end();
    EXPECT_EQ(session->options_window().message_area->shown(), "fresh\n");
    EXPECT_EQ(m.column(), 1);
}

TEST_F(HostTest, ALongTablePrintedAtOnceReachesTheScreenWholeAndInOrder) {
    Printer& m = session->host().messages();
    for (int line = 1; line <= 4000; ++line)
        m.num(line).tab(6).text("R\xC3\xA9").num(static_cast<float>(line) * 0.5f).end();
    TextPanel* area = session->options_window().message_area;
    const QString all = area->shown();
    // Shown over several turns, never split inside a line or a character.
    QCoreApplication::processEvents();
    EXPECT_EQ(area->shown(), all);
    EXPECT_LT(area->toPlainText().size(), all.size());
    for (int turn = 0; turn < 50 && area->toPlainText() != all; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(area->toPlainText(), all);
    EXPECT_EQ(all.count(QStringLiteral("R\u00e9")), 4000);

    m.clear();
    m.text("fresh").end();
    QCoreApplication::processEvents();
    EXPECT_EQ(area->toPlainText(), "fresh\n");
}

TEST_F(HostTest, QuestionsReachTheMessageBoxFunnelWithTheirButtons) {
    answers = {Answer::No};
    EXPECT_EQ(session->host().ask("Empty Data Row Warning Do you want to continue?", "Values",
                                  Buttons::YesNo),
              Answer::No);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Empty Data Row Warning Do you want to continue?");
    EXPECT_EQ(boxes[0].buttons, Buttons::YesNo);
}

TEST_F(HostTest, GridRowZeroIsTheHeadingAndRowLIsLinkageL) {
    ResultsGrid& g = session->host().grid();
    g.set_rows(4);
    const char* headings[] = {"LINKAGE", "MEMBERS", "# < OBS.", "P(0.05)"};
    for (int c = 0; c < 4; ++c) g.set_cell(0, c, headings[c]);
    g.set_cell(1, 0, "1");
    g.set_cell(1, 1, "2 + 5");
    g.set_cell(3, 3, "0.300");
    const QAbstractItemModel* t = session->results_window().Grid_out->model();
    EXPECT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->headerData(2, Qt::Horizontal).toString(), "# < OBS.");
    EXPECT_EQ(t->data(t->index(0, 1)).toString(), "2 + 5");
    EXPECT_EQ(session->results_window().grid().tab_separated(),
              "LINKAGE\tMEMBERS\t# < OBS.\tP(0.05)\n1\t2 + 5\t\t\n\t\t\t\n\t\t\t0.300\n");

    g.set_rows(1);  // one group: the heading row only
    EXPECT_EQ(t->rowCount(), 0);
}

TEST_F(HostTest, GridTextColourIsTheWholeGridsThemeColour) {
    ResultsGrid& g = session->host().grid();
    QTableView* t = session->results_window().Grid_out;
    g.set_text_colour(GridColour::TooltipText);
    EXPECT_EQ(t->palette().color(QPalette::Text),
              QApplication::palette().color(QPalette::ToolTipText));
    g.set_text_colour(GridColour::WindowText);
    EXPECT_EQ(t->palette().color(QPalette::Text),
              QApplication::palette().color(QPalette::WindowText));
}

TEST_F(HostTest, DendrogramBoxKeepsDrawingUnitsAndGrowsForWideTrees) {
    Canvas& c = session->host().dendrogram();
    c.set_scale(640, 320);
    c.line(29, 29, 29, 288);
    c.text(80, 11.52f, "Title\r\n");
    DendrogramView* view = session->dendrogram_window().Dendrogram;
    EXPECT_EQ(view->drawing().extent(), 640.0);
    EXPECT_EQ(view->listing(), "LINE 29 29 29 288\nTEXT 80 11.52 Title\n");

    c.line(1200, 200, 1200, 288);  // a tree of many stations
    EXPECT_EQ(view->drawing().extent(), 1200.0);
    view->fit_to(QSize(656, 328));
    EXPECT_GE(view->width(), static_cast<int>(1200 * view->scale()));
    EXPECT_GT(view->width(), 656);

    c.clear();
    EXPECT_TRUE(view->drawing().empty());
}

TEST_F(HostTest, APartlyExposedDendrogramPaintsWhatAWholePaintWouldThere) {
    DendrogramDrawing d;
    d.width = 2000;
    for (int leaf = 0; leaf < 200; ++leaf) {
        const double x = 30 + leaf * 9.5;
        d.lines.push_back({x, 288, x, 100.0 + leaf % 50});
        d.texts.push_back({x - 4, 292, QString::number(leaf + 1)});
    }
    d.lines.push_back({0, 150, 2000, 150});  // a line that only crosses the exposed part
    const auto paint = [&d](const QRectF& visible) {
        QImage image(2000, 320, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter p(&image);
        paint_drawing(p, d, visible);
        return image;
    };
    const QImage whole = paint(QRectF());
    const QRect exposed(700, 90, 300, 230);
    const QImage part = paint(exposed);
    EXPECT_EQ(part.copy(exposed), whole.copy(exposed));
    EXPECT_EQ(part.pixelColor(100, 50), QColor(Qt::red));  // outside: left alone
}

TEST_F(HostTest, DendrogramPictureIsSavedAsSvgPngOrPdf) {
    DendrogramDrawing d;
    d.lines.push_back({29, 29, 29, 288});
    d.texts.push_back({80, 11.52, "Lake survey"});
    QTemporaryDir dir;
    ASSERT_TRUE(save_drawing(d, dir.filePath("tree.svg"), 300));
    const std::string svg = read_bytes(dir.filePath("tree.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Lake survey"), std::string::npos);

    // 174 mm wide at 144 dpi: the 640 drawing units become 987 pixels.
    ASSERT_TRUE(save_drawing(d, dir.filePath("tree.png"), 144));
    const QImage png(dir.filePath("tree.png"));
    EXPECT_EQ(png.width(), 987);
    const bool axis_drawn = png.pixelColor(44, 300) == QColor(Qt::black) ||
                            png.pixelColor(45, 300) == QColor(Qt::black);
    EXPECT_TRUE(axis_drawn);  // the axis, at 29 units of 1.54 pixels

    ASSERT_TRUE(save_drawing(d, dir.filePath("tree.pdf"), 300));
    EXPECT_EQ(read_bytes(dir.filePath("tree.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(HostTest, StartButtonsAreDisabledWhileAStageRuns) {
    session->options_window();
    session->method_window();
    session->dendrogram_window();
    bool enabled_during = true;
    const Outcome o = session->stages().guarded([&] {
        enabled_during = session->options_window().continue_button->isEnabled() ||
                         session->method_window().continue_button->isEnabled() ||
                         session->dendrogram_window().continue_button->isEnabled();
        // A second start while this one runs is refused.
        EXPECT_EQ(session->stages().guarded([] { return Outcome::Completed; }), Outcome::Failed);
        return Outcome::Completed;
    });
    EXPECT_EQ(o, Outcome::Completed);
    EXPECT_FALSE(enabled_during);
    EXPECT_TRUE(session->method_window().continue_button->isEnabled());
}

TEST_F(HostTest, ExitDuringAStageEndsTheProgramAtItsNextYield) {
    session->start();
    QTemporaryDir dir;
    const std::string path = dir.filePath("report.txt").toStdString();
    int yields_after_exit = 0;
    const Outcome o = session->stages().guarded([&] {
        session->context().channels.open(session->host(), 2, path, OpenMode::Write).text("x").end();
        session->stages().request_end();  // as Exit2 clicked during a yield
        EXPECT_FALSE(session->stages().ended());
        session->host().yield();
        ++yields_after_exit;
        return Outcome::Completed;
    });
    EXPECT_EQ(o, Outcome::Ended);
    EXPECT_EQ(yields_after_exit, 0);
    EXPECT_TRUE(session->stages().ended());
    EXPECT_FALSE(session->context().channels.is_open(2));
    EXPECT_FALSE(session->start_window().isVisible());
    EXPECT_EQ(read_bytes(dir.filePath("report.txt")), "x\r\n");
}

TEST_F(HostTest, WindowsGetTheirTurnOnlyAFullIntervalIntoAStage) {
    session->start();
    bool delivered = false;
    QTimer::singleShot(0, [&delivered] { delivered = true; });
    session->stages().guarded([&] {
        // Every pause point of a first stretch of work: too soon for a turn.
        session->host().yield_for(1 << 20);
        EXPECT_FALSE(delivered);
        QElapsedTimer waited;
        waited.start();
        while (!delivered && waited.elapsed() < 5000) session->host().yield_for(1 << 20);
        EXPECT_TRUE(delivered);
        EXPECT_GE(waited.elapsed(), 50);
        return Outcome::Completed;
    });
}

TEST_F(HostTest, ClosingTheLastVisibleWindowEndsTheProgram) {
    session->start();
    session->options_window().show();
    session->start_window().close();
    EXPECT_FALSE(session->stages().ended());
    session->options_window().close();
    EXPECT_TRUE(session->stages().ended());
}

}  // namespace
}  // namespace tw::ui::test
