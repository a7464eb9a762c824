#pragma once

#include "library/gui/textreader.h"
#include "product/client/view/messageviewer.h"

#include "message3.pb.h"

#include <optional>
#include <string>

class QCheckBox;
class QLabel;

// The read-only chain pane of the message reader and editor with its content
// filters: a label and four boxes, one per use of the pane's text (copying to
// the clipboard, export to a text file, export to a PDF file, printing). A
// checked box narrows the chain to the messages that allow that use, and the
// window offers the use only while its box is checked. The window places the
// label, the boxes and the pane in its own layouts, which then own them.
class MessageReaderMixin : public MessageViewer
{
public:
    MessageReaderMixin();
    ~MessageReaderMixin() override;

protected:
    // Shows the message and its chain again, narrowed by the four boxes.
    void displayFilteredMessageChain(const zarv::data::Message& message);

    QLabel* const m_filterContentsLabel;
    QCheckBox* const m_filterCopiedToClipboardCheckBox;
    QCheckBox* const m_filterExportedToTextFileCheckBox;
    QCheckBox* const m_filterExportedToPdfFileCheckBox;
    QCheckBox* const m_filterPrintedCheckBox;
};

// The payload of the audit request (a LogEvent...MessageRequest) of one use
// of a message's text: the message and the count, stored unchanged in the
// signed field. Nothing when the record does not serialise.
template <typename Request>
std::optional<std::string> MessageAuditPayload(const zarv::data::Message& message, unsigned int size)
{
    Request request;
    *request.mutable_message() = message;
    request.set_size(static_cast<int>(size));
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return std::nullopt;
    }
    return payload;
}
