#include "ui/results_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <algorithm>

#include "ui/results_model.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

constexpr int kDesignColumns = 4;

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Each column but the members' as wide as its widest text. The grid's font
// is fixed-pitch, so the longest text is the widest and one measurement a
// column does: asking the view for size hints would measure every row.
void fit_columns(QTableView* table, const ResultsModel& model) {
    QHeaderView* header = table->horizontalHeader();
    const QFontMetrics cells(table->font());
    const QFontMetrics headings(header->font());
    const int margin =
        2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 12;
    for (int c = 0; c < ResultsModel::kColumns; ++c) {
        if (c == ResultsModel::kMembersColumn) continue;  // takes the width left over
        const QString widest = model.widest_text(c);
        const int width =
            std::max(cells.horizontalAdvance(widest), headings.horizontalAdvance(model.heading(c)));
        header->resizeSection(c, width + margin);
    }
}

}  // namespace

QTableView* make_results_table(ResultsModel* model, QWidget* parent) {
    auto* t = new QTableView(parent);
    t->setObjectName(QStringLiteral("Grid_out"));
    t->setModel(model);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::ContiguousSelection);
    t->setFont(fixed_pitch_font());
    t->setWordWrap(false);
    // Every row is one line high: the view never measures a row to know it.
    const int row = t->fontMetrics().height() + 4;
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setMinimumSectionSize(row);
    t->verticalHeader()->setDefaultSectionSize(row);
    QHeaderView* header = t->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(ResultsModel::kMembersColumn, QHeaderView::Stretch);
    header->setStretchLastSection(false);

    auto* refit = new QTimer(t);
    refit->setSingleShot(true);
    refit->setInterval(0);
    QObject::connect(model, &ResultsModel::textsChanged, refit, qOverload<>(&QTimer::start));
    QObject::connect(refit, &QTimer::timeout, t, [t, model] { fit_columns(t, *model); });
    fit_columns(t, *model);
    return t;
}

void GridAdapter::set_rows(int rows) {
    model_->set_row_count(std::max(rows - 1, 0));
}

void GridAdapter::set_cell(int row, int column, const std::string& text) {
    if (row < 0 || column < 0 || column >= kDesignColumns) return;
    if (row == 0) {
        model_->set_heading(column, from_core(text));
        return;
    }
    if (row > model_->rowCount()) model_->set_row_count(row);
    model_->set_text(row - 1, column, from_core(text));
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
    for (int c = 0; c < kDesignColumns; ++c) cells << model_->heading(c);
    out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int r = 0; r < model_->rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < kDesignColumns; ++c) cells << model_->text(r, c);
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

}  // namespace tw::ui
