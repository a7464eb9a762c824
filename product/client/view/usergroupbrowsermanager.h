#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include <string>

class ApplicationComponent;

// Opens a new user-group browser for every OpenUserGroupBrowserView request,
// whatever its minor code: several browsers may be open at once.
class UserGroupBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit UserGroupBrowserManager(ApplicationComponent* applicationComponent);
    ~UserGroupBrowserManager() override;

protected slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    ApplicationComponent* const m_applicationComponent;
};
