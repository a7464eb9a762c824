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
    if (majorErcode == common::NoEr && minorErcode == common::NoEr) {
        processReply(majorOpcode, minorOpcode, request, reply);
    } else {
        processError(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    }
}

void AbstractViewManager::processReply(const common::Opcode,
                                       const common::Opcode,
                                       const std::string&,
                                       const std::string&)
{}

void AbstractViewManager::processError(const common::Opcode,
                                       const common::Opcode,
                                       const std::string&,
                                       const common::Ercode,
                                       const common::Ercode,
                                       const std::string&)
{}
