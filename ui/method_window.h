#pragma once
// "Similarity Index and Linkage Method": the resemblance measure, the linkage
// method and the bootstrap settings; its CONTINUE starts the analysis.
//
// The option-button arrays RESMX and LINK_METH are one button per entry of the
// measure table and of the linkage method table, named "RESMX_3",
// "LINK_METH_6" and so on, each also carrying its entry number in the dynamic
// property "index". The choice of significance
// test, TestMethod (0..1) with its Permutations box, is built the same way.
//
// The window is Form3 to scripts and tests, and each control keeps the object
// name they address it by, given beside its member.

#include <QWidget>
#include <array>
#include <vector>

#include "run/run_settings.h"

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tw::ui {

class Session;

class MethodWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MethodWindow(Session& session);

    void read_settings(RunSettings& settings) const;

    // What the stages ask of the window.
    QString alpha_text() const;
    void set_start_enabled(bool enabled);
    // After Finish the next run starts unsquared.
    void clear_squaring();
    // What the format check of this run's data file found.
    void show_check_status(const QString& status);
    void clear_check_status();

    std::vector<QRadioButton*> measure_options;  // RESMX, one per measure table entry
    std::vector<QRadioButton*> linkage_options;  // LINK_METH, one per linkage method table entry
    QCheckBox* square_box;                       // Sqr_sim
    QLineEdit* alpha_edit;                       // Alpha_level
    QLineEdit* boot_samples_edit;                // Text1
    QPushButton* continue_button;                // Command1
    QLineEdit* seed_edit;                        // Seed, "Random seed (blank: from the clock):"

    // What the format check of this run's data file found; empty when the
    // check was by-passed.
    QLabel* check_status;  // CheckStatus
    // The significance test run from the dendrogram window.
    std::array<QRadioButton*, 2> test_options;  // TestMethod
    QLineEdit* permutations_edit;               // Permutations
    // After the test, the report says what makes each cluster.
    QCheckBox* explain_box;  // ExplainClusters

    static constexpr int kEuclidean = 0;        // RESMX entry "Euclidean Distance"
    static constexpr int kMinimumVariance = 6;  // LINK_METH entry "Minimum Variance"

  private slots:
    void on_linkage_options_clicked(int index);
    void on_continue_button_clicked();
    void on_continue_button_keyPressed(int key);
    void on_test_options_toggled();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* build_check_status();
    QWidget* build_test_choice();
    void read_test_choice(RunSettings& settings) const;
    // The bootstrap's seed box, below the bootstrap settings.
    void add_seed_box(QFormLayout* numbers);

    Session& session_;
};

}  // namespace tw::ui
