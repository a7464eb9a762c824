#include "library/core/lib/registry.h"
#include "library/gui/log/logevent.h"
#include "tests/log/logtestsupport.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/scopedenvironmentvariable.h"

#include <boost/asio/ip/host_name.hpp>
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace {

// A complete event whose header fields the test sets directly.
class ProbeEvent : public LogEvent
{
public:
    explicit ProbeEvent(cef::Severity severity = cef::Severity(5))
        : LogEvent(nullptr)
    {
        m_cefDeviceVendor = "vendor";
        m_cefDeviceProduct = "product";
        m_cefDeviceVersion = "1.0.0";
        m_cefDeviceEventClassId = 7;
        m_cefName = "delete document";
        m_cefSeverity = severity;
    }

    enum HeaderText
    {
        Version,
        Vendor,
        Product,
        DeviceVersion,
        Name,
    };

    void clear(HeaderText field)
    {
        std::string* const texts[] = {&m_cefVersion, &m_cefDeviceVendor, &m_cefDeviceProduct, &m_cefDeviceVersion,
                                      &m_cefName};
        texts[field]->clear();
    }
};

TEST(CefExtension, EscapesBackslashEqualsAndLineBreaksOnly)
{
    const struct
    {
        const char* value;
        const char* escaped;
    } cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a=b", "a\\=b"},
        {"C:\\temp", "C:\\\\temp"},
        {"\\=", "\\\\\\="},
        {"a|b", "a|b"},
        {"first\nsecond", "first\\nsecond"},
        {"first\r\nsecond", "first\\r\\nsecond"},
        {"x\n=y", "x\\n\\=y"},
        {"100% %s %n", "100% %s %n"},
        {"caf\xc3\xa9", "caf\xc3\xa9"},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(entry.escaped, cef::extension(entry.value)) << entry.value;
    }
}

TEST(LogEvent, ValueWithLineBreaksCannotForgeASecondLine)
{
    logtest::LoggedOnUser user(logtest::AuditBits(cef::Severity(5), false));
    ProbeEvent event;
    event.addKeyValuePair("cs1", std::string("x\nCEF:0|forged|line|1|1|forged|10|outcome=success"));
    const std::string line = event.logEvent(cef::SuccessOutcome);
    EXPECT_EQ(std::string::npos, line.find('\n'));
    const logtest::CefLine parsed = logtest::ParseCefLine(line);
    EXPECT_EQ("x\\nCEF:0|forged|line|1|1|forged|10|outcome\\=success", parsed.pairs.at("cs1"));
    EXPECT_EQ("success", parsed.pairs.at("outcome"));
}

TEST(LogEvent, KeysAreStoredUnchangedAndKeepTheirFirstValue)
{
    ProbeEvent event;
    event.addKeyValuePair("cnt", 1u);
    event.addKeyValuePair("cnt", 2u);
    event.addKeyValuePair("cs1", std::string("first"));
    event.addKeyValuePair("cs1", std::string("second"));
    event.addKeyValuePair("a=b", std::string("v"));
    const std::string extension = event.extension();
    for (const char* pair : {"a=b=v ", "cnt=1 ", "cs1=first "}) {
        EXPECT_NE(std::string::npos, extension.find(pair)) << pair << " in " << extension;
    }
    EXPECT_EQ(std::string::npos, extension.find("second"));
}

TEST(LogEvent, NumbersAreWrittenInFullDecimal)
{
    ProbeEvent event;
    event.addKeyValuePair("cn1", -5);
    event.addKeyValuePair("cn2", INT_MIN);
    event.addKeyValuePair("cn3", 4294967295u);
    event.addKeyValuePair("cn4", 1234567);
    const std::string extension = event.extension();
    for (const char* pair : {"cn1=-5 ", "cn2=-2147483648 ", "cn3=4294967295 ", "cn4=1234567 "}) {
        EXPECT_NE(std::string::npos, extension.find(pair)) << pair << " in " << extension;
    }
}

TEST(LogEvent, PairsFollowTheByteOrderOfTheirKeys)
{
    ProbeEvent event;
    for (const char* key : {"suser", "cn1Label", "out", "cn1", "outcome", "cnt", "Zeta", "9"}) {
        event.addKeyValuePair(key, std::string("v"));
    }
    const logtest::CefLine parsed = logtest::ParseCefLine(event.header() + event.extension());
    const std::vector<std::string> expected{"9",   "Zeta",    "cn1",   "cn1Label", "cnt",
                                            "out", "outcome", "shost", "spid",     "suser"};
    EXPECT_EQ(expected, parsed.keys);
}

TEST(LogEvent, EveryEventNamesItsProcessHostAndUser)
{
    ProbeEvent event;
    const logtest::CefLine parsed = logtest::ParseCefLine(event.header() + event.extension());
    EXPECT_EQ(std::to_string(::getpid()), parsed.pairs.at("spid"));
    EXPECT_EQ(cef::extension(boost::asio::ip::host_name()), parsed.pairs.at("shost"));
    EXPECT_TRUE(parsed.pairs.count("suser"));
}

TEST(LogEvent, UserNameComesFromUserThenUsername)
{
    const struct
    {
        std::optional<std::string> user;
        std::optional<std::string> username;
        const char* suser;
    } cases[] = {
        {"alice", "bob", "alice"},     {"", "bob", "bob"},
        {std::nullopt, "bob", "bob"},  {"", std::nullopt, "unknown"},
        {std::nullopt, "", "unknown"}, {"a=b", std::nullopt, "a\\=b"},
    };
    for (const auto& entry : cases) {
        testsupport::ScopedEnvironmentVariable user("USER", entry.user);
        testsupport::ScopedEnvironmentVariable username("USERNAME", entry.username);
        ProbeEvent event;
        EXPECT_EQ(entry.suser, logtest::ParseCefLine(event.header() + event.extension()).pairs.at("suser"))
            << entry.user.value_or("(unset)") << " / " << entry.username.value_or("(unset)");
    }
}

TEST(LogEvent, HeaderListsTheSevenFieldsEachFollowedByABar)
{
    EXPECT_EQ("CEF:0|vendor|product|1.0.0|7|delete document|5|", ProbeEvent().header());
}

TEST(LogEvent, HeaderIsEmptyWhenAnyTextFieldIsEmpty)
{
    for (ProbeEvent::HeaderText field :
         {ProbeEvent::Version, ProbeEvent::Vendor, ProbeEvent::Product, ProbeEvent::DeviceVersion, ProbeEvent::Name}) {
        ProbeEvent event;
        event.clear(field);
        EXPECT_EQ("", event.header()) << field;
    }
}

TEST(LogEvent, AuditBitsDecideWhetherAndWithWhatDetail)
{
    const struct
    {
        int audits;
        int severity;
        bool audited;
        bool details;
    } cases[] = {
        {1 << 5, 5, true, false},  {(1 << 5) | (1 << 15), 5, true, true},
        {1 << 15, 5, false, true}, {1 << 4, 5, false, false},
        {1 << 1, 1, true, false},  {(1 << 10) | (1 << 20), 10, true, true},
        {-1, 0, false, false},     {-1, 11, false, false},
        {1, 0, false, false},
    };
    for (const auto& entry : cases) {
        logtest::LoggedOnUser user(entry.audits);
        ProbeEvent event{cef::Severity(entry.severity)};
        EXPECT_EQ(entry.audited, event.auditEvent()) << entry.audits << " severity " << entry.severity;
        EXPECT_EQ(entry.audited && entry.details, event.auditEvent() && event.addEventDetails())
            << entry.audits << " severity " << entry.severity;
    }
}

TEST(LogEvent, NoDescriptorNoAuditsOrNobodyLoggedOnAuditsNothing)
{
    {
        logtest::LoggedOnUser withoutDescriptor;
        EXPECT_FALSE(ProbeEvent().auditSeverity(cef::Severity(5)));
    }
    {
        zarv::data::User user;
        user.mutable_user_security_descriptor()->set_permissions(-1);
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(user);
        EXPECT_FALSE(ProbeEvent().auditSeverity(cef::Severity(5)));
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
    }
    EXPECT_FALSE(ProbeEvent().auditEvent());
}

TEST(LogEvent, AuditBitAbove31IsACallerError)
{
    logtest::LoggedOnUser user(-1);
    ProbeEvent event;
    EXPECT_TRUE(event.auditSeverity(cef::Severity(31)));
    EXPECT_THROW(event.auditSeverity(cef::Severity(32)), std::out_of_range);
}

TEST(LogEvent, OutcomePairFollowsTheOutcome)
{
    logtest::LoggedOnUser user(-1);
    const struct
    {
        cef::Outcome outcome;
        const char* pair;
    } cases[] = {
        {cef::SuccessOutcome, "success"},
        {cef::FailureOutcome, "failure"},
        {cef::NoOutcome, nullptr},
        {cef::Outcome(7), nullptr},
    };
    for (const auto& entry : cases) {
        ProbeEvent event;
        const logtest::CefLine parsed = logtest::ParseCefLine(event.logEvent(entry.outcome));
        if (entry.pair) {
            EXPECT_EQ(entry.pair, parsed.pairs.at("outcome"));
        } else {
            EXPECT_EQ(0u, parsed.pairs.count("outcome")) << entry.outcome;
        }
    }
}

TEST(LogEvent, LineGoesToTheAceLogAtThePriorityOfItsSeverity)
{
    const ACE_Log_Priority priorities[] = {LM_INFO,  LM_WARNING, LM_ERROR, LM_INFO,    LM_WARNING,
                                           LM_ERROR, LM_WARNING, LM_ERROR, LM_WARNING, LM_ERROR};
    logtest::LoggedOnUser user(-1);
    for (int severity = 1; severity <= 10; ++severity) {
        testsupport::AceLogCapture log;
        ProbeEvent event{cef::Severity(severity)};
        const std::string line = event.logEvent(cef::SuccessOutcome);
        ASSERT_EQ(1u, log.entries().size()) << severity;
        EXPECT_EQ(priorities[severity - 1], log.entries()[0].priority) << severity;
        EXPECT_EQ(line, log.entries()[0].text) << severity;
        EXPECT_EQ(std::to_string(severity), logtest::ParseCefLine(line).header.at(6));
    }
}

TEST(LogEvent, LineIsLoggedAsTextNeverAsAFormat)
{
    logtest::LoggedOnUser user(-1);
    testsupport::AceLogCapture log;
    ProbeEvent event;
    event.addKeyValuePair("cs1", std::string("100% %s%s%n %d %p %"));
    const std::string line = event.logEvent(cef::SuccessOutcome);
    ASSERT_EQ(1u, log.entries().size());
    EXPECT_EQ(line, log.entries()[0].text);
    EXPECT_EQ("100% %s%s%n %d %p %", logtest::ParseCefLine(line).pairs.at("cs1"));
}

TEST(LogEvent, LongLineIsLoggedWhole)
{
    logtest::LoggedOnUser user(-1);
    testsupport::AceLogCapture log;
    ProbeEvent event;
    const std::string longValue(20000, 'x');
    event.addKeyValuePair("cs1", longValue);
    const std::string line = event.logEvent(cef::SuccessOutcome);
    EXPECT_EQ(longValue, logtest::ParseCefLine(line).pairs.at("cs1"));
    ASSERT_EQ(1u, log.entries().size());
    EXPECT_EQ(line, log.entries()[0].text);
}

TEST(LogEvent, IncompleteOrUnauditedEventReportsAndWritesNoLine)
{
    logtest::LoggedOnUser user(1 << 5);
    const struct
    {
        std::optional<ProbeEvent::HeaderText> cleared;
        int severity;
        const char* condition;
    } cases[] = {
        {ProbeEvent::Version, 5, "'! m_cefVersion.empty()'"},
        {ProbeEvent::Name, 5, "'! m_cefName.empty()'"},
        {std::nullopt, 0, "'cef::NullSeverity != m_cefSeverity'"},
        {std::nullopt, 4, "'auditEvent()'"},
    };
    for (const auto& entry : cases) {
        testsupport::AceLogCapture log;
        ProbeEvent event{cef::Severity(entry.severity)};
        if (entry.cleared) {
            event.clear(*entry.cleared);
        }
        EXPECT_EQ("", event.logEvent(cef::SuccessOutcome)) << entry.condition;
        EXPECT_TRUE(log.contains(entry.condition)) << entry.condition;
        EXPECT_FALSE(log.contains("CEF:0")) << entry.condition;
    }
}

}  // namespace
