#include "library/gui/abstractpanetreeview.h"

AbstractPaneTreeView::AbstractPaneTreeView(QWidget* parent)
    : QTreeView(parent)
    , m_parent(parent)
{}

AbstractPaneTreeView::~AbstractPaneTreeView() = default;

void AbstractPaneTreeView::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}

void AbstractPaneTreeView::receiveReply(const common::Opcode,
                                        const common::Opcode,
                                        const std::string&,
                                        const common::Ercode,
                                        const common::Ercode,
                                        const std::string&)
{}

void AbstractPaneTreeView::receiveRequest(const common::Opcode, const common::Opcode, const std::string&) {}

AbstractMainPaneTreeView::AbstractMainPaneTreeView(QWidget* parent)
    : AbstractPaneTreeView(parent)
{}
