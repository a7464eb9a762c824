#pragma once

#include "product/client/view/networkdialog.h"

// Edits the network settings alone: the server name, port and default time
// zone, pre-filled from the settings. The caller stores the values with
// storeNetworkSettings() once the dialog was accepted.
class NetworkSettingsDialog : public NetworkDialog
{
    Q_OBJECT

public:
    explicit NetworkSettingsDialog(QWidget* parent);
    ~NetworkSettingsDialog() override;

    // Writes the port, the trimmed server name and the time zone, in this
    // order, all three even when unchanged.
    void storeNetworkSettings() const;

protected:
    virtual void initialize();
    virtual void initializeWindow();
    virtual void initializeLayout();
};
