#include "library/gui/log/logevent.h"

#include "library/common/assertion.h"
#include "library/core/lib/registry.h"

#include <ace/Log_Msg.h>
#include <ace/Log_Record.h>
#include <ace/OS_NS_sys_time.h>
#include <ace/OS_NS_unistd.h>
#include <boost/asio/ip/host_name.hpp>

#include <QtGlobal>

#include <bitset>
#include <cstdint>

namespace cef {

std::string extension(const std::string& value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '=':
            escaped += "\\=";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace cef

namespace {

constexpr int MaxSeverity = 10;
// Bit n + DetailsBitOffset asks for the details of events of severity n.
constexpr int DetailsBitOffset = 10;

bool IsSeverity(cef::Severity severity)
{
    return severity >= 1 && severity <= MaxSeverity;
}

ACE_Log_Priority PriorityOf(cef::Severity severity)
{
    static constexpr ACE_Log_Priority Priorities[MaxSeverity] = {
        LM_INFO, LM_WARNING, LM_ERROR, LM_INFO, LM_WARNING, LM_ERROR, LM_WARNING, LM_ERROR, LM_WARNING, LM_ERROR,
    };
    return Priorities[severity - 1];
}

// One message holding the line alone. The line goes in as a finished record,
// never through a format: a "%" stays text, and a long line is not cut at the
// size of the log's format buffer.
void WriteToAceLog(ACE_Log_Priority priority, const std::string& line)
{
    ACE_Log_Msg* log = ACE_Log_Msg::instance();
    if (!log->log_priority_enabled(priority)) {
        return;
    }
    ACE_Log_Record record(priority, ACE_OS::gettimeofday(), ACE_OS::getpid());
    record.msg_data(line.c_str());
    log->log(record);
}

std::string UserName()
{
    for (const char* variable : {"USER", "USERNAME"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return value.toStdString();
        }
    }
    return "unknown";
}

}  // namespace

LogEvent::LogEvent(QObject* parent)
    : QObject(parent)
    , m_cefVersion("CEF:0")
    , m_cefDeviceVendor("Quenlark")
    , m_cefDeviceEventClassId(cef::NullClassId)
    , m_cefSeverity(cef::NullSeverity)
{
    addKeyValuePair("spid", static_cast<int>(ACE_OS::getpid()));
    addKeyValuePair("shost", boost::asio::ip::host_name());
    addKeyValuePair("suser", UserName());
}

LogEvent::~LogEvent() = default;

bool LogEvent::auditSeverity(cef::Severity position) const
{
    // The getters give 0 when there is no user, no descriptor or no audits.
    const std::int32_t audits =
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_security_descriptor().audits();
    return std::bitset<32>(static_cast<std::uint32_t>(audits)).test(static_cast<std::size_t>(position));
}

bool LogEvent::auditEvent() const
{
    return IsSeverity(m_cefSeverity) && auditSeverity(m_cefSeverity);
}

bool LogEvent::addEventDetails() const
{
    return IsSeverity(m_cefSeverity) && auditSeverity(cef::Severity(m_cefSeverity + DetailsBitOffset));
}

bool LogEvent::handleEvent()
{
    return true;
}

std::string LogEvent::header() const
{
    if (m_cefVersion.empty() || m_cefDeviceVendor.empty() || m_cefDeviceProduct.empty() || m_cefDeviceVersion.empty()
        || m_cefName.empty()) {
        return std::string();
    }
    return m_cefVersion + '|' + m_cefDeviceVendor + '|' + m_cefDeviceProduct + '|' + m_cefDeviceVersion + '|'
           + std::to_string(m_cefDeviceEventClassId) + '|' + m_cefName + '|' + std::to_string(m_cefSeverity) + '|';
}

std::string LogEvent::extension() const
{
    std::string pairs;
    for (const auto& [key, value] : m_cefExtension) {
        if (!pairs.empty()) {
            pairs += ' ';
        }
        pairs += key;
        pairs += '=';
        pairs += value;
    }
    return pairs;
}

void LogEvent::addKeyValuePair(const std::string& key, const std::string& value)
{
    m_cefExtension.emplace(key, cef::extension(value));
}

void LogEvent::addKeyValuePair(const std::string& key, int value)
{
    m_cefExtension.emplace(key, std::to_string(value));
}

void LogEvent::addKeyValuePair(const std::string& key, unsigned int value)
{
    m_cefExtension.emplace(key, std::to_string(value));
}

bool LogEvent::isComplete() const
{
    // Every check reports on its own, so one report names every missing field.
    // clang-format off
    bool complete = QUENLARK_ASSERT(! m_cefVersion.empty());
    complete &= QUENLARK_ASSERT(! m_cefDeviceVendor.empty());
    complete &= QUENLARK_ASSERT(! m_cefDeviceProduct.empty());
    complete &= QUENLARK_ASSERT(! m_cefDeviceVersion.empty());
    complete &= QUENLARK_ASSERT(cef::NullClassId != m_cefDeviceEventClassId);
    complete &= QUENLARK_ASSERT(! m_cefName.empty());
    // clang-format on
    complete &= QUENLARK_ASSERT(cef::NullSeverity != m_cefSeverity);
    complete &= QUENLARK_ASSERT(auditEvent());
    return complete;
}

std::string LogEvent::logEvent(cef::Outcome outcome)
{
    if (!isComplete()) {
        return std::string();
    }
    if (outcome == cef::FailureOutcome) {
        addKeyValuePair("outcome", std::string("failure"));
    } else if (outcome == cef::SuccessOutcome) {
        addKeyValuePair("outcome", std::string("success"));
    }
    const std::string line = header() + extension();
    WriteToAceLog(PriorityOf(m_cefSeverity), line);
    return line;
}
