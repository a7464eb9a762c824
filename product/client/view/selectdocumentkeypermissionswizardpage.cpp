#include "product/client/view/selectdocumentkeypermissionswizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {

const char* const UpdateField = "permissionUpdateDocument";

// Texts of the shared context Linguist.
const std::vector<CheckBoxField> Permissions = {
    {"PermissionViewDocumentContents", "permissionViewDocumentContents", true},
    {"PermissionUpdateDocument", UpdateField, false},
    {"PermissionCopyDocumentContentsFromClipboard", "permissionCopyDocumentContentsFromClipboard", false},
    {"PermissionCopyDocumentContentsToClipboard", "permissionCopyDocumentContentsToClipboard", false},
    {"PermissionExportDocumentContentsToTextFile", "permissionExportDocumentContentsToTextFile", false},
    {"PermissionExportDocumentContentsToPdfFile", "permissionExportDocumentContentsToPdfFile", false},
    {"PermissionPrintDocumentContents", "permissionPrintDocumentContents", false},
    {"PermissionSearchDocumentContents", "permissionSearchDocumentContents", true},
};

}  // namespace

SelectDocumentKeyPermissionsWizardPage::SelectDocumentKeyPermissionsWizardPage(QWidget* parent)
    : CheckBoxWizardPage(parent)
{
    wizardpage::InitializeHeader(this, tr("SelectDocumentKeyPermissionsWizardPageTitle"),
                                 tr("SelectDocumentKeyPermissionsWizardPageSubTitle"), "key-permissions");
    addCheckBoxFields(Permissions, "Linguist", new QVBoxLayout(this));
    tickInitialBoxes();
}

void SelectDocumentKeyPermissionsWizardPage::initializePage()
{
    if (!field(QStringLiteral("currentRevision")).toBool()) {
        QCheckBox* update = checkBox(UpdateField);
        update->setChecked(false);
        update->setEnabled(false);
    }
}

void SelectDocumentKeyPermissionsWizardPage::cleanupPage()
{
    QCheckBox* update = checkBox(UpdateField);
    update->setChecked(false);
    update->setEnabled(true);
}
