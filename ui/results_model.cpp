#include "ui/results_model.h"

#include <QBrush>
#include <QColor>

namespace tw::ui {

namespace {

// The grid's text colour belongs to the whole grid; an uncertain verdict is
// marked by its row's background instead.
const QColor kUncertainShade(255, 236, 179);

bool in_range(int value, std::size_t size) {
    return value >= 0 && static_cast<std::size_t>(value) < size;
}

}  // namespace

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !in_range(index.row(), rows_.size())) return {};
    const auto r = static_cast<std::size_t>(index.row());
    const Cell& cell = rows_[r][static_cast<std::size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
            return cell.text;
        case Qt::ToolTipRole:
            // The shade's explanation is the row's first word on every cell.
            if (uncertain_[r]) return uncertain_tip_;
            return cell.tip.isEmpty() ? QVariant() : QVariant(cell.tip);
        case Qt::BackgroundRole:
            return uncertain_[r] ? QVariant(QBrush(kUncertainShade)) : QVariant();
        case Qt::UserRole:
            return uncertain_[r] ? QVariant(QStringLiteral("uncertain")) : QVariant();
        default:
            return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !in_range(section, kColumns))
        return QAbstractTableModel::headerData(section, orientation, role);
    const Cell& h = headings_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return h.text;
    if (role == Qt::ToolTipRole) return h.tip.isEmpty() ? QVariant() : QVariant(h.tip);
    return {};
}

void ResultsModel::set_row_count(int rows) {
    const auto n = static_cast<std::size_t>(std::max(rows, 0));
    if (n == rows_.size()) return;
    // One reset whatever the size: the view forgets its rows in one go
    // instead of being told about each.
    beginResetModel();
    rows_.resize(n);
    uncertain_.resize(n, false);
    endResetModel();
    emit textsChanged();
}

void ResultsModel::set_text(int row, int column, const QString& text) {
    if (!in_range(row, rows_.size()) || !in_range(column, kColumns)) return;
    QString& slot = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
    if (slot == text) return;
    slot = text;
    changed(row, row, column, column);
}

QString ResultsModel::text(int row, int column) const {
    if (!in_range(row, rows_.size()) || !in_range(column, kColumns)) return {};
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
}

void ResultsModel::set_tip(int row, int column, const QString& tip) {
    if (!in_range(row, rows_.size()) || !in_range(column, kColumns)) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].tip = tip;
}

void ResultsModel::set_heading(int column, const QString& text) {
    if (!in_range(column, kColumns)) return;
    headings_[static_cast<std::size_t>(column)].text = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
    emit textsChanged();
}

void ResultsModel::set_heading_tip(int column, const QString& tip) {
    if (!in_range(column, kColumns)) return;
    headings_[static_cast<std::size_t>(column)].tip = tip;
}

QString ResultsModel::heading(int column) const {
    return in_range(column, kColumns) ? headings_[static_cast<std::size_t>(column)].text
                                      : QString();
}

void ResultsModel::set_uncertain_tip(const QString& tip) {
    uncertain_tip_ = tip;
}

void ResultsModel::mark_uncertain(const std::vector<int>& rows) {
    for (int r : rows)
        if (in_range(r, rows_.size())) uncertain_[static_cast<std::size_t>(r)] = true;
    if (!rows_.empty()) changed(0, rowCount() - 1, 0, kColumns - 1);
}

void ResultsModel::clear_marks(int from_column) {
    for (Row& row : rows_) {
        for (int c = 0; c < kColumns; ++c) {
            Cell& cell = row[static_cast<std::size_t>(c)];
            cell.tip.clear();
            if (c >= from_column) cell.text.clear();
        }
    }
    uncertain_.assign(rows_.size(), false);
    if (!rows_.empty()) changed(0, rowCount() - 1, 0, kColumns - 1);
}

QString ResultsModel::widest_text(int column) const {
    if (!in_range(column, kColumns)) return {};
    QString widest = headings_[static_cast<std::size_t>(column)].text;
    for (const Row& row : rows_) {
        const QString& t = row[static_cast<std::size_t>(column)].text;
        if (t.size() > widest.size()) widest = t;
    }
    return widest;
}

void ResultsModel::changed(int first_row, int last_row, int first_column, int last_column) {
    emit dataChanged(index(first_row, first_column), index(last_row, last_column));
    emit textsChanged();
}

}  // namespace tw::ui
