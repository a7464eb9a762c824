#include "library/core/proxy/securitydescriptorwriter.h"

#include "library/database/lib/dbtimestamp.h"

#include <string>

SecurityDescriptorWriter::SecurityDescriptorWriter(zarv::data::SecurityDescriptor& descriptor,
                                                   SecurityDescriptorProxy::Initialization init)
    : m_descriptor(&descriptor)
{
    if (init == NoInitialization) {
        return;
    }
    m_descriptor->set_active_region(std::string());
    m_descriptor->set_active_from("00:00:00");
    m_descriptor->set_active_to("00:00:00");
    m_descriptor->set_audits(0);
    m_descriptor->set_password(std::string());
    m_descriptor->set_session_duration(0);
    m_descriptor->set_expiration_action(0);

    if (init == Permissive) {
        m_descriptor->set_active(m_PermissiveActive);
        m_descriptor->set_permissions(m_PermissivePermissions);
        m_descriptor->set_expiration_date(DbTimestamp::m_MaxTimestamp);
    } else if (init == Restrictive) {
        m_descriptor->set_active(0);
        m_descriptor->set_permissions(0);
        m_descriptor->set_expiration_date(DbTimestamp::m_MinTimestamp);
    }
}
