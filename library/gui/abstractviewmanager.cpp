#include "library/gui/abstractviewmanager.h"

AbstractViewManager::AbstractViewManager(QObject* parent)
    : Component(parent)
{}

AbstractViewManager::~AbstractViewManager() = default;

void AbstractViewManager::receiveReply(const common::Opcode majorOpcode,
                                       const common::Opcode minorOpcode,
                                       const std::string& request,
                                       const common::Ercode majorErcode,
                                       const common::Ercode minorErcode,
                                       const std::string& reply)
{
    ReplyTable::Split(*this, BusReply{majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply});
}

void AbstractViewManager::processReply(const common::Opcode majorOpcode,
                                       const common::Opcode minorOpcode,
                                       const std::string& request,
                                       const std::string& reply)
{
    m_replyTable.take(BusReply{majorOpcode, minorOpcode, request, common::NoEr, common::NoEr, reply});
}

void AbstractViewManager::processError(const common::Opcode majorOpcode,
                                       const common::Opcode minorOpcode,
                                       const std::string& request,
                                       const common::Ercode majorErcode,
                                       const common::Ercode minorErcode,
                                       const std::string& reply)
{
    m_replyTable.take(BusReply{majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply});
}

bool AbstractViewManager::openWindow(AbstractViewWindow* window, Show show)
{
    const bool wired = connectViewWindow(window);
    if (wired || show == Show::Always) {
        window->show();
    }
    return wired;
}

bool AbstractViewManager::connectViewWindow(const AbstractViewWindow*)
{
    return false;
}
