#include "product/client/view/selectactivedayswizardpage.h"

namespace {

const std::vector<CheckBoxField> Days = {
    {"Monday", "monday", true},     {"Tuesday", "tuesday", true}, {"Wednesday", "wednesday", true},
    {"Thursday", "thursday", true}, {"Friday", "friday", true},   {"Saturday", "saturday", true},
    {"Sunday", "sunday", true},
};

}  // namespace

SelectActiveDaysWizardPage::SelectActiveDaysWizardPage(QWidget* parent)
    : ActivePeriodWizardPage(parent,
                             tr("SelectActiveDaysWizardPageTitle"),
                             tr("SelectActiveDaysWizardPageSubTitle"),
                             "active-days",
                             tr("ActiveDays"),
                             Days)
{}
