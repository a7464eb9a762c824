#pragma once

#include "securitydescriptor3.pb.h"

// The base of the views over a security descriptor.
class SecurityDescriptorProxy
{
public:
    // How a writer fills a new record.
    enum Initialization
    {
        // Wrap the record and change nothing.
        NoInitialization = 0,
        // Everything allowed, nothing expires.
        Permissive = 1,
        // Nothing allowed, already expired.
        Restrictive = 2
    };

    SecurityDescriptorProxy() = default;
    virtual ~SecurityDescriptorProxy() = default;
};

// Two descriptors hold the same rules when their ten fields agree, each read
// through its getter: an absent field equals a present 0 or empty text. Texts
// compare byte for byte.
bool operator==(const zarv::data::SecurityDescriptor& left, const zarv::data::SecurityDescriptor& right);
bool operator!=(const zarv::data::SecurityDescriptor& left, const zarv::data::SecurityDescriptor& right);
