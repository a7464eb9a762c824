#include "library/core/proxy/documentreader.h"

DocumentReader::DocumentReader(const zarv::data::Document& document)
    : m_document(&document)
{}

bool DocumentReader::isValid() const
{
    const zarv::data::Document& document = *m_document;
    if (!(document.has_document_user_id() && document.has_document_folder_id() && document.has_document_name()
          && document.has_document_description() && document.has_document_properties()
          && document.has_document_creation_date() && document.has_document_modification_date()
          && document.has_document_body() && document.has_document_body_format()
          && document.has_document_security_descriptor())) {
        return false;
    }
    const zarv::data::SecurityDescriptor& descriptor = document.document_security_descriptor();
    return descriptor.has_active() && descriptor.has_active_region() && descriptor.has_active_from()
           && descriptor.has_active_to() && descriptor.has_audits() && descriptor.has_permissions()
           && descriptor.has_session_duration() && descriptor.has_expiration_date()
           && descriptor.has_expiration_action();
}
