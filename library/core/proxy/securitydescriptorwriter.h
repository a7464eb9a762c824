#pragma once

#include "library/core/proxy/securitydescriptorproxy.h"

// Fills a descriptor with the initial values of a new record; all of its work
// is done in the constructor. The descriptor must outlive the writer.
class SecurityDescriptorWriter : public SecurityDescriptorProxy
{
public:
    // NoInitialization leaves the descriptor as it is. Every other value sets
    // no region, the hours "00:00:00" to "00:00:00", no audits, no passcode,
    // no session limit and expiration action 0; Permissive then switches on
    // every active and permission bit and expires on 9999-12-31, Restrictive
    // clears them and expires on 1400-01-01.
    SecurityDescriptorWriter(zarv::data::SecurityDescriptor& descriptor, SecurityDescriptorProxy::Initialization init);
    ~SecurityDescriptorWriter() override = default;

    // The active word of Permissive: the status bit, all twelve months and
    // all seven weekdays (bits 0 to 19).
    static constexpr int m_PermissiveActive = 0xFFFFF;
    // Every permission bit of a document key and the unnamed bits up to 15.
    static constexpr int m_PermissivePermissions = 0xFFFF;

private:
    zarv::data::SecurityDescriptor* m_descriptor;
};
