#include "library/gui/icomponent.h"

IComponent::~IComponent() = default;
