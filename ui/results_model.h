#pragma once
// The results grid's rows as a table model: the design's four columns, then
// the members' labels and the standard error of P. Rows are filled and
// cleared in bulk and a view repaints only what it shows, so a grid of
// 10,000 linkages fills as fast as one of ten; nothing here asks a view to
// measure its rows.

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

namespace tw::ui {

class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kColumns = 6;
    static constexpr int kMembersColumn = 4;
    static constexpr int kErrorColumn = 5;

    explicit ResultsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void set_row_count(int rows);
    void set_text(int row, int column, const QString& text);
    QString text(int row, int column) const;
    void set_tip(int row, int column, const QString& tip);
    void set_heading(int column, const QString& text);
    void set_heading_tip(int column, const QString& tip);
    QString heading(int column) const;

    // Shades `rows` (0-based) as verdicts more replicates could change.
    void mark_uncertain(const std::vector<int>& rows);
    // What the shaded rows' tip says: more of the test's trials could change
    // the verdict.
    void set_uncertain_tip(const QString& tip);
    // Every tip and shade off; the texts of `from_column` on blanked.
    void clear_marks(int from_column);

    // The longest text of a column, heading included: what its width is fitted to.
    QString widest_text(int column) const;

  signals:
    // Texts changed; a view fits its column widths once per burst of these.
    void textsChanged();

  private:
    struct Cell {
        QString text;
        QString tip;
    };
    using Row = std::array<Cell, kColumns>;

    void changed(int first_row, int last_row, int first_column, int last_column);

    std::vector<Row> rows_;
    std::vector<bool> uncertain_;
    QString uncertain_tip_ = QStringLiteral(
        "P lies within two standard errors of alpha: more bootstrap samples could change this "
        "verdict.");
    std::array<Cell, kColumns> headings_;
};

}  // namespace tw::ui
