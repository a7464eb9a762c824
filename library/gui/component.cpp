#include "library/gui/component.h"

Component::Component(QObject* parent)
    : QObject(parent)
{}

Component::~Component() = default;

void Component::receiveEvent(const common::Evcode, const common::Evcode, const std::string&) {}

void Component::receiveReply(const common::Opcode,
                             const common::Opcode,
                             const std::string&,
                             const common::Ercode,
                             const common::Ercode,
                             const std::string&)
{}

void Component::receiveRequest(const common::Opcode, const common::Opcode, const std::string&) {}
