#pragma once

#include "product/client/view/activeperiodwizardpage.h"

// The months of the year in which a new key is active: the fields "january"
// to "december", in calendar order.
class SelectActiveMonthsWizardPage : public ActivePeriodWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveMonthsWizardPage(QWidget* parent);
};
