#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/icomponent.h"

#include <QObject>

#include <string>

// A bus node that handles what it receives: the receive slots do nothing
// until a subclass overrides them.
class Component : public QObject, public IComponent
{
    Q_OBJECT

public:
    explicit Component(QObject* parent);
    ~Component() override;

signals:
    QUENLARK_BUS_DELIVER_SIGNALS

public slots:
    QUENLARK_BUS_RECEIVE_SLOTS
};
