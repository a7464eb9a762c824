#pragma once

#include "library/database/lib/dbid.h"

#include "document3.pb.h"
#include "folder3.pb.h"

#include <QString>
#include <QWizard>
#include <QWizardPage>

#include <string>

class QTextEdit;

// Finds a document that the logged-on user deleted, one of its revisions and
// the folder to restore it in; it sends no change itself. The pages hand
// their choice on through three properties: `document` (the revision record
// as the server sent it), `documentFolderId` and `documentFolderName` (empty
// for the home folder). The caller reads them when the wizard is accepted.
class RestoreDocumentWizard : public QWizard
{
    Q_OBJECT
    Q_PROPERTY(zarv::data::Document document READ getDocument WRITE setDocument)
    Q_PROPERTY(int documentFolderId READ documentFolderIdValue WRITE setDocumentFolderIdValue)
    Q_PROPERTY(QString documentFolderName READ getDocumentFolderName WRITE setDocumentFolderName)

public:
    enum PageId
    {
        IntroductionPage,
        SelectDocumentPage,
        SelectFolderPage,
        ConfirmationPage
    };

    explicit RestoreDocumentWizard(QWidget* parent);
    ~RestoreDocumentWizard() override;

    zarv::data::Document getDocument() const { return m_document; }
    DbId getDocumentFolderId() const { return m_documentFolderId; }
    QString getDocumentFolderName() const { return m_documentFolderName; }
    void setDocument(const zarv::data::Document& document) { m_document = document; }
    void setDocumentFolderId(DbId folderId);
    void setDocumentFolderName(const QString& folderName);

    // Each asks the server once; a failed request reads as no document, or
    // as an empty folder record (whose name is empty).
    static bool IsFolderParentOfDocument(int folderId, int documentId);
    // A document of exactly that name (case-sensitive).
    static bool IsFolderParentOfDocumentName(int folderId, const std::string& name);
    // The folder of that id; empty unless the server returns exactly one.
    static zarv::data::Folder GetFolder(int folderId);
    // The logged-on user's home folder.
    static int HomeFolderId();

private:
    int documentFolderIdValue() const { return m_documentFolderId; }
    void setDocumentFolderIdValue(int folderId) { setDocumentFolderId(folderId); }

    zarv::data::Document m_document;
    DbId m_documentFolderId = DbId::m_NullId;
    QString m_documentFolderName;
};

class RestoreDocumentIntroductionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit RestoreDocumentIntroductionWizardPage(QWidget* parent);
};

// Names the revision, its start in local time and the target folder; Finish
// accepts only a complete choice.
class RestoreDocumentConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit RestoreDocumentConfirmationWizardPage(QWidget* parent);

    void initializePage() override;
    bool validatePage() override;

private:
    QTextEdit* const m_confirmationTextEdit;
};
