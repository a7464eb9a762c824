#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/icomponent.h"

#include <QObject>

#include <string>

// A bus node that passes on what it receives: each receive slot emits the
// matching deliver signal with the same arguments.
class Connector : public QObject, public IComponent
{
    Q_OBJECT

public:
    explicit Connector(QObject* parent);
    ~Connector() override;

signals:
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    QUENLARK_BUS_RECEIVE_SLOTS
};
