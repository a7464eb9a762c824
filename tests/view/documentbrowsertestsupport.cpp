#include "tests/view/documentbrowsertestsupport.h"

#include "library/core/lib/registry.h"
#include "library/core/lib/timezonedatabase.h"
#include "library/gui/resourcecopy.h"
#include "tests/support/temporarysettingsstore.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTimer>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

// The bundle lives in a static library; its registration may be dropped by
// the linker, so it is repeated here, as start-up does.
static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace browsertest {

namespace {

void Describe(zarv::data::SecurityDescriptor& rules, const KeyRules& given)
{
    rules.set_active(given.active);
    rules.set_active_region("");
    rules.set_active_from("00:00:00");
    rules.set_active_to("00:00:00");
    rules.set_permissions(given.permissions);
    rules.set_session_duration(given.sessionDuration);
    rules.set_password(given.password);
    rules.set_expiration_date(given.expirationDate);
}

}  // namespace

void PrepareBrowserServices()
{
    static bool prepared = false;
    if (!prepared) {
        prepared = true;
        InitializeClientResources();
        static testsupport::TemporarySettingsStore store(QStringLiteral("documentbrowser_tests"));
        ASSERT_TRUE(store.isValid());
        QTemporaryFile timeZones;
        const QString timeZonesName =
            utils::CopyResourceToTempororyFile(QStringLiteral(":resources/resource.tmz"), timeZones);
        ASSERT_FALSE(timeZonesName.isEmpty());
        ACE_Singleton<TimeZoneDatabase, ACE_Null_Mutex>::instance()->loadFromFile(timeZonesName.toStdString());
    }
    zarv::data::User dana = User(UserId, "Dale", "Dana", HomeFolderId);
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(dana);
}

zarv::data::Folder Folder(int id, int parentId, const std::string& name, const std::string& description)
{
    zarv::data::Folder folder;
    folder.set_folder_id(id);
    folder.set_folder_parent_id(parentId);
    folder.set_folder_name(name);
    folder.set_folder_description(description);
    return folder;
}

zarv::data::Document
Document(int id, int folderId, const std::string& name, const std::string& body, const std::string& description)
{
    zarv::data::Document document;
    document.set_document_id(id);
    document.set_document_folder_id(folderId);
    document.set_document_name(name);
    document.set_document_description(description);
    document.set_document_body(body);
    return document;
}

zarv::data::User User(int id, const std::string& lastName, const std::string& firstName, int folderId)
{
    zarv::data::User user;
    user.set_user_id(id);
    user.set_user_last_name(lastName);
    user.set_user_first_name(firstName);
    user.set_user_folder_id(folderId);
    return user;
}

zarv::data::GroupKey GroupKey(int groupId, const std::string& groupName)
{
    zarv::data::GroupKey key;
    key.mutable_group_key_group()->set_group_id(groupId);
    key.mutable_group_key_group()->set_group_name(groupName);
    key.mutable_group_key_user()->set_user_id(UserId);
    return key;
}

zarv::data::FolderKey FolderKey(int folderId, const std::string& folderName, const KeyRules& rules)
{
    zarv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(folderId);
    key.mutable_folder_key_folder()->set_folder_name(folderName);
    key.mutable_folder_key_user()->set_user_id(UserId);
    key.set_folder_key_properties(rules.properties);
    Describe(*key.mutable_folder_key_security_descriptor(), rules);
    return key;
}

zarv::data::DocumentKey DocumentKey(int documentId, const std::string& documentName, const KeyRules& rules)
{
    zarv::data::DocumentKey key;
    key.mutable_document_key_document()->set_document_id(documentId);
    key.mutable_document_key_document()->set_document_name(documentName);
    key.mutable_document_key_user()->set_user_id(UserId);
    key.set_document_key_properties(rules.properties);
    Describe(*key.mutable_document_key_security_descriptor(), rules);
    return key;
}

MainPaneListWidget& MainPane(const DocumentBrowserView& browser)
{
    auto* pane = browser.findChild<MainPaneListWidget*>();
    EXPECT_NE(pane, nullptr);
    return *pane;
}

SidePaneListWidget& SidePane(const DocumentBrowserView& browser)
{
    auto* pane = browser.findChild<SidePaneListWidget*>();
    EXPECT_NE(pane, nullptr);
    return *pane;
}

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts << list.item(row)->text();
    }
    return texts;
}

std::string ActionStates(const DocumentBrowserView& browser)
{
    std::string states;
    for (int action = 0; action < browser::ActionCount; ++action) {
        states += browser.action(static_cast<browser::BrowserAction>(action))->isEnabled() ? '1' : '0';
    }
    return states;
}

}  // namespace browsertest

namespace testsupport {

BoxRecorder::BoxRecorder()
{
    qApp->installEventFilter(this);
}

BoxRecorder::~BoxRecorder()
{
    qApp->removeEventFilter(this);
}

bool BoxRecorder::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
        boxes.push_back(
            {box->parentWidget() ? box->parentWidget()->window() : nullptr, box->windowTitle(), box->text()});
        QTimer::singleShot(0, box, &QMessageBox::accept);
    }
    return false;
}

}  // namespace testsupport
