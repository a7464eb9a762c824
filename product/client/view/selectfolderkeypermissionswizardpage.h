#pragma once

#include "product/client/view/checkboxwizardpage.h"

// The permissions that a new folder key grants: viewing and searching the
// folder's contents, both ticked at start. Going Back keeps the boxes.
class SelectFolderKeyPermissionsWizardPage : public CheckBoxWizardPage
{
    Q_OBJECT

public:
    explicit SelectFolderKeyPermissionsWizardPage(QWidget* parent);

    void cleanupPage() override;
};
