#include "product/client/component/applicationcomponent.h"

#include "product/client/component/clockcomponent.h"

ApplicationComponent::ApplicationComponent(QObject* parent, const std::vector<ViewManagerFactory>& viewManagerFactories)
    : ApplicationBus(parent)
    , m_clockComponent(new ClockComponent(this))
{
    for (const ViewManagerFactory& create : viewManagerFactories) {
        m_viewManagers.push_back(create(this));
    }
    // Managers after the first one that cannot be wired stay off the bus.
    if (connectClockComponent()) {
        for (const Component* manager : m_viewManagers) {
            if (!connectAbstractViewManager(manager)) {
                break;
            }
        }
    }
    emit deliverEvent(common::ApplicationStarted);
    emit deliverRequest(common::StartClock);
}

ApplicationComponent::~ApplicationComponent()
{
    emit deliverRequest(common::StopClock);
}

bool ApplicationComponent::connectClockComponent()
{
    return connect(
               m_clockComponent, SIGNAL(deliverEvent(common::Evcode const, common::Evcode const, std::string const&)),
               m_systemConnector, SLOT(receiveEvent(common::Evcode const, common::Evcode const, std::string const&)))
           && connect(m_clockComponent,
                      SIGNAL(deliverReply(common::Opcode const, common::Opcode const, std::string const&,
                                          common::Ercode const, common::Ercode const, std::string const&)),
                      m_systemConnector,
                      SLOT(receiveReply(common::Opcode const, common::Opcode const, std::string const&,
                                        common::Ercode const, common::Ercode const, std::string const&)))
           && connect(m_systemConnector,
                      SIGNAL(deliverRequest(common::Opcode const, common::Opcode const, std::string const&)),
                      m_clockComponent,
                      SLOT(receiveRequest(common::Opcode const, common::Opcode const, std::string const&)));
}
