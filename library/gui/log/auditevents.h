#pragma once

#include "library/gui/log/describedlogevent.h"

// The audit event classes by name. Each is the table's row for its audited
// opcode; the service router, which meets opcodes at run time, builds the
// same events from cef::FindReplyEvent and cef::FindRequestEvent.

template <common::Opcode AuditedReply>
class ReplyLogEventOf : public DescribedReplyLogEvent
{
public:
    ReplyLogEventOf(common::Opcode majorOpcode,
                    common::Opcode minorOpcode,
                    const std::string& request,
                    common::Ercode majorErcode,
                    common::Ercode minorErcode,
                    const std::string& reply,
                    QObject* parent = nullptr)
        : DescribedReplyLogEvent(*cef::FindReplyEvent(AuditedReply),
                                 majorOpcode,
                                 minorOpcode,
                                 request,
                                 majorErcode,
                                 minorErcode,
                                 reply,
                                 parent)
    {}
};

template <common::Opcode AuditedRequest>
class RequestLogEventOf : public DescribedRequestLogEvent
{
public:
    RequestLogEventOf(common::Opcode majorOpcode,
                      common::Opcode minorOpcode,
                      const std::string& request,
                      QObject* parent = nullptr)
        : DescribedRequestLogEvent(*cef::FindRequestEvent(AuditedRequest), majorOpcode, minorOpcode, request, parent)
    {}
};

using AuthenticateUserLogEvent = ReplyLogEventOf<common::AuthenticateUser>;
using TerminateUserSessionLogEvent = ReplyLogEventOf<common::TerminateUserSession>;

using DeleteDocumentLogEvent = ReplyLogEventOf<common::DeleteDocument>;
using DeleteFolderLogEvent = ReplyLogEventOf<common::DeleteFolder>;
using DeleteMessageDocumentLogEvent = ReplyLogEventOf<common::DeleteMessageDocument>;
using DeleteMessageLogEvent = ReplyLogEventOf<common::DeleteMessage>;
using DeleteMessageUserLogEvent = ReplyLogEventOf<common::DeleteMessageUser>;

using InsertDocumentKeyLogEvent = ReplyLogEventOf<common::InsertDocumentKey>;
using InsertDocumentLogEvent = ReplyLogEventOf<common::InsertDocument>;
using InsertFolderKeyLogEvent = ReplyLogEventOf<common::InsertFolderKey>;
using InsertFolderLogEvent = ReplyLogEventOf<common::InsertFolder>;
using InsertMessageDocumentLogEvent = ReplyLogEventOf<common::InsertMessageDocument>;
using InsertMessageLogEvent = ReplyLogEventOf<common::InsertMessage>;
using InsertMessageUserLogEvent = ReplyLogEventOf<common::InsertMessageUser>;

using SelectDocumentLogEvent = ReplyLogEventOf<common::SelectDocument>;
using SelectFolderLogEvent = ReplyLogEventOf<common::SelectFolder>;
using SelectMessageLogEvent = ReplyLogEventOf<common::SelectMessage>;
using SelectUserLogEvent = ReplyLogEventOf<common::SelectUser>;

using UpdateDocumentLogEvent = ReplyLogEventOf<common::UpdateDocument>;
using UpdateFolderLogEvent = ReplyLogEventOf<common::UpdateFolder>;
using UpdateMessageLogEvent = ReplyLogEventOf<common::UpdateMessage>;

using CopyDocumentToClipboardLogEvent = RequestLogEventOf<common::LogEventCopyDocumentToClipboard>;
using CopyMessageToClipboardLogEvent = RequestLogEventOf<common::LogEventCopyMessageToClipboard>;
using ExportDocumentToPdfFileLogEvent = RequestLogEventOf<common::LogEventExportDocumentToPdfFile>;
using ExportDocumentToTextFileLogEvent = RequestLogEventOf<common::LogEventExportDocumentToTextFile>;
using ExportMessageToPdfFileLogEvent = RequestLogEventOf<common::LogEventExportMessageToPdfFile>;
using ExportMessageToTextFileLogEvent = RequestLogEventOf<common::LogEventExportMessageToTextFile>;
using PasteDocumentFromClipboardLogEvent = RequestLogEventOf<common::LogEventPasteDocumentFromClipboard>;
using PasteMessageFromClipboardLogEvent = RequestLogEventOf<common::LogEventPasteMessageFromClipboard>;
using PrintDocumentLogEvent = RequestLogEventOf<common::LogEventPrintDocument>;
using PrintMessageLogEvent = RequestLogEventOf<common::LogEventPrintMessage>;
