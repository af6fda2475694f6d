#include "common/table/table_model.h"

#include <QColor>
#include <QStringList>

namespace corvane {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList toStringList(const std::vector<std::string>& values) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(values.size()));
    for (const std::string& value : values)
        list.push_back(qs(value));
    return list;
}

} // namespace

TableModel::TableModel(TableGrid& grid, const TextCatalogue& texts, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), texts_(texts) {}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.dataRows();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColCount();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index)) return {};
    int row = tableRow(index), col = index.column();
    const ColumnSpec& column = grid_.column(col);
    bool check = isCheck(column);
    switch (role) {
    case Qt::DisplayRole:
        return check ? QVariant() : QVariant(qs(grid_.text(row, col)));
    case Qt::EditRole:
        return qs(grid_.text(row, col));
    case Qt::CheckStateRole:
        if (!check) return {};
        return grid_.checked(row, col) ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole:
        if (column.kind == ColumnKind::RowNumber) return QColor(static_cast<QRgb>(kFixedCellColour));
        return QColor(static_cast<QRgb>(grid_.colour(row, col)));
    case Qt::TextAlignmentRole:
        return column.centred ? QVariant(Qt::AlignCenter) : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    case ListRole:
        return toStringList(grid_.listFor(row, col));
    case KindRole:
        return static_cast<int>(column.kind);
    default:
        return {};
    }
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !checkIndex(index) ||
        !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    int row = tableRow(index), col = index.column();
    if (role == Qt::CheckStateRole && isCheck(grid_.column(col)))
        grid_.setChecked(row, col, value.value<Qt::CheckState>() == Qt::Checked);
    else if (role == Qt::EditRole)
        grid_.setText(row, col, value.toString().toStdString());
    else
        return false;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index)) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    int row = tableRow(index), col = index.column();
    ColumnKind kind = grid_.column(col).kind;
    if (kind == ColumnKind::RowNumber || kind == ColumnKind::ReadOnly || grid_.readOnly(row, col))
        return flags;
    return flags | (kind == ColumnKind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.ColCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ColumnSpec& column = grid_.column(section);
    switch (role) {
    case Qt::DisplayRole:
        return column.headerIndex >= 0 ? qs(texts_[column.headerIndex]) : qs(column.headerText);
    case Qt::ToolTipRole:
        return section >= 1 && column.hintIndex >= 0 ? QVariant(qs(texts_[column.hintIndex])) : QVariant();
    default:
        return {};
    }
}

void TableModel::rowsChanged(int firstTableRow, int lastTableRow) {
    if (grid_.dataRows() == 0) return;
    if (lastTableRow < 0) lastTableRow = grid_.dataRows();
    emit dataChanged(cellIndex(firstTableRow, 0), cellIndex(lastTableRow, grid_.ColCount() - 1));
}

void TableModel::headersChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, grid_.ColCount() - 1);
}

} // namespace corvane
