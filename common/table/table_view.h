#pragma once
// The one table view of every table window: columns sized and hidden from the schema, Tahoma 8 pt
// with bold headers, and (when the window asks for them) a click on the row-number column selecting
// the row, Enter to the next cell and header double-click fitting under the user's option flags.
#include "app/app_state.h"
#include "common/table/table_delegate.h"
#include "common/table/table_model.h"

#include <QTableView>

namespace corvane {

class TableView : public QTableView {
    Q_OBJECT
  public:
    TableView(const AppState& state, QWidget* parent = nullptr);

    // Attaches the model and applies its column layout.
    void setTableModel(TableModel* model);
    // Applies the columns' widths and hidden flags again, after a window changed them.
    void applyColumnLayout();
    TableModel* tableModel() const { return model_; }
    TableDelegate* tableDelegate() const { return delegate_; }

    // A click on column 0 selecting the row; Enter to the next cell and header double-click fitting,
    // each under its option flag.
    void setSharedBehaviours(bool on) { sharedBehaviours_ = on; }

    // The table row of the current cell (1 …), or 0 when there is none.
    int currentTableRow() const;
    void setCurrentCell(int tableRow, int col);

    // Grid_DblClickCell on the header: fits the column to its widest text.
    void fitColumn(int col);

  signals:
    // Right click on the header cell of `col`.
    void headerMenuRequested(int col, const QPoint& globalPos);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    // Grid_KeyPress for an Enter pressed on the current cell; true when it was consumed.
    bool jumpOnEnter();

    const AppState& state_;
    TableModel* model_ = nullptr;
    TableDelegate* delegate_;
    bool sharedBehaviours_ = false;
};

// Tahoma 8 pt where installed, a close sans-serif otherwise.
QFont tableFont(bool bold = false);

} // namespace corvane
