#pragma once

#include "product/client/view/activeperiodwizardpage.h"

// The days of the week on which a new key is active: the fields "monday" to
// "sunday", Monday first.
class SelectActiveDaysWizardPage : public ActivePeriodWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveDaysWizardPage(QWidget* parent);
};
