#include "library/gui/twofielddialoglayout.h"

#include "library/gui/horizontalline.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace utils {

void LayOutTwoFieldDialog(QDialog* dialog,
                          QLabel* firstLabel,
                          QLineEdit* firstField,
                          QLabel* secondLabel,
                          QLineEdit* secondField,
                          QPushButton* okButton,
                          QPushButton* cancelButton)
{
    firstLabel->setBuddy(firstField);
    secondLabel->setBuddy(secondField);

    auto* fieldsLayout = new QGridLayout;
    fieldsLayout->addWidget(firstLabel, 0, 0);
    fieldsLayout->addWidget(firstField, 0, 1);
    fieldsLayout->addWidget(secondLabel, 1, 0);
    fieldsLayout->addWidget(secondField, 1, 1);

    auto* buttonsLayout = new QHBoxLayout;
    buttonsLayout->addWidget(okButton);
    buttonsLayout->addStretch();
    buttonsLayout->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(fieldsLayout);
    layout->addWidget(CreateHorizontalLine(dialog));
    layout->addLayout(buttonsLayout);

    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace utils
