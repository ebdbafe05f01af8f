// The start-up, options and resemblance-and-linkage windows: their defaults,
// the control events that show, hide and reset other controls, and what they
// hand to the run.

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "cluster/linkage_method.h"
#include "resemblance/measure.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/window_table.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

using OptionWindows = WindowTest;

// Scripts find a window by its objectName and the core by its own name for
// it: each entry of the window table must make the window it names.
TEST_F(OptionWindows, EveryWindowIsMadeWithTheNamesItsTableEntryGivesIt) {
    for (const WindowEntry& e : window_table()) {
        QWidget& w = session->windows().window(e.id);
        EXPECT_EQ(w.objectName(), QString::fromLatin1(e.object_name));
        EXPECT_EQ(session->loaded_window(w.objectName()), &w);
        if (e.core) EXPECT_EQ(entry_of(*e.core), &e) << e.object_name;
    }
    EXPECT_EQ(session->loaded_window(QStringLiteral("Form9")), nullptr);
}

TEST_F(OptionWindows, StartUpContinueHidesItselfButEnterKeepsItUp) {
    session->start();
    Form1& f1 = session->form1();
    QTest::keyClick(f1.Command1, Qt::Key_Return);
    EXPECT_TRUE(f1.isVisible());
    EXPECT_TRUE(session->form2().isVisible());

    session->form2().hide();
    QTest::keyClick(f1.Command1, Qt::Key_X);  // other keys do nothing
    EXPECT_FALSE(session->form2().isVisible());

    f1.Command1->click();
    EXPECT_FALSE(f1.isVisible());
    EXPECT_TRUE(session->form2().isVisible());
}

TEST_F(OptionWindows, OptionsWindowStartsWithItsDefaults) {
    Form2& f = session->form2();
    EXPECT_EQ(f.windowTitle(), "I/O and Data Options");
    EXPECT_EQ(f.Text4->text(), "1");
    EXPECT_EQ(f.savelinks->text(), "100");
    EXPECT_TRUE(f.Option3->isChecked());
    EXPECT_TRUE(f.Text3->isHidden());
    EXPECT_TRUE(f.Text4->isHidden());
    EXPECT_TRUE(f.Frame2->isHidden());
    for (QCheckBox* c :
         {f.Check1, f.Check2, f.Standardise, f.Check3, f.CheckData, f.sim_matrix, f.all_matrix}) {
        EXPECT_FALSE(c->isChecked()) << c->objectName().toStdString();
    }
}

TEST_F(OptionWindows, UntickingTheConstantLeavesASingleBlankAndHidesTheBox) {
    Form2& f = session->form2();
    f.show();
    f.Check1->click();
    EXPECT_TRUE(f.Text4->isVisible());
    f.Text4->setText("2.5");
    f.Check1->click();
    EXPECT_FALSE(f.Text4->isVisible());
    EXPECT_FALSE(f.Label4->isVisible());
    EXPECT_EQ(f.Text4->text(), " ");
}

TEST_F(OptionWindows, TransformationOptionsAreOneOfFourAndClearedWithTheirCheckBox) {
    Form2& f = session->form2();
    f.show();
    f.Check2->click();
    ASSERT_TRUE(f.Frame2->isVisible());
    EXPECT_EQ(f.Option6->text(), "Square root");
    EXPECT_EQ(f.Option7->text(), "Fourth root");
    const std::vector<QRadioButton*> options = {f.Option4, f.Option5, f.Option6, f.Option7};
    for (QRadioButton* chosen : options) {
        chosen->click();
        chosen->click();  // choosing the chosen one keeps it on
        for (QRadioButton* o : options)
            EXPECT_EQ(o->isChecked(), o == chosen) << o->objectName().toStdString();
    }
    f.Standardise->click();
    f.Check2->click();
    EXPECT_FALSE(f.Frame2->isVisible());
    for (QRadioButton* o : options) EXPECT_FALSE(o->isChecked());
    // Standardising does not depend on the transformation.
    EXPECT_TRUE(f.Standardise->isVisible());
    RunSettings s;
    f.read_settings(s);
    EXPECT_TRUE(s.standardise);
    EXPECT_FALSE(s.transform_sqrt || s.transform_fourth_root || s.transform_ln);
}

TEST_F(OptionWindows, OutputFileBoxFollowsTheOutputMode) {
    Form2& f = session->form2();
    f.show();
    f.Option1->click();
    EXPECT_FALSE(f.Text2->isVisible());
    f.Option3->click();
    EXPECT_TRUE(f.Text2->isVisible());
    f.Option2->click();
    EXPECT_FALSE(f.Text2->isVisible());
    // Enter in the input-file box brings the output-file box back.
    QTest::keyClick(f.Text1, Qt::Key_Return);
    EXPECT_TRUE(f.Text2->isVisible());
    EXPECT_TRUE(f.Label2->isVisible());
}

TEST_F(OptionWindows, AverageMatrixBoxAppearsOnEitherClickOfItsCheckBox) {
    Form2& f = session->form2();
    f.show();
    f.Check3->click();
    f.Check3->click();
    EXPECT_FALSE(f.Check3->isChecked());
    EXPECT_TRUE(f.Text3->isVisible());
}

TEST_F(OptionWindows, ContinueGoesToTheDataCheckUnlessByPassedAndAKeyAlwaysSkipsIt) {
    Form2& f = session->form2();
    f.show();
    f.Command1->click();
    ASSERT_NE(session->data_check(), nullptr);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(session->loaded_window("Form3"));

    QTest::keyClick(f.Command1, Qt::Key_Q);
    EXPECT_TRUE(session->form3().isVisible());

    session->form3().hide();
    f.CheckData->click();
    f.Command1->click();
    EXPECT_TRUE(session->form3().isVisible());
}

TEST_F(OptionWindows, SettingsHandedToTheRunFollowTheControls) {
    Form2& f2 = session->form2();
    Form3& f3 = session->form3();
    f2.show();
    f2.Text1->setText("data.txt");
    f2.Text2->setText("out.txt");
    f2.Check1->click();
    f2.Text4->setText("10");
    f2.Check2->click();
    f2.Option5->click();
    f2.Option2->click();
    f3.RESMX[4]->click();
    f3.LINK_METH[0]->click();
    f3.Text1->setText("12.5");

    RunSettings s;
    f2.read_settings(s);
    f3.read_settings(s);
    EXPECT_EQ(s.input_file, "data.txt");
    EXPECT_EQ(s.output_mode, OutputMode::Printer);
    EXPECT_TRUE(s.multiply);
    EXPECT_EQ(s.constant_text, "10");
    EXPECT_TRUE(s.transform_binary);
    EXPECT_FALSE(s.transform_ln);
    EXPECT_EQ(s.measure, Measure::Jaccard);
    EXPECT_EQ(s.linkage, LinkageMethod::Single);
    EXPECT_EQ(s.boot_text, "12.5");
    EXPECT_EQ(s.alpha_text, "0.05");
}

TEST_F(OptionWindows, ResemblanceWindowStartsWithEuclideanUpgmaAndNamedArrayEntries) {
    Form3& f = session->form3();
    EXPECT_EQ(f.windowTitle(), "Similarity Index and Linkage Method");
    EXPECT_TRUE(f.RESMX[0]->isChecked());
    EXPECT_TRUE(f.LINK_METH[4]->isChecked());
    EXPECT_EQ(f.Alpha_level->text(), "0.05");
    EXPECT_EQ(f.Text1->text(), "10");
    EXPECT_EQ(f.findChild<QRadioButton*>("RESMX_3")->text(), "Heterogeneity Ratio");
    EXPECT_EQ(f.findChild<QRadioButton*>("LINK_METH_6")->property("index").toInt(), 6);
    // One button per table entry: a new measure or method gets its button.
    ASSERT_EQ(f.RESMX.size(), measure_table().size());
    ASSERT_EQ(f.LINK_METH.size(), linkage_table().size());
    for (std::size_t i = 0; i < f.RESMX.size(); ++i)
        EXPECT_EQ(f.RESMX[i]->text().toStdString(), measure_table()[i].caption);
    for (std::size_t i = 0; i < f.LINK_METH.size(); ++i)
        EXPECT_EQ(f.LINK_METH[i]->text().toStdString(), linkage_table()[i].caption);
}

struct MismatchCase {
    const char* name;
    int measure;
    bool squared;
    int method;
    bool warned;
};

class MinimumVarianceWarning : public WindowTest,
                               public ::testing::WithParamInterface<MismatchCase> {};

TEST_P(MinimumVarianceWarning, IsShownOnlyWithoutSquaredEuclideanDistance) {
    const MismatchCase& c = GetParam();
    Form3& f = session->form3();
    f.RESMX[static_cast<std::size_t>(c.measure)]->click();
    f.Sqr_sim->setChecked(c.squared);
    f.LINK_METH[static_cast<std::size_t>(c.method)]->click();
    if (!c.warned) {
        EXPECT_TRUE(boxes.empty());
        return;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Resemblance Linkage Mismatch");
    EXPECT_EQ(boxes[0].text,
              "Warning: The Minimum Variance linkage method is designed to be used with Squared "
              "Euclidean Distance!");
    EXPECT_EQ(boxes[0].buttons, Buttons::Ok);
    EXPECT_TRUE(f.LINK_METH[6]->isChecked());  // the choice stands
}

INSTANTIATE_TEST_SUITE_P(Cases, MinimumVarianceWarning,
                         ::testing::Values(MismatchCase{"squared_euclidean", 0, true, 6, false},
                                           MismatchCase{"euclidean_not_squared", 0, false, 6, true},
                                           MismatchCase{"squared_bray_curtis", 1, true, 6, true},
                                           MismatchCase{"other_method", 1, false, 2, false}),
                         [](const ::testing::TestParamInfo<MismatchCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(OptionWindows, MinimumVarianceWarningRepeatsForEveryLinkageClick) {
    Form3& f = session->form3();
    f.LINK_METH[6]->click();
    f.LINK_METH[6]->click();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(OptionWindows, TestChoiceStartsWithTheBootstrapAndPermutationsServeOnlyTheProfileTest) {
    Form3& f = session->form3();
    EXPECT_TRUE(f.TestMethod[0]->isChecked());
    EXPECT_EQ(f.findChild<QRadioButton*>("TestMethod_1")->text(), "Similarity profile (SIMPROF)");
    EXPECT_EQ(f.Permutations->text(), "1000");
    EXPECT_FALSE(f.Permutations->isEnabled());
    RunSettings s;
    f.read_settings(s);
    EXPECT_EQ(s.test_method, TestMethod::Bootstrap);

    f.TestMethod[1]->click();
    EXPECT_TRUE(f.Permutations->isEnabled());
    f.Permutations->setText("500");
    f.read_settings(s);
    EXPECT_EQ(s.test_method, TestMethod::Simprof);
    EXPECT_EQ(s.permutations_text, "500");
}

}  // namespace
}  // namespace tw::ui::test
