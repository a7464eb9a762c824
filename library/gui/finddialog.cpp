#include "library/gui/finddialog.h"

#include <QFrame>
#include <QVBoxLayout>

FindDialog::FindDialog(QTextEdit& textEdit, QWidget* parent)
    : SearchDialog(textEdit, parent)
{
    initializeLayout();
    connectSignals();
}

void FindDialog::initializeLayout()
{
    setWindowTitle(tr("FindDialogWindowTitle"));
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/find.png")));
    setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        createBox(CreateFieldRow(m_findWhatLabel, m_findWhatLineEdit, m_findPushButton, m_findAllPushButton)));
    addOptionsAndClose(layout);
}
