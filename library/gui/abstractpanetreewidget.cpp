#include "library/gui/abstractpanetreewidget.h"

AbstractPaneTreeWidget::AbstractPaneTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
    , m_parent(parent)
{}

AbstractPaneTreeWidget::~AbstractPaneTreeWidget() = default;

QTreeWidgetItem* AbstractPaneTreeWidget::getSelectedTreeWidgetItem() const
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.size() == 1 ? items.front() : nullptr;
}

QUENLARK_BUS_IGNORING_RECEIVE_SLOTS(AbstractPaneTreeWidget)

AbstractMainPaneTreeWidget::AbstractMainPaneTreeWidget(QWidget* parent)
    : AbstractPaneTreeWidget(parent)
{}

AbstractSidePaneTreeWidget::AbstractSidePaneTreeWidget(QWidget* parent)
    : AbstractPaneTreeWidget(parent)
{}
