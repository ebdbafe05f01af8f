// The dendrogram to publish from and the results details, after a real run
// of the windows on the lake survey.

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "figure/publication_layout.h"
#include "render/figure_painting.h"
#include "ui/dendrogram_window.h"
#include "ui/examples_dir.h"
#include "ui/figure_options_dialog.h"
#include "ui/figure_view.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/results_window.h"
#include "ui/window_placement.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

QStringList texts_of_role(const Figure& f, TextRole role) {
    QStringList out;
    for (const FigureText& t : f.texts)
        if (t.role == role) out << QString::fromStdString(t.text);
    return out;
}

class PublicationWindows : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        session->stages().set_random_seed(7);
        OptionsWindow& f2 = session->options_window();
        f2.input_file_edit->setText(
            QDir(examples_dir()).filePath(QStringLiteral("lake_stations.txt")));
        f2.report_file_edit->setText(dir.filePath(QStringLiteral("report.txt")));
        f2.bypass_check_box->setChecked(true);
        session->stages().run_analysis();
        ASSERT_TRUE(session->dendrogram_window().isVisible());
    }
    QTemporaryDir dir;
};

TEST_F(PublicationWindows, TheNamedViewShowsLabelsAndRedrawsToFitTheWindow) {
    DendrogramWindow& f4 = session->dendrogram_window();
    f4.resize(700, 450);
    f4.PublicationView->click();
    QCoreApplication::processEvents();
    const Figure small = f4.PublicationFigure->figure();
    ASSERT_FALSE(small.empty());
    int labels = 0;
    for (const FigureText& t : small.texts) labels += t.role == TextRole::LeafLabel;
    EXPECT_EQ(labels, 4);

    f4.resize(1100, 700);
    QTest::qWait(50);
    EXPECT_GT(f4.PublicationFigure->figure().width, small.width + 300);
    EXPECT_GT(f4.PublicationFigure->figure().height, small.height + 200);
}

TEST_F(PublicationWindows, ResultsNameTheMembersExplainUntestedLinkagesAndListClusters) {
    session->stages().test_linkages();
    ResultsWindow& f5 = session->results_window();
    const QAbstractItemModel* grid = f5.Grid_out->model();
    const auto text = [grid](int r, int c) { return grid->data(grid->index(r, c)).toString(); };
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->headerData(3, Qt::Horizontal).toString(), "P(0.05)")
        << "the design's headings stay";
    EXPECT_EQ(grid->headerData(4, Qt::Horizontal).toString(), "Member labels");
    for (int r = 0; r < 3; ++r) {
        const QString p = text(r, 3);
        const QString why = grid->data(grid->index(r, 3), Qt::ToolTipRole).toString();
        if (p == QLatin1String("N/A") || p == QLatin1String("*")) {
            EXPECT_TRUE(why.startsWith(QLatin1String("Not tested"))) << r;
            EXPECT_TRUE(text(r, 5).isEmpty());
        } else {
            EXPECT_TRUE(why.isEmpty()) << r;
            EXPECT_FALSE(text(r, 5).isEmpty()) << "SE of a tested linkage";
        }
        EXPECT_TRUE(text(r, 4).contains(QLatin1String("L"))) << r;
    }
    EXPECT_TRUE(f5.ClusterList->toPlainText().startsWith(QLatin1String("A  (")));
    EXPECT_TRUE(available_screen(&f5).contains(f5.frameGeometry()))
        << "the results window fits the screen";
    EXPECT_GE(f5.Grid_out->viewport()->height() / f5.Grid_out->rowHeight(0), 8)
        << "the grid takes the height left over";

    session->stages().finish();
    EXPECT_TRUE(f5.ClusterList->toPlainText().isEmpty());
    EXPECT_FALSE(session->dendrogram_window().SavePicture->isEnabled()) << "nothing left to save";
    EXPECT_FALSE(session->dendrogram_window().PublicationFigure->has_figure());
}

TEST_F(PublicationWindows, TheReportOpensFromTheResultsWindowInFileMode) {
    session->stages().test_linkages();
    session->results_window().ShowReport->click();
    QWidget* shown = session->loaded_window(QStringLiteral("RunReport"));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_NE(session->run_report().find("Bootstrap testing results"), std::string::npos);
}

TEST_F(PublicationWindows, FigureOptionsHoldForTheSessionAndCancelLeavesThemAsTheyWere) {
    session->stages().test_linkages();
    DendrogramWindow& f4 = session->dendrogram_window();
    f4.FigureOptions->click();
    FigureOptionsDialog* dialog = f4.figure_options_dialog();
    ASSERT_TRUE(dialog->isVisible());
    dialog->FigureTitle->setText(QStringLiteral("Littoral benthos"));
    dialog->FigureColours[1]->click();
    dialog->FigureClusters->click();
    dialog->FigureOptionsOk->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(f4.PublicationView->isChecked()) << "the choices show the view they are for";
    const Figure page = f4.PublicationFigure->page_figure();
    EXPECT_EQ(texts_of_role(page, TextRole::Title),
              QStringList{QStringLiteral("Littoral benthos")});
    for (const FigureLine& l : page.lines) EXPECT_EQ(l.colour.r, l.colour.b) << "greyscale";

    // Opened again, the dialog shows the choices kept; Cancel changes nothing.
    f4.FigureOptions->click();
    EXPECT_EQ(dialog->FigureTitle->text(), QStringLiteral("Littoral benthos"));
    EXPECT_TRUE(dialog->FigureClusters->isChecked());
    dialog->FigureTitle->setText(QStringLiteral("Discarded"));
    dialog->FigureOptionsCancel->click();
    EXPECT_EQ(f4.PublicationFigure->options().title, "Littoral benthos");
    EXPECT_EQ(f4.PublicationFigure->options().colours, ColourScheme::Greyscale);
}

TEST(FigurePictures, PngHasTheChosenResolutionAndSvgKeepsTextAsText) {
    FigureSource src;
    src.title = "Two lakes";
    src.method_line = "UPGMA, Bray-Curtis";
    src.axis_title = "Bray-Curtis similarity (larger is closer)";
    src.order = {1, 2};
    src.leaf_labels = {"North basin", "South basin"};
    src.linkages = {{1, 2, 0.4f}};
    const Figure f = publication_layout(src, journal_page(), figure_text_width);
    QTemporaryDir dir;
    ASSERT_TRUE(save_figure(f, dir.filePath("f.png"), 600));
    const QImage png(dir.filePath("f.png"));
    EXPECT_NEAR(png.width(), 174 / 25.4 * 600, 3);
    EXPECT_NEAR(png.dotsPerMeterX() * 0.0254, 600, 1);
    ASSERT_TRUE(save_figure(f, dir.filePath("f.svg"), 300));
    QFile svg(dir.filePath("f.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains(">South basin<")) << text.toStdString().substr(0, 3000);
}

}  // namespace
}  // namespace tw::ui::test
