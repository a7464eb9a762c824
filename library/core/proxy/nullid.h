#pragma once

#include "library/database/lib/dbid.h"

namespace proxy {

// An id field as the readers return it: its value when present, else the
// null id (INT_MIN).
inline int IdOrNull(bool present, int id)
{
    return present ? id : DbId::m_NullId;
}

}  // namespace proxy
