#pragma once

class QLabel;
class QTextEdit;
class QString;
class QWizardPage;

namespace wizardpage {

// Title, subtitle and the 32 x 32 logo of a key-rule page; `logo` is the
// icon's name in the built-in bundle (":icons/32x32/<logo>.png").
void InitializeHeader(QWizardPage* page, const QString& title, const QString& subTitle, const char* logo);

// The path of a built-in 32 x 32 icon.
QString IconPath(const char* name);

// The raised horizontal line that separates a page's choice from its details:
// an empty label, so that it takes no more height than the line.
QLabel* CreateSeparatorLabel();

// The read-only text of a confirmation page, filling the page.
QTextEdit* AddConfirmationText(QWizardPage* page);

}  // namespace wizardpage
