#include "product/client/view/checkboxwizardpage.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>

#include <cstring>

CheckBoxWizardPage::CheckBoxWizardPage(QWidget* parent)
    : QWizardPage(parent)
{}

void CheckBoxWizardPage::addCheckBoxFields(const std::vector<CheckBoxField>& rows,
                                           const char* context,
                                           QBoxLayout* layout)
{
    for (const CheckBoxField& row : rows) {
        auto* box = new QCheckBox(QCoreApplication::translate(context, row.textId));
        registerField(QString::fromLatin1(row.field), box);
        layout->addWidget(box);
        m_rows.push_back(row);
        m_checkBoxes.append(box);
    }
}

void CheckBoxWizardPage::tickInitialBoxes()
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].ticked) {
            m_checkBoxes[static_cast<int>(i)]->setChecked(true);
        }
    }
}

QCheckBox* CheckBoxWizardPage::checkBox(const char* field) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (std::strcmp(m_rows[i].field, field) == 0) {
            return m_checkBoxes[static_cast<int>(i)];
        }
    }
    return nullptr;
}
