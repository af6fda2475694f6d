#include "common/table/table_view.h"

#include "common/corvane_dialog.h"
#include "common/table/table_navigation.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace corvane {

QFont tableFont(bool bold) {
    // Without Tahoma the program's font is used as it is: asking for a missing family made the font
    // database search for a substitute and load a font of its own for each table font, where the
    // program's font (same family, size and hints) is already loaded by the windows' labels.
    static const bool tahoma = fontInstalled(QStringLiteral("Tahoma"));
    if (!tahoma) return programFont(8, bold);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

TableView::TableView(const AppState& state, QWidget* parent)
    : QTableView(parent), state_(state), delegate_(new TableDelegate(this)) {
    setItemDelegate(delegate_);
    setFont(tableFont());
    horizontalHeader()->setFont(tableFont(true));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);

    connect(horizontalHeader(), &QHeaderView::customContextMenuRequested, this, [this](const QPoint& pos) {
        emit headerMenuRequested(horizontalHeader()->logicalIndexAt(pos),
                                 horizontalHeader()->mapToGlobal(pos));
    });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int col) {
        if (sharedBehaviours_ && state_.DoubleClickAutoSize) fitColumn(col);
    });
    // A click on the row-number column selects the whole row (not in a table without the shared
    // behaviours, such as the DALI channel table, whose column 0 is a label like any cell).
    connect(this, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (sharedBehaviours_ && index.column() == 0) {
            setSelectionBehavior(QAbstractItemView::SelectRows);
            selectRow(index.row());
            setSelectionBehavior(QAbstractItemView::SelectItems);
        }
    });
}

void TableView::setTableModel(TableModel* model) {
    model_ = model;
    setModel(model);
    applyColumnLayout();
}

void TableView::applyColumnLayout() {
    if (!model_) return;
    const TableGrid& grid = model_->grid();
    for (int col = 0; col < grid.ColCount(); ++col) {
        setColumnWidth(col, grid.column(col).width);
        setColumnHidden(col, grid.column(col).hidden);
    }
}

int TableView::currentTableRow() const {
    QModelIndex current = currentIndex();
    return current.isValid() ? TableModel::tableRow(current) : 0;
}

void TableView::setCurrentCell(int tableRow, int col) {
    if (model_) setCurrentIndex(model_->cellIndex(tableRow, col));
}

void TableView::fitColumn(int col) {
    resizeColumnToContents(col);
}

bool TableView::jumpOnEnter() {
    if (!sharedBehaviours_ || !model_) return false;
    QModelIndex current = currentIndex();
    CellPosition from{current.isValid() ? TableModel::tableRow(current) : 0,
                      current.isValid() ? current.column() : 0};
    KeyPressOutcome outcome = Grid_KeyPress(model_->grid(), from, kEnterKey, state_.EnableJumpFieldTables);
    if (outcome.moveTo) setCurrentCell(outcome.moveTo->row, outcome.moveTo->col);
    return outcome.consumed;
}

void TableView::keyPressEvent(QKeyEvent* event) {
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && jumpOnEnter()) return;
    QTableView::keyPressEvent(event);
}

void TableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter inside an editor ends the edit; with the option set it then moves on like Enter on the cell.
    if (hint == QAbstractItemDelegate::SubmitModelCache && sharedBehaviours_ &&
        state_.EnableJumpFieldTables) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        jumpOnEnter();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

} // namespace corvane
