#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The common part of the dialogs that say how to reach the server: the server
// name, the server port and the default time zone, with OK and Cancel,
// pre-filled from the network settings. It lays nothing out; each subclass
// builds its own layout around these widgets.
class NetworkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NetworkDialog(QWidget* parent);
    ~NetworkDialog() override;

    // Without leading and trailing white space.
    QString getServerName() const;
    int getServerPort() const;
    // A region id of the time-zone database.
    QString getDefaultTimeZone() const;

protected:
    // The window title and icon of a subclass, and the minimum width both share.
    void initializeDialogWindow(const QString& title, const QString& iconPath);

    QLabel* const m_serverNameLabel;
    QLabel* const m_serverPortLabel;
    QLabel* const m_defaultTimeZoneLabel;
    QLineEdit* const m_serverNameLineEdit;
    QSpinBox* const m_serverPortSpinBox;
    QComboBox* const m_defaultTimeZoneComboBox;
    QPushButton* const m_okPushButton;
    QPushButton* const m_cancelPushButton;

private:
    void fillFromNetworkSettings();
};
