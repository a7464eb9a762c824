#pragma once

#include "library/gui/log/eventdescriptor.h"
#include "library/gui/log/replylogevent.h"
#include "library/gui/log/requestlogevent.h"

// The audit event of a server reply as a row of the event table describes it:
// class id, name, severity, count, and the checks and pairs of its script.
class DescribedReplyLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    DescribedReplyLogEvent(const cef::EventDescriptor& descriptor,
                           common::Opcode majorOpcode,
                           common::Opcode minorOpcode,
                           const std::string& request,
                           common::Ercode majorErcode,
                           common::Ercode minorErcode,
                           const std::string& reply,
                           QObject* parent = nullptr);

    bool handleEvent() override;

    // The minor code of the event EventLogged that carries the line.
    common::Evcode getLogKind() const;
    int getSuccessOutcomeCnt() const;
    int getFailureOutcomeCnt() const;

private:
    const cef::EventDescriptor& m_descriptor;
};

// The audit event of a client request as a row of the event table describes it.
class DescribedRequestLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    DescribedRequestLogEvent(const cef::EventDescriptor& descriptor,
                             common::Opcode majorOpcode,
                             common::Opcode minorOpcode,
                             const std::string& request,
                             QObject* parent = nullptr);

    bool handleEvent() override;

    common::Evcode getLogKind() const;
    int getCnt() const;

private:
    const cef::EventDescriptor& m_descriptor;
};
