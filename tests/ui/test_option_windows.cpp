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
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/start_window.h"
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
        if (e.core) {
            EXPECT_EQ(entry_of(*e.core), &e) << e.object_name;
        }
    }
    EXPECT_EQ(session->loaded_window(QStringLiteral("Form9")), nullptr);
}

TEST_F(OptionWindows, StartUpContinueHidesItselfButEnterKeepsItUp) {
    session->start();
    StartWindow& f1 = session->start_window();
    QTest::keyClick(f1.continue_button, Qt::Key_Return);
    EXPECT_TRUE(f1.isVisible());
    EXPECT_TRUE(session->options_window().isVisible());

    session->options_window().hide();
    QTest::keyClick(f1.continue_button, Qt::Key_X);  // other keys do nothing
    EXPECT_FALSE(session->options_window().isVisible());

    f1.continue_button->click();
    EXPECT_FALSE(f1.isVisible());
    EXPECT_TRUE(session->options_window().isVisible());
}

TEST_F(OptionWindows, OptionsWindowStartsWithItsDefaults) {
    OptionsWindow& f = session->options_window();
    EXPECT_EQ(f.windowTitle(), "I/O and Data Options");
    EXPECT_EQ(f.constant_edit->text(), "1");
    EXPECT_EQ(f.savelinks_edit->text(), "100");
    EXPECT_TRUE(f.file_option->isChecked());
    EXPECT_TRUE(f.average_file_edit->isHidden());
    EXPECT_TRUE(f.constant_edit->isHidden());
    EXPECT_TRUE(f.transform_frame->isHidden());
    for (QCheckBox* c : {f.multiply_box, f.transform_box, f.standardise_box, f.average_box,
                         f.bypass_check_box, f.sim_matrix_box, f.all_matrix_box}) {
        EXPECT_FALSE(c->isChecked()) << c->objectName().toStdString();
    }
}

TEST_F(OptionWindows, UntickingTheConstantLeavesASingleBlankAndHidesTheBox) {
    OptionsWindow& f = session->options_window();
    f.show();
    f.multiply_box->click();
    EXPECT_TRUE(f.constant_edit->isVisible());
    f.constant_edit->setText("2.5");
    f.multiply_box->click();
    EXPECT_FALSE(f.constant_edit->isVisible());
    EXPECT_FALSE(f.constant_label->isVisible());
    EXPECT_EQ(f.constant_edit->text(), " ");
}

TEST_F(OptionWindows, TransformationOptionsAreOneOfFourAndClearedWithTheirCheckBox) {
    OptionsWindow& f = session->options_window();
    f.show();
    f.transform_box->click();
    ASSERT_TRUE(f.transform_frame->isVisible());
    EXPECT_EQ(f.sqrt_option->text(), "Square root");
    EXPECT_EQ(f.fourth_root_option->text(), "Fourth root");
    const std::vector<QRadioButton*> options = {f.ln_option, f.binary_option, f.sqrt_option,
                                                f.fourth_root_option};
    for (QRadioButton* chosen : options) {
        chosen->click();
        chosen->click();  // choosing the chosen one keeps it on
        for (QRadioButton* o : options)
            EXPECT_EQ(o->isChecked(), o == chosen) << o->objectName().toStdString();
    }
    f.standardise_box->click();
    f.transform_box->click();
    EXPECT_FALSE(f.transform_frame->isVisible());
    for (QRadioButton* o : options) EXPECT_FALSE(o->isChecked());
    // Standardising does not depend on the transformation.
    EXPECT_TRUE(f.standardise_box->isVisible());
    RunSettings s;
    f.read_settings(s);
    EXPECT_TRUE(s.standardise);
    EXPECT_FALSE(s.transform_sqrt || s.transform_fourth_root || s.transform_ln);
}

TEST_F(OptionWindows, OutputFileBoxFollowsTheOutputMode) {
    OptionsWindow& f = session->options_window();
    f.show();
    f.screen_option->click();
    EXPECT_FALSE(f.report_file_edit->isVisible());
    f.file_option->click();
    EXPECT_TRUE(f.report_file_edit->isVisible());
    f.printer_option->click();
    EXPECT_FALSE(f.report_file_edit->isVisible());
    // Enter in the input-file box brings the output-file box back.
    QTest::keyClick(f.input_file_edit, Qt::Key_Return);
    EXPECT_TRUE(f.report_file_edit->isVisible());
    EXPECT_TRUE(f.report_label->isVisible());
}

TEST_F(OptionWindows, AverageMatrixBoxAppearsOnEitherClickOfItsCheckBox) {
    OptionsWindow& f = session->options_window();
    f.show();
    f.average_box->click();
    f.average_box->click();
    EXPECT_FALSE(f.average_box->isChecked());
    EXPECT_TRUE(f.average_file_edit->isVisible());
}

TEST_F(OptionWindows, ContinueGoesToTheDataCheckUnlessByPassedAndAKeyAlwaysSkipsIt) {
    OptionsWindow& f = session->options_window();
    f.show();
    f.continue_button->click();
    ASSERT_NE(session->data_check(), nullptr);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(session->loaded_window("Form3"));

    QTest::keyClick(f.continue_button, Qt::Key_Q);
    EXPECT_TRUE(session->method_window().isVisible());

    session->method_window().hide();
    f.bypass_check_box->click();
    f.continue_button->click();
    EXPECT_TRUE(session->method_window().isVisible());
}

TEST_F(OptionWindows, SettingsHandedToTheRunFollowTheControls) {
    OptionsWindow& f2 = session->options_window();
    MethodWindow& f3 = session->method_window();
    f2.show();
    f2.input_file_edit->setText("data.txt");
    f2.report_file_edit->setText("out.txt");
    f2.multiply_box->click();
    f2.constant_edit->setText("10");
    f2.transform_box->click();
    f2.binary_option->click();
    f2.printer_option->click();
    f3.measure_options[4]->click();
    f3.linkage_options[0]->click();
    f3.boot_samples_edit->setText("12.5");

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
    MethodWindow& f = session->method_window();
    EXPECT_EQ(f.windowTitle(), "Similarity Index and Linkage Method");
    EXPECT_TRUE(f.measure_options[0]->isChecked());
    EXPECT_TRUE(f.linkage_options[4]->isChecked());
    EXPECT_EQ(f.alpha_edit->text(), "0.05");
    EXPECT_EQ(f.boot_samples_edit->text(), "10");
    EXPECT_EQ(f.findChild<QRadioButton*>("RESMX_3")->text(), "Heterogeneity Ratio");
    EXPECT_EQ(f.findChild<QRadioButton*>("LINK_METH_6")->property("index").toInt(), 6);
    // One button per table entry: a new measure or method gets its button.
    ASSERT_EQ(f.measure_options.size(), measure_table().size());
    ASSERT_EQ(f.linkage_options.size(), linkage_table().size());
    for (std::size_t i = 0; i < f.measure_options.size(); ++i)
        EXPECT_EQ(f.measure_options[i]->text().toStdString(), measure_table()[i].caption);
    for (std::size_t i = 0; i < f.linkage_options.size(); ++i)
        EXPECT_EQ(f.linkage_options[i]->text().toStdString(), linkage_table()[i].caption);
}

struct MismatchCase {
    const char* name;
    int measure;
    bool squared;
    int method;
    bool warned;
};

void PrintTo(const MismatchCase& c, std::ostream* os) {
    *os << c.name;
}

class MinimumVarianceWarning : public WindowTest,
                               public ::testing::WithParamInterface<MismatchCase> {};

TEST_P(MinimumVarianceWarning, IsShownOnlyWithoutSquaredEuclideanDistance) {
    const MismatchCase& c = GetParam();
    MethodWindow& f = session->method_window();
    f.measure_options[static_cast<std::size_t>(c.measure)]->click();
    f.square_box->setChecked(c.squared);
    f.linkage_options[static_cast<std::size_t>(c.method)]->click();
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
    EXPECT_TRUE(f.linkage_options[6]->isChecked());  // the choice stands
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
    MethodWindow& f = session->method_window();
    f.linkage_options[6]->click();
    f.linkage_options[6]->click();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(OptionWindows, TestChoiceStartsWithTheBootstrapAndPermutationsServeOnlyTheProfileTest) {
    MethodWindow& f = session->method_window();
    EXPECT_TRUE(f.test_options[0]->isChecked());
    EXPECT_EQ(f.findChild<QRadioButton*>("TestMethod_1")->text(), "Similarity profile (SIMPROF)");
    EXPECT_EQ(f.permutations_edit->text(), "1000");
    EXPECT_FALSE(f.permutations_edit->isEnabled());
    RunSettings s;
    f.read_settings(s);
    EXPECT_EQ(s.test_method, TestMethod::Bootstrap);

    f.test_options[1]->click();
    EXPECT_TRUE(f.permutations_edit->isEnabled());
    f.permutations_edit->setText("500");
    f.read_settings(s);
    EXPECT_EQ(s.test_method, TestMethod::Simprof);
    EXPECT_EQ(s.permutations_text, "500");
}

}  // namespace
}  // namespace tw::ui::test
