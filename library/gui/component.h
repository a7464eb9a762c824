#pragma once

#include "library/common/codes.h"
#include "library/gui/icomponent.h"

#include <QObject>

#include <string>

// A bus node that handles what it receives: the receive slots do nothing
// until a subclass overrides them.
class Component : public QObject, public IComponent
{
    Q_OBJECT

public:
    explicit Component(QObject* parent);
    ~Component() override;

signals:
    void deliverEvent(const common::Evcode majorEvcode,
                      const common::Evcode minorEvcode = common::Untagged,
                      const std::string& event = std::string());
    void deliverReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string());
    void deliverRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string());

public slots:
    void receiveEvent(const common::Evcode majorEvcode,
                      const common::Evcode minorEvcode = common::Untagged,
                      const std::string& event = std::string()) override;
    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string()) override;
    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string()) override;
};
