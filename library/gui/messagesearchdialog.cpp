#include "library/gui/messagesearchdialog.h"

#include "library/core/proxy/messagereader.h"
#include "library/gui/searchrequest.h"
#include "library/gui/searchresults.h"

#include "selectmessagereply3.pb.h"
#include "selectmessageuserreply3.pb.h"

#include <QHeaderView>

MessageSearchDialog::MessageSearchDialog(int messageFolderId, int userId, QWidget* parent)
    : AbstractSearchDialog(parent)
    , m_messageFolderId(messageFolderId)
    , m_userId(userId)
{
    setWindowTitle(tr("WindowTitle"));
    m_resultTable->setColumnCount(4);
    m_resultTable->setHorizontalHeaderLabels(
        {tr("MessageFrom"), tr("MessageSubject"), Linguist::tr("CreationDate"), Linguist::tr("ModificationDate")});
    m_resultTable->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    connect(m_resultTable, &QTableWidget::itemSelectionChanged, this, &MessageSearchDialog::itemSelectionChanged);
    connect(resetButton(), &QPushButton::clicked, this, &MessageSearchDialog::reset);
    connect(searchButton(), &QPushButton::clicked, this, &MessageSearchDialog::search);
}

zarv::data::SelectMessageRequest MessageSearchDialog::getSelectMessageRequest() const
{
    return search::OwnMessageSearchRequest(m_messageFolderId, m_userId, anyOf(),
                                           search::CriteriaOf(*m_criteriaTable->getStandardItemModel()));
}

zarv::data::SelectMessageUserRequest MessageSearchDialog::getSelectMessageUserRequest() const
{
    return search::ReceivedMessageSearchRequest(m_messageFolderId, m_userId, anyOf(),
                                                search::CriteriaOf(*m_criteriaTable->getStandardItemModel()));
}

template <typename Reply, typename Request>
QString MessageSearchDialog::appendMessages(common::Opcode majorOpcode, const Request& request)
{
    search::SearchExchange exchange(majorOpcode);
    const auto reply = exchange.template run<Reply>(request);
    if (!reply) {
        return exchange.note();
    }
    std::vector<search::ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(reply->message_size()));
    for (const zarv::data::Message& message : reply->message()) {
        const QString sender = message.has_message_sender()
                                   ? QString::fromStdString(MessageReader(message).senderDisplayNameAlphabetical())
                                   : QString();
        rows.push_back({{sender, QString::fromStdString(message.message_subject()),
                         search::LocalDisplayDate(message.message_creation_date()),
                         search::LocalDisplayDate(message.message_modification_date())},
                        QVariant::fromValue(message)});
    }
    search::AppendResultRows(*m_resultTable, rows, MessageRole);
    return exchange.note();
}

void MessageSearchDialog::search()
{
    m_resultTable->setFocus();
    m_resultTable->model()->removeRows(0, m_resultTable->rowCount());
    QStringList notes;
    notes << appendMessages<zarv::data::SelectMessageReply>(common::SelectMessage, getSelectMessageRequest());
    notes << appendMessages<zarv::data::SelectMessageUserReply>(common::SelectMessageUser,
                                                                getSelectMessageUserRequest());
    notes.removeAll(QString());
    notes.removeDuplicates();
    showNote(notes.join(QLatin1Char(' ')));
    resizeResultColumns();
}

void MessageSearchDialog::itemSelectionChanged()
{
    AbstractSearchDialog::itemSelectionChanged();
}

void MessageSearchDialog::reset()
{
    AbstractSearchDialog::reset();
}

zarv::data::Messages MessageSearchDialog::selectedMessages() const
{
    zarv::data::Messages messages;
    for (const zarv::data::Message& message :
         search::SelectedRecords<zarv::data::Message>(*m_resultTable, MessageRole)) {
        *messages.add_message() = message;
    }
    return messages;
}
