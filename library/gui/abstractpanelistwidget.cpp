#include "library/gui/abstractpanelistwidget.h"

AbstractPaneListWidget::AbstractPaneListWidget(QWidget* parent)
    : QListWidget(parent)
    , m_parent(parent)
{}

AbstractPaneListWidget::~AbstractPaneListWidget() = default;

QListWidgetItem* AbstractPaneListWidget::getSelectedListWidgetItem() const
{
    const QList<QListWidgetItem*> items = selectedItems();
    return items.size() == 1 ? items.front() : nullptr;
}

QUENLARK_BUS_IGNORING_RECEIVE_SLOTS(AbstractPaneListWidget)

AbstractMainPaneListWidget::AbstractMainPaneListWidget(QWidget* parent)
    : AbstractPaneListWidget(parent)
{}

AbstractSidePaneListWidget::AbstractSidePaneListWidget(QWidget* parent)
    : AbstractPaneListWidget(parent)
{}
