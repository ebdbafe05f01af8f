#include "ui/results_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/key_relay.h"
#include "ui/ordination_window.h"
#include "ui/progress_text.h"
#include "ui/results_grid.h"
#include "ui/results_model.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

ResultsWindow::ResultsWindow(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("FORM5"));
    setWindowTitle(QStringLiteral("Messages & Linkage Table"));

    link_table = new TextPanel(QStringLiteral("link_table"), this);
    link_table->setMinimumHeight(110);
    results_ = new ResultsModel(this);
    Grid_out = make_results_table(results_, this);
    grid_ = std::make_unique<GridAdapter>(Grid_out, results_);

    alpha_label = new QLabel(QString(QChar(0x03B1)), this);  // the Greek letter alpha
    alpha_label->setObjectName(QStringLiteral("Label1"));
    QFont symbol = alpha_label->font();
    symbol.setPointSizeF(symbol.pointSizeF() * 1.4);
    alpha_label->setFont(symbol);
    alpha_value = new QLabel(this);
    alpha_value->setObjectName(QStringLiteral("Sig_level"));
    alpha_value->setMinimumWidth(60);
    level_label = new QLabel(QStringLiteral("Level"), this);
    level_label->setObjectName(QStringLiteral("Label2"));
    divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("Line1"));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    finish_button = new QPushButton(QStringLiteral("Finish"), this);
    finish_button->setObjectName(QStringLiteral("Command1"));
    finish_button->hide();

    auto* alpha = new QHBoxLayout;
    alpha->addWidget(alpha_label);
    alpha->addWidget(level_label);
    alpha->addWidget(alpha_value);
    alpha->addStretch();
    ShowReport = new QPushButton(QStringLiteral("Report..."), this);
    ShowReport->setObjectName(QStringLiteral("ShowReport"));
    alpha->addWidget(ShowReport);
    alpha->addWidget(finish_button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(link_table);
    layout->addLayout(build_progress_row());
    layout->addLayout(alpha);
    layout->addWidget(divider);
    layout->addWidget(build_details_panel(), 1);
    layout->addLayout(make_export_row());
    resize(820, 680);

    connect(finish_button, &QPushButton::clicked, this, &ResultsWindow::on_finish_button_clicked);
    connect(KeyRelay::watch(finish_button), &KeyRelay::keyPressed, this,
            &ResultsWindow::on_finish_button_keyPressed);
    connect(ShowReport, &QPushButton::clicked, this, &ResultsWindow::on_ShowReport_clicked);
}

ResultsWindow::~ResultsWindow() = default;  // the ordination window's type is complete here

QLayout* ResultsWindow::make_export_row() {
    SeedUsed = new QLabel(this);
    SeedUsed->setObjectName(QStringLiteral("SeedUsed"));
    SeedUsed->setTextInteractionFlags(Qt::TextSelectableByMouse);
    UncertainNote = new QLabel(
        QStringLiteral("Shaded rows: P is close to alpha, more bootstrap samples could change "
                       "the verdict."),
        this);
    UncertainNote->setObjectName(QStringLiteral("UncertainNote"));
    UncertainNote->setWordWrap(true);
    UncertainNote->hide();
    Export = new QPushButton(QStringLiteral("Export..."), this);
    Export->setObjectName(QStringLiteral("Export"));
    Export->setEnabled(false);
    connect(Export, &QPushButton::clicked, this, &ResultsWindow::on_Export_clicked);
    ExplainClusters = new QPushButton(QStringLiteral("What makes each cluster..."), this);
    ExplainClusters->setObjectName(QStringLiteral("ExplainClusters"));
    ExplainClusters->setEnabled(false);
    connect(ExplainClusters, &QPushButton::clicked, this,
            &ResultsWindow::on_ExplainClusters_clicked);

    ExportStatus = new QLabel(this);
    ExportStatus->setObjectName(QStringLiteral("ExportStatus"));
    ExportStatus->setWordWrap(true);
    ExportStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ExportStatus->hide();

    auto* labels = new QVBoxLayout;
    labels->addWidget(SeedUsed);
    labels->addWidget(UncertainNote);
    labels->addWidget(ExportStatus);
    auto* row = new QHBoxLayout;
    row->addLayout(labels, 1);
    row->addWidget(ExplainClusters, 0, Qt::AlignBottom);
    row->addWidget(make_ordination_button(), 0, Qt::AlignBottom);
    row->addWidget(Export, 0, Qt::AlignBottom);
    return row;
}

void ResultsWindow::show_results_complete(const QString& seed_used,
                                          const std::vector<int>& uncertain_rows,
                                          SignificanceTest test) {
    SeedUsed->setText(QStringLiteral("Random seed used: %1").arg(seed_used));
    Export->setEnabled(true);
    ExplainClusters->setEnabled(true);
    Ordination->setEnabled(true);
    const QString more = test == SignificanceTest::SimilarityProfile
                             ? QStringLiteral("more permutations")
                             : QStringLiteral("more bootstrap samples");
    UncertainNote->setText(
        QStringLiteral("Shaded rows: P is close to alpha, %1 could change the verdict.").arg(more));
    UncertainNote->setVisible(!uncertain_rows.empty());
    results_->set_uncertain_tip(
        QStringLiteral("P lies within two standard errors of alpha: %1 could change this verdict.")
            .arg(more));
    std::vector<int> rows;  // the heading row is the table's header
    rows.reserve(uncertain_rows.size());
    for (int row : uncertain_rows) rows.push_back(row - 1);
    results_->mark_uncertain(rows);
}

void ResultsWindow::clear_results_complete() {
    SeedUsed->clear();
    results_gone();
    ExplainClusters->setEnabled(false);
    Ordination->setEnabled(false);
    if (ordination_window_) ordination_window_->run_closed();
    clear_uncertain_rows();
}

void ResultsWindow::clear_uncertain_rows() {
    UncertainNote->hide();
    results_->clear_marks(ResultsModel::kColumns);
}

void ResultsWindow::show_exported(const QStringList& files) {
    if (files.isEmpty()) return;
    const QFileInfo first(files.first());
    QStringList names;
    for (const QString& f : files) names << QFileInfo(f).fileName();
    ExportStatus->setText(
        QStringLiteral("Exported to %1: %2")
            .arg(QDir::toNativeSeparators(first.absolutePath()), names.join(QStringLiteral(", "))));
    ExportStatus->show();
}

void ResultsWindow::results_gone() {
    Export->setEnabled(false);
    ExportStatus->clear();
    ExportStatus->hide();
}

void ResultsWindow::on_Export_clicked() {
    session_.stages().export_results_chosen();
}

void ResultsWindow::on_ExplainClusters_clicked() {
    session_.stages().explain_clusters_chosen();
}

// ---- progress and stop -------------------------------------------------

namespace {

// The bar and the line under it follow the test at most this often: a
// progress bar repaints itself at once when its value changes, which costs
// more than a small replicate, and nobody reads faster than this anyway.
constexpr qint64 kProgressTextEveryMs = 250;

}  // namespace

QLayout* ResultsWindow::build_progress_row() {
    BootProgress = new QProgressBar(this);
    BootProgress->setObjectName(QStringLiteral("BootProgress"));
    BootProgress->setRange(0, 1);
    BootProgress->setValue(0);
    ProgressText = new QLabel(this);
    ProgressText->setObjectName(QStringLiteral("ProgressText"));
    StopTest = new QPushButton(QStringLiteral("Stop test"), this);
    StopTest->setObjectName(QStringLiteral("StopTest"));
    StopTest->setEnabled(false);
    connect(StopTest, &QPushButton::clicked, this, &ResultsWindow::on_StopTest_clicked);

    auto* bar = new QHBoxLayout;
    bar->addWidget(BootProgress, 1);
    bar->addWidget(StopTest);
    auto* rows = new QVBoxLayout;
    rows->addLayout(bar);
    rows->addWidget(ProgressText);
    return rows;
}

void ResultsWindow::test_started() {
    BootProgress->setRange(0, 1);
    BootProgress->setValue(0);
    ProgressText->clear();
    StopTest->setEnabled(true);
    finish_button->setEnabled(true);
    test_clock_.start();
    since_text_.invalidate();
}

void ResultsWindow::show_progress(const TestProgress& progress, bool repaint) {
    last_ = progress;
    emit progressShown(progress.replicates_done);
    const bool at_end = !progress.timing && progress.replicates_done >= progress.replicates_total;
    if (!repaint && !at_end) return;
    if (!at_end && since_text_.isValid() && since_text_.elapsed() < kProgressTextEveryMs) return;
    since_text_.start();
    show_bar(progress);
    ProgressText->setText(
        progress_text(progress, test_clock_.isValid() ? test_clock_.elapsed() : 0));
}

void ResultsWindow::show_bar(const TestProgress& progress) {
    const BarSteps steps = bar_steps(progress);
    if (BootProgress->maximum() != steps.maximum) BootProgress->setRange(0, steps.maximum);
    BootProgress->setValue(steps.value);
}

void ResultsWindow::test_ended(bool stopped) {
    StopTest->setEnabled(false);
    // Stopped while the linkages were being timed for the time left: no
    // linkage was tested, and the bar, busy until then, stands empty.
    if (last_.timing) last_ = TestProgress{1, last_.linkages, 0, 1, last_.test};
    show_bar(last_);
    if (stopped)
        ProgressText->setText(QStringLiteral("The test was stopped at linkage %1 of %2.")
                                  .arg(last_.linkage)
                                  .arg(last_.linkages));
}

void ResultsWindow::run_closed() {
    StopTest->setEnabled(false);
    finish_button->setEnabled(false);
    Ordination->setEnabled(false);
    if (ordination_window_) ordination_window_->run_closed();
}

void ResultsWindow::on_StopTest_clicked() {
    StopTest->setEnabled(false);
    ProgressText->setText(last_.test == SignificanceTest::SimilarityProfile
                              ? QStringLiteral("Stopping the test after this permutation...")
                              : QStringLiteral("Stopping the test after this replicate..."));
    session_.stages().stop_test();
}

void ResultsWindow::set_start_enabled(bool enabled) {
    finish_button->setEnabled(enabled);
}

void ResultsWindow::show_finish(bool visible) {
    finish_button->setVisible(visible);
}

void ResultsWindow::show_alpha(const QString& alpha) {
    alpha_value->setText(alpha);
}

void ResultsWindow::on_finish_button_clicked() {
    session_.stages().finish();
}

void ResultsWindow::on_finish_button_keyPressed(int) {
    session_.stages().finish_key();
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    session_.close_run_window(this, event);
}

}  // namespace tw::ui
