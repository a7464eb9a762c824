#include "tests/component/recorder.h"

namespace componenttest {

std::string RequestLine(const std::string& receiver, common::Opcode major, common::Opcode minor)
{
    return receiver + " request " + std::to_string(major) + " " + std::to_string(minor);
}

std::string ReplyLine(const std::string& receiver,
                      common::Opcode major,
                      common::Opcode minor,
                      common::Ercode majorErcode,
                      common::Ercode minorErcode)
{
    return receiver + " reply " + std::to_string(major) + " " + std::to_string(minor) + " "
           + std::to_string(majorErcode) + " " + std::to_string(minorErcode);
}

std::string EventLine(const std::string& receiver, common::Evcode major, common::Evcode minor)
{
    return receiver + " event " + std::to_string(major) + " " + std::to_string(minor);
}

RecordingWindow::RecordingWindow(const std::string& name, Journal& journal)
    : m_name(name)
    , m_journal(journal)
{}

void RecordingWindow::receiveEvent(const common::Evcode majorEvcode,
                                   const common::Evcode minorEvcode,
                                   const std::string&)
{
    m_journal.push_back(EventLine(m_name, majorEvcode, minorEvcode));
}

void RecordingWindow::receiveReply(const common::Opcode majorOpcode,
                                   const common::Opcode minorOpcode,
                                   const std::string&,
                                   const common::Ercode majorErcode,
                                   const common::Ercode minorErcode,
                                   const std::string&)
{
    m_journal.push_back(ReplyLine(m_name, majorOpcode, minorOpcode, majorErcode, minorErcode));
}

void RecordingWindow::receiveRequest(const common::Opcode majorOpcode,
                                     const common::Opcode minorOpcode,
                                     const std::string&)
{
    m_journal.push_back(RequestLine(m_name, majorOpcode, minorOpcode));
}

RecordingComponent::RecordingComponent(const std::string& name, Journal& journal, QObject* parent)
    : Component(parent)
    , m_name(name)
    , m_journal(journal)
{}

void RecordingComponent::receiveEvent(const common::Evcode majorEvcode,
                                      const common::Evcode minorEvcode,
                                      const std::string&)
{
    m_journal.push_back(EventLine(m_name, majorEvcode, minorEvcode));
}

void RecordingComponent::receiveReply(const common::Opcode majorOpcode,
                                      const common::Opcode minorOpcode,
                                      const std::string&,
                                      const common::Ercode majorErcode,
                                      const common::Ercode minorErcode,
                                      const std::string&)
{
    m_journal.push_back(ReplyLine(m_name, majorOpcode, minorOpcode, majorErcode, minorErcode));
}

void RecordingComponent::receiveRequest(const common::Opcode majorOpcode,
                                        const common::Opcode minorOpcode,
                                        const std::string&)
{
    m_journal.push_back(RequestLine(m_name, majorOpcode, minorOpcode));
}

}  // namespace componenttest
