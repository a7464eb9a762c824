#pragma once

#include "product/client/component/abstractapplicationcomponent.h"
#include "product/client/component/connectors.h"
#include "product/client/component/servercomponent.h"
#include "product/client/component/servicerouter.h"
#include "product/client/component/systemrouter.h"

#include <functional>
#include <vector>

class ClockComponent;

using ApplicationBus = AbstractApplicationComponent<SystemConnector,
                                                    SystemRouter,
                                                    ServerComponent,
                                                    ServiceConnector,
                                                    ServiceRouter,
                                                    ExecutiveConnector>;

// The client's component tree: the bus, the clock below the system connector
// and the view managers beside the service router. Once wired it announces
// ApplicationStarted and starts the clock; it stops the clock before the tree
// is destroyed.
class ApplicationComponent : public ApplicationBus
{
    Q_OBJECT

public:
    // Makes one view manager; the manager takes the application component as
    // its parent and keeps it, to hang the windows it opens.
    using ViewManagerFactory = std::function<Component*(ApplicationComponent* applicationComponent)>;

    template <typename Manager>
    static Component* CreateViewManager(ApplicationComponent* applicationComponent)
    {
        return new Manager(applicationComponent);
    }

    // The tree with the given view managers, created and wired in this order;
    // the program's start-up names the client's (ClientViewManagers).
    ApplicationComponent(QObject* parent, const std::vector<ViewManagerFactory>& viewManagerFactories);
    ~ApplicationComponent() override;

    // Hangs the clock below the system connector; true when all three
    // connections were made.
    bool connectClockComponent();

private:
    ClockComponent* const m_clockComponent;
    std::vector<Component*> m_viewManagers;
};
