#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cluster/dendrogram.h"
#include "dendrogram_fixture.h"
#include "support/scripted_host.h"

namespace tw::test {
namespace {

class DrawDendrogram : public ::testing::Test {
  protected:
    // An observed run over `labels` whose report goes to "REPORT".
    void prepare(const std::vector<std::string>& labels, const std::vector<Join>& joins,
                 Resemblance distance_flag) {
        n = static_cast<std::int32_t>(labels.size());
        ctx.GroupLabel = {""};
        ctx.GroupLabel.insert(ctx.GroupLabel.end(), labels.begin(), labels.end());
        ctx.DataTitle = "Test data";
        ctx.channels.open(host, 2, "REPORT", OpenMode::Write);
        ctx.work = workspace_with(joins, distance_flag);
        ctx.work.MethodName = "UPGMA";
        ctx.work.MeasureName = "Bray-Curtis";
        dendrogram_order(ctx.work, n);
    }
    void draw() { draw_dendrogram(ctx, host, ctx.work, n); }
    std::string report() const { return host.file("REPORT"); }
    std::vector<std::string> canvas_texts() const {
        std::vector<std::string> texts;
        for (const DrawnText& t : host.canvas.texts) texts.push_back(t.text);
        return texts;
    }

    ScriptedHost host;
    RunContext ctx;
    std::int32_t n = 0;
};

TEST_F(DrawDendrogram, ReportListsLabelsAndCoordinatesByteForByte) {
    prepare({"A", "B", "C"}, {{1, 3, 0.9f}, {1, 2, 0.5f}}, kSimilarity);
    draw();
    EXPECT_EQ(report(),
              " \r\n"
              "List of dendrogram labels (top -> bottom = left -> right)\r\n"
              " \r\n"
              " 1             1            A\r\n"
              " 2             3            C\r\n"
              " 3             2            B\r\n"
              " \r\n"
              "Cartisian coordinates for dendrogram diagram (import into spreadsheet and plot as "
              "X-Y chart)\r\n"
              "  X             Y\r\n"
              " \r\n"
              " 1             1 \r\n"
              " 1             .9 \r\n"
              " 2             .9 \r\n"
              " 2             1 \r\n"
              "\r\n"
              " 1.5           .9 \r\n"
              " 1.5           .5 \r\n"
              " 3             .5 \r\n"
              " 3             1 \r\n"
              "\r\n");
}

TEST_F(DrawDendrogram, FillsThePositionTablesForTheClusterIdentifiers) {
    prepare({"A", "B", "C"}, {{1, 3, 0.9f}, {1, 2, 0.5f}}, kSimilarity);
    ctx.Label.recreate(5, 2);
    ctx.Label(1, 2) = "stale";
    draw();
    EXPECT_EQ(ctx.DendroOrder, (std::vector<std::int16_t>{0, 1, 3, 2}));
    EXPECT_EQ(ctx.Label.last_row(), 3);
    EXPECT_EQ(ctx.Label.last_col(), 2);
    const std::vector<std::string> column1 = {ctx.Label(1, 1), ctx.Label(2, 1), ctx.Label(3, 1)};
    EXPECT_EQ(column1, (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(ctx.Label(1, 2), "");
    EXPECT_TRUE(ctx.work.LeafOrder.empty());  // released once drawn
}

TEST_F(DrawDendrogram, ShowsTheWindowNotesProgressAndOffersContinue) {
    prepare({"A", "B", "C"}, {{1, 3, 0.9f}, {1, 2, 0.5f}}, kSimilarity);
    draw();
    EXPECT_TRUE(host.visible(Window::Dendrogram));
    EXPECT_TRUE(host.control_visible[Control::DendrogramContinue]);
    EXPECT_EQ(host.message_area.shown, "----- Dendogram -----\r\n");
    EXPECT_EQ(host.link_area.shown, "assigning cluster labels\r\n");
}

TEST_F(DrawDendrogram, DrawsTitleAxisLeafNumbersAndLinks) {
    prepare({"A", "B", "C"}, {{1, 3, 0.9f}, {1, 2, 0.5f}}, kSimilarity);
    draw();
    const RecordingCanvas& c = host.canvas;
    EXPECT_EQ(c.width, 640);
    EXPECT_EQ(c.height, 320);
    ASSERT_GE(c.texts.size(), 2u);
    EXPECT_EQ(c.texts[0].text, "Test data");
    EXPECT_FLOAT_EQ(c.texts[0].x, 80);
    EXPECT_FLOAT_EQ(c.texts[0].y, 11.52f);
    EXPECT_EQ(c.texts[1].text, "UPGMA, Bray-Curtis");
    EXPECT_FLOAT_EQ(c.texts[1].x, 232);
    EXPECT_FLOAT_EQ(c.texts[1].y, 2 * 11.52f);
    EXPECT_EQ(canvas_texts(),
              (std::vector<std::string>{"Test data", "UPGMA, Bray-Curtis", "1.0", ".9", ".8", ".7",
                                        ".6", ".5", " 1 ", " 3 ", " 2 "}));
    const DrawnText& last_leaf = c.texts.back();
    EXPECT_FLOAT_EQ(last_leaf.x, 29 + 3 * 24 - 8);
    EXPECT_FLOAT_EQ(last_leaf.y, 24 * 11.52f);

    // The axis, eleven ticks, three lines per link.
    ASSERT_EQ(c.lines.size(), 1u + 11u + 6u);
    const DrawnLine& across = c.lines.back();  // the top link, from the 1-3 node to station 2
    EXPECT_FLOAT_EQ(across.x1, 29 + 1.5f * 24);
    EXPECT_FLOAT_EQ(across.x2, 29 + 3 * 24);
    EXPECT_FLOAT_EQ(across.y1, 29);
}

TEST_F(DrawDendrogram, SavelinksTextLimitsWhatIsDrawnAndListed) {
    const std::vector<Join> joins = {
        {1, 2, 1.0f}, {3, 4, 2.0f}, {1, 3, 4.0f}, {5, 6, 3.0f}, {1, 5, 10.0f}};
    struct Case {
        std::string savelinks_text;
        std::size_t links;
    };
    for (const Case& c : std::vector<Case>{{"3 clusters", 3}, {"none", 0}, {"100", 5}}) {
        host.canvas = RecordingCanvas();
        ctx = RunContext();
        ctx.settings.savelinks_text = c.savelinks_text;
        prepare({"a", "b", "c", "d", "e", "f"}, joins, kDistance);
        draw();
        EXPECT_EQ(host.canvas.lines.size(), 12 + 3 * c.links) << c.savelinks_text;
        EXPECT_EQ(canvas_texts().size(), 2u + 6u + 6u) << "every leaf number is printed";
        const std::string listing = report().substr(report().find("  X             Y"));
        std::size_t pairs = 0;
        for (std::size_t at = listing.find("\r\n\r\n"); at != std::string::npos;
             at = listing.find("\r\n\r\n", at + 1))
            ++pairs;
        EXPECT_EQ(pairs, c.links) << c.savelinks_text;
    }
}

TEST_F(DrawDendrogram, ASingleGroupDrawsOneLeafAndNoLinks) {
    prepare({"only"}, {}, kSimilarity);
    draw();
    EXPECT_EQ(ctx.DendroOrder, (std::vector<std::int16_t>{0, 1}));
    EXPECT_EQ(ctx.Label(1, 1), "only");
    EXPECT_EQ(host.canvas.lines.size(), 12u);
    EXPECT_NE(report().find(" 1             1            only\r\n"), std::string::npos);
    EXPECT_TRUE(host.control_visible[Control::DendrogramContinue]);
}

}  // namespace
}  // namespace tw::test
