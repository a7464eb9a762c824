#include "library/gui/log/describedlogevent.h"

DescribedReplyLogEvent::DescribedReplyLogEvent(const cef::EventDescriptor& descriptor,
                                               common::Opcode majorOpcode,
                                               common::Opcode minorOpcode,
                                               const std::string& request,
                                               common::Ercode majorErcode,
                                               common::Ercode minorErcode,
                                               const std::string& reply,
                                               QObject* parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
    , m_descriptor(descriptor)
{
    m_cefDeviceEventClassId = descriptor.classId;
    m_cefName = cef::EventName(descriptor);
    m_cefSeverity = descriptor.severity;
    int& counter =
        m_majorErcode != common::NoEr ? descriptor.counters.failureOutcomeCnt : descriptor.counters.successOutcomeCnt;
    addKeyValuePair("cnt", static_cast<unsigned int>(++counter));
}

bool DescribedReplyLogEvent::handleEvent()
{
    return cef::RunEventSteps(m_descriptor, m_request, m_reply, *this);
}

common::Evcode DescribedReplyLogEvent::getLogKind() const
{
    return m_descriptor.logKind;
}

int DescribedReplyLogEvent::getSuccessOutcomeCnt() const
{
    return m_descriptor.counters.successOutcomeCnt;
}

int DescribedReplyLogEvent::getFailureOutcomeCnt() const
{
    return m_descriptor.counters.failureOutcomeCnt;
}

DescribedRequestLogEvent::DescribedRequestLogEvent(const cef::EventDescriptor& descriptor,
                                                   common::Opcode majorOpcode,
                                                   common::Opcode minorOpcode,
                                                   const std::string& request,
                                                   QObject* parent)
    : RequestLogEvent(majorOpcode, minorOpcode, request, parent)
    , m_descriptor(descriptor)
{
    m_cefDeviceEventClassId = descriptor.classId;
    m_cefName = cef::EventName(descriptor);
    m_cefSeverity = descriptor.severity;
    addKeyValuePair("cnt", static_cast<unsigned int>(++descriptor.counters.cnt));
}

bool DescribedRequestLogEvent::handleEvent()
{
    return cef::RunEventSteps(m_descriptor, m_request, std::string(), *this);
}

common::Evcode DescribedRequestLogEvent::getLogKind() const
{
    return m_descriptor.logKind;
}

int DescribedRequestLogEvent::getCnt() const
{
    return m_descriptor.counters.cnt;
}
