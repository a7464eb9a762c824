#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractsearchdialog.h"

#include "messages3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"

// Searches the messages of one message folder: those the user owns
// (SelectMessage), then those the user received (SelectMessageUser), listed
// one after the other; a message in both replies is listed twice.
class MessageSearchDialog : public AbstractSearchDialog<MessageSearchTableView>
{
    Q_OBJECT

public:
    // The first cell's role of a result's zarv::data::Message.
    static constexpr int MessageRole = Qt::UserRole + 9;

    MessageSearchDialog(int messageFolderId, int userId, QWidget* parent);

    zarv::data::SelectMessageRequest getSelectMessageRequest() const;
    zarv::data::SelectMessageUserRequest getSelectMessageUserRequest() const;
    zarv::data::Messages selectedMessages() const;

public slots:
    void search() override;
    void itemSelectionChanged() override;
    void reset() override;

private:
    // Appends the messages of one exchange; its note when it failed.
    template <typename Reply, typename Request>
    QString appendMessages(common::Opcode majorOpcode, const Request& request);

    const int m_messageFolderId;
    const int m_userId;
};
