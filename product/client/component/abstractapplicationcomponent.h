#pragma once

#include "library/gui/component.h"

#include <QObject>

// The six objects of the component bus and their wiring. They are created in
// the order of the template arguments, each a child of the component:
//
//   executive connector     every window hangs above it
//   service router          (then the view managers) between service and executive connector
//   service connector
//   system router, server component, the component itself
//                           between system and service connector
//   system connector        the clock hangs below it
//
// A signal calls its receivers in the order of connection, so a window's
// request reaches the service router before the managers, and a reply reaches
// the service router, and through it every window, before the managers.
template <typename SystemConnectorType,
          typename SystemRouterType,
          typename ServerComponentType,
          typename ServiceConnectorType,
          typename ServiceRouterType,
          typename ExecutiveConnectorType>
class AbstractApplicationComponent : public Component
{
public:
    explicit AbstractApplicationComponent(QObject* parent)
        : Component(parent)
        , m_systemConnector(new SystemConnectorType(this))
        , m_systemRouter(new SystemRouterType(this))
        , m_serverComponent(new ServerComponentType(this))
        , m_serviceConnector(new ServiceConnectorType(this))
        , m_serviceRouter(new ServiceRouterType(this))
        , m_executiveConnector(new ExecutiveConnectorType(this))
    {
        ConnectRelay(m_systemConnector, m_systemRouter, m_serviceConnector);
        ConnectRelay(m_serviceConnector, m_serviceRouter, m_executiveConnector);
        ConnectHandler(m_systemConnector, m_serverComponent, m_serviceConnector);
        ConnectHandler(m_systemConnector, static_cast<const Component*>(this), m_serviceConnector);
    }

    // Places a view manager between the service connector and the executive
    // connector; true when all six connections were made.
    bool connectAbstractViewManager(const Component* manager) const
    {
        return ConnectHandler(m_serviceConnector, manager, m_executiveConnector);
    }

    // Hangs a window above the executive connector: it receives every event
    // and reply, and its requests go to the executive connector. True when all
    // three connections were made; stops at the first that fails.
    template <typename Window>
    bool connectAbstractViewWindow(const Window* window) const
    {
        return QObject::connect(m_executiveConnector, &ExecutiveConnectorType::deliverEvent, window,
                                &Window::receiveEvent)
               && QObject::connect(m_executiveConnector, &ExecutiveConnectorType::deliverReply, window,
                                   &Window::receiveReply)
               && QObject::connect(window, &Window::deliverRequest, m_executiveConnector,
                                   &ExecutiveConnectorType::receiveRequest);
    }

protected:
    // The six connections of a relay between a lower and an upper connector.
    // A group stops at its first connection that fails.
    template <typename Lower, typename Middle, typename Upper>
    static bool ConnectRelay(const Lower* lower, const Middle* middle, const Upper* upper)
    {
        return QObject::connect(lower, &Lower::deliverEvent, middle, &Middle::receiveEvent)
               && QObject::connect(lower, &Lower::deliverReply, middle, &Middle::receiveReply)
               && QObject::connect(upper, &Upper::deliverRequest, middle, &Middle::receiveRequest)
               && QObject::connect(middle, &Middle::deliverEvent, upper, &Upper::receiveEvent)
               && QObject::connect(middle, &Middle::deliverReply, upper, &Upper::receiveReply)
               && QObject::connect(middle, &Middle::deliverRequest, lower, &Lower::receiveRequest);
    }

    // The same six for a component that handles what it receives.
    template <typename Lower, typename Middle, typename Upper>
    static bool ConnectHandler(const Lower* lower, const Middle* middle, const Upper* upper)
    {
        return QObject::connect(lower, &Lower::deliverEvent, middle, &Middle::receiveEvent)
               && QObject::connect(lower, &Lower::deliverReply, middle, &Middle::receiveReply)
               && QObject::connect(middle, &Middle::deliverRequest, lower, &Lower::receiveRequest)
               && QObject::connect(middle, &Middle::deliverEvent, upper, &Upper::receiveEvent)
               && QObject::connect(middle, &Middle::deliverReply, upper, &Upper::receiveReply)
               && QObject::connect(upper, &Upper::deliverRequest, middle, &Middle::receiveRequest);
    }

    SystemConnectorType* const m_systemConnector;
    SystemRouterType* const m_systemRouter;
    ServerComponentType* const m_serverComponent;
    ServiceConnectorType* const m_serviceConnector;
    ServiceRouterType* const m_serviceRouter;
    ExecutiveConnectorType* const m_executiveConnector;
};
