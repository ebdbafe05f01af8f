#include "ui/explain_window.h"
#include "run/array_index.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <set>

#include "explain/explanation_report.h"
#include "run/cluster_explanation.h"
#include "run/run_context.h"

namespace tw::ui {

namespace {

// A number cell: shown rounded, sorted by its value. Cells without a value
// sort below every number.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(double value, int decimals)
        : QTableWidgetItem(QString::fromStdString(explanation_number(value, decimals))),
          value_(value) {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* number = dynamic_cast<const NumberItem*>(&other);
        if (!number) return QTableWidgetItem::operator<(other);
        if (std::isnan(value_)) return !std::isnan(number->value_);
        if (std::isnan(number->value_)) return false;
        return value_ < number->value_;
    }

  private:
    double value_;
};

// Ctrl+C on a table: the item views take the key for themselves before any
// shortcut sees it, so the table's own key presses are watched.
class CopyKey : public QObject {
  public:
    explicit CopyKey(QTableWidget* table) : QObject(table), table_(table) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(selected_cells_text(*table_));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QTableWidget* table_;
};

QTableWidgetItem* text_item(const std::string& text) {
    return new QTableWidgetItem(QString::fromStdString(text));
}

void set_row(QTableWidget& table, int row, const std::vector<QTableWidgetItem*>& items) {
    for (std::size_t c = 0; c < items.size(); ++c) {
        items[c]->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table.setItem(row, static_cast<int>(c), items[c]);
    }
}

void fill_simper(QTableWidget& table, const RunContext& ctx, const ClusterExplanation& e) {
    table.setColumnCount(11);
    table.setHorizontalHeaderLabels({"Kind", "Cluster A", "Cluster B", "Species", "Mean A",
                                     "Mean B", "Average", "SD", "Ratio", "Share %",
                                     "Cumulative %"});
    int rows = 0;
    for (const SimperTable& t : e.simper) rows += static_cast<int>(listed_species(t, e.simper_cut));
    table.setRowCount(rows);
    int row = 0;
    for (const SimperTable& t : e.simper) {
        const bool within = t.kind == SimperKind::Within;
        const std::size_t listed = listed_species(t, e.simper_cut);
        for (std::size_t r = 0; r < listed; ++r, ++row) {
            const SimperSpecies& s = t.species[r];
            set_row(
                table, row,
                {text_item(within ? "within" : "between"), text_item(e.clusters[at(t.cluster_a)]),
                 text_item(within ? std::string() : e.clusters[at(t.cluster_b)]),
                 text_item(ctx.SpeciesLabel[at(s.species)]), new NumberItem(s.mean_a, 2),
                 new NumberItem(s.mean_b, 2), new NumberItem(s.average, 2), new NumberItem(s.sd, 2),
                 new NumberItem(s.ratio, 2), new NumberItem(s.share, 2),
                 new NumberItem(s.cumulative, 2)});
        }
    }
}

void fill_indicators(QTableWidget& table, const RunContext& ctx, const ClusterExplanation& e) {
    QStringList heads = {"Species", "Cluster", "Specificity A", "Fidelity B", "IndVal", "P"};
    for (const std::string& c : e.clusters) heads << QStringLiteral("IndVal %1").arg(c.c_str());
    table.setColumnCount(static_cast<int>(heads.size()));
    table.setHorizontalHeaderLabels(heads);
    table.setRowCount(static_cast<int>(e.indicators.size()));
    int row = 0;
    for (const IndicatorSpecies& s : e.indicators) {
        const bool found = s.max_cluster >= 0;
        const std::size_t c = found ? at(s.max_cluster) : 0;
        constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
        std::vector<QTableWidgetItem*> items = {text_item(ctx.SpeciesLabel[at(s.species)]),
                                                text_item(found ? e.clusters[c] : std::string()),
                                                new NumberItem(found ? s.specificity[c] : kNone, 4),
                                                new NumberItem(found ? s.fidelity[c] : kNone, 4),
                                                new NumberItem(found ? s.indval[c] : kNone, 2),
                                                new NumberItem(s.p, 4)};
        for (double v : s.indval) items.push_back(new NumberItem(v, 2));
        set_row(table, row++, items);
    }
}

QString summary_text(const ClusterExplanation& e) {
    return QStringLiteral(
               "Similarity percentages on Bray-Curtis whatever measure clustered the run, on the "
               "stations as transformed, each in its group's cluster; species listed to %1% "
               "cumulative. Within: average similarity of a cluster's pairs of stations and each "
               "species' part in it. Between: average dissimilarity of the pairs across two "
               "clusters. Indicator values (Dufrene & Legendre): %2 permutations of the "
               "stations among the clusters, seed %3.")
        .arg(e.simper_cut)
        .arg(e.permutations)
        .arg(static_cast<qulonglong>(e.seed));
}

}  // namespace

QString selected_cells_text(const QTableWidget& table) {
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex& index : table.selectionModel()->selectedIndexes()) {
        rows.insert(index.row());  // sorting moves the items themselves
        columns.insert(index.column());
    }
    QString text;
    QStringList heads;
    for (int c : columns) heads << table.horizontalHeaderItem(c)->text();
    text += heads.join('\t') + '\n';
    for (int row : rows) {
        QStringList cells;
        for (int c : columns) {
            const QTableWidgetItem* item = table.item(row, c);
            cells << (item && item->isSelected() ? item->text() : QString());
        }
        text += cells.join('\t') + '\n';
    }
    return text;
}

ExplainWindow::ExplainWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ExplainWindow"));
    setWindowTitle(QStringLiteral("What makes each cluster"));
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);
    Summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SimperTable = make_table("SimperTable");
    IndicatorTable = make_table("IndicatorTable");

    auto* tables = new QSplitter(Qt::Vertical, this);
    auto add = [tables](const QString& heading, QTableWidget* table) {
        auto* pane = new QWidget(tables);
        auto* layout = new QVBoxLayout(pane);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QLabel(heading, pane));
        layout->addWidget(table);
        tables->addWidget(pane);
    };
    add(QStringLiteral("Similarity percentages: the species that typify each cluster and "
                       "separate each pair"),
        SimperTable);
    add(QStringLiteral("Indicator values: the cluster each species indicates"), IndicatorTable);
    tables->setStretchFactor(0, 3);
    tables->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(tables, 1);
    resize(900, 640);
}

QTableWidget* ExplainWindow::make_table(const char* name) {
    auto* table = new QTableWidget(this);
    table->setObjectName(QString::fromLatin1(name));
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // Rows as high as their text: the tables are read down long lists.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->installEventFilter(new CopyKey(table));
    auto* copy = new QAction(QStringLiteral("Copy"), table);
    connect(copy, &QAction::triggered, table,
            [table] { QApplication::clipboard()->setText(selected_cells_text(*table)); });
    table->addAction(copy);
    return table;
}

void ExplainWindow::show_explanation(const RunContext& ctx, const ClusterExplanation& e) {
    Summary->setText(summary_text(e));
    for (QTableWidget* table : {SimperTable, IndicatorTable}) {
        table->setSortingEnabled(false);  // rows are placed as filled, then sorted by clicks
        table->clearContents();
    }
    fill_simper(*SimperTable, ctx, e);
    fill_indicators(*IndicatorTable, ctx, e);
    // The rows stay in the order the report lists them until a heading is
    // clicked.
    for (QTableWidget* table : {SimperTable, IndicatorTable}) {
        table->resizeColumnsToContents();
        table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        table->setSortingEnabled(true);
    }
}

}  // namespace tw::ui
