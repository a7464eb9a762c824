#include "tests/log/logtestsupport.h"

#include "library/core/lib/registry.h"
#include "library/network/messagedispatcher.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>

namespace logtest {

namespace {

// The test program's one application object with the audit texts installed,
// as start-up does for the client.
class LogTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "log_tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication::setOrganizationName(Vendor);
        QCoreApplication::setApplicationName(Product);
        QCoreApplication::setApplicationVersion(Version);
        translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator->load(QStringLiteral(QUENLARK_TRANSLATION_QM))) << QUENLARK_TRANSLATION_QM;
        QCoreApplication::installTranslator(translator.get());
    }

    void TearDown() override
    {
        translator.reset();
        m_application.reset();
    }

    static std::unique_ptr<QTranslator> translator;

private:
    std::unique_ptr<QCoreApplication> m_application;
};

std::unique_ptr<QTranslator> LogTestEnvironment::translator;

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new LogTestEnvironment);

Registry& TheRegistry()
{
    return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance();
}

}  // namespace

CefLine ParseCefLine(const std::string& line)
{
    CefLine parsed;
    EXPECT_EQ(std::string::npos, line.find_first_of("\r\n")) << line;
    std::string::size_type start = 0;
    for (int field = 0; field < 7; ++field) {
        const std::string::size_type bar = line.find('|', start);
        if (bar == std::string::npos) {
            ADD_FAILURE() << "fewer than seven header fields: " << line;
            return parsed;
        }
        parsed.header.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    // Every unescaped "=" ends a key; the key starts after the last blank before it.
    std::vector<std::string::size_type> equals;
    for (std::string::size_type i = start; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
        } else if (line[i] == '=') {
            equals.push_back(i);
        }
    }
    std::string::size_type keyStart = start;
    for (std::size_t n = 0; n < equals.size(); ++n) {
        const std::string key = line.substr(keyStart, equals[n] - keyStart);
        EXPECT_TRUE(!key.empty() && std::all_of(key.begin(), key.end(), [](char c) { return std::isalnum(c); }))
            << "key '" << key << "' in " << line;
        std::string::size_type valueEnd = line.size();
        if (n + 1 < equals.size()) {
            valueEnd = line.rfind(' ', equals[n + 1]);
            if (valueEnd == std::string::npos || valueEnd < equals[n]) {
                ADD_FAILURE() << "no blank before the key at " << equals[n + 1] << ": " << line;
                return parsed;
            }
        }
        parsed.keys.push_back(key);
        EXPECT_TRUE(parsed.pairs.emplace(key, line.substr(equals[n] + 1, valueEnd - equals[n] - 1)).second)
            << "key " << key << " twice in " << line;
        keyStart = valueEnd + 1;
    }
    return parsed;
}

bool IsCommonKey(const std::string& key)
{
    static const std::set<std::string> common{"cnt",     "dpt",    "dst",   "externalId", "msg",
                                              "outcome", "reason", "shost", "spid",       "suser"};
    return common.count(key) != 0;
}

std::map<std::string, std::string> EventPairs(const CefLine& line)
{
    std::map<std::string, std::string> pairs;
    for (const auto& [key, value] : line.pairs) {
        if (!IsCommonKey(key)) {
            pairs.emplace(key, value);
        }
    }
    return pairs;
}

LoggedOnUser::LoggedOnUser(int audits)
{
    zarv::data::User user;
    user.set_user_id(11);
    user.mutable_user_security_descriptor()->set_audits(audits);
    TheRegistry().setUser(user);
}

LoggedOnUser::LoggedOnUser()
{
    zarv::data::User user;
    user.set_user_id(11);
    TheRegistry().setUser(user);
}

LoggedOnUser::~LoggedOnUser()
{
    TheRegistry().clear();
}

DispatcherServer::DispatcherServer(const std::string& name, int port, int sessionId)
    : m_previousName(MessageDispatcher::getServerName())
    , m_previousPort(MessageDispatcher::getServerPort())
    , m_previousSessionId(MessageDispatcher::getSessionId())
{
    MessageDispatcher::setServerName(name);
    MessageDispatcher::setServerPort(port);
    MessageDispatcher::setSessionId(sessionId);
}

DispatcherServer::~DispatcherServer()
{
    if (!m_previousName.empty()) {
        MessageDispatcher::setServerName(m_previousName);
    }
    if (m_previousPort != 0) {
        MessageDispatcher::setServerPort(m_previousPort);
    }
    MessageDispatcher::setSessionId(m_previousSessionId);
}

int AuditBits(cef::Severity severity, bool details)
{
    return (1 << severity) | (details ? 1 << (severity + 10) : 0);
}

NoTranslation::NoTranslation()
{
    QCoreApplication::removeTranslator(LogTestEnvironment::translator.get());
}

NoTranslation::~NoTranslation()
{
    QCoreApplication::installTranslator(LogTestEnvironment::translator.get());
}

}  // namespace logtest
