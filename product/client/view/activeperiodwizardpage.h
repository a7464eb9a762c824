#pragma once

#include "product/client/view/checkboxwizardpage.h"

class QGroupBox;

// A page of check boxes inside one checkable group box: the months of the
// year or the days of the week in which a key is active. Unticking the group
// unticks (and disables) every box, ticking it ticks every box again. All
// start ticked; going Back keeps the boxes as they are.
class ActivePeriodWizardPage : public CheckBoxWizardPage
{
    Q_OBJECT

public:
    void cleanupPage() override;

public slots:
    void toggleCheckBoxes(bool on);

protected:
    // The boxes' texts are ids of the shared context Linguist.
    ActivePeriodWizardPage(QWidget* parent,
                           const QString& title,
                           const QString& subTitle,
                           const char* logo,
                           const QString& groupTitle,
                           const std::vector<CheckBoxField>& rows);

private:
    QGroupBox* m_groupBox;
};
