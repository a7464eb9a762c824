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

void AbstractPaneTreeWidget::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}

void AbstractPaneTreeWidget::receiveReply(const common::Opcode,
                                          const common::Opcode,
                                          const std::string&,
                                          const common::Ercode,
                                          const common::Ercode,
                                          const std::string&)
{}

void AbstractPaneTreeWidget::receiveRequest(const common::Opcode, const common::Opcode, const std::string&) {}

AbstractMainPaneTreeWidget::AbstractMainPaneTreeWidget(QWidget* parent)
    : AbstractPaneTreeWidget(parent)
{}

AbstractSidePaneTreeWidget::AbstractSidePaneTreeWidget(QWidget* parent)
    : AbstractPaneTreeWidget(parent)
{}
