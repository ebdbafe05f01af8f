// FORM5's details for a reader of the results: what each linkage joins by
// name, how precise its P is, why it was not tested, and every cluster with
// all its members. The design's four grid columns are left as the results
// pass writes them.

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <cstdio>

#include "bootstrap/linkage_details.h"
#include "ui/form5.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

constexpr int kMembersColumn = 4;
constexpr int kErrorColumn = 5;

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QTableWidgetItem* cell(QTableWidget* t, int row, int column) {
    QTableWidgetItem* item = t->item(row, column);
    if (!item) {
        item = new QTableWidgetItem();
        t->setItem(row, column, item);
    }
    return item;
}

QString standard_error_text(double standard_error) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", standard_error);
    return QString::fromLatin1(buf);
}

// The tips of the columns whose meaning depends on the test that ran.
void set_header_tips(QTableWidget* grid, SignificanceTest test) {
    const bool profile = test == SignificanceTest::SimilarityProfile;
    if (QTableWidgetItem* count = grid->horizontalHeaderItem(2)) {
        count->setToolTip(profile ? QStringLiteral("pi: how far the linkage's similarity profile "
                                                   "departs from the mean of permuted ones")
                                  : QStringLiteral("Replicates whose last join came at or beyond "
                                                   "the observed level: the report's COUNT <= "
                                                   "OBSERVED"));
    }
    if (QTableWidgetItem* error = grid->horizontalHeaderItem(kErrorColumn)) {
        error->setToolTip(
            QStringLiteral("Monte-Carlo standard error of P: how far another set of as many %1 "
                           "would typically move it")
                .arg(profile ? QStringLiteral("permutations") : QStringLiteral("replicates")));
    }
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

QSplitter* FORM5::build_details_panel() {
    Grid_out->setColumnCount(kErrorColumn + 1);
    auto* members = new QTableWidgetItem(QStringLiteral("Member labels"));
    auto* error = new QTableWidgetItem(QStringLiteral("SE of P"));
    Grid_out->setHorizontalHeaderItem(kMembersColumn, members);
    Grid_out->setHorizontalHeaderItem(kErrorColumn, error);
    set_header_tips(Grid_out, SignificanceTest::Bootstrap);
    QHeaderView* header = Grid_out->horizontalHeader();
    for (int c = 0; c < kMembersColumn; ++c)
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kMembersColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(kErrorColumn, QHeaderView::ResizeToContents);
    // One line of text a row, so a screen holds twenty linkages and more.
    const int row = Grid_out->fontMetrics().height() + 4;
    Grid_out->verticalHeader()->setMinimumSectionSize(row);
    Grid_out->verticalHeader()->setDefaultSectionSize(row);
    Grid_out->setWordWrap(false);
    Grid_out->setMinimumHeight(row * 21 + header->sizeHint().height());

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

void FORM5::show_linkage_details(const RunContext& ctx) {
    const int rows = Grid_out->rowCount();
    set_header_tips(Grid_out, ctx.Results.test);
    for (int r = 0; r < rows; ++r) {
        const std::int32_t link = r + 1;
        const QString members = from_core(joined(member_labels(ctx, link)));
        cell(Grid_out, r, kMembersColumn)->setText(members);
        cell(Grid_out, r, kMembersColumn)->setToolTip(members);
        const LinkResult& result = ctx.Results.at(link);
        cell(Grid_out, r, kErrorColumn)
            ->setText(was_tested(result.verdict) ? standard_error_text(result.standard_error)
                                                 : QString());
        const QString why = from_core(untested_reason(result.verdict, ctx.Results.test));
        cell(Grid_out, r, 3)->setToolTip(why);
        cell(Grid_out, r, 2)->setToolTip(why);
    }
    ClusterList->setPlainText(cluster_text(cluster_members(ctx)));
}

void FORM5::clear_linkage_details() {
    for (int r = 0; r < Grid_out->rowCount(); ++r) {
        for (int c = 0; c < Grid_out->columnCount(); ++c) {
            if (QTableWidgetItem* item = Grid_out->item(r, c)) {
                item->setToolTip(QString());
                if (c >= kMembersColumn) item->setText(QString());
            }
        }
    }
    ClusterList->clear();
}

void FORM5::on_ShowReport_clicked() {
    session_.show_run_report();
}

}  // namespace tw::ui
