#include "library/gui/columnwidthdelegate.h"

#include <QSpinBox>

QWidget* ColumnWidthDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QSpinBox(parent);
    editor->setRange(20, 1000);
    connect(editor, &QSpinBox::editingFinished, this, &ColumnWidthDelegate::commitAndCloseEditor);
    return editor;
}

void ColumnWidthDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QSpinBox*>(editor)->setValue(index.data(Qt::DisplayRole).toInt());
}

void ColumnWidthDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* spinBox = static_cast<QSpinBox*>(editor);
    spinBox->interpretText();
    model->setData(index, spinBox->value(), Qt::EditRole);
}

void ColumnWidthDelegate::commitAndCloseEditor()
{
    auto* editor = qobject_cast<QSpinBox*>(sender());
    emit commitData(editor);
    emit closeEditor(editor);
}
