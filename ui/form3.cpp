#include "ui/form3.h"

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

Form3::Form3(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Similarity Index and Linkage Method"));

    auto* measures = new QGroupBox(QStringLiteral("Similarity Measure"), this);
    measures->setObjectName(QStringLiteral("Frame1"));
    auto* measure_layout = new QVBoxLayout(measures);
    for (const MeasureTraits& m : measure_table()) {
        RESMX.push_back(entry("RESMX", static_cast<int>(RESMX.size()), m.caption, measures));
        measure_layout->addWidget(RESMX.back());
    }
    auto* methods = new QGroupBox(QStringLiteral("Linkage Method"), this);
    methods->setObjectName(QStringLiteral("Frame2"));
    auto* method_layout = new QVBoxLayout(methods);
    for (const LinkageTraits& l : linkage_table()) {
        const int i = static_cast<int>(LINK_METH.size());
        LINK_METH.push_back(entry("LINK_METH", i, l.caption.c_str(), methods));
        method_layout->addWidget(LINK_METH.back());
        connect(LINK_METH.back(), &QRadioButton::clicked, this,
                [this, i] { on_LINK_METH_clicked(i); });
    }
    method_layout->addStretch();
    // First appearance: Euclidean distance with UPGMA, the usual pairing for
    // abundance data and the one the run settings start from.
    RESMX[kEuclidean]->setChecked(true);
    LINK_METH[4]->setChecked(true);

    Sqr_sim = new QCheckBox(QStringLiteral("Square Similarity Values"), this);
    Sqr_sim->setObjectName(QStringLiteral("Sqr_sim"));
    Alpha_level = new QLineEdit(QStringLiteral("0.05"), this);
    Alpha_level->setObjectName(QStringLiteral("Alpha_level"));
    Text1 = new QLineEdit(QStringLiteral("10"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1 = new QPushButton(QStringLiteral("CONTINUE"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(measures);
    frames->addWidget(methods);
    auto* numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("Alpha Rejection Level:"), Alpha_level);
    numbers->addRow(QStringLiteral("Number of bootstrap samples to use:"), Text1);
    Alpha_level->setMaximumWidth(100);
    Text1->setMaximumWidth(100);
    add_seed_box(numbers);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(Sqr_sim);
    layout->addLayout(numbers);
    layout->addWidget(build_check_status());
    layout->addWidget(build_test_choice());
    ExplainClusters = new QCheckBox(
        QStringLiteral("Report what makes each cluster (typifying and indicator species)"), this);
    ExplainClusters->setObjectName(QStringLiteral("ExplainClusters"));
    layout->addWidget(ExplainClusters);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form3::on_Command1_clicked);
    connect(KeyRelay::watch(Command1), &KeyRelay::keyPressed, this, &Form3::on_Command1_keyPressed);
}

QLabel* Form3::build_check_status() {
    CheckStatus = new QLabel(this);
    CheckStatus->setObjectName(QStringLiteral("CheckStatus"));
    CheckStatus->setWordWrap(true);
    return CheckStatus;
}

void Form3::read_settings(RunSettings& s) const {
    s.measure = measure_of_entry(chosen(RESMX));
    s.linkage = linkage_of_entry(chosen(LINK_METH));
    s.sqr_sim = Sqr_sim->isChecked();
    s.alpha_text = Alpha_level->text().toStdString();
    s.boot_text = Text1->text().toStdString();
    s.seed_text = Seed->text().toStdString();
    s.explain_clusters = ExplainClusters->isChecked();
    read_test_choice(s);
}

QString Form3::alpha_text() const {
    return Alpha_level->text();
}

void Form3::set_start_enabled(bool enabled) {
    Command1->setEnabled(enabled);
}

void Form3::clear_squaring() {
    Sqr_sim->setChecked(false);
}

void Form3::show_check_status(const QString& status) {
    CheckStatus->setText(status);
}

void Form3::clear_check_status() {
    CheckStatus->clear();
}

QWidget* Form3::build_test_choice() {
    auto* frame = new QGroupBox(QStringLiteral("Significance Test"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    const char* const captions[] = {"Bootstrap of replicate groups",
                                    "Similarity profile (SIMPROF)"};
    auto* frame_layout = new QVBoxLayout(frame);
    for (int i = 0; i < 2; ++i) {
        TestMethod[static_cast<std::size_t>(i)] = entry("TestMethod", i, captions[i], frame);
        frame_layout->addWidget(TestMethod[static_cast<std::size_t>(i)]);
    }
    TestMethod[0]->setChecked(true);

    Permutations = new QLineEdit(QStringLiteral("1000"), frame);
    Permutations->setObjectName(QStringLiteral("Permutations"));
    Permutations->setMaximumWidth(100);
    auto* permutations = new QFormLayout;
    permutations->addRow(QStringLiteral("Permutations:"), Permutations);
    frame_layout->addLayout(permutations);
    on_TestMethod_toggled();
    connect(TestMethod[1], &QRadioButton::toggled, this, &Form3::on_TestMethod_toggled);
    return frame;
}

void Form3::read_test_choice(RunSettings& s) const {
    s.test_method =
        TestMethod[1]->isChecked() ? tw::TestMethod::Simprof : tw::TestMethod::Bootstrap;
    s.permutations_text = Permutations->text().toStdString();
}

void Form3::on_TestMethod_toggled() {
    // Only the similarity profile test permutes; the bootstrap's number of
    // samples stays where the design puts it.
    Permutations->setEnabled(TestMethod[1]->isChecked());
}

void Form3::add_seed_box(QFormLayout* numbers) {
    // Blank by default: each test draws afresh unless the user fixes the
    // seed, for instance to repeat a test from its run record.
    Seed = new QLineEdit(this);
    Seed->setObjectName(QStringLiteral("Seed"));
    Seed->setMaximumWidth(180);
    numbers->addRow(QStringLiteral("Random seed (blank: from the clock):"), Seed);
}

void Form3::on_LINK_METH_clicked(int) {
    // Minimum variance assumes squared Euclidean distances; the user is told
    // once per click, and the choice stands.
    if (!LINK_METH[kMinimumVariance]->isChecked()) return;
    if (RESMX[kEuclidean]->isChecked() && Sqr_sim->isChecked()) return;
    ask_box(this, QStringLiteral("Resemblance Linkage Mismatch"),
            QStringLiteral("Warning: The Minimum Variance linkage method is designed to be used "
                           "with Squared Euclidean Distance!"),
            Buttons::Ok);
}

void Form3::on_Command1_clicked() {
    hide();
    session_.stages().run_analysis();
}

void Form3::on_Command1_keyPressed(int) {
    session_.stages().run_analysis();
}

// Enter anywhere in the window (a text box passes it on) presses CONTINUE, as
// it would a dialog's default button; a key on CONTINUE itself keeps its own
// meaning above.
void Form3::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && Command1->isEnabled()) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form3::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
