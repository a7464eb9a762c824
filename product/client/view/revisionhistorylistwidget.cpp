#include "product/client/view/revisionhistorylistwidget.h"

RevisionHistoryListWidget::RevisionHistoryListWidget(QWidget* parent)
    : QListWidget(parent)
{}

QString RevisionHistoryListWidget::revisionDateTime() const
{
    return selectedRowData(Qt::DisplayRole);
}

QString RevisionHistoryListWidget::revisionSysStart() const
{
    return selectedRowData(Qt::UserRole);
}

QString RevisionHistoryListWidget::selectedRowData(int role) const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.size() == 1 ? selected.front()->data(role).toString() : QString();
}
