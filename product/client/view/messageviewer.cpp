#include "product/client/view/messageviewer.h"

#include "library/common/codes.h"
#include "library/core/proxy/keyreader.h"
#include "library/core/proxy/messagereader.h"
#include "library/core/proxy/userreader.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/servercall.h"
#include "library/gui/textreader.h"
#include "library/gui/waitcursor.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString Rule = QStringLiteral("<hr>");

// The addressees of one field; `complete` is cleared when the exchange failed.
zarv::data::Users
FetchMessageUsers(const zarv::data::Message& message, zarv::data::Message_ufield field, bool& complete)
{
    zarv::data::SelectMessageUserRequest request;
    request.set_message_user_message_id(message.has_message_id() ? message.message_id() : 0);
    request.set_message_user_field(field);
    const auto reply = ServerCall(common::SelectMessageUser).call<zarv::data::SelectMessageUserReply>(request);
    complete = reply && complete;
    zarv::data::Users users;
    if (reply) {
        for (const zarv::data::Message& row : reply->message()) {
            *users.add_user() = row.message_recipient();
        }
    }
    return users;
}

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString LocalDate(const std::string& stored)
{
    return FromUtf8(proxy::LocalText(DbTimestamp(stored), &DbTimestamp::toLocalDisplayString));
}

// The block of one message; `complete` is cleared when an addressee list
// could not be fetched.
QString MessageBlock(const zarv::data::Message& message, bool& complete)
{
    const MessageReader reader(message);
    const zarv::data::Users to = FetchMessageUsers(message, zarv::data::Message::TO, complete);
    const zarv::data::Users cc = FetchMessageUsers(message, zarv::data::Message::CC, complete);
    const QString sender = FromUtf8(reader.senderDisplayNameAlphabetical()).toHtmlEscaped();
    const QString created = LocalDate(message.message_creation_date()).toHtmlEscaped();
    const QString modified = LocalDate(message.message_modification_date()).toHtmlEscaped();
    const QString subject = FromUtf8(message.message_subject()).toHtmlEscaped();
    const QString toNames = FormatUserNames(to).toHtmlEscaped();
    const QString body = FromUtf8(message.message_body());
    if (cc.user_size() > 0) {
        return QStringLiteral("<b>From</b>: %1<br><b>Created</b>: %2<br><b>Modified</b>: %3<br><b>Subject</b>: "
                              "%4<br><b>To</b>: %5<br><b>Cc</b>: %6<br>%7")
            .arg(sender, created, modified, subject, toNames, FormatUserNames(cc).toHtmlEscaped(), body);
    }
    return QStringLiteral("<b>From</b>: %1<br><b>Created</b>: %2<br><b>Modified</b>: %3<br><b>Subject</b>: "
                          "%4<br><b>To</b>: %5<br>%6")
        .arg(sender, created, modified, subject, toNames, body);
}

QString Joined(const QString& first, const QString& second)
{
    if (first.isEmpty()) {
        return second;
    }
    if (second.isEmpty()) {
        return first;
    }
    return first + Rule + second;
}

}  // namespace

// Both pages, and whether every request for them went through.
struct MessageViewer::ChainPages
{
    QString own;
    QString chain;
    bool complete = true;
};

MessageViewer::MessageViewer()
    : m_chainReader(new TextReader(nullptr))
{}

MessageViewer::~MessageViewer()
{
    if (m_chainReader && !m_chainReader->parent()) {
        delete m_chainReader;
    }
}

bool MessageViewer::canDisplayMessage(const zarv::data::Message& message,
                                      bool copy,
                                      bool text,
                                      bool pdf,
                                      bool print) const
{
    const MessageReader reader(message);
    if (!reader.permission(MessageProxy::View)) {
        return false;
    }
    if (copy && !reader.permission(MessageProxy::CopyToClipboard)) {
        return false;
    }
    if (text && !reader.permission(MessageProxy::ExportToTextFile)) {
        return false;
    }
    if (pdf && !reader.permission(MessageProxy::ExportToPdfFile)) {
        return false;
    }
    if (print) {
        return reader.permission(MessageProxy::Print);
    }
    return true;
}

MessageViewer::ChainPages
MessageViewer::buildChainPages(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print) const
{
    ChainPages pages;
    if (canDisplayMessage(message, copy, text, pdf, print)) {
        pages.own = MessageBlock(message, pages.complete);
    }
    zarv::data::SelectMessageRequest request;
    request.set_message_chain_id(message.has_message_parent_id() ? message.message_parent_id() : 0);
    const auto reply = ServerCall(common::SelectMessage).call<zarv::data::SelectMessageReply>(request);
    if (!reply) {
        pages.complete = false;
        return pages;
    }
    for (const zarv::data::Message& link : reply->message()) {
        if (canDisplayMessage(link, copy, text, pdf, print)) {
            pages.chain = Joined(pages.chain, MessageBlock(link, pages.complete));
        }
    }
    return pages;
}

std::pair<QString, QString>
MessageViewer::getMessageChain(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print) const
{
    const ChainPages pages = buildChainPages(message, copy, text, pdf, print);
    return {Joined(pages.own, pages.chain), pages.chain};
}

void MessageViewer::displayMessageChain(const zarv::data::Message& message, bool copy, bool text, bool pdf, bool print)
{
    utils::WaitCursor waitCursor(true);
    const ChainPages pages = buildChainPages(message, copy, text, pdf, print);
    QString page = Joined(pages.own, pages.chain);
    if (!pages.complete) {
        page += QStringLiteral("<p><i>%1</i></p>")
                    .arg(QCoreApplication::translate("MessageViewer", "ConversationIncomplete").toHtmlEscaped());
    }
    m_chainReader->clear();
    m_chainReader->setHtml(page);
}

QString FormatMessageReplyContent(const zarv::data::Message& message)
{
    bool complete = true;
    return MessageBlock(message, complete);
}

QString FormatMessageReplySubject(const zarv::data::Message& message)
{
    return QStringLiteral("RE: %1").arg(FromUtf8(message.message_subject()));
}

QString FormatUserNames(const zarv::data::Users& users)
{
    QStringList names;
    for (const zarv::data::User& user : users.user()) {
        names.append(FromUtf8(UserReader(user).displayNameAlphabetical()));
    }
    return names.join(QStringLiteral("; "));
}

zarv::data::Users
SelectMessageUsers(const zarv::data::Message& message, zarv::data::Message_ufield field, ExcludeUserOption)
{
    bool complete = true;
    return FetchMessageUsers(message, field, complete);
}

zarv::data::Users SelectNonMessageUsers(const zarv::data::Message& message)
{
    zarv::data::SelectUserRequest request;
    for (zarv::data::Message_ufield field : {zarv::data::Message::TO, zarv::data::Message::CC}) {
        const zarv::data::Users addressees = SelectMessageUsers(message, field, ExcludeNoUser);
        for (const zarv::data::User& user : addressees.user()) {
            request.add_exclude_user_id(user.has_user_id() ? user.user_id() : 0);
        }
    }
    zarv::data::Users users;
    if (const auto reply = ServerCall(common::SelectUser).call<zarv::data::SelectUserReply>(request)) {
        *users.mutable_user() = reply->user();
    }
    return users;
}

namespace zarv::data {

bool operator<(const User& left, const User& right)
{
    return (left.has_user_id() ? left.user_id() : 0) < (right.has_user_id() ? right.user_id() : 0);
}

}  // namespace zarv::data
