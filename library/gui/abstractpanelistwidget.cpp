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

void AbstractPaneListWidget::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}

void AbstractPaneListWidget::receiveReply(const common::Opcode,
                                          const common::Opcode,
                                          const std::string&,
                                          const common::Ercode,
                                          const common::Ercode,
                                          const std::string&)
{}

void AbstractPaneListWidget::receiveRequest(const common::Opcode, const common::Opcode, const std::string&) {}

AbstractMainPaneListWidget::AbstractMainPaneListWidget(QWidget* parent)
    : AbstractPaneListWidget(parent)
{}

AbstractSidePaneListWidget::AbstractSidePaneListWidget(QWidget* parent)
    : AbstractPaneListWidget(parent)
{}
