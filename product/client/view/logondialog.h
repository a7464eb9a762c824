#pragma once

#include "product/client/view/networkdialog.h"

class QCheckBox;

// Asks for the user name and the password and, when the user opens the
// options, for the server name, port and default time zone. The network
// fields start from the network settings; nothing is stored here. OK is
// refused while the server name is blank: the options open and a message
// says why, since a log-on needs a server to go to.
class LogonDialog : public NetworkDialog
{
    Q_OBJECT

public:
    explicit LogonDialog(QWidget* parent);
    ~LogonDialog() override;

    // Both without leading and trailing white space, the password included.
    QString getUserName() const;
    QString getUserPassword() const;

    void setFocusUserName();
    void setFocusUserPassword();
    void setFocusServerName();

    void clearUserName();
    void clearUserPassword();
    void clear();

public slots:
    void accept() override;

    // Checked (2) shows the password in clear.
    void toggleShowPassword(int state);
    // Checked (2) shows the network rows, anything else hides them; the focus
    // then goes to the user name.
    void optionsStateChanged(int state);

protected:
    virtual void initialize();
    virtual void initializeWindow();
    virtual void initializeLayout();
    virtual void initializeWidgets();

private:
    void initializeTabOrder();

    QLabel* const m_userNameLabel;
    QLabel* const m_userPasswordLabel;
    QLineEdit* const m_userNameLineEdit;
    QLineEdit* const m_userPasswordLineEdit;
    QCheckBox* const m_showPasswordCheckBox;
    QCheckBox* const m_optionsCheckBox;
};
