#pragma once

#include "library/common/codes.h"
#include "library/gui/component.h"

#include <QObject>

#include <string>
#include <vector>

class ApplicationComponent;

namespace componenttest {

// What the bus delivered, one line per delivery in the order of delivery:
// "<receiver> request <major> <minor>", "<receiver> reply <major> <minor>
// <majorErcode> <minorErcode>", "<receiver> event <major> <minor>".
using Journal = std::vector<std::string>;

std::string RequestLine(const std::string& receiver, common::Opcode major, common::Opcode minor);
std::string ReplyLine(const std::string& receiver,
                      common::Opcode major,
                      common::Opcode minor,
                      common::Ercode majorErcode,
                      common::Ercode minorErcode);
std::string EventLine(const std::string& receiver, common::Evcode major, common::Evcode minor);

// A window as the window base puts it on the bus: the three deliver signals
// and the three receive slots on a QObject that is not a component.
class RecordingWindow : public QObject
{
    Q_OBJECT

public:
    RecordingWindow(const std::string& name, Journal& journal);

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
                      const std::string& event = std::string());
    void receiveReply(const common::Opcode majorOpcode,
                      const common::Opcode minorOpcode = common::Untagged,
                      const std::string& request = std::string(),
                      const common::Ercode majorErcode = common::NoEr,
                      const common::Ercode minorErcode = common::NoEr,
                      const std::string& reply = std::string());
    void receiveRequest(const common::Opcode majorOpcode,
                        const common::Opcode minorOpcode = common::Untagged,
                        const std::string& request = std::string());

private:
    const std::string m_name;
    Journal& m_journal;
};

// A component that writes down what it receives: a view manager, or a
// stand-in for one of the bus objects.
class RecordingComponent : public Component
{
    Q_OBJECT

public:
    RecordingComponent(const std::string& name, Journal& journal, QObject* parent);

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

protected:
    const std::string m_name;
    Journal& m_journal;
};

}  // namespace componenttest
