#include "product/client/view/keywizards.h"

#include "product/client/view/createkeywizards.h"
#include "product/client/view/selectkeyuserwizardpages.h"
#include "product/client/view/setrulewizards.h"

#include "library/gui/selectuserswidget.h"

namespace {

// Runs the wizard modally; its result when the user finished it.
template <class Wizard, class Read>
auto Run(Wizard& wizard, Read read) -> std::optional<decltype(read(wizard))>
{
    if (wizard.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return read(wizard);
}

// The wizards of the key windows, each run modally over its caller.
class ModalKeyWizards final : public KeyWizards
{
public:
    std::optional<QList<zarv::data::DocumentKey>> createDocumentKeys(int documentId,
                                                                     const QString& documentName,
                                                                     QWidget* parent,
                                                                     const std::vector<zarv::data::User>& holders) override
    {
        CreateDocumentKeyWizard wizard(documentId, documentName, parent);
        for (const zarv::data::User& holder : holders) {
            wizard.getSelectDocumentKeyUserWizardPage()->m_selectUsersWidget->addUser(holder);
        }
        return Run(wizard, [](const CreateDocumentKeyWizard& done) { return done.documentKeys(); });
    }
    std::optional<QList<zarv::data::FolderKey>>
    createFolderKeys(int folderId, const QString& folderName, QWidget* parent) override
    {
        CreateFolderKeyWizard wizard(folderId, folderName, parent);
        return Run(wizard, [](const CreateFolderKeyWizard& done) { return done.folderKeys(); });
    }
    std::optional<ActiveHoursChoice>
    setActiveHours(const QString& objectName, const QString& holderName, QWidget* parent) override
    {
        SetActiveHoursWizard wizard(objectName, holderName, parent);
        return Run(wizard, [](const SetActiveHoursWizard& done) {
            return ActiveHoursChoice{done.restrictedHours(), done.activeFrom(), done.activeTo(), done.activeRegion()};
        });
    }
    std::optional<SessionDurationChoice>
    setSessionDuration(const QString& objectName, const QString& holderName, QWidget* parent) override
    {
        SetSessionDurationWizard wizard(objectName, holderName, parent);
        return Run(wizard, [](const SetSessionDurationWizard& done) {
            return SessionDurationChoice{done.restrictedDuration(), done.durationSpinBox(), done.durationComboBox()};
        });
    }
    std::optional<ExpirationDateChoice>
    setExpirationDate(const QString& objectName, const QString& holderName, QWidget* parent) override
    {
        SetExpirationDateWizard wizard(objectName, holderName, parent);
        return Run(wizard, [](const SetExpirationDateWizard& done) { return ExpirationDateChoice{done.expirationDate()}; });
    }
    std::optional<PasscodeChoice>
    setPasscode(const QString& objectName, const QString& holderName, QWidget* parent) override
    {
        SetPasscodeWizard wizard(objectName, holderName, parent);
        return Run(wizard, [](const SetPasscodeWizard& done) {
            return PasscodeChoice{done.noPasscode(), done.passcodeIsValid(), QByteArray::fromStdString(done.passcode())};
        });
    }
    std::optional<RevisionChoice>
    setRevision(const QString& documentName, const QString& holderName, int documentId, QWidget* parent) override
    {
        SetRevisionWizard wizard(documentName, holderName, parent, documentId);
        return Run(wizard, [](const SetRevisionWizard& done) {
            return RevisionChoice{done.currentRevision(), QByteArray::fromStdString(done.revisionSysStart())};
        });
    }
};

KeyWizards* installedWizards = nullptr;
}  // namespace

KeyWizards::~KeyWizards() = default;

KeyWizards& KeyWizards::current()
{
    static ModalKeyWizards realWizards;
    return installedWizards ? *installedWizards : realWizards;
}

void KeyWizards::install(KeyWizards* wizards)
{
    installedWizards = wizards;
}
