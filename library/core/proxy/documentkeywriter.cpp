#include "library/core/proxy/documentkeywriter.h"

#include "library/common/assertion.h"
#include "library/core/proxy/documentkeyreader.h"
#include "library/database/lib/dbtimestamp.h"

DocumentKeyWriter::DocumentKeyWriter(zarv::data::DocumentKey& key, DocumentKeyProxy::Initialization)
    : KeyWriterBase(key)
{}

DocumentKeyWriter& DocumentKeyWriter::operator=(const DocumentKeyReader& reader)
{
    assign(reader);
    return *this;
}

void DocumentKeyWriter::setDocumentId(int id)
{
    key().mutable_document_key_document()->set_document_id(id);
}

void DocumentKeyWriter::setDocumentName(const std::string& name)
{
    key().mutable_document_key_document()->set_document_name(name);
}

void DocumentKeyWriter::setDocumentRevision(const std::string& revision)
{
    key().set_document_key_document_revision(revision);
}

void DocumentKeyWriter::setCreationDate(const std::string& date)
{
    const DbTimestamp dbTimestamp(date);
    if (!QUENLARK_ASSERT(dbTimestamp.isValid())) {
        return;
    }
    key().set_document_key_creation_date(dbTimestamp.toDbString());
}

void DocumentKeyWriter::setExpirationDate(const std::string& date)
{
    const DbTimestamp dbTimestamp(date);
    if (!QUENLARK_ASSERT(dbTimestamp.isValid())) {
        return;
    }
    descriptor().set_expiration_date(dbTimestamp.toDbString());
}

void DocumentKeyWriter::setExpirationAction(DocumentKeyProxy::Action action)
{
    descriptor().set_expiration_action(action);
}
