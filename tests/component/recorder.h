#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
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
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS);
    void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS);
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS);

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

    QUENLARK_BUS_RECEIVE_SLOTS

protected:
    const std::string m_name;
    Journal& m_journal;
};

}  // namespace componenttest
