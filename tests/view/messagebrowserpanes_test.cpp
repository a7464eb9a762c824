// The message browser's two panes: the rows of the message list and their
// permission rows, the list's id index, the folder tree's slots, and the
// drag and drop of messages between them. Rows ask the test server for their
// TO addressees.

#include "library/core/proxy/messagewriter.h"
#include "product/client/view/messagebrowserdrag.h"
#include "product/client/view/messagebrowsermainpanetreewidget.h"
#include "product/client/view/messagebrowsersidepanetreewidget.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/messagebrowsertestsupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace messagebrowsertest {
namespace {

using Main = MessageBrowserMainPaneTreeWidget;
using Side = MessageBrowserSidePaneTreeWidget;

bool SameIcon(const QIcon& icon, const char* resource)
{
    return icon.pixmap(32).toImage() == QIcon(QString::fromLatin1(resource)).pixmap(32).toImage();
}

// A drag that enters the pane and is dropped there, as a user's would be:
// the drop reaches the pane only when the pane let the drag enter. True when
// the drop was accepted.
bool Drop(QWidget* viewport, const QPoint& position, Qt::DropAction action, const QMimeData* data)
{
    QDragEnterEvent enter(position, action, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(QPointF(position), action, data, Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

zarv::data::MessageFolder Folder(int id, int parentId, const char* name)
{
    zarv::data::MessageFolder folder;
    folder.set_message_folder_id(id);
    folder.set_message_folder_parent_id(parentId);
    folder.set_message_folder_user_id(Mia);
    folder.set_message_folder_name(name);
    return folder;
}

class MessageListTest : public MessageBrowserSessionTest
{
protected:
    void SetUp() override
    {
        MessageBrowserSessionTest::SetUp();
        m_list = std::make_unique<Main>(nullptr);
        m_list->resetPane(MiaRoot);
    }
    void TearDown() override
    {
        m_list.reset();
        MessageBrowserSessionTest::TearDown();
    }

    QTreeWidgetItem* row(int messageId) const { return m_list->findMessageItem(messageId); }
    // Ticks or clears a permission row, then folds the checks into the row's
    // record as a click does.
    void tick(int messageId, int permissionRow, bool on)
    {
        QTreeWidgetItem* item = row(messageId)->child(0)->child(permissionRow);
        item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        m_list->updateMessageItem(item, 0);
    }

    std::unique_ptr<Main> m_list;
};

TEST_F(MessageListTest, RowsShowTheirMessageAsTheAuthorOrARecipientSeesIt)
{
    struct Case
    {
        int messageId;
        const char* to;
        const char* from;
        const char* subject;
        const char* icon;
        bool bold;
        bool permissionsEnabled;
    };
    const Case cases[] = {
        {Plans, "Moreau, Mia", "Nakamura, Noah", "Plans", ":icons/32x32/message-out.png", true, false},
        {PlansReply, "Nakamura, Noah", "Moreau, Mia", "RE: Plans", ":icons/32x32/message-reply.png", false, true},
        {PlansAnswer, "Moreau, Mia", "Nakamura, Noah", "RE: RE: Plans", ":icons/32x32/message-reply-all.png", false,
         false},
        {Draft, "", "Moreau, Mia", "Draft", ":icons/32x32/message-out.png", false, true},
    };
    for (const Case& c : cases) {
        m_list->addMessageItem(listed(c.messageId));
        const QTreeWidgetItem* item = row(c.messageId);
        ASSERT_NE(item, nullptr) << c.messageId;
        EXPECT_EQ(m_list->currentItem(), item) << "a new row becomes current";
        EXPECT_EQ(item->text(0), QString::fromUtf8(c.to)) << c.messageId;
        EXPECT_EQ(item->text(1), QString::fromUtf8(c.from)) << c.messageId;
        EXPECT_EQ(item->text(2), QString::fromUtf8(c.subject)) << c.messageId;
        EXPECT_TRUE(SameIcon(item->icon(0), c.icon)) << c.messageId;
        for (const int column : {2, 4}) {
            EXPECT_EQ(item->font(column).bold(), c.bold) << c.messageId << " column " << column;
        }
        EXPECT_FALSE(item->font(1).bold());
        ASSERT_EQ(item->childCount(), 1);
        const QTreeWidgetItem* group = item->child(0);
        EXPECT_EQ(group->text(0), QStringLiteral("Permissions"));
        EXPECT_FALSE(group->isExpanded());
        ASSERT_EQ(group->childCount(), 9);
        for (int index = 0; index < 9; ++index) {
            EXPECT_EQ(group->child(index)->flags().testFlag(Qt::ItemIsEnabled), c.permissionsEnabled)
                << c.messageId << " row " << index;
            EXPECT_EQ(group->child(index)->data(0, Main::ItemKindRole).toInt(), 2 + index);
        }
    }
    // Permissions 2041 tick every row but the two without a bit of their own;
    // the draft may only be viewed.
    EXPECT_EQ(row(PlansReply)->child(0)->child(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(row(Draft)->child(0)->child(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(row(Draft)->child(0)->child(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(row(PlansReply)->text(3), QStringLiteral("2024-04-02 10:00:00"));
}

TEST_F(MessageListTest, ForwardedMessagesAndDatesThatAreAbsentOrInvalid)
{
    zarv::data::Message message = listed(Draft);
    message.set_message_parent_relation(zarv::data::Message::PARENT_RELATION_FORWARD);
    message.clear_message_creation_date();
    message.set_message_modification_date("not a date");
    m_list->addMessageItem(message);
    EXPECT_TRUE(SameIcon(row(Draft)->icon(0), ":icons/32x32/message-forward.png"));
    EXPECT_EQ(row(Draft)->text(3), QString());
    EXPECT_EQ(row(Draft)->text(4), QString());
}

TEST_F(MessageListTest, AddingAListedIdUpdatesItsRowInPlace)
{
    m_list->addMessageItem(listed(Plans));
    m_list->addMessageItem(listed(Draft));
    const QString created = row(Plans)->text(3);
    zarv::data::Message changed = listed(Plans);
    changed.set_message_subject("Changed");
    changed.set_message_creation_date("2030-01-01 00:00:00");
    changed.set_message_user_properties(0);
    MessageWriter(changed).setPermissions(0);
    m_list->addMessageItem(changed);
    EXPECT_EQ(m_list->topLevelItemCount(), 2);
    EXPECT_EQ(row(Plans)->text(2), QStringLiteral("Changed"));
    EXPECT_EQ(row(Plans)->text(3), created) << "Created stays";
    EXPECT_TRUE(row(Plans)->font(2).bold()) << "the weight stays";
    EXPECT_EQ(row(Plans)->child(0)->child(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(MessageOf(row(Plans), Main::SavedMessageRole).message_subject(), "Changed");
    EXPECT_EQ(MessageOf(row(Plans), Main::EditedMessageRole).message_subject(), "Changed");
}

TEST_F(MessageListTest, TheIndexFollowsRemovalsAndResets)
{
    m_list->addMessageItem(listed(Plans));
    m_list->addMessageItem(listed(Draft));
    m_list->removeMessageItem(Plans);
    EXPECT_EQ(row(Plans), nullptr);
    m_list->addMessageItem(listed(Plans));
    EXPECT_EQ(m_list->topLevelItemCount(), 2);
    m_list->resetPane(Inbox);
    EXPECT_EQ(row(Draft), nullptr);
    EXPECT_EQ(m_list->messageFolderId(), Inbox);
    m_list->addMessageItem(listed(Draft));
    EXPECT_EQ(m_list->topLevelItemCount(), 1);
}

TEST_F(MessageListTest, ModifiedFormsFollowTheTickedPermissions)
{
    m_list->addMessageItem(listed(PlansReply));
    m_list->addMessageItem(listed(Draft));
    m_list->addMessageItem(listed(Welcome));
    EXPECT_FALSE(m_list->isMessageModified());

    tick(Draft, 3, true);
    tick(PlansReply, 0, false);
    zarv::data::Message edited;
    zarv::data::Message saved;
    EXPECT_TRUE(m_list->isMessageModified(row(Draft)->child(0)->child(3), edited, saved));
    EXPECT_EQ(edited.message_security_descriptor().permissions(), 1 | (1 << 5));
    EXPECT_EQ(saved.message_security_descriptor().permissions(), 1);
    EXPECT_TRUE(m_list->isMessageModified(row(Draft)->child(0)));
    EXPECT_FALSE(m_list->isMessageModified(row(Welcome)));
    EXPECT_TRUE(m_list->isMessageModified());

    QList<QString> subjects{QStringLiteral("kept")};
    EXPECT_TRUE(m_list->isMessageModified(subjects));
    QList<QString> expected;
    for (int index = 0; index < m_list->topLevelItemCount(); ++index) {
        if (m_list->isMessageModified(m_list->topLevelItem(index))) {
            expected.append(m_list->topLevelItem(index)->text(2));
        }
    }
    EXPECT_EQ(subjects, QList<QString>{QStringLiteral("kept")} + expected);
    EXPECT_EQ(expected.size(), 2);

    tick(Draft, 3, false);
    tick(PlansReply, 0, true);
    EXPECT_FALSE(m_list->isMessageModified());
    EXPECT_FALSE(m_list->isMessageModified(subjects));
    EXPECT_THROW(m_list->isMessageModified(nullptr), std::bad_alloc);
}

TEST_F(MessageListTest, RemovingTheListedFolderEmptiesTheListAnotherRemovesItsRows)
{
    m_list->resetPane(Inbox);
    m_list->addMessageItem(listed(Plans));
    m_list->addMessageItem(listed(PlansAnswer));
    m_list->addMessageItem(listed(Draft));
    QSignalSpy cleared(m_list.get(), &Main::resetMessageViewerPane);
    m_list->removeMessageFolderMessageItems(Inbox + 100);
    EXPECT_EQ(m_list->topLevelItemCount(), 3);
    EXPECT_EQ(cleared.count(), 0);

    // Both Inbox rows, adjacent, go from a list that shows another folder.
    m_list->resetPane(Sent);
    m_list->addMessageItem(listed(Plans));
    m_list->addMessageItem(listed(PlansAnswer));
    m_list->addMessageItem(listed(Draft));
    m_list->removeMessageFolderMessageItems(Inbox);
    EXPECT_EQ(m_list->topLevelItemCount(), 1);
    EXPECT_NE(row(Draft), nullptr);
    EXPECT_EQ(cleared.count(), 2);

    cleared.clear();
    m_list->removeMessageFolderMessageItems(Sent);
    EXPECT_EQ(m_list->topLevelItemCount(), 0);
    EXPECT_EQ(m_list->messageFolderId(), MiaRoot);
    EXPECT_EQ(cleared.count(), 1);

    m_list->removeMessageItem(Draft);
    EXPECT_EQ(cleared.count(), 1) << "an id that is not listed emits nothing";
}

TEST_F(MessageListTest, OpeningAnUnreadReceivedMessageShowsItRead)
{
    m_list->addMessageItem(listed(Plans));
    m_list->addMessageItem(listed(PlansReply));
    zarv::data::Message own = listed(PlansReply);
    own.set_message_user_properties(1);
    m_list->handleOpenMessage(own);
    EXPECT_EQ(MessageOf(row(PlansReply), Main::SavedMessageRole).has_message_user_properties(), false);

    zarv::data::Message read = listed(Plans);
    read.set_message_user_properties(0);
    m_list->handleOpenMessage(read);
    EXPECT_TRUE(row(Plans)->font(2).bold()) << "bit 0 clear: nothing changes";

    zarv::data::Message unread = listed(Plans);
    unread.set_message_user_properties(1 | 4);
    m_list->handleOpenMessage(unread);
    EXPECT_FALSE(row(Plans)->font(2).bold());
    EXPECT_FALSE(row(Plans)->font(4).bold());
    for (const int role : {Main::SavedMessageRole, Main::EditedMessageRole}) {
        EXPECT_EQ(MessageOf(row(Plans), role).message_user_properties(), 0) << role;
    }
}

TEST_F(MessageListTest, TopLevelItemsOfEveryKind)
{
    m_list->addMessageItem(listed(Draft));
    QTreeWidgetItem* top = row(Draft);
    EXPECT_EQ(m_list->getTopLevelItem(top), top);
    EXPECT_EQ(m_list->getTopLevelItem(top->child(0)), top);
    EXPECT_EQ(m_list->getTopLevelItem(top->child(0)->child(8)), top);
    QTreeWidgetItem stray;
    EXPECT_EQ(m_list->getTopLevelItem(&stray), nullptr);
}

// Rows in the order of the header's sort indicator: newest first unless the
// user sorts another way; a new row goes straight to its place, after the
// rows it ties with, as a sort of the whole list would put it.
class MessageListOrderTest : public MessageListTest
{
protected:
    // Mia's draft under another id, subject and modification time.
    zarv::data::Message draft(int messageId, const char* subject, const char* modified) const
    {
        zarv::data::Message message = listed(Draft);
        message.set_message_id(messageId);
        message.set_message_subject(subject);
        message.set_message_modification_date(modified);
        return message;
    }
    std::vector<int> order() const
    {
        std::vector<int> ids;
        for (int index = 0; index < m_list->topLevelItemCount(); ++index) {
            ids.push_back(MessageOf(m_list->topLevelItem(index), Main::EditedMessageRole).message_id());
        }
        return ids;
    }
    void fill()
    {
        for (const zarv::data::Message& message :
             {draft(1, "Beta", "2024-05-02 10:00:00"), draft(2, "Alpha", "2024-05-03 10:00:00"),
              draft(3, "Gamma", "2024-05-01 10:00:00"), draft(4, "Delta", "2024-05-02 10:00:00")}) {
            m_list->addMessageItem(message);
            EXPECT_EQ(m_list->currentItem(), row(message.message_id())) << message.message_id();
        }
    }
};

TEST_F(MessageListOrderTest, RowsFollowTheSortIndicator)
{
    struct Case
    {
        int column;
        Qt::SortOrder order;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {4, Qt::DescendingOrder, {2, 1, 4, 3}},
        {4, Qt::AscendingOrder, {3, 1, 4, 2}},
        {2, Qt::AscendingOrder, {2, 1, 4, 3}},
        {2, Qt::DescendingOrder, {3, 4, 1, 2}},
    };
    EXPECT_EQ(m_list->header()->sortIndicatorSection(), 4);
    EXPECT_EQ(m_list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    for (const Case& c : cases) {
        // Sorted after the rows came in, and placed as they come in.
        m_list->resetPane(MiaRoot);
        fill();
        m_list->header()->setSortIndicator(c.column, c.order);
        EXPECT_EQ(order(), c.expected) << c.column << " " << c.order << " sorted";
        m_list->resetPane(MiaRoot);
        fill();
        EXPECT_EQ(order(), c.expected) << c.column << " " << c.order << " placed";
        m_list->header()->setSortIndicator(4, Qt::DescendingOrder);
    }
}

TEST_F(MessageListOrderTest, AChangedRowMovesToItsPlaceAndStaysCurrent)
{
    fill();
    m_list->setCurrentItem(row(3));
    m_list->addMessageItem(draft(3, "Gamma", "2024-06-01 10:00:00"));
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 1, 4}));
    EXPECT_EQ(m_list->currentItem(), row(3));
    EXPECT_EQ(m_list->selectedItems(), QList<QTreeWidgetItem*>{row(3)});
    m_list->addMessageItem(draft(2, "Alpha", "2024-05-03 10:00:00"));
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 1, 4})) << "a row in its place stays";
}

TEST_F(MessageListOrderTest, PermissionRowsKeepTheirBitsWhateverTheSort)
{
    fill();
    for (const Qt::SortOrder sortOrder : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        m_list->header()->setSortIndicator(0, sortOrder);
        const QTreeWidgetItem* group = row(1)->child(0);
        for (int index = 0; index < group->childCount(); ++index) {
            EXPECT_EQ(group->child(index)->data(0, Main::ItemKindRole).toInt(), Main::FirstPermissionKind + index)
                << sortOrder << " row " << index;
        }
    }
    // Print is the fifth permission row, bit 6 of the record.
    tick(1, 4, true);
    EXPECT_EQ(MessageOf(row(1), Main::EditedMessageRole).message_security_descriptor().permissions(), 1 | (1 << 6));
}

TEST_F(MessageListOrderTest, ColumnsFitTheirContentsOnceTheRowsAreIn)
{
    m_list->show();
    fill();
    const QString subject(200, QLatin1Char('W'));
    m_list->addMessageItem(draft(5, subject.toLatin1().constData(), "2024-05-04 10:00:00"));
    QCoreApplication::processEvents();
    const int wide = m_list->fontMetrics().horizontalAdvance(subject);
    EXPECT_GE(m_list->header()->sectionSize(2), wide);
    m_list->removeMessageItem(5);
    QCoreApplication::processEvents();
    EXPECT_LT(m_list->header()->sectionSize(2), wide / 2);
    EXPECT_EQ(m_list->header()->sectionResizeMode(2), QHeaderView::Fixed) << "the user cannot drag it";
}

TEST_F(MessageListTest, DropsOnTheListFromAnotherList)
{
    m_list->resetPane(Inbox);
    const Main otherList(nullptr);
    const Side tree(nullptr);
    const zarv::data::Message inSent = listed(PlansReply);
    const zarv::data::Message inInbox = listed(Plans);
    struct Case
    {
        const char* name;
        const QObject* source;
        Qt::DropAction action;
        bool messageFormat;
        const zarv::data::Message* message;
        bool accepted;
    };
    const Case cases[] = {
        {"from another list, another folder", &otherList, Qt::MoveAction, true, &inSent, true},
        {"from this list", m_list.get(), Qt::MoveAction, true, &inSent, false},
        {"from no widget", nullptr, Qt::MoveAction, true, &inSent, false},
        {"from a tree that is not a list", &tree, Qt::MoveAction, true, &inSent, true},
        {"a copy", &otherList, Qt::CopyAction, true, &inSent, false},
        {"already in the list's folder", &otherList, Qt::MoveAction, true, &inInbox, false},
        {"another format", &otherList, Qt::MoveAction, false, &inSent, false},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QMimeData> data(c.messageFormat ? CreateMessageMimeData(*c.message) : new QMimeData);
        if (!c.messageFormat) {
            data->setText(QStringLiteral("text"));
        }
        const auto accepted = m_list->acceptedDrop(c.source, c.action, data.get());
        EXPECT_EQ(accepted.has_value(), c.accepted) << c.name;
        if (accepted) {
            EXPECT_EQ(accepted->message_id(), c.message->message_id()) << c.name;
        }
    }
    // The list lets a message drag in, but a drop whose drag did not start in
    // another list is ignored.
    QSignalSpy moved(m_list.get(), &Main::moveMessage);
    std::unique_ptr<QMimeData> data(CreateMessageMimeData(inSent));
    EXPECT_FALSE(Drop(m_list->viewport(), QPoint(5, 5), Qt::MoveAction, data.get()));
    EXPECT_EQ(moved.count(), 0);
}

TEST(MessageDragTest, ThePayloadCarriesTheWholeRecord)
{
    zarv::data::Message message;
    message.set_message_id(7);
    message.set_message_subject("Caf\xc3\xa9");
    message.mutable_message_security_descriptor()->set_permissions(1 << 5);
    std::unique_ptr<QMimeData> data(CreateMessageMimeData(message));
    EXPECT_EQ(data->formats(), QStringList{QStringLiteral("zarv/proto/Message")});
    const auto back = MessageFromMimeData(data.get());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->SerializeAsString(), message.SerializeAsString());

    QMimeData garbage;
    garbage.setData(MessageMimeType, QByteArray("\xff\xff\xff", 3));
    EXPECT_FALSE(MessageFromMimeData(&garbage).has_value());
    QMimeData none;
    EXPECT_FALSE(MessageFromMimeData(&none).has_value());
    EXPECT_FALSE(MessageFromMimeData(nullptr).has_value());
}

TEST(MessageDragTest, ADragStartsOnlyBeyondTheExtraDistance)
{
    const int limit = QApplication::startDragDistance() + Main::ExtraDragDistance;
    EXPECT_FALSE(Main::IsDragDistance(QPoint(limit, 0)));
    EXPECT_FALSE(Main::IsDragDistance(QPoint(limit - 3, -3)));
    EXPECT_TRUE(Main::IsDragDistance(QPoint(limit + 1, 0)));
    EXPECT_TRUE(Main::IsDragDistance(QPoint(-limit / 2 - 1, limit / 2 + 1)));
}

class FolderTreeTest : public MessageBrowserSessionTest
{
protected:
    void SetUp() override
    {
        MessageBrowserSessionTest::SetUp();
        m_tree = std::make_unique<Side>(nullptr);
        m_tree->addMessageFolderItem(Folder(Inbox, MiaRoot, "Inbox"));
        m_tree->addMessageFolderItem(Folder(Sent, MiaRoot, "Sent"));
        m_tree->resize(300, 300);
        m_tree->show();
        m_tree->rootItem()->setExpanded(true);
        m_tree->doItemsLayout();
    }
    void TearDown() override
    {
        m_tree.reset();
        MessageBrowserSessionTest::TearDown();
    }

    QTreeWidgetItem* folder(int index) const { return m_tree->rootItem()->child(index); }

    std::unique_ptr<Side> m_tree;
};

TEST_F(FolderTreeTest, TheRootStandsForTheUsersRootFolder)
{
    const auto root = MessageFolderOf(m_tree->rootItem());
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->message_folder_id(), MiaRoot);
    EXPECT_EQ(root->message_folder_user_id(), Mia);
    EXPECT_EQ(root->message_folder_description(), "Root Message Folder");
    EXPECT_EQ(m_tree->rootItem()->text(0), QStringLiteral("Messages"));
    EXPECT_EQ(m_tree->rootItem()->type(), Side::RootMessageFolderItem);

    m_tree->addMessageFolderItem(Folder(99, NoahRoot, "Not hers"));
    EXPECT_EQ(m_tree->rootItem()->childCount(), 2);
    m_tree->addMessageFolderItem(Folder(Inbox, MiaRoot, "Inbox"));
    EXPECT_EQ(m_tree->rootItem()->childCount(), 3) << "no test for the same id";

    m_tree->updateMessageFolderItem(Folder(Sent, MiaRoot, "Outbox"));
    EXPECT_EQ(folder(1)->text(0), QStringLiteral("Outbox"));
    EXPECT_EQ(MessageFolderOf(folder(1))->message_folder_name(), "Outbox");

    m_tree->resetPane();
    EXPECT_EQ(m_tree->rootItem()->childCount(), 0);
    EXPECT_EQ(m_tree->rootItem()->text(0), QStringLiteral("Messages"));
    EXPECT_EQ(MessageFolderOf(m_tree->rootItem())->message_folder_id(), MiaRoot);
}

TEST_F(FolderTreeTest, ActionSlotsFollowTheSelection)
{
    enum Selection
    {
        Nothing,
        Root,
        AFolder
    };
    struct Case
    {
        Selection selection;
        const char* slot;
        int emitted;  // the id emitted, -1 for nothing
    };
    const Case cases[] = {
        {Nothing, "newMessageFolder", MiaRoot}, {Root, "newMessageFolder", MiaRoot},
        {AFolder, "newMessageFolder", MiaRoot}, {Nothing, "newMessage", -1},
        {Root, "newMessage", MiaRoot},          {AFolder, "newMessage", Sent},
        {Nothing, "editMessageFolder", -1},     {Root, "editMessageFolder", -1},
        {AFolder, "editMessageFolder", Sent},   {Nothing, "deleteMessageFolder", -1},
        {Root, "deleteMessageFolder", -1},      {AFolder, "deleteMessageFolder", Sent},
    };
    for (const Case& c : cases) {
        m_tree->clearSelection();
        if (c.selection == Root) {
            m_tree->rootItem()->setSelected(true);
        } else if (c.selection == AFolder) {
            folder(1)->setSelected(true);
        }
        std::vector<int> emitted;
        const QString slot = QString::fromLatin1(c.slot);
        auto folderId = [&emitted](const zarv::data::MessageFolder& f) { emitted.push_back(f.message_folder_id()); };
        auto id = [&emitted](int value) { emitted.push_back(value); };
        const QMetaObject::Connection connections[] = {
            QObject::connect(m_tree.get(), qOverload<int>(&Side::newMessageFolder), id),
            QObject::connect(m_tree.get(), qOverload<int>(&Side::newMessage), id),
            QObject::connect(m_tree.get(), qOverload<const zarv::data::MessageFolder&>(&Side::editMessageFolder),
                             folderId),
            QObject::connect(m_tree.get(), qOverload<const zarv::data::MessageFolder&>(&Side::deleteMessageFolder),
                             folderId),
        };
        QMetaObject::invokeMethod(m_tree.get(), c.slot, Qt::DirectConnection);
        for (const auto& connection : connections) {
            QObject::disconnect(connection);
        }
        const std::vector<int> expected = c.emitted < 0 ? std::vector<int>{} : std::vector<int>{c.emitted};
        EXPECT_EQ(emitted, expected) << c.slot << " with selection " << c.selection;
    }
}

TEST_F(FolderTreeTest, ClicksAndRemovals)
{
    QSignalSpy root(m_tree.get(), &Side::messagesSelected);
    QSignalSpy chosen(m_tree.get(), &Side::messageFolderItemSelected);
    m_tree->itemClicked(m_tree->rootItem());
    m_tree->itemClicked(folder(0));
    m_tree->itemClicked(nullptr);
    EXPECT_EQ(root.count(), 1);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<zarv::data::MessageFolder>().message_folder_id(), Inbox);

    m_tree->setCurrentItem(folder(0));
    m_tree->removeMessageFolderItem(Inbox);
    EXPECT_EQ(m_tree->currentItem(), m_tree->rootItem());
    EXPECT_EQ(m_tree->rootItem()->childCount(), 1);
    m_tree->removeMessageFolderItem(Inbox);
    EXPECT_EQ(root.count(), 1);
    EXPECT_EQ(chosen.count(), 1);
}

TEST_F(FolderTreeTest, TheKeyboardNeverMovesTheCurrentItem)
{
    m_tree->setCurrentItem(folder(0));
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End,
                              Qt::Key_Left, Qt::Key_Right}) {
        QTest::keyClick(m_tree.get(), key);
        EXPECT_EQ(m_tree->currentItem(), folder(0)) << key;
        QTest::keyClick(m_tree.get(), key, Qt::ShiftModifier);
        EXPECT_EQ(m_tree->currentItem(), folder(0)) << key;
    }
}

TEST_F(FolderTreeTest, DropsOnTheRootAndTheFolders)
{
    const zarv::data::Message ownInSent = listed(PlansReply);
    const zarv::data::Message receivedInInbox = listed(Plans);
    struct Case
    {
        const char* name;
        QTreeWidgetItem* target;
        Qt::DropAction action;
        bool messageFormat;
        const zarv::data::Message* message;
        int emitted;  // the folder id, -1 for nothing
    };
    const Case cases[] = {
        {"own message onto another folder", folder(0), Qt::MoveAction, true, &ownInSent, Inbox},
        {"own message onto its folder", folder(1), Qt::MoveAction, true, &ownInSent, -1},
        {"received message onto the root", m_tree->rootItem(), Qt::MoveAction, true, &receivedInInbox, MiaRoot},
        {"received message onto its folder", folder(0), Qt::MoveAction, true, &receivedInInbox, -1},
        {"a copy", folder(0), Qt::CopyAction, true, &ownInSent, -1},
        {"another format", folder(0), Qt::MoveAction, false, &ownInSent, -1},
        {"between items", nullptr, Qt::MoveAction, true, &ownInSent, -1},
    };
    for (const Case& c : cases) {
        QSignalSpy moved(m_tree.get(), &Side::moveMessage);
        std::unique_ptr<QMimeData> data(c.messageFormat ? CreateMessageMimeData(*c.message) : new QMimeData);
        const QPoint position =
            c.target ? m_tree->visualItemRect(c.target).center() : QPoint(5, m_tree->viewport()->height() - 5);
        EXPECT_EQ(Drop(m_tree->viewport(), position, c.action, data.get()), c.emitted >= 0) << c.name;
        ASSERT_EQ(moved.count(), c.emitted >= 0 ? 1 : 0) << c.name;
        if (c.emitted >= 0) {
            EXPECT_EQ(moved.at(0).at(0).value<zarv::data::Message>().message_id(), c.message->message_id());
            EXPECT_EQ(moved.at(0).at(1).toInt(), c.emitted) << c.name;
        }
    }
}

}  // namespace
}  // namespace messagebrowsertest
