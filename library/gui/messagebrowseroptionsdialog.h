#pragma once

#include <QDialog>
#include <QWidget>

class QButtonGroup;
class QDialogButtonBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The activation mode: what the message browser lists when the Messages root
// of its side pane is selected.
class MessageBrowserOptionsDialogGeneralTab : public QWidget
{
    Q_OBJECT

public:
    // Checks the button of the stored mode; a stored value that is no mode
    // is warned about and shows the first button.
    explicit MessageBrowserOptionsDialogGeneralTab(QWidget* parent);

    // The id of the checked button: 0 all messages, 1 messages in no folder.
    int checkedMode() const;

private:
    QButtonGroup* m_buttonGroup;
    QRadioButton* m_showAllMessagesRadioButton;
    QRadioButton* m_showMessagesNotAssignedToFoldersRadioButton;
};

// The message browser's options; OK stores the activation mode under
// "MessageBrowser/Options/ActivationMode".
class MessageBrowserOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // 0 lists all the user's messages, 1 those in no folder.
    enum ActivationMode
    {
        ShowAllMessages = 0,
        ShowMessagesNotAssignedToFolders = 1
    };

    explicit MessageBrowserOptionsDialog(QWidget* parent);

    // The stored value as it is, without a range check; 0 when absent.
    static int GetActivationMode();

public slots:
    void saveValues();

private:
    QTabWidget* m_tabWidget;
    QDialogButtonBox* m_buttonBox;
    MessageBrowserOptionsDialogGeneralTab* m_generalTab;
    QPushButton* m_okPushButton;
    QPushButton* m_cancelPushButton;
};
