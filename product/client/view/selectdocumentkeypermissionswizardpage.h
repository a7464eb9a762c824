#pragma once

#include "product/client/view/checkboxwizardpage.h"

// The permissions that a new document key grants, one boolean field per
// permission. Only a key to the current revision may allow updates: arriving
// from a revision page on which an earlier revision was chosen unticks and
// disables the update box, and every Back from this page unticks and enables
// it again.
class SelectDocumentKeyPermissionsWizardPage : public CheckBoxWizardPage
{
    Q_OBJECT

public:
    explicit SelectDocumentKeyPermissionsWizardPage(QWidget* parent);

    void initializePage() override;
    void cleanupPage() override;
};
