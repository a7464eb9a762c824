#include "product/client/view/selectkeyuserwizardpages.h"

#include "product/client/view/createkeywizards.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/common/assertion.h"
#include "library/common/codes.h"
#include "library/gui/selectuserswidget.h"
#include "library/gui/servercall.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidgetItem>
#include <QtGlobal>

#include <optional>

namespace {

const char* const UsersIcon = "user-groups";

// The holders' ids that `keysOf` reads from the reply (0 for a key without a
// holder record); none when the server could not be asked.
template <typename Reply, typename Request, typename Keys>
std::vector<int> HolderIds(common::Opcode majorOpcode, const Request& request, Keys keysOf)
{
    ServerCall call(majorOpcode);
    const std::optional<Reply> reply = call.call<Reply>(request);
    if (!reply) {
        qWarning("The holders of the keys could not be listed (codes %d, %d): nobody is excluded.",
                 static_cast<int>(call.majorErcode()), static_cast<int>(call.minorErcode()));
        return {};
    }
    return keysOf(*reply);
}

// The id of the object whose keys the parent wizard creates.
template <typename Wizard, typename Id>
int ObjectIdOf(QWidget* parent, Id (Wizard::*id)() const)
{
    const auto* wizard = qobject_cast<const Wizard*>(parent);
    return QUENLARK_ASSERT(wizard) ? (wizard->*id)() : 0;
}

}  // namespace

namespace keyholders {

std::vector<int> DocumentKeyHolderIds(int documentId)
{
    zarv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(documentId);
    return HolderIds<zarv::data::SelectDocumentKeyReply>(
        common::SelectDocumentKey, request, [](const zarv::data::SelectDocumentKeyReply& reply) {
            std::vector<int> ids;
            for (const zarv::data::DocumentKey& key : reply.document_key()) {
                ids.push_back(key.document_key_user().user_id());
            }
            return ids;
        });
}

std::vector<int> FolderKeyHolderIds(int folderId)
{
    zarv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(folderId);
    return HolderIds<zarv::data::SelectFolderKeyReply>(
        common::SelectFolderKey, request, [](const zarv::data::SelectFolderKeyReply& reply) {
            std::vector<int> ids;
            for (const zarv::data::FolderKey& key : reply.folder_key()) {
                ids.push_back(key.folder_key_user().user_id());
            }
            return ids;
        });
}

}  // namespace keyholders

KeyUserWizardPage::KeyUserWizardPage(QWidget* parent, const char* context)
    : QWizardPage(parent)
    , m_selectUsersWidget(new SelectUsersWidget(this))
{
    const QByteArray title = QByteArray(context) + "Title";
    const QByteArray subTitle = QByteArray(context) + "SubTitle";
    wizardpage::InitializeHeader(this, QCoreApplication::translate(context, title.constData()),
                                 QCoreApplication::translate(context, subTitle.constData()), UsersIcon);
    setLayout(m_selectUsersWidget->getLayout());
}

KeyUserWizardPage::~KeyUserWizardPage() = default;

void KeyUserWizardPage::initializeWidgets(const std::vector<int>& holderIds)
{
    for (const int id : holderIds) {
        m_selectUsersWidget->addExcludedUser(id);
    }
    m_selectUsersWidget->init();
    connect(m_selectUsersWidget, &SelectUsersWidget::setMode, this, &KeyUserWizardPage::setMode);
}

QList<QListWidgetItem*> KeyUserWizardPage::selectedItems() const
{
    return m_selectUsersWidget->selectedItems();
}

bool KeyUserWizardPage::isComplete() const
{
    return !selectedItems().isEmpty();
}

void KeyUserWizardPage::cleanupPage() {}

void KeyUserWizardPage::setMode(int mode)
{
    if (mode == m_selectUsersWidget->m_modeHomeGroups || mode == m_selectUsersWidget->m_modeUserGroups
        || mode == m_selectUsersWidget->m_modeSelectedUsersEmpty
        || mode == m_selectUsersWidget->m_modeSelectedUsersFilled) {
        emit completeChanged();
    }
}

SelectDocumentKeyUserWizardPage::SelectDocumentKeyUserWizardPage(QWidget* parent)
    : KeyUserWizardPage(parent, "SelectDocumentKeyUserWizardPage")
{
    initializeWidgets(keyholders::DocumentKeyHolderIds(ObjectIdOf(parent, &CreateDocumentKeyWizard::getDocumentId)));
}

SelectFolderKeyUserWizardPage::SelectFolderKeyUserWizardPage(QWidget* parent)
    : KeyUserWizardPage(parent, "SelectFolderKeyUserWizardPage")
{
    initializeWidgets(keyholders::FolderKeyHolderIds(ObjectIdOf(parent, &CreateFolderKeyWizard::getFolderId)));
}
