#pragma once

#include <QStyledItemDelegate>

// Edits a column width of the insert-table dialog in a spin box, from 20 to
// 1000 pixels; the width is stored when editing finishes.
class ColumnWidthDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private slots:
    void commitAndCloseEditor();
};
