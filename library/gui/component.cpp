#include "library/gui/component.h"

Component::Component(QObject* parent)
    : QObject(parent)
{}

Component::~Component() = default;

QUENLARK_BUS_IGNORING_RECEIVE_SLOTS(Component)
