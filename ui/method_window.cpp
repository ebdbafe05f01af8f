#include "ui/method_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cluster/linkage_method.h"
#include "resemblance/measure.h"
#include "ui/key_relay.h"
#include "ui/message_box.h"
#include "ui/session.h"

namespace tw::ui {

namespace {

// One option button of an array, named NAME_INDEX with its index as property.
QRadioButton* entry(const char* array, int index, const char* caption, QWidget* frame) {
    auto* b = new QRadioButton(QString::fromLatin1(caption), frame);
    b->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
    b->setProperty("index", index);
    return b;
}

template <typename Buttons>
int chosen(const Buttons& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

MethodWindow::MethodWindow(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Similarity Index and Linkage Method"));

    auto* measures = new QGroupBox(QStringLiteral("Similarity Measure"), this);
    measures->setObjectName(QStringLiteral("Frame1"));
    auto* measure_layout = new QVBoxLayout(measures);
    for (const MeasureTraits& m : measure_table()) {
        measure_options.push_back(
            entry("RESMX", static_cast<int>(measure_options.size()), m.caption, measures));
        measure_layout->addWidget(measure_options.back());
    }
    auto* methods = new QGroupBox(QStringLiteral("Linkage Method"), this);
    methods->setObjectName(QStringLiteral("Frame2"));
    auto* method_layout = new QVBoxLayout(methods);
    for (const LinkageTraits& l : linkage_table()) {
        const int i = static_cast<int>(linkage_options.size());
        linkage_options.push_back(entry("LINK_METH", i, l.caption.c_str(), methods));
        method_layout->addWidget(linkage_options.back());
        connect(linkage_options.back(), &QRadioButton::clicked, this,
                [this, i] { on_linkage_options_clicked(i); });
    }
    method_layout->addStretch();
    // First appearance: Euclidean distance with UPGMA, the usual pairing for
    // abundance data and the one the run settings start from.
    measure_options[kEuclidean]->setChecked(true);
    linkage_options[4]->setChecked(true);

    square_box = new QCheckBox(QStringLiteral("Square Similarity Values"), this);
    square_box->setObjectName(QStringLiteral("Sqr_sim"));
    alpha_edit = new QLineEdit(QStringLiteral("0.05"), this);
    alpha_edit->setObjectName(QStringLiteral("Alpha_level"));
    boot_samples_edit = new QLineEdit(QStringLiteral("10"), this);
    boot_samples_edit->setObjectName(QStringLiteral("Text1"));
    continue_button = new QPushButton(QStringLiteral("CONTINUE"), this);
    continue_button->setObjectName(QStringLiteral("Command1"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(measures);
    frames->addWidget(methods);
    auto* numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("Alpha Rejection Level:"), alpha_edit);
    numbers->addRow(QStringLiteral("Number of bootstrap samples to use:"), boot_samples_edit);
    alpha_edit->setMaximumWidth(100);
    boot_samples_edit->setMaximumWidth(100);
    add_seed_box(numbers);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continue_button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(square_box);
    layout->addLayout(numbers);
    layout->addWidget(build_check_status());
    layout->addWidget(build_test_choice());
    explain_box = new QCheckBox(
        QStringLiteral("Report what makes each cluster (typifying and indicator species)"), this);
    explain_box->setObjectName(QStringLiteral("ExplainClusters"));
    layout->addWidget(explain_box);
    layout->addLayout(buttons);

    connect(continue_button, &QPushButton::clicked, this,
            &MethodWindow::on_continue_button_clicked);
    connect(KeyRelay::watch(continue_button), &KeyRelay::keyPressed, this,
            &MethodWindow::on_continue_button_keyPressed);
}

QLabel* MethodWindow::build_check_status() {
    check_status = new QLabel(this);
    check_status->setObjectName(QStringLiteral("CheckStatus"));
    check_status->setWordWrap(true);
    return check_status;
}

void MethodWindow::read_settings(RunSettings& s) const {
    s.measure = measure_of_entry(chosen(measure_options));
    s.linkage = linkage_of_entry(chosen(linkage_options));
    s.sqr_sim = square_box->isChecked();
    s.alpha_text = alpha_edit->text().toStdString();
    s.boot_text = boot_samples_edit->text().toStdString();
    s.seed_text = seed_edit->text().toStdString();
    s.explain_clusters = explain_box->isChecked();
    read_test_choice(s);
}

QString MethodWindow::alpha_text() const {
    return alpha_edit->text();
}

void MethodWindow::set_start_enabled(bool enabled) {
    continue_button->setEnabled(enabled);
}

void MethodWindow::clear_squaring() {
    square_box->setChecked(false);
}

void MethodWindow::show_check_status(const QString& status) {
    check_status->setText(status);
}

void MethodWindow::clear_check_status() {
    check_status->clear();
}

QWidget* MethodWindow::build_test_choice() {
    auto* frame = new QGroupBox(QStringLiteral("Significance Test"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    const char* const captions[] = {"Bootstrap of replicate groups",
                                    "Similarity profile (SIMPROF)"};
    auto* frame_layout = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        test_options[static_cast<std::size_t>(i)] = entry("TestMethod", i, captions[i], frame);
        frame_layout->addWidget(test_options[static_cast<std::size_t>(i)]);
    }
    test_options[0]->setChecked(true);

    permutations_edit = new QLineEdit(QStringLiteral("1000"), frame);
    permutations_edit->setObjectName(QStringLiteral("Permutations"));
    permutations_edit->setMaximumWidth(100);
    auto* permutations = new QFormLayout;
    permutations->addRow(QStringLiteral("Permutations:"), permutations_edit);
    frame_layout->addLayout(permutations);
    on_test_options_toggled();
    connect(test_options[1], &QRadioButton::toggled, this, &MethodWindow::on_test_options_toggled);
    return frame;
}

void MethodWindow::read_test_choice(RunSettings& s) const {
    s.test_method =
        test_options[1]->isChecked() ? tw::TestMethod::Simprof : tw::TestMethod::Bootstrap;
    s.permutations_text = permutations_edit->text().toStdString();
}

void MethodWindow::on_test_options_toggled() {
    // Only the similarity profile test permutes; the bootstrap's number of
    // samples stays where the design puts it.
    permutations_edit->setEnabled(test_options[1]->isChecked());
}

void MethodWindow::add_seed_box(QFormLayout* numbers) {
    // Blank by default: each test draws afresh unless the user fixes the
    // seed, for instance to repeat a test from its run record.
    seed_edit = new QLineEdit(this);
    seed_edit->setObjectName(QStringLiteral("Seed"));
    seed_edit->setMaximumWidth(180);
    numbers->addRow(QStringLiteral("Random seed (blank: from the clock):"), seed_edit);
}

void MethodWindow::on_linkage_options_clicked(int) {
    // Minimum variance assumes squared Euclidean distances; the user is told
    // once per click, and the choice stands.
    if (!linkage_options[kMinimumVariance]->isChecked()) return;
    if (measure_options[kEuclidean]->isChecked() && square_box->isChecked()) return;
    ask_box(this, QStringLiteral("Resemblance Linkage Mismatch"),
            QStringLiteral("Warning: The Minimum Variance linkage method is designed to be used "
                           "with Squared Euclidean Distance!"),
            Buttons::Ok);
}

void MethodWindow::on_continue_button_clicked() {
    hide();
    session_.stages().run_analysis();
}

void MethodWindow::on_continue_button_keyPressed(int) {
    session_.stages().run_analysis();
}

// Enter anywhere in the window (a text box passes it on) presses CONTINUE, as
// it would a dialog's default button; a key on CONTINUE itself keeps its own
// meaning above.
void MethodWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && continue_button->isEnabled()) {
        continue_button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MethodWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
