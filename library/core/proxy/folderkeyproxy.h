#pragma once

#include "library/core/proxy/keyproxy.h"

// The base of the views over a folder key, with the meanings of its bits.
class FolderKeyProxy : public KeyProxy
{
public:
    // The descriptor's permissions word; bits 1 to 5 carry no permission.
    enum Permission
    {
        // The key may be opened at all.
        View = 0,
        // The documents under the folder may be searched.
        Search = 6
    };

    // The value the folder key writer stores whole as expiration action.
    enum ExpirationAction
    {
        NoExpirationAction = 0
    };

    ~FolderKeyProxy() override = default;
};
