#include "ui/results_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "ui/text_panel.h"

namespace tw::ui {

namespace {

constexpr int kColumns = 4;

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QTableWidget* make_results_table(QWidget* parent) {
    auto* t = new QTableWidget(0, kColumns, parent);
    t->setObjectName(QStringLiteral("Grid_out"));
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::ContiguousSelection);
    t->setFont(fixed_pitch_font());
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int c = 0; c < kColumns; ++c) t->setHorizontalHeaderItem(c, new QTableWidgetItem());
    return t;
}

void GridAdapter::set_rows(int rows) {
    table_->setRowCount(std::max(rows - 1, 0));
}

void GridAdapter::set_cell(int row, int column, const std::string& text) {
    if (row < 0 || column < 0 || column >= kColumns) return;
    if (row == 0) {
        table_->horizontalHeaderItem(column)->setText(from_core(text));
        return;
    }
    if (row > table_->rowCount()) table_->setRowCount(row);
    QTableWidgetItem* item = table_->item(row - 1, column);
    if (!item) {
        item = new QTableWidgetItem();
        table_->setItem(row - 1, column, item);
    }
    item->setText(from_core(text));
}

void GridAdapter::set_text_colour(GridColour colour) {
    const QPalette app = QApplication::palette();
    const QColor c = colour == GridColour::TooltipText ? app.color(QPalette::ToolTipText)
                                                       : app.color(QPalette::WindowText);
    QPalette p = table_->palette();
    p.setColor(QPalette::Text, c);
    table_->setPalette(p);
    table_->setProperty("textColourRole",
                        colour == GridColour::TooltipText ? "ToolTipText" : "WindowText");
}

QString GridAdapter::tab_separated() const {
    QString out;
    QStringList cells;
    for (int c = 0; c < kColumns; ++c) cells << table_->horizontalHeaderItem(c)->text();
    out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int r = 0; r < table_->rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < kColumns; ++c) {
            const QTableWidgetItem* item = table_->item(r, c);
            cells << (item ? item->text() : QString());
        }
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

}  // namespace tw::ui
