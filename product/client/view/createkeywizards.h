#pragma once

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QList>
#include <QString>
#include <QWizard>
#include <QWizardPage>

#include <initializer_list>

class QTextEdit;
class SelectActiveDaysWizardPage;
class SelectActiveHoursWizardPage;
class SelectActiveMonthsWizardPage;
class SelectActiveStatusWizardPage;
class SelectDocumentKeyPermissionsWizardPage;
class SelectDocumentKeyUserWizardPage;
class SelectExpirationDateWizardPage;
class SelectFolderKeyPermissionsWizardPage;
class SelectFolderKeyUserWizardPage;
class SelectPasscodeWizardPage;
class SelectRevisionWizardPage;
class SelectSessionDurationWizardPage;
class CreateDocumentKeyConfirmationWizardPage;
class CreateFolderKeyConfirmationWizardPage;

// The first page of a create-key wizard: a title and a subtitle, in the
// page's own translation context.
class CreateKeyIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

protected:
    CreateKeyIntroductionWizardPage(QWidget* parent, const char* context, const char* icon);
};

class CreateDocumentKeyIntroductionWizardPage : public CreateKeyIntroductionWizardPage
{
    Q_OBJECT

public:
    explicit CreateDocumentKeyIntroductionWizardPage(QWidget* parent);
};

class CreateFolderKeyIntroductionWizardPage : public CreateKeyIntroductionWizardPage
{
    Q_OBJECT

public:
    explicit CreateFolderKeyIntroductionWizardPage(QWidget* parent);
};

// What the two create-key wizards share: the object whose keys they create
// and the rule pages between the permissions and the holders. The wizards
// send nothing; the caller takes the keys after Finish. Navigation is linear
// and Finish is governed by the summary page.
class CreateKeyWizard : public QWizard
{
    Q_OBJECT

public:
    ~CreateKeyWizard() override;

    SelectActiveStatusWizardPage* getSelectActiveStatusWizardPage() const { return m_activeStatusPage; }
    SelectActiveMonthsWizardPage* getSelectActiveMonthsWizardPage() const { return m_activeMonthsPage; }
    SelectActiveDaysWizardPage* getSelectActiveDaysWizardPage() const { return m_activeDaysPage; }
    SelectActiveHoursWizardPage* getSelectActiveHoursWizardPage() const { return m_activeHoursPage; }
    SelectSessionDurationWizardPage* getSelectSessionDurationWizardPage() const { return m_sessionDurationPage; }
    SelectExpirationDateWizardPage* getSelectExpirationDateWizardPage() const { return m_expirationDatePage; }
    SelectPasscodeWizardPage* getSelectPasscodeWizardPage() const { return m_passcodePage; }

    // Closes with the Accepted result; nothing else.
    void accept() override;

protected:
    // The id and the name are kept before any page is made: the holder page
    // asks for the id while it is built.
    CreateKeyWizard(int objectId, const QString& objectName, QWidget* parent);

    // The seven rule pages, from the active status to the passcode.
    void createRulePages();
    // Title (an id of the wizard's context), icon, size and style, then the
    // pages in the order given.
    void addPages(const char* context, const char* icon, std::initializer_list<QWizardPage*> pages);

    const int m_objectId;
    const QString m_objectName;

private:
    SelectActiveStatusWizardPage* m_activeStatusPage = nullptr;
    SelectActiveMonthsWizardPage* m_activeMonthsPage = nullptr;
    SelectActiveDaysWizardPage* m_activeDaysPage = nullptr;
    SelectActiveHoursWizardPage* m_activeHoursPage = nullptr;
    SelectSessionDurationWizardPage* m_sessionDurationPage = nullptr;
    SelectExpirationDateWizardPage* m_expirationDatePage = nullptr;
    SelectPasscodeWizardPage* m_passcodePage = nullptr;
};

// Creates keys to one document for several users: revision, permissions,
// the rules, the holders, then a summary.
class CreateDocumentKeyWizard : public CreateKeyWizard
{
    Q_OBJECT

public:
    CreateDocumentKeyWizard(int documentId, const QString& documentName, QWidget* parent);

    int getDocumentId() const { return m_objectId; }
    QString getDocumentName() const { return m_objectName; }

    CreateDocumentKeyIntroductionWizardPage* getCreateDocumentKeyIntroductionWizardPage() const { return m_introductionPage; }
    SelectRevisionWizardPage* getSelectRevisionWizardPage() const { return m_revisionPage; }
    SelectDocumentKeyPermissionsWizardPage* getSelectDocumentKeyPermissionsWizardPage() const
    {
        return m_permissionsPage;
    }
    SelectDocumentKeyUserWizardPage* getSelectDocumentKeyUserWizardPage() const { return m_userPage; }
    CreateDocumentKeyConfirmationWizardPage* getCreateDocumentKeyConfirmationWizardPage() const
    {
        return m_confirmationPage;
    }

    // The rules chosen, without holder or document.
    zarv::data::DocumentKey documentKey() const;
    // One complete key per chosen holder, in the holder list's order; all
    // share one creation date.
    QList<zarv::data::DocumentKey> documentKeys() const;

private:
    CreateDocumentKeyIntroductionWizardPage* m_introductionPage;
    SelectRevisionWizardPage* m_revisionPage;
    SelectDocumentKeyPermissionsWizardPage* m_permissionsPage;
    SelectDocumentKeyUserWizardPage* m_userPage;
    CreateDocumentKeyConfirmationWizardPage* m_confirmationPage;
};

// Creates keys to one folder for several users: permissions, the rules, the
// holders, then a summary.
class CreateFolderKeyWizard : public CreateKeyWizard
{
    Q_OBJECT

public:
    CreateFolderKeyWizard(int folderId, const QString& folderName, QWidget* parent);

    int getFolderId() const { return m_objectId; }
    QString getFolderName() const { return m_objectName; }

    CreateFolderKeyIntroductionWizardPage* getCreateFolderKeyIntroductionWizardPage() const { return m_introductionPage; }
    SelectFolderKeyPermissionsWizardPage* getSelectFolderKeyPermissionsWizardPage() const
    {
        return m_permissionsPage;
    }
    SelectFolderKeyUserWizardPage* getSelectFolderKeyUserWizardPage() const { return m_userPage; }
    CreateFolderKeyConfirmationWizardPage* getCreateFolderKeyConfirmationWizardPage() const
    {
        return m_confirmationPage;
    }

    // The rules chosen, without holder or folder.
    zarv::data::FolderKey folderKey() const;
    QList<zarv::data::FolderKey> folderKeys() const;

private:
    CreateFolderKeyIntroductionWizardPage* m_introductionPage;
    SelectFolderKeyPermissionsWizardPage* m_permissionsPage;
    SelectFolderKeyUserWizardPage* m_userPage;
    CreateFolderKeyConfirmationWizardPage* m_confirmationPage;
};
