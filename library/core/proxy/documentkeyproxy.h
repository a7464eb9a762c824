#pragma once

#include "library/core/proxy/keyproxy.h"

// The base of the views over a document key, with the meanings of its bits.
class DocumentKeyProxy : public KeyProxy
{
public:
    // The descriptor's permissions word; bits 2 to 5 carry no permission.
    enum Permission
    {
        View = 0,
        Update = 1,
        Search = 6,
        CopyFromClipboard = 7,
        CopyToClipboard = 8,
        ExportToTextFile = 9,
        ExportToPdfFile = 10,
        Print = 11
    };

    // The document key writer accepts one and fills nothing.
    enum Initialization
    {
        NoInitialization = 0,
        Permissive = 1,
        Restrictive = 2
    };

    ~DocumentKeyProxy() override = default;
};
