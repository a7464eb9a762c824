#pragma once

#include <QString>
#include <QWizardPage>

class CreateDocumentKeyWizard;
class CreateFolderKeyWizard;
class KeyUserWizardPage;
class QTextEdit;

// The summary of the keys that a create-key wizard is about to hand over,
// built from the wizard's own key record each time the page is entered with
// Next. Choices that leave the key unusable, an expiration date of today, no
// holder and a daily window that does not end after it starts are shown in
// red. Finish is refused only for a daily window that cannot apply (the key
// would silently carry none); going Back leaves the page as it is.
class CreateKeyConfirmationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~CreateKeyConfirmationWizardPage() override;

    void initializePage() override;
    void cleanupPage() override;
    // Restricted hours off, or a window that ends after it starts in a
    // named region.
    bool isComplete() const override;

protected:
    // `context` holds the page's title, subtitle and sentences.
    CreateKeyConfirmationWizardPage(QWidget* parent, const char* context);

    // The sentence of the page's context.
    QString sentence(const char* id) const;
    // The summary, in rich text.
    virtual QString summary() const = 0;
    // The rule sentences after the permissions, from the active status to
    // the passcode, of a key read by `reader`.
    template <class Reader>
    QString ruleSentences(const Reader& reader) const;
    // The holders' sentence and list.
    QString holderSentences(const KeyUserWizardPage& page) const;

private:
    const char* const m_context;
    QTextEdit* const m_summaryTextEdit;
};

class CreateDocumentKeyConfirmationWizardPage : public CreateKeyConfirmationWizardPage
{
    Q_OBJECT

public:
    explicit CreateDocumentKeyConfirmationWizardPage(CreateDocumentKeyWizard* wizard);

protected:
    QString summary() const override;

private:
    CreateDocumentKeyWizard* const m_wizard;
};

class CreateFolderKeyConfirmationWizardPage : public CreateKeyConfirmationWizardPage
{
    Q_OBJECT

public:
    explicit CreateFolderKeyConfirmationWizardPage(CreateFolderKeyWizard* wizard);

protected:
    QString summary() const override;

private:
    CreateFolderKeyWizard* const m_wizard;
};
