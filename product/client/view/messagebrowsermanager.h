#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include <string>

class ApplicationComponent;

// Opens a message browser for every OpenMessageBrowserView request; when a
// received message is opened, every open browser marks it read.
class MessageBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit MessageBrowserManager(ApplicationComponent* applicationComponent);
    ~MessageBrowserManager() override;

public slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    void handleNewMessageBrowser();
    void handleOpenMessage(const std::string& request);

    ApplicationComponent* const m_applicationComponent;
};
