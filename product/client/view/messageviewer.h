#pragma once

#include "library/gui/textreader.h"

#include "message3.pb.h"
#include "user3.pb.h"
#include "users3.pb.h"

#include <QPointer>
#include <QString>

#include <utility>

// Passed by the message windows to SelectMessageUsers; the request and the
// result are the same for both values: a window that must leave the
// logged-on user out of a list removes that user itself.
enum ExcludeUserOption
{
    ExcludeNoUser = 0,
    ExcludeSessionUser = 1
};

// Shows a message together with the chain of messages it answers as one
// rich-text page: for every message a header block (from, dates, subject,
// addressees) and its body, the blocks separated by rules. Only messages
// whose permissions allow what the window's filter asks for are shown. The
// message windows mix it in as a second base and place its chain reader in
// their own layout, which makes them its owner.
//
// Every request is a synchronous call to the server on the GUI thread; one
// that is not answered, is refused or whose reply does not parse contributes
// nothing to the pages.
class MessageViewer
{
public:
    MessageViewer();
    // Deletes the chain reader only when no window took it.
    virtual ~MessageViewer();
    MessageViewer(const MessageViewer&) = delete;
    MessageViewer& operator=(const MessageViewer&) = delete;

    // The filter flags ask whether the message may be copied to the
    // clipboard, exported to a text or a PDF file, or printed; a message
    // that may not be viewed never passes.
    bool canDisplayMessage(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print) const;
    // The page of the message with its chain, and the page of the chain
    // alone. The chain is the reply to the message's parent id (0 when it
    // has none), in reply order.
    std::pair<QString, QString>
    getMessageChain(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print) const;
    // Replaces the reader's content by the first page, under a wait cursor.
    // When part of the conversation could not be fetched, a line below the
    // page says so.
    void displayMessageChain(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print);

protected:
    TextReader* chainReader() const { return m_chainReader; }

private:
    struct ChainPages;
    ChainPages buildChainPages(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print) const;

    QPointer<TextReader> m_chainReader;
};

// The header block and body of one message as HTML. The header fields are
// escaped, so that names and subjects always show as text; the body is the
// stored rich text. Fetches the TO and the CC addressees from the server.
QString FormatMessageReplyContent(const zarv::data::Message& message);
// "RE: " and the subject, also before a subject that starts with it.
QString FormatMessageReplySubject(const zarv::data::Message& message);
// The users' alphabetical names in list order, joined with "; "; a user
// without a name gives an empty item.
QString FormatUserNames(const zarv::data::Users& users);
// The addressees of one field of the message, as the server lists them;
// empty when the call fails.
zarv::data::Users
SelectMessageUsers(const zarv::data::Message& message, zarv::data::Message_ufield field, ExcludeUserOption option);
// The users that the server lists when asked for everyone but the message's
// TO and CC addressees; empty when the last call fails.
zarv::data::Users SelectNonMessageUsers(const zarv::data::Message& message);

namespace zarv::data {

// By user id; an absent id counts as 0.
bool operator<(const User& left, const User& right);

}  // namespace zarv::data
