#pragma once

#include "library/gui/log/logevent.h"

#include <map>
#include <string>
#include <vector>

namespace logtest {

// The test program's application names, as start-up sets them.
constexpr const char* Vendor = "Quenlark";
constexpr const char* Product = "QuenlarkClient";
constexpr const char* Version = "1.0.0";

// The seven header fields and the extension pairs of one CEF line, values
// as the line writes them (still escaped), keys in the order of the line.
struct CefLine
{
    std::vector<std::string> header;
    std::vector<std::string> keys;
    std::map<std::string, std::string> pairs;
};

// Splits a line; fails the current test when it is not one well-formed line
// (seven header fields, then key=value pairs whose values hold no unescaped
// "=" and no line break).
CefLine ParseCefLine(const std::string& line);

// The pairs that every line may carry, whatever its event: the process, host
// and user, the server and session, count, outcome and failure.
bool IsCommonKey(const std::string& key);
// The line's pairs without the common ones.
std::map<std::string, std::string> EventPairs(const CefLine& line);

// Logs on a user with the given audit bits for the object's lifetime, then
// clears the registry again.
class LoggedOnUser
{
public:
    explicit LoggedOnUser(int audits);
    // A user whose record has no security descriptor.
    LoggedOnUser();
    ~LoggedOnUser();
    LoggedOnUser(const LoggedOnUser&) = delete;
    LoggedOnUser& operator=(const LoggedOnUser&) = delete;
};

// Points the dispatcher at a server and a session for the object's lifetime,
// then puts back the earlier ones (an empty name or port 0, which the
// dispatcher does not accept, is not put back).
class DispatcherServer
{
public:
    DispatcherServer(const std::string& name, int port, int sessionId);
    ~DispatcherServer();
    DispatcherServer(const DispatcherServer&) = delete;
    DispatcherServer& operator=(const DispatcherServer&) = delete;

private:
    std::string m_previousName;
    int m_previousPort;
    int m_previousSessionId;
};

// The audit bits that log events of `severity`, and with `details` their details.
int AuditBits(cef::Severity severity, bool details);

// Removes the installed translation for its lifetime.
class NoTranslation
{
public:
    NoTranslation();
    ~NoTranslation();
    NoTranslation(const NoTranslation&) = delete;
    NoTranslation& operator=(const NoTranslation&) = delete;
};

}  // namespace logtest
