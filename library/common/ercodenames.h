#pragma once

#include "library/common/codes.h"

namespace common {

// The name of an error code the client names ("ServiceBadPasswordEr" for 63),
// or nullptr for any other value. Texts that describe a code are looked up by
// ids made from this name.
const char* ErcodeName(Ercode code);

}  // namespace common
