#pragma once
// The one item model of every table window, over a TableGrid: model row i is table row i + 1, model
// column c is table column c. Check-box columns show a box ("Y"/"N" in the cell), cells carry their
// colours and read-only marks, headers their catalogue texts and hints.
#include "common/table/table_grid.h"
#include "text/text_catalogue.h"

#include <QAbstractTableModel>

namespace corvane {

class TableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The choices of a list cell, as a QStringList.
    static constexpr int ListRole = Qt::UserRole + 1;
    // The ColumnKind of the cell's column, as an int.
    static constexpr int KindRole = Qt::UserRole + 2;

    TableModel(TableGrid& grid, const TextCatalogue& texts, QObject* parent = nullptr);

    TableGrid& grid() { return grid_; }
    const TableGrid& grid() const { return grid_; }

    // Table position of a model index and back.
    static int tableRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex cellIndex(int tableRow, int col) const { return index(tableRow - 1, col); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Tell the views that the grid changed underneath: table rows first … last (all when omitted),
    // or the header texts (after a language change).
    void rowsChanged(int firstTableRow = 1, int lastTableRow = -1);
    void headersChanged();

  private:
    TableGrid& grid_;
    const TextCatalogue& texts_;
};

} // namespace corvane
