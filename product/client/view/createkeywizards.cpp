#include "product/client/view/createkeywizards.h"

#include "product/client/view/createkeybuilder.h"
#include "product/client/view/createkeyconfirmationwizardpages.h"
#include "product/client/view/selectactivedayswizardpage.h"
#include "product/client/view/selectactivehourswizardpage.h"
#include "product/client/view/selectactivemonthswizardpage.h"
#include "product/client/view/selectactivestatuswizardpage.h"
#include "product/client/view/selectdocumentkeypermissionswizardpage.h"
#include "product/client/view/selectexpirationdatewizardpage.h"
#include "product/client/view/selectfolderkeypermissionswizardpage.h"
#include "product/client/view/selectkeyuserwizardpages.h"
#include "product/client/view/selectpasscodewizardpage.h"
#include "product/client/view/selectrevisionwizardpage.h"
#include "product/client/view/selectsessiondurationwizardpage.h"
#include "product/client/view/wizardpagesupport.h"

#include <QCoreApplication>
#include <QIcon>

namespace {

const char* const DocumentKeyIcon = "key";
const char* const FolderKeyIcon = "folder-keys";

QString Translate(const char* context, const char* suffix)
{
    const QByteArray id = QByteArray(context) + suffix;
    return QCoreApplication::translate(context, id.constData());
}

}  // namespace

CreateKeyIntroductionWizardPage::CreateKeyIntroductionWizardPage(QWidget* parent, const char* context, const char* icon)
    : QWizardPage(parent)
{
    wizardpage::InitializeHeader(this, Translate(context, "Title"), Translate(context, "SubTitle"), icon);
}

CreateDocumentKeyIntroductionWizardPage::CreateDocumentKeyIntroductionWizardPage(QWidget* parent)
    : CreateKeyIntroductionWizardPage(parent, "CreateDocumentKeyIntroductionWizardPage", DocumentKeyIcon)
{}

CreateFolderKeyIntroductionWizardPage::CreateFolderKeyIntroductionWizardPage(QWidget* parent)
    : CreateKeyIntroductionWizardPage(parent, "CreateFolderKeyIntroductionWizardPage", DocumentKeyIcon)
{}

CreateKeyWizard::CreateKeyWizard(int objectId, const QString& objectName, QWidget* parent)
    : QWizard(parent)
    , m_objectId(objectId)
    , m_objectName(objectName)
{}

CreateKeyWizard::~CreateKeyWizard() = default;

void CreateKeyWizard::accept()
{
    QDialog::accept();
}

void CreateKeyWizard::createRulePages()
{
    m_activeStatusPage = new SelectActiveStatusWizardPage(this);
    m_activeMonthsPage = new SelectActiveMonthsWizardPage(this);
    m_activeDaysPage = new SelectActiveDaysWizardPage(this);
    m_activeHoursPage = new SelectActiveHoursWizardPage(this);
    m_sessionDurationPage = new SelectSessionDurationWizardPage(this);
    m_expirationDatePage = new SelectExpirationDateWizardPage(this);
    m_passcodePage = new SelectPasscodeWizardPage(this);
}

void CreateKeyWizard::addPages(const char* context, const char* icon, std::initializer_list<QWizardPage*> pages)
{
    setWindowTitle(Translate(context, "Title"));
    setWindowIcon(QIcon(wizardpage::IconPath(icon)));
    setMinimumSize(800, 600);
    setWizardStyle(QWizard::ModernStyle);
    for (QWizardPage* page : pages) {
        addPage(page);
    }
}

CreateDocumentKeyWizard::CreateDocumentKeyWizard(int documentId, const QString& documentName, QWidget* parent)
    : CreateKeyWizard(documentId, documentName, parent)
    , m_introductionPage(new CreateDocumentKeyIntroductionWizardPage(this))
    , m_revisionPage(new SelectRevisionWizardPage(this, documentId))
    , m_permissionsPage(new SelectDocumentKeyPermissionsWizardPage(this))
{
    createRulePages();
    m_userPage = new SelectDocumentKeyUserWizardPage(this);
    m_confirmationPage = new CreateDocumentKeyConfirmationWizardPage(this);
    addPages("CreateDocumentKeyWizard", DocumentKeyIcon,
             {m_introductionPage, m_revisionPage, m_permissionsPage, getSelectActiveStatusWizardPage(),
              getSelectActiveMonthsWizardPage(), getSelectActiveDaysWizardPage(), getSelectActiveHoursWizardPage(),
              getSelectSessionDurationWizardPage(), getSelectExpirationDateWizardPage(),
              getSelectPasscodeWizardPage(), m_userPage, m_confirmationPage});
}

zarv::data::DocumentKey CreateDocumentKeyWizard::documentKey() const
{
    return createkey::DocumentKeyRules(*this);
}

QList<zarv::data::DocumentKey> CreateDocumentKeyWizard::documentKeys() const
{
    return createkey::DocumentKeys(documentKey(), m_userPage->selectedItems(), m_objectId, m_objectName);
}

CreateFolderKeyWizard::CreateFolderKeyWizard(int folderId, const QString& folderName, QWidget* parent)
    : CreateKeyWizard(folderId, folderName, parent)
    , m_introductionPage(new CreateFolderKeyIntroductionWizardPage(this))
    , m_permissionsPage(new SelectFolderKeyPermissionsWizardPage(this))
{
    createRulePages();
    m_userPage = new SelectFolderKeyUserWizardPage(this);
    m_confirmationPage = new CreateFolderKeyConfirmationWizardPage(this);
    addPages("CreateFolderKeyWizard", FolderKeyIcon,
             {m_introductionPage, m_permissionsPage, getSelectActiveStatusWizardPage(),
              getSelectActiveMonthsWizardPage(), getSelectActiveDaysWizardPage(), getSelectActiveHoursWizardPage(),
              getSelectSessionDurationWizardPage(), getSelectExpirationDateWizardPage(),
              getSelectPasscodeWizardPage(), m_userPage, m_confirmationPage});
}

zarv::data::FolderKey CreateFolderKeyWizard::folderKey() const
{
    return createkey::FolderKeyRules(*this);
}

QList<zarv::data::FolderKey> CreateFolderKeyWizard::folderKeys() const
{
    return createkey::FolderKeys(folderKey(), m_userPage->selectedItems(), m_objectId, m_objectName);
}
