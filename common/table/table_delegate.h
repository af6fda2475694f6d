#pragma once
// The one cell delegate of every table window: the editor follows the column kind (a drop-down list with
// or without free text, a line edit, none for check boxes and fixed cells); check boxes are drawn where
// their column aligns them and toggle on a click anywhere in the cell or on Space.
#include <QStyledItemDelegate>

namespace corvane {

class TableDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

  signals:
    // The user picked `text` from the drop-down list of `index` (after it was stored in the model).
    void listPicked(const QModelIndex& index, const QString& text) const;
};

} // namespace corvane
