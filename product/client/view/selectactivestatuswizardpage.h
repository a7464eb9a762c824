#pragma once

#include <QWizardPage>

class QCheckBox;

// Whether a new key is active at all: the field "active", ticked at start.
// The logo shows a play sign while the box is ticked and a stop sign while
// it is not.
class SelectActiveStatusWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveStatusWizardPage(QWidget* parent);

    void cleanupPage() override;

public slots:
    void toggleActiveStatus(int state);

private:
    QCheckBox* m_activeStatusCheckBox;
};
