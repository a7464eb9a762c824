#include "product/client/view/restoredocumentwizard.h"

#include "product/client/view/restoredocumentselectdocumentwizardpage.h"
#include "product/client/view/restoredocumentselectfolderwizardpage.h"
#include "product/client/view/wizardpagesupport.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/linguist.h"
#include "library/gui/servercall.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectfolderrequest3.pb.h"

#include <QIcon>
#include <QTextEdit>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

const char* const RestoreIcon = "restore-document";
const char* const ConfirmationIcon = "wizard-finish";

// The current documents of a folder; nothing when the request failed.
std::optional<zarv::data::SelectDocumentReply> FolderDocuments(int folderId)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    return ServerCall(common::SelectDocument).call<zarv::data::SelectDocumentReply>(request);
}

// The start of a revision in local database form; empty when it is not a
// valid stamp the machine can show.
QString RevisionText(const zarv::data::Document& document)
{
    const DbTimestamp from(document.sys_period().from());
    if (!from.isValid()) {
        return QString();
    }
    try {
        return QString::fromStdString(from.toLocalDbString(nullptr));
    } catch (const std::out_of_range&) {
        return QString();
    }
}

// The choice is complete: a document, and a folder that is the home folder
// or has a name.
bool IsWizardDataValid(const QWizard* wizard)
{
    const QVariant document = wizard->property("document");
    const QVariant folderId = wizard->property("documentFolderId");
    const QVariant folderName = wizard->property("documentFolderName");
    if (!document.canConvert<zarv::data::Document>() || !folderId.canConvert<int>()
        || !folderName.canConvert<QString>()) {
        return false;
    }
    return folderId.toInt() == RestoreDocumentWizard::HomeFolderId() || !folderName.toString().isEmpty();
}

}  // namespace

RestoreDocumentWizard::RestoreDocumentWizard(QWidget* parent)
    : QWizard(parent)
{
    setPage(IntroductionPage, new RestoreDocumentIntroductionWizardPage(this));
    setPage(SelectDocumentPage, new RestoreDocumentSelectDocumentWizardPage(this));
    setPage(SelectFolderPage, new RestoreDocumentSelectFolderWizardPage(this));
    setPage(ConfirmationPage, new RestoreDocumentConfirmationWizardPage(this));
    setWindowTitle(tr("RestoreDocumentWizardTitle"));
    setWindowIcon(QIcon(wizardpage::IconPath(RestoreIcon)));
    setMinimumSize(1280, 720);
    setWizardStyle(QWizard::ModernStyle);
}

RestoreDocumentWizard::~RestoreDocumentWizard() = default;

void RestoreDocumentWizard::setDocumentFolderId(DbId folderId)
{
    if (m_documentFolderId != folderId) {
        m_documentFolderId = folderId;
    }
}

void RestoreDocumentWizard::setDocumentFolderName(const QString& folderName)
{
    if (m_documentFolderName != folderName) {
        m_documentFolderName = folderName;
    }
}

bool RestoreDocumentWizard::IsFolderParentOfDocument(int folderId, int documentId)
{
    const std::optional<zarv::data::SelectDocumentReply> reply = FolderDocuments(folderId);
    return reply
           && std::any_of(
               reply->document().begin(), reply->document().end(),
               [documentId](const zarv::data::Document& document) { return document.document_id() == documentId; });
}

bool RestoreDocumentWizard::IsFolderParentOfDocumentName(int folderId, const std::string& name)
{
    const std::optional<zarv::data::SelectDocumentReply> reply = FolderDocuments(folderId);
    return reply
           && std::any_of(reply->document().begin(), reply->document().end(),
                          [&name](const zarv::data::Document& document) { return document.document_name() == name; });
}

zarv::data::Folder RestoreDocumentWizard::GetFolder(int folderId)
{
    zarv::data::SelectFolderRequest request;
    request.set_folder_id(folderId);
    const std::optional<zarv::data::SelectFolderReply> reply =
        ServerCall(common::SelectFolder).call<zarv::data::SelectFolderReply>(request);
    if (!reply || reply->folder_size() != 1) {
        return zarv::data::Folder();
    }
    return reply->folder(0);
}

int RestoreDocumentWizard::HomeFolderId()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_folder_id();
}

RestoreDocumentIntroductionWizardPage::RestoreDocumentIntroductionWizardPage(QWidget* parent)
    : QWizardPage(parent)
{
    wizardpage::InitializeHeader(this, tr("RestoreDocumentIntroductionWizardPageTitle"),
                                 tr("RestoreDocumentIntroductionWizardPageSubTitle"), RestoreIcon);
}

RestoreDocumentConfirmationWizardPage::RestoreDocumentConfirmationWizardPage(QWidget* parent)
    : QWizardPage(parent)
    , m_confirmationTextEdit(wizardpage::AddConfirmationText(this))
{
    wizardpage::InitializeHeader(this, tr("RestoreDocumentConfirmationWizardPageTitle"),
                                 tr("RestoreDocumentConfirmationWizardPageSubTitle"), ConfirmationIcon);
    setFinalPage(true);
}

void RestoreDocumentConfirmationWizardPage::initializePage()
{
    if (!IsWizardDataValid(wizard())) {
        m_confirmationTextEdit->setPlainText(QString());
        return;
    }
    const auto document = wizard()->property("document").value<zarv::data::Document>();
    const QString folder = wizard()->property("documentFolderId").toInt() == RestoreDocumentWizard::HomeFolderId()
                               ? Linguist::tr("HomeFolder")
                               : wizard()->property("documentFolderName").toString();
    // One substitution, so that a name holding "%2" stays as it is.
    m_confirmationTextEdit->setPlainText(
        tr("ConfirmationText").arg(QString::fromStdString(document.document_name()), RevisionText(document), folder));
}

bool RestoreDocumentConfirmationWizardPage::validatePage()
{
    return IsWizardDataValid(wizard());
}
