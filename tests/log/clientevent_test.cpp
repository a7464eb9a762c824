#include "library/common/ercodenames.h"
#include "library/gui/log/auditevents.h"
#include "library/network/messagedispatcher.h"
#include "tests/gui/qtmessagecapture.h"
#include "tests/log/logtestsupport.h"

#include "logeventprintdocumentrequest3.pb.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <set>

namespace {

// Sets the dispatcher's server and session for one test and puts them back.
class ServerAndSession : public ::testing::Test
{
protected:
    // The line of a log-off reply, which adds no pairs of its own.
    static logtest::CefLine LogOffLine(common::Ercode majorErcode = common::NoEr, common::Ercode minorErcode = 0)
    {
        TerminateUserSessionLogEvent event(common::TerminateUserSession, common::Untagged, "", majorErcode, minorErcode,
                                           "");
        const std::string line = event();
        EXPECT_NE("", line);
        return logtest::ParseCefLine(line);
    }

private:
    logtest::DispatcherServer m_server{"127.0.0.1", 5000, INT_MIN};
};

constexpr int LogOffBits = 1 << 4;
constexpr int LogOffDetailBits = (1 << 4) | (1 << 14);

TEST_F(ServerAndSession, HeaderNamesTheApplication)
{
    logtest::LoggedOnUser user(LogOffBits);
    const logtest::CefLine line = LogOffLine();
    const std::vector<std::string> header{
        "CEF:0", logtest::Vendor, logtest::Product, logtest::Version, "54", "terminate user session", "4"};
    EXPECT_EQ(header, line.header);
}

TEST_F(ServerAndSession, ServerPortAndAddressOfANumericName)
{
    logtest::LoggedOnUser user(LogOffBits);
    const logtest::CefLine line = LogOffLine();
    EXPECT_EQ("5000", line.pairs.at("dpt"));
    EXPECT_EQ("127.0.0.1", line.pairs.at("dst"));
}

TEST_F(ServerAndSession, NameThatDoesNotResolveLeavesTheAddressOut)
{
    logtest::LoggedOnUser user(LogOffBits);
    // No resolver accepts a label longer than 63 characters.
    MessageDispatcher::setServerName(std::string(64, 'a') + ".invalid");
    const logtest::CefLine line = LogOffLine();
    EXPECT_EQ(0u, line.pairs.count("dpt"));
    EXPECT_EQ(0u, line.pairs.count("dst"));
    EXPECT_EQ("success", line.pairs.at("outcome"));
}

TEST_F(ServerAndSession, SessionIdAppearsOnceLoggedOn)
{
    logtest::LoggedOnUser user(LogOffBits);
    EXPECT_EQ(0u, LogOffLine().pairs.count("externalId"));
    MessageDispatcher::setSessionId(0);
    EXPECT_EQ(0u, LogOffLine().pairs.count("externalId"));
    MessageDispatcher::setSessionId(17);
    EXPECT_EQ("17", LogOffLine().pairs.at("externalId"));
}

TEST_F(ServerAndSession, ReplyOutcomeReasonAndMessage)
{
    const struct
    {
        common::Ercode majorErcode;
        common::Ercode minorErcode;
        bool details;
        const char* outcome;
        const char* reason;
        const char* msg;
    } cases[] = {
        {0, 0, true, "success", nullptr, nullptr},
        {0, 5, true, "success", nullptr, nullptr},
        {63, 0, true, "failure", "63", "service bad password error"},
        {63, 9, false, "failure", "63", nullptr},
        {8, 0, true, "failure", "8", "Database runtime error message."},
        {65, 0, true, "failure", "65", "service bad server time zone error"},
        {3, 0, true, "failure", "3", "unknown error"},
        {-1, 1, true, "failure", "-1", "unknown error"},
        {1, 1, true, "failure", "1", "unknown error"},
        {1000, 0, true, "failure", "1000", "unknown error"},
    };
    for (const auto& entry : cases) {
        logtest::LoggedOnUser user(entry.details ? LogOffDetailBits : LogOffBits);
        const logtest::CefLine line = LogOffLine(entry.majorErcode, entry.minorErcode);
        const std::string label = std::to_string(entry.majorErcode) + "/" + std::to_string(entry.minorErcode);
        EXPECT_EQ(entry.outcome, line.pairs.at("outcome")) << label;
        EXPECT_EQ(entry.reason != nullptr, line.pairs.count("reason") == 1) << label;
        if (entry.reason) {
            EXPECT_EQ(entry.reason, line.pairs.at("reason")) << label;
        }
        EXPECT_EQ(entry.msg != nullptr, line.pairs.count("msg") == 1) << label;
        if (entry.msg) {
            EXPECT_EQ(cef::extension(entry.msg), line.pairs.at("msg")) << label;
        }
    }
}

// The audit text of a code is its name's words in lower case, without the
// final "Er", followed by " error"; two codes say it otherwise, and the codes
// without audit text of their own say "unknown error".
std::string ExpectedErrorText(common::Ercode code)
{
    if (code == 8) {
        return "Database runtime error message.";
    }
    if (code == 65) {
        return "service bad server time zone error";
    }
    const std::set<common::Ercode> withoutText{-1, 0, 1, 3, 5, 6};
    if (withoutText.count(code)) {
        return "unknown error";
    }
    const char* name = common::ErcodeName(code);
    if (!name) {
        return "unknown error";
    }
    std::string words;
    const std::string withoutEr = std::string(name).substr(0, std::string(name).size() - 2);
    for (char c : withoutEr) {
        if (std::isupper(static_cast<unsigned char>(c)) && !words.empty()) {
            words += ' ';
        }
        words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return words + " error";
}

TEST(ReplyLogEvent, EveryErrorCodeHasItsAuditText)
{
    for (common::Ercode code = -2; code <= 100; ++code) {
        const std::string id = cef::ErrorMessageId(code);
        EXPECT_EQ(ExpectedErrorText(code), QCoreApplication::translate("ReplyLogEvent", id.c_str()).toStdString())
            << code << " " << id;
    }
}

TEST_F(ServerAndSession, RequestLineHasNoOutcome)
{
    logtest::LoggedOnUser user(1 << 7);
    zarv::data::LogEventPrintDocumentRequest request;
    request.mutable_document()->set_document_id(5);
    request.mutable_document()->set_document_name("Plan");
    PrintDocumentLogEvent event(common::LogEventPrintDocument, common::Untagged, request.SerializeAsString());
    const logtest::CefLine line = logtest::ParseCefLine(event());
    EXPECT_EQ(0u, line.pairs.count("outcome"));
    EXPECT_EQ("5", line.pairs.at("cn1"));
    EXPECT_EQ("127.0.0.1", line.pairs.at("dst"));
}

TEST(ReplyLogEvent, UnauditedEventNeitherReadsNorWarns)
{
    logtest::LoggedOnUser user(~(1 << 5));
    testsupport::QtMessageCapture warnings;
    DeleteDocumentLogEvent event(common::DeleteDocument, common::Untagged, "\xff\xff", common::NoEr, 0, "");
    EXPECT_EQ("", event());
    EXPECT_TRUE(warnings.messages().empty());
}

}  // namespace
