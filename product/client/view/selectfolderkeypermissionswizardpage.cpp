#include "product/client/view/selectfolderkeypermissionswizardpage.h"

#include "product/client/view/wizardpagesupport.h"

#include <QVBoxLayout>

namespace {

// Texts of the page's own context.
const std::vector<CheckBoxField> Permissions = {
    {"PermissionViewFolderContents", "permissionViewFolderContents", true},
    {"PermissionSearchFolderContents", "permissionSearchFolderContents", true},
};

}  // namespace

SelectFolderKeyPermissionsWizardPage::SelectFolderKeyPermissionsWizardPage(QWidget* parent)
    : CheckBoxWizardPage(parent)
{
    wizardpage::InitializeHeader(this, tr("SelectFolderKeyPermissionsWizardPageTitle"),
                                 tr("SelectFolderKeyPermissionsWizardPageSubTitle"), "key-permissions");
    addCheckBoxFields(Permissions, staticMetaObject.className(), new QVBoxLayout(this));
    tickInitialBoxes();
}

void SelectFolderKeyPermissionsWizardPage::cleanupPage() {}
