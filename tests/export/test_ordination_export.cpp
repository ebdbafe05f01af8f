// The ordination's file and its entry in the record of the run, as R's
// read.csv and a JSON reader would take them.

#include <gtest/gtest.h>

#include <string>

#include "export/figure_svg.h"
#include "export/ordination_export.h"
#include "figure/text_metrics.h"

namespace tw {
namespace {

RunOrdination three_objects(std::int32_t axes) {
    RunOrdination o;
    o.result.points = Configuration(3, axes);
    for (std::int32_t i = 0; i < 3; ++i)
        for (std::int32_t a = 0; a < axes; ++a) o.result.points.at(i, a) = 0.25 * (i + 1) - a;
    o.result.stress = 0.125;
    o.result.starts.resize(20);
    o.result.repeated = 7;
    o.result.best_start = 3;
    o.result.seed = 42;
    o.result.scaling = "half-change units";
    o.dissimilarities.rule = "1 - similarity";
    o.labels = {"Reef, north", "Say \"bay\"", "Lake"};
    o.clusters = {"A", "", "B"};
    return o;
}

TEST(OrdinationCsv, OneRowPerObjectWithItsClusterAndEveryAxis) {
    EXPECT_EQ(ordination_csv(three_objects(2)),
              "object,label,cluster,axis1,axis2\r\n"
              "1,\"Reef, north\",A,0.25,-0.75\r\n"
              "2,\"Say \"\"bay\"\"\",,0.5,-0.5\r\n"
              "3,Lake,B,0.75,-0.25\r\n");
    const std::string three = ordination_csv(three_objects(3));
    EXPECT_EQ(three.substr(0, three.find('\r')), "object,label,cluster,axis1,axis2,axis3");
    EXPECT_NE(three.find("3,Lake,B,0.75,-0.25,-1.25\r\n"), std::string::npos);
}

TEST(OrdinationRecord, SaysHowTheOrdinationWasMade) {
    const std::string record = ordination_record(three_objects(2)).str();
    for (const char* field :
         {"\"dimensions\": 2", "\"starts\": 20", "\"seed\": 42", "\"stress\": 0.125",
          "\"best_start\": 3", "\"best_solution_repeated\": 7",
          "\"dissimilarity\": \"1 - similarity\"", "\"scaling\": \"half-change units\""})
        EXPECT_NE(record.find(field), std::string::npos) << field << " in\n" << record;
}

TEST(OrdinationSvg, LabelsAreEscapedAndEveryDotDrawn) {
    RunOrdination o = three_objects(2);
    o.labels[2] = "Lake <deep> & shallow";
    OrdinationPage page;
    page.labels = true;
    const std::string svg = ordination_svg(ordination_plot(o, page, figure_text_width));
    EXPECT_NE(svg.find("Lake &lt;deep&gt; &amp; shallow"), std::string::npos);
    EXPECT_NE(svg.find("Say &quot;bay&quot;"), std::string::npos);
    EXPECT_EQ(svg.find("<deep>"), std::string::npos);
    std::size_t dots = 0;
    for (std::size_t at = svg.find("<circle"); at != std::string::npos;
         at = svg.find("<circle", at + 1))
        ++dots;
    EXPECT_EQ(dots, 3u);
}

}  // namespace
}  // namespace tw
