#include "tests/log/eventchecks.h"

#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "logeventexportdocumenttopdffilerequest3.pb.h"
#include "logeventexportdocumenttotextfilerequest3.pb.h"
#include "logeventexportmessagetopdffilerequest3.pb.h"
#include "logeventexportmessagetotextfilerequest3.pb.h"
#include "logeventpastedocumentfromclipboardrequest3.pb.h"
#include "logeventpastemessagefromclipboardrequest3.pb.h"
#include "logeventprintdocumentrequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"

#include <climits>

namespace logtest {
namespace {

using namespace zarv::data;

// The ten requests share their shape: a record and a byte count.
template <class Request>
std::string WithDocument(std::optional<int> id, std::optional<std::string> name, std::optional<int> size = 120)
{
    return Bytes<Request>([&](Request& r) {
        Document* document = r.mutable_document();
        if (id)
            document->set_document_id(*id);
        if (name)
            document->set_document_name(*name);
        document->set_document_description("not read");
        if (size)
            r.set_size(*size);
    });
}

template <class Request>
std::string WithMessage(std::optional<int> id, std::optional<std::string> subject, std::optional<int> size = 120)
{
    return Bytes<Request>([&](Request& r) {
        Message* message = r.mutable_message();
        if (id)
            message->set_message_id(*id);
        if (subject)
            message->set_message_subject(*subject);
        message->set_message_description("not read");
        if (size)
            r.set_size(*size);
    });
}

Pairs DocumentDetails(const char* bytesKey, const char* direction, const char* size = "120")
{
    return With(Document42,
                {{"cs1", "Plan"}, {"cs1Label", "documentName"}, {"deviceDirection", direction}, {bytesKey, size}});
}

Pairs MessageDetails(const char* bytesKey, const char* direction)
{
    return With(Message9,
                {{"cs1", "Hello"}, {"cs1Label", "messageSubject"}, {"deviceDirection", direction}, {bytesKey, "120"}});
}

CheckCase RequestCase(const char* name,
                      common::Opcode opcode,
                      const std::string& request,
                      const Expect& details,
                      const Expect& plain)
{
    return {name, opcode, request, "", 0, details, plain};
}

std::vector<CheckCase> ClipboardCases()
{
    const Pairs outbound = DocumentDetails("out", "1");
    return {
        // Every event with a complete record.
        RequestCase("CopyDocument", common::LogEventCopyDocumentToClipboard,
                    WithDocument<LogEventCopyDocumentToClipboardRequest>(42, "Plan"), Line(outbound), Line(Document42)),
        RequestCase("ExportDocumentToPdf", common::LogEventExportDocumentToPdfFile,
                    WithDocument<LogEventExportDocumentToPdfFileRequest>(42, "Plan"), Line(outbound), Line(Document42)),
        RequestCase("ExportDocumentToText", common::LogEventExportDocumentToTextFile,
                    WithDocument<LogEventExportDocumentToTextFileRequest>(42, "Plan"), Line(outbound),
                    Line(Document42)),
        RequestCase("PasteDocument", common::LogEventPasteDocumentFromClipboard,
                    WithDocument<LogEventPasteDocumentFromClipboardRequest>(42, "Plan"),
                    Line(DocumentDetails("in", "0")), Line(Document42)),
        RequestCase("PrintDocument", common::LogEventPrintDocument,
                    WithDocument<LogEventPrintDocumentRequest>(42, "Plan"), Line(outbound), Line(Document42)),
        RequestCase("CopyMessage", common::LogEventCopyMessageToClipboard,
                    WithMessage<LogEventCopyMessageToClipboardRequest>(9, "Hello"), Line(MessageDetails("out", "1")),
                    Line(Message9)),
        RequestCase("ExportMessageToPdf", common::LogEventExportMessageToPdfFile,
                    WithMessage<LogEventExportMessageToPdfFileRequest>(9, "Hello"), Line(MessageDetails("out", "1")),
                    Line(Message9)),
        RequestCase("ExportMessageToText", common::LogEventExportMessageToTextFile,
                    WithMessage<LogEventExportMessageToTextFileRequest>(9, "Hello"), Line(MessageDetails("out", "1")),
                    Line(Message9)),
        RequestCase("PasteMessage", common::LogEventPasteMessageFromClipboard,
                    WithMessage<LogEventPasteMessageFromClipboardRequest>(9, "Hello"), Line(MessageDetails("in", "0")),
                    Line(Message9)),
        RequestCase("PrintMessage", common::LogEventPrintMessage, WithMessage<LogEventPrintMessageRequest>(9, "Hello"),
                    Line(MessageDetails("out", "1")), Line(Message9)),

        // A copy needs no name; every other action does.
        RequestCase("CopyDocumentWithoutName", common::LogEventCopyDocumentToClipboard,
                    WithDocument<LogEventCopyDocumentToClipboardRequest>(42, {}),
                    Line(With(Document42, {{"deviceDirection", "1"}, {"out", "120"}})), Line(Document42)),
        RequestCase("CopyMessageWithoutSubject", common::LogEventCopyMessageToClipboard,
                    WithMessage<LogEventCopyMessageToClipboardRequest>(9, {}),
                    Line(With(Message9, {{"deviceDirection", "1"}, {"out", "120"}})), Line(Message9)),
        RequestCase("ExportDocumentWithoutName", common::LogEventExportDocumentToPdfFile,
                    WithDocument<LogEventExportDocumentToPdfFileRequest>(42, {}), Warns("Bad document name!"),
                    Warns("Bad document name!")),
        RequestCase("PasteDocumentWithoutName", common::LogEventPasteDocumentFromClipboard,
                    WithDocument<LogEventPasteDocumentFromClipboardRequest>(42, {}), Warns("Bad document name!"),
                    Warns("Bad document name!")),
        RequestCase("PrintMessageWithoutSubject", common::LogEventPrintMessage,
                    WithMessage<LogEventPrintMessageRequest>(9, {}), Warns("Bad message subject!"),
                    Warns("Bad message subject!")),
        RequestCase("PrintDocumentEmptyName", common::LogEventPrintDocument,
                    WithDocument<LogEventPrintDocumentRequest>(42, ""),
                    Line(With(Document42, {{"deviceDirection", "1"}, {"out", "120"}})), Line(Document42)),

        // Faulty requests.
        RequestCase("EmptyDocumentRequest", common::LogEventPrintDocument, "", Warns("Bad document!"),
                    Warns("Bad document!")),
        RequestCase("EmptyMessageRequest", common::LogEventExportMessageToTextFile, "", Warns("Bad message!"),
                    Warns("Bad message!")),
        RequestCase("UnparsableRequest", common::LogEventCopyDocumentToClipboard, NotAMessage,
                    Warns("ParseFromString failed!"), Warns("ParseFromString failed!")),
        RequestCase("DocumentWithoutId", common::LogEventExportDocumentToTextFile,
                    WithDocument<LogEventExportDocumentToTextFileRequest>({}, "Plan"), Warns("Bad document id!"),
                    Warns("Bad document id!")),
        RequestCase("MessageWithoutId", common::LogEventPasteMessageFromClipboard,
                    WithMessage<LogEventPasteMessageFromClipboardRequest>({}, "Hello"), Warns("Bad message id!"),
                    Warns("Bad message id!")),
        RequestCase("DocumentNullId", common::LogEventPrintDocument,
                    WithDocument<LogEventPrintDocumentRequest>(INT_MIN, "Plan"), Warns("Invalid document id!"),
                    Warns("Invalid document id!")),
        RequestCase("MessageNullId", common::LogEventCopyMessageToClipboard,
                    WithMessage<LogEventCopyMessageToClipboardRequest>(INT_MIN, "Hello"), Warns("Invalid message id!"),
                    Warns("Invalid message id!")),

        // Values.
        RequestCase("DocumentRootId", common::LogEventPrintDocument,
                    WithDocument<LogEventPrintDocumentRequest>(INT_MIN + 1, {}), Warns("Bad document name!"),
                    Warns("Bad document name!")),
        RequestCase(
            "CopyRootId", common::LogEventCopyDocumentToClipboard,
            WithDocument<LogEventCopyDocumentToClipboardRequest>(INT_MIN + 1, {}),
            Line({{"cn1", "-2147483647"}, {"cn1Label", "documentId"}, {"deviceDirection", "1"}, {"out", "120"}}),
            Line({{"cn1", "-2147483647"}, {"cn1Label", "documentId"}})),
        RequestCase("WithoutSize", common::LogEventPrintDocument,
                    WithDocument<LogEventPrintDocumentRequest>(42, "Plan", {}), Line(DocumentDetails("out", "1", "0")),
                    Line(Document42)),
        RequestCase("NegativeSize", common::LogEventPasteDocumentFromClipboard,
                    WithDocument<LogEventPasteDocumentFromClipboardRequest>(42, "Plan", -3),
                    Line(DocumentDetails("in", "0", "-3")), Line(Document42)),
        RequestCase("NameEscaped", common::LogEventExportDocumentToPdfFile,
                    WithDocument<LogEventExportDocumentToPdfFileRequest>(42, "C:\\a=b\r\n"),
                    Line(With(Document42, {{"cs1", "C:\\\\a\\=b\\r\\n"},
                                           {"cs1Label", "documentName"},
                                           {"deviceDirection", "1"},
                                           {"out", "120"}})),
                    Line(Document42)),
    };
}

INSTANTIATE_TEST_SUITE_P(Clipboard, EventChecks, ::testing::ValuesIn(ClipboardCases()), CheckCaseName());

}  // namespace
}  // namespace logtest
