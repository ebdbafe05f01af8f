// FORM5's details for a reader of the results: what each linkage joins by
// name, how precise its P is, why it was not tested, and every cluster with
// all its members. The design's four grid columns are left as the results
// pass writes them.

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <cstdio>

#include "bootstrap/linkage_details.h"
#include "ui/results_model.h"
#include "ui/results_window.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

constexpr int kMembersColumn = ResultsModel::kMembersColumn;
constexpr int kErrorColumn = ResultsModel::kErrorColumn;

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString standard_error_text(double standard_error) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", standard_error);
    return QString::fromLatin1(buf);
}

// The tips of the columns whose meaning depends on the test that ran.
void set_heading_tips(ResultsModel& model, SignificanceTest test) {
    const bool profile = test == SignificanceTest::SimilarityProfile;
    model.set_heading_tip(2, profile
                                 ? QStringLiteral("pi: how far the linkage's similarity profile "
                                                  "departs from the mean of permuted ones")
                                 : QStringLiteral("Replicates whose last join came at or "
                                                  "beyond the observed level: the report's "
                                                  "COUNT <= OBSERVED"));
    model.set_heading_tip(
        kErrorColumn,
        QStringLiteral("Monte-Carlo standard error of P: how far another set of as many %1 "
                       "would typically move it")
            .arg(profile ? QStringLiteral("permutations") : QStringLiteral("replicates")));
}

QString cluster_text(const std::vector<ClusterMembers>& clusters) {
    QString out;
    for (const ClusterMembers& c : clusters) {
        out += QStringLiteral("%1  (%2)\n").arg(from_core(c.identifier)).arg(c.labels.size());
        for (const std::string& label : c.labels)
            out += QStringLiteral("    ") + from_core(label) + '\n';
    }
    return out;
}

}  // namespace

QSplitter* ResultsWindow::build_details_panel() {
    results_->set_heading(kMembersColumn, QStringLiteral("Member labels"));
    results_->set_heading(kErrorColumn, QStringLiteral("SE of P"));
    set_heading_tips(*results_, SignificanceTest::Bootstrap);
    // One line of text a row, so a screen holds twenty linkages and more.
    const int row = Grid_out->verticalHeader()->defaultSectionSize();
    Grid_out->setMinimumHeight(row * 8 + Grid_out->horizontalHeader()->sizeHint().height());

    ClusterList = new QPlainTextEdit(this);
    ClusterList->setObjectName(QStringLiteral("ClusterList"));
    ClusterList->setReadOnly(true);
    ClusterList->setFont(fixed_pitch_font());
    ClusterList->setPlaceholderText(QStringLiteral("Clusters and their members"));

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(Grid_out);
    split->addWidget(ClusterList);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    return split;
}

void ResultsWindow::show_linkage_details(const RunContext& ctx) {
    const int rows = results_->rowCount();
    set_heading_tips(*results_, ctx.Results.test);
    for (int r = 0; r < rows; ++r) {
        const std::int32_t link = r + 1;
        const QString members = from_core(joined(member_labels(ctx, link)));
        results_->set_text(r, kMembersColumn, members);
        results_->set_tip(r, kMembersColumn, members);
        const LinkResult& result = ctx.Results.at(link);
        results_->set_text(
            r, kErrorColumn,
            was_tested(result.verdict) ? standard_error_text(result.standard_error) : QString());
        const QString why = from_core(untested_reason(result.verdict, ctx.Results.test));
        results_->set_tip(r, 3, why);
        results_->set_tip(r, 2, why);
    }
    ClusterList->setPlainText(cluster_text(cluster_members(ctx)));
}

void ResultsWindow::clear_linkage_details() {
    results_->clear_marks(kMembersColumn);
    ClusterList->clear();
}

void ResultsWindow::on_ShowReport_clicked() {
    session_.show_run_report();
}

}  // namespace tw::ui
