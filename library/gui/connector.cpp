#include "library/gui/connector.h"

Connector::Connector(QObject* parent)
    : QObject(parent)
{}

Connector::~Connector() = default;

void Connector::receiveEvent(const common::Evcode majorEvcode,
                             const common::Evcode minorEvcode,
                             const std::string& event)
{
    emit deliverEvent(majorEvcode, minorEvcode, event);
}

void Connector::receiveReply(const common::Opcode majorOpcode,
                             const common::Opcode minorOpcode,
                             const std::string& request,
                             const common::Ercode majorErcode,
                             const common::Ercode minorErcode,
                             const std::string& reply)
{
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void Connector::receiveRequest(const common::Opcode majorOpcode,
                               const common::Opcode minorOpcode,
                               const std::string& request)
{
    emit deliverRequest(majorOpcode, minorOpcode, request);
}
