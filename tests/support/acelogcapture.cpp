#include "tests/support/acelogcapture.h"

#include <ace/Log_Record.h>

namespace testsupport {

AceLogCapture::AceLogCapture()
    : m_previousCallback(ACE_LOG_MSG->msg_callback(this))
    , m_previousFlags(ACE_LOG_MSG->flags())
{
    ACE_LOG_MSG->clr_flags(ACE_Log_Msg::STDERR | ACE_Log_Msg::SYSLOG | ACE_Log_Msg::OSTREAM);
    ACE_LOG_MSG->set_flags(ACE_Log_Msg::MSG_CALLBACK);
}

AceLogCapture::~AceLogCapture()
{
    ACE_LOG_MSG->msg_callback(m_previousCallback);
    ACE_LOG_MSG->clr_flags(ACE_LOG_MSG->flags());
    ACE_LOG_MSG->set_flags(m_previousFlags);
}

void AceLogCapture::log(ACE_Log_Record& record)
{
    m_entries.push_back({static_cast<ACE_Log_Priority>(record.type()), record.msg_data()});
}

bool AceLogCapture::contains(const std::string& fragment) const
{
    for (const Entry& entry : m_entries) {
        if (entry.text.find(fragment) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace testsupport
