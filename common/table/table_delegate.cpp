#include "common/table/table_delegate.h"

#include "common/table/column_schema.h"
#include "common/table/table_model.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace corvane {

namespace {

ColumnKind kindOf(const QModelIndex& index) {
    return static_cast<ColumnKind>(index.data(TableModel::KindRole).toInt());
}

QRect checkRect(const QStyleOptionViewItem& option) {
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    QStyleOptionButton button;
    QRect box = style->subElementRect(QStyle::SE_CheckBoxIndicator, &button, option.widget);
    box.moveCenter(option.rect.center());
    return box;
}

} // namespace

QWidget* TableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    ColumnKind kind = kindOf(index);
    if (kind == ColumnKind::List || kind == ColumnKind::EditableList) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(kind == ColumnKind::EditableList);
        combo->addItems(index.data(TableModel::ListRole).toStringList());
        combo->setMaxVisibleItems(16);
        // A pick from the list is stored at once, so the row's other cells can follow it.
        connect(combo, &QComboBox::activated, this, [this, combo, index](int) {
            auto* self = const_cast<TableDelegate*>(this);
            emit self->commitData(combo);
            emit listPicked(index, combo->currentText());
        });
        return combo;
    }
    if (kind == ColumnKind::Text) return new QLineEdit(parent);
    return nullptr;
}

void TableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        int at = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(at);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
    }
}

void TableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A list without free text keeps the cell when nothing was picked.
        if (combo->isEditable() || combo->currentIndex() >= 0)
            model->setData(index, combo->currentText(), Qt::EditRole);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, line->text(), Qt::EditRole);
    }
}

void TableDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void TableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    if (kindOf(index) != ColumnKind::Check) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);
    QStyleOptionViewItem box = option;
    box.rect = checkRect(option);
    box.state = option.state & ~QStyle::State_HasFocus;
    box.state |= index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked ? QStyle::State_On
                                                                                       : QStyle::State_Off;
    if (!(index.flags() & Qt::ItemIsUserCheckable)) box.state &= ~QStyle::State_Enabled;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
}

bool TableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                const QModelIndex& index) {
    if (kindOf(index) != ColumnKind::Check || !(index.flags() & Qt::ItemIsUserCheckable))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease)
        toggle = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                 option.rect.contains(static_cast<QMouseEvent*>(event)->position().toPoint());
    else if (event->type() == QEvent::KeyPress)
        toggle = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    else if (event->type() == QEvent::MouseButtonDblClick)
        return true; // a double click is two clicks, not an edit
    if (!toggle) return false;
    bool ticked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace corvane
