#include "library/core/proxy/documentwriter.h"

#include "library/common/clock.h"
#include "library/core/proxy/securitydescriptorwriter.h"
#include "library/database/lib/dbid.h"
#include "library/database/lib/dbtimestamp.h"

#include <string>

DocumentWriter::DocumentWriter(zarv::data::Document& document, DocumentProxy::Initialization init)
    : m_document(&document)
{
    if (init == NoInitialization) {
        return;
    }
    const std::string now = DbTimestamp(common::Clock::universalTime()).toDbString();
    zarv::data::SecurityDescriptor& descriptor = *m_document->mutable_document_security_descriptor();

    m_document->set_document_id(DbId::m_NullId);
    m_document->set_document_user_id(DbId::m_NullId);
    m_document->set_document_folder_id(DbId::m_NullId);
    m_document->set_document_name(std::string());
    m_document->set_document_description(std::string());
    m_document->set_document_properties(0);
    m_document->set_document_creation_date(now);
    m_document->set_document_modification_date(now);
    m_document->set_document_body(std::string());
    m_document->set_document_body_format(0);

    if (init == Permissive || init == Restrictive) {
        SecurityDescriptorWriter writer(descriptor, static_cast<SecurityDescriptorProxy::Initialization>(init));
    }
}
