// The trial's message to Blake, over the sample data set: Avery logs on,
// opens the message browser and writes a new message in the editor, To
// Blake, with "Meeting notes" attached, to which nobody holds a key. Send
// saves it, offers the key, runs the create-key wizard (a stand-in here)
// with Blake already chosen and closes. Blake then reads the message and
// opens the attachment under the new key.

#include "library/core/lib/registry.h"
#include "library/gui/createmessagedialog.h"
#include "library/gui/selectdocumentswidget.h"
#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/selectuserswidget.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/consolemanager.h"
#include "product/client/view/consoleview.h"
#include "product/client/view/documenteditormanager.h"
#include "product/client/view/documenteditorview.h"
#include "product/client/view/messagebrowsermanager.h"
#include "product/client/view/messagebrowsersidepanetreewidget.h"
#include "product/client/view/messagebrowserview.h"
#include "product/client/view/messageeditormanager.h"
#include "product/client/view/messageeditorview.h"
#include "product/client/view/messagereadermanager.h"
#include "product/client/view/messagereaderview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/consoletestsupport.h"
#include "tests/view/holderkeywizards.h"

#include "openmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using testsupport::TestServerProcess;

constexpr int Blake = 1002;
constexpr int MeetingNotes = 4002;

template <typename Window>
std::vector<Window*> Windows()
{
    std::vector<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) {
            found.push_back(window);
        }
    }
    return found;
}

// Highlights the item of `list` that shows `text`; false when none does.
bool Highlight(QListWidget* list, const QString& text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            list->item(row)->setSelected(true);
            return true;
        }
    }
    return false;
}

TEST(MessageEditorTrialTest, AveryWritesToBlakeWithAnAttachmentAndBlakeOpensIt)
{
    consoletest::PrepareClientServices();
    TestServerProcess server({}, TestServerProcess::FixturePath("sample.textproto"));
    ASSERT_NE(server.port(), 0);
    messageeditortest::HolderKeyWizards wizards(consoletest::SampleUserId);
    KeyWizards::install(&wizards);
    auto tree = std::make_unique<ApplicationComponent>(
        nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                     &ApplicationComponent::CreateViewManager<ConsoleManager>,
                     &ApplicationComponent::CreateViewManager<DocumentEditorManager>,
                     &ApplicationComponent::CreateViewManager<MessageBrowserManager>,
                     &ApplicationComponent::CreateViewManager<MessageEditorManager>,
                     &ApplicationComponent::CreateViewManager<MessageReaderManager>});
    ConsoleView* console = consoletest::FindConsole();
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(console->logOnWithNamePassword(
        QString::fromLatin1(consoletest::SampleUserName), QString::fromLatin1(consoletest::SamplePassword),
        QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("America/New_York")));

    consoletest::ConsoleAction(console, "Message Browser...")->trigger();
    ASSERT_EQ(Windows<MessageBrowserView>().size(), 1U);
    MessageBrowserView* browser = Windows<MessageBrowserView>().front();
    QTreeWidgetItem* root = browser->sidePane()->rootItem();
    browser->sidePane()->setCurrentItem(root);
    emit static_cast<QTreeWidget*>(browser->sidePane())->itemClicked(root, 0);
    testsupport::WhenModal<CreateMessageDialog>([](CreateMessageDialog* dialog) {
        dialog->messageSubjectTextEdited(QStringLiteral("Notes for you"));
        dialog->accept();
    });
    browser->sidePane()->newMessage();
    ASSERT_EQ(Windows<MessageEditorView>().size(), 1U) << "the new message opens in the editor";
    MessageEditorView* editor = Windows<MessageEditorView>().front();
    EXPECT_FALSE(editor->findChild<QPushButton*>("Send")->isEnabled());

    testsupport::WhenModal<SelectUsersDialog>([](SelectUsersDialog* dialog) {
        dialog->widget()->includeAll();
        bool found = false;
        for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
            found = found || Highlight(list, QStringLiteral("Morgan, Blake"));
        }
        EXPECT_TRUE(found) << "Blake is offered";
        dialog->widget()->add();
        dialog->accept();
    });
    editor->findChild<QPushButton*>("To")->click();
    EXPECT_EQ(editor->findChild<QLineEdit*>("to")->text(), "Morgan, Blake");
    EXPECT_TRUE(editor->findChild<QPushButton*>("Send")->isEnabled());

    testsupport::WhenModal<SelectDocumentsDialog>([](SelectDocumentsDialog* dialog) {
        dialog->widget()->includeAll();
        bool found = false;
        for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
            found = found || Highlight(list, QStringLiteral("Meeting notes"));
        }
        EXPECT_TRUE(found) << "Meeting notes is offered";
        dialog->widget()->add();
        dialog->accept();
    });
    editor->findChild<QAction*>("attachDocument")->trigger();
    auto* documents = editor->findChild<QListWidget*>(QStringLiteral("documents"));
    ASSERT_EQ(documents->count(), 1);
    EXPECT_EQ(documents->item(0)->text(), "Meeting notes");
    EXPECT_TRUE(
        messageeditorview::GetMessageUsersWithoutDocumentKeyForDocument(editor->getMessage().message_id(), MeetingNotes)
            .user_size()
        == 1)
        << "Blake lacks a key";

    const int messageId = editor->getMessage().message_id();
    QString offer;
    testsupport::WhenModal<QMessageBox>([&offer](QMessageBox* box) {
        offer = box->informativeText();
        box->button(QMessageBox::Yes)->click();
    });
    editor->findChild<QPushButton*>("Send")->click();
    EXPECT_EQ(offer, "Meeting notes");
    ASSERT_EQ(wizards.runs.size(), 1U);
    EXPECT_EQ(wizards.runs[0].holders, std::vector<int>{Blake}) << "the wizard starts with Blake chosen";
    EXPECT_TRUE(Windows<MessageEditorView>().empty()) << "Send closes the editor";
    EXPECT_EQ(messageeditorview::GetMessageUsersWithoutDocumentKeyForDocument(messageId, MeetingNotes).user_size(), 0)
        << "Blake holds the new key";

    // Blake reads the message and opens the attachment.
    ASSERT_TRUE(console->logOnWithNamePassword(QStringLiteral("blake"), QStringLiteral("blake-trial"),
                                               QStringLiteral("127.0.0.1"), server.port(),
                                               QStringLiteral("America/New_York")));
    zarv::data::SelectMessageUserRequest received;
    received.set_message_user_user_id(Blake);
    MessageDispatcher listing(common::SelectMessageUser, common::Untagged, received.SerializeAsString());
    ASSERT_TRUE(listing.dispatch());
    zarv::data::SelectMessageUserReply inbox;
    ASSERT_TRUE(inbox.ParseFromString(listing.getReply()));
    zarv::data::OpenMessageRequest open;
    for (const zarv::data::Message& message : inbox.message()) {
        if (message.message_id() == messageId) {
            *open.mutable_message() = message;
        }
    }
    ASSERT_EQ(open.message().message_id(), messageId) << "Blake received the message";
    emit browser->deliverRequest(common::OpenMessageReaderView, common::Untagged, open.SerializeAsString());
    ASSERT_EQ(Windows<MessageReaderView>().size(), 1U);
    MessageReaderView* reader = Windows<MessageReaderView>().front();
    auto* attachments = reader->findChild<QListWidget*>(QStringLiteral("documents"));
    ASSERT_EQ(attachments->count(), 1);
    emit attachments->itemDoubleClicked(attachments->item(0));
    const std::vector<DocumentEditorView*> opened = Windows<DocumentEditorView>();
    ASSERT_EQ(opened.size(), 1U) << "the attachment opens under Blake's key";
    EXPECT_EQ(opened.front()->getDocument().document_name(), "Meeting notes");

    KeyWizards::install(nullptr);
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (dynamic_cast<AbstractViewWindow*>(widget)) {
            windows.append(widget);
        }
    }
    qDeleteAll(windows);
    tree.reset();
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
    ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
}

}  // namespace
