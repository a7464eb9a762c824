#include "library/gui/log/auditevents.h"
#include "tests/log/eventchecks.h"
#include "tests/log/logtestsupport.h"

#include "deletefolderrequest3.pb.h"
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "updatefolderrequest3.pb.h"

#include <type_traits>

namespace logtest {
namespace {

// What tells an event class apart: its header and the log kind of its line.
struct Identity
{
    std::string header;
    common::Evcode logKind;
    bool operator==(const Identity& other) const { return header == other.header && logKind == other.logKind; }
};

std::ostream& operator<<(std::ostream& out, const Identity& identity)
{
    return out << identity.header << " kind " << identity.logKind;
}

template <class Event>
Identity IdentityOf(common::Opcode majorOpcode)
{
    if constexpr (std::is_base_of_v<DescribedReplyLogEvent, Event>) {
        Event event(majorOpcode, common::Untagged, "", common::NoEr, 0, "");
        return {event.header(), event.getLogKind()};
    } else {
        Event event(majorOpcode, common::Untagged, "");
        return {event.header(), event.getLogKind()};
    }
}

Identity Expected(int classId, const char* name, int severity, common::Evcode logKind)
{
    return {std::string("CEF:0|") + Vendor + "|" + Product + "|" + Version + "|" + std::to_string(classId) + "|" + name
                + "|" + std::to_string(severity) + "|",
            logKind};
}

TEST(AuditEvents, EveryClassHasItsIdNameSeverityAndLogKind)
{
    const struct
    {
        Identity (*identity)(common::Opcode);
        common::Opcode opcode;
        Identity expected;
    } cases[] = {
        {IdentityOf<AuthenticateUserLogEvent>, 3, Expected(1, "authenticate user", 4, -2)},
        {IdentityOf<TerminateUserSessionLogEvent>, 4, Expected(54, "terminate user session", 4, -45)},
        {IdentityOf<DeleteDocumentLogEvent>, 7, Expected(7, "delete document", 5, -8)},
        {IdentityOf<DeleteFolderLogEvent>, 10, Expected(9, "delete folder", 5, -11)},
        {IdentityOf<DeleteMessageDocumentLogEvent>, 13, Expected(14, "delete message document", 5, -14)},
        {IdentityOf<DeleteMessageLogEvent>, 15, Expected(13, "delete message", 5, -15)},
        {IdentityOf<DeleteMessageUserLogEvent>, 16, Expected(16, "delete message user", 5, -16)},
        {IdentityOf<InsertDocumentKeyLogEvent>, 21, Expected(25, "insert document key", 4, -23)},
        {IdentityOf<InsertDocumentLogEvent>, 22, Expected(24, "insert document", 4, -22)},
        {IdentityOf<InsertFolderKeyLogEvent>, 24, Expected(27, "insert folder key", 4, -25)},
        {IdentityOf<InsertFolderLogEvent>, 25, Expected(26, "insert folder", 4, -24)},
        {IdentityOf<InsertMessageDocumentLogEvent>, 28, Expected(31, "insert message document", 4, -28)},
        {IdentityOf<InsertMessageLogEvent>, 30, Expected(30, "insert message", 4, -29)},
        {IdentityOf<InsertMessageUserLogEvent>, 31, Expected(33, "insert message user", 4, -30)},
        {IdentityOf<SelectDocumentLogEvent>, 37, Expected(41, "select document", 1, -37)},
        {IdentityOf<SelectFolderLogEvent>, 40, Expected(43, "select folder", 1, -39)},
        {IdentityOf<SelectMessageLogEvent>, 46, Expected(48, "select message", 1, -43)},
        {IdentityOf<SelectUserLogEvent>, 50, Expected(52, "select user", 1, -44)},
        {IdentityOf<UpdateDocumentLogEvent>, 53, Expected(56, "update document", 4, -48)},
        {IdentityOf<UpdateFolderLogEvent>, 56, Expected(58, "update folder", 4, -52)},
        {IdentityOf<UpdateMessageLogEvent>, 61, Expected(62, "update message", 4, -60)},
        {IdentityOf<CopyDocumentToClipboardLogEvent>, -12, Expected(4, "copy document to clipboard", 7, -6)},
        {IdentityOf<CopyMessageToClipboardLogEvent>, -13, Expected(5, "copy message to clipboard", 7, -7)},
        {IdentityOf<ExportDocumentToPdfFileLogEvent>, -14, Expected(19, "export document to pdf file", 7, -18)},
        {IdentityOf<ExportDocumentToTextFileLogEvent>, -15, Expected(20, "export document to text file", 7, -19)},
        {IdentityOf<ExportMessageToPdfFileLogEvent>, -16, Expected(21, "export message to pdf file", 7, -20)},
        {IdentityOf<ExportMessageToTextFileLogEvent>, -17, Expected(22, "export message to text file", 7, -21)},
        {IdentityOf<PasteDocumentFromClipboardLogEvent>, -18, Expected(36, "paste document from clipboard", 2, -33)},
        {IdentityOf<PasteMessageFromClipboardLogEvent>, -19, Expected(37, "paste message from clipboard", 2, -34)},
        {IdentityOf<PrintDocumentLogEvent>, -20, Expected(38, "print document", 7, -35)},
        {IdentityOf<PrintMessageLogEvent>, -21, Expected(39, "print message", 7, -36)},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(entry.expected, entry.identity(entry.opcode)) << entry.opcode;
        const cef::EventDescriptor* described =
            entry.opcode < 0 ? cef::FindRequestEvent(entry.opcode) : cef::FindReplyEvent(entry.opcode);
        ASSERT_NE(nullptr, described) << entry.opcode;
        EXPECT_EQ(entry.expected.logKind, described->logKind) << entry.opcode;
    }
}

TEST(AuditEvents, OtherOpcodesHaveNoAuditEvent)
{
    for (common::Opcode opcode : {common::SelectDocumentKey, common::DeleteDocumentKey, common::UpdateUser,
                                  common::InsertDictionary, common::LogEventCopyDocumentToClipboard}) {
        EXPECT_EQ(nullptr, cef::FindReplyEvent(opcode)) << opcode;
    }
    for (common::Opcode opcode :
         {common::OpenDocumentBrowserView, common::StartClock, common::DeleteDocument, -11, -22}) {
        EXPECT_EQ(nullptr, cef::FindRequestEvent(opcode)) << opcode;
    }
}

TEST(AuditEvents, WithoutTranslationEveryEventIsNamedName)
{
    NoTranslation untranslated;
    EXPECT_EQ(Expected(36, "Name", 2, -33), IdentityOf<PasteDocumentFromClipboardLogEvent>(-18));
    EXPECT_EQ(Expected(7, "Name", 5, -8), IdentityOf<DeleteDocumentLogEvent>(7));
}

TEST(AuditEvents, ReplyEventsCountSuccessesAndFailuresApart)
{
    LoggedOnUser nobodyAudits(0);
    const int successes = UpdateFolderLogEvent(common::UpdateFolder, 1, "", 0, 0, "").getSuccessOutcomeCnt();
    const int failures = UpdateFolderLogEvent(common::UpdateFolder, 1, "", -1, 0, "").getFailureOutcomeCnt();

    LoggedOnUser user(1 << 4);
    const std::string request = Bytes<zarv::data::UpdateFolderRequest>(
        [](zarv::data::UpdateFolderRequest& r) { r.mutable_folder()->set_folder_id(3); });
    UpdateFolderLogEvent failed(common::UpdateFolder, 1, request, 56, 5, "");
    EXPECT_EQ(std::to_string(failures + 1), ParseCefLine(failed()).pairs.at("cnt"));
    UpdateFolderLogEvent succeeded(common::UpdateFolder, 1, request, 0, 5, "");
    EXPECT_EQ(std::to_string(successes + 1), ParseCefLine(succeeded()).pairs.at("cnt"));
    EXPECT_EQ(failures + 1, succeeded.getFailureOutcomeCnt());
}

TEST(AuditEvents, RequestEventsCountAlsoWhenNotAudited)
{
    const std::string request = Bytes<zarv::data::LogEventCopyDocumentToClipboardRequest>(
        [](zarv::data::LogEventCopyDocumentToClipboardRequest& r) { r.mutable_document()->set_document_id(1); });
    int before = 0;
    {
        LoggedOnUser nobodyAudits(0);
        CopyDocumentToClipboardLogEvent unaudited(common::LogEventCopyDocumentToClipboard, 1, request);
        EXPECT_EQ("", unaudited());
        before = unaudited.getCnt();
    }
    LoggedOnUser user(1 << 7);
    CopyDocumentToClipboardLogEvent audited(common::LogEventCopyDocumentToClipboard, 1, request);
    EXPECT_EQ(std::to_string(before + 1), ParseCefLine(audited()).pairs.at("cnt"));
}

TEST(AuditEvents, FailedDeletionOfANamedFolderCarriesReasonAndMessage)
{
    LoggedOnUser user((1 << 5) | (1 << 15));
    const std::string request = Bytes<zarv::data::DeleteFolderRequest>([](zarv::data::DeleteFolderRequest& r) {
        r.set_folder_id(3);
        r.set_folder_name("Archive");
    });
    DeleteFolderLogEvent event(common::DeleteFolder, 1, request, 26, 0, "");
    const CefLine line = ParseCefLine(event());
    EXPECT_EQ("3", line.pairs.at("cn1"));
    EXPECT_EQ("Archive", line.pairs.at("cs1"));
    EXPECT_EQ("26", line.pairs.at("reason"));
    EXPECT_EQ("service bad folder id error", line.pairs.at("msg"));
    EXPECT_EQ("failure", line.pairs.at("outcome"));
}

TEST(AuditEvents, LogOnLineListsItsPairsInKeyOrder)
{
    const DispatcherServer server("127.0.0.1", 4433, 8);
    LoggedOnUser user(1 << 4);
    AuthenticateUserLogEvent event(common::AuthenticateUser, 1, "", 0, 0, "");
    const std::vector<std::string> keys{"cnt", "dpt", "dst", "externalId", "outcome", "shost", "spid", "suser"};
    EXPECT_EQ(keys, ParseCefLine(event()).keys);
}

// Log-on and log-off read neither request nor reply and add no pairs.
std::vector<CheckCase> SessionCases()
{
    return {
        {"LogOn", common::AuthenticateUser, NotAMessage, NotAMessage, 0, Line({}), Line({})},
        {"FailedLogOn", common::AuthenticateUser, "", "", 63, Line({}), Line({})},
        {"LogOff", common::TerminateUserSession, "", "", 0, Line({}), Line({})},
        {"LogOffWithoutReply", common::TerminateUserSession, "", "", common::ServiceNoReplyEr, Line({}), Line({})},
    };
}

INSTANTIATE_TEST_SUITE_P(Session, EventChecks, ::testing::ValuesIn(SessionCases()), CheckCaseName());

}  // namespace
}  // namespace logtest
