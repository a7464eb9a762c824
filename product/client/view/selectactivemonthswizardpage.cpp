#include "product/client/view/selectactivemonthswizardpage.h"

namespace {

const std::vector<CheckBoxField> Months = {
    {"January", "january", true}, {"February", "february", true}, {"March", "march", true},
    {"April", "april", true},     {"May", "may", true},           {"June", "june", true},
    {"July", "july", true},       {"August", "august", true},     {"September", "september", true},
    {"October", "october", true}, {"November", "november", true}, {"December", "december", true},
};

}  // namespace

SelectActiveMonthsWizardPage::SelectActiveMonthsWizardPage(QWidget* parent)
    : ActivePeriodWizardPage(parent,
                             tr("SelectActiveMonthsWizardPageTitle"),
                             tr("SelectActiveMonthsWizardPageSubTitle"),
                             "active-months",
                             tr("ActiveMonths"),
                             Months)
{}
