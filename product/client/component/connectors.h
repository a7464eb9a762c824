#pragma once

#include "library/gui/connector.h"

// The three connectors of the bus. From the bottom: the system connector
// joins the clock to the system router, the server component and the
// application component; the service connector joins those to the service
// router and the view managers; the executive connector joins those to the
// windows.

class AbstractSystemConnector : public Connector
{
    Q_OBJECT

public:
    using Connector::Connector;
};

class AbstractServiceConnector : public Connector
{
    Q_OBJECT

public:
    using Connector::Connector;
};

class AbstractExecutiveConnector : public Connector
{
    Q_OBJECT

public:
    using Connector::Connector;
};

class SystemConnector : public AbstractSystemConnector
{
    Q_OBJECT

public:
    using AbstractSystemConnector::AbstractSystemConnector;
};

class ServiceConnector : public AbstractServiceConnector
{
    Q_OBJECT

public:
    using AbstractServiceConnector::AbstractServiceConnector;
};

class ExecutiveConnector : public AbstractExecutiveConnector
{
    Q_OBJECT

public:
    using AbstractExecutiveConnector::AbstractExecutiveConnector;
};
