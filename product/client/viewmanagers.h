#pragma once

#include "product/client/component/applicationcomponent.h"

#include <vector>

// The client's view managers in the order in which they are created, wired
// and served.
const std::vector<ApplicationComponent::ViewManagerFactory>& ClientViewManagers();
