// The "What makes each cluster" window: its rows as the report lists them,
// sorted by value when a heading is clicked, and copied with their headings.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <limits>

#include "run/run_context.h"
#include "ui/explain_window.h"

namespace tw::ui::test {
namespace {

struct Explained {
    RunContext ctx;
    ClusterExplanation e;
    Explained() {
        ctx.SpeciesLabel = {"", "Chir", "Olig", "Pisi"};
        e.clusters = {"A", "B"};
        e.stations = {3, 2};
        e.simper_cut = 90;
        const double none = std::numeric_limits<double>::quiet_NaN();
        SimperTable within{SimperKind::Within, 0, -1, 3, 0, 60.0, {}};
        within.species = {{1, 5, none, 50.0, 2.0, 25.0, 83.3, 83.3},
                          {3, 2, none, 9.5, 1.0, 9.5, 15.8, 99.2},
                          {2, 1, none, 0.5, none, none, 0.8, 100}};  // beyond the cut
        SimperTable between{SimperKind::Between, 0, 1, 6, 0, 80.0, {}};
        between.species = {{2, 1, 7, 70.2, none, none, 87.8, 87.8},
                           {3, 2, 0, 10.2, 1.0, 10.2, 12.2, 100}};
        e.simper = {within, between};
        e.indicators = {{1, {0.9, 0.1}, {1, 0.5}, {90, 5}, 0, 0.01},
                        {2, {0, 0}, {0, 0}, {0, 0}, -1, none}};
    }
};

TEST(ExplainWindow, RowsFollowTheReportUntilAHeadingSortsThemByValue) {
    Explained x;
    ExplainWindow w;
    w.show_explanation(x.ctx, x.e);
    QTableWidget& t = *w.SimperTable;
    ASSERT_EQ(t.rowCount(), 4);  // Olig within A lies beyond the 90% cut
    auto species_column = [&t] {
        QStringList names;
        for (int r = 0; r < t.rowCount(); ++r) names << t.item(r, 3)->text();
        return names.join(' ');
    };
    EXPECT_EQ(species_column(), "Chir Pisi Olig Pisi");
    EXPECT_EQ(t.item(2, 7)->text(), "-");  // one spread left undefined

    // By value, not by text: 9.50 < 10.20 < 50.00 < 70.20.
    t.horizontalHeader()->setSortIndicator(6, Qt::AscendingOrder);
    t.sortItems(6, Qt::AscendingOrder);
    EXPECT_EQ(species_column(), "Pisi Pisi Chir Olig");
    // Cells without a value sort below every number.
    t.sortItems(7, Qt::AscendingOrder);
    EXPECT_EQ(t.item(0, 7)->text(), "-");

    QTableWidget& ind = *w.IndicatorTable;
    ASSERT_EQ(ind.columnCount(), 8);
    EXPECT_EQ(ind.horizontalHeaderItem(7)->text(), "IndVal B");
    EXPECT_EQ(ind.item(0, 1)->text(), "A");
    EXPECT_EQ(ind.item(1, 1)->text(), "");  // Olig is nowhere: no cluster, no P
    EXPECT_EQ(ind.item(1, 5)->text(), "-");
}

TEST(ExplainWindow, CopyGivesTheSelectedCellsUnderTheirHeadings) {
    Explained x;
    ExplainWindow w;
    w.show_explanation(x.ctx, x.e);
    QTableWidget& t = *w.IndicatorTable;
    t.setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
    t.setRangeSelected(QTableWidgetSelectionRange(0, 4, 0, 4), true);
    EXPECT_EQ(selected_cells_text(t), "Species\tCluster\tIndVal\nChir\tA\t90.00\nOlig\t\t\n");
    w.show();
    t.setFocus();
    QTest::keySequence(&t, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), selected_cells_text(t));
}

}  // namespace
}  // namespace tw::ui::test
