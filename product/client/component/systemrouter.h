#pragma once

#include "library/gui/connector.h"

class AbstractSystemRouter : public Connector
{
    Q_OBJECT

public:
    using Connector::Connector;
};

// Passes everything on unchanged, between the system connector and the
// service connector.
class SystemRouter : public AbstractSystemRouter
{
    Q_OBJECT

public:
    using AbstractSystemRouter::AbstractSystemRouter;
};
