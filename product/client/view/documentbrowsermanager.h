#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include <string>

class ApplicationComponent;

// Opens document browsers: an empty one on request, or one per folder key
// of an OpenFolderKey request, each with the key's shortcut added and the key
// opened.
class DocumentBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit DocumentBrowserManager(ApplicationComponent* applicationComponent);
    ~DocumentBrowserManager() override;

protected slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    ApplicationComponent* const m_applicationComponent;
};
