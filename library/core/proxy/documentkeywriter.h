#pragma once

#include "library/core/proxy/documentkeyproxy.h"
#include "library/core/proxy/keyfields.h"
#include "library/core/proxy/keywriter.h"

#include <string>

class DocumentKeyReader;

// Write access to a document key. Dates are stored in the database form of a
// timestamp; a text that does not read as a valid timestamp is reported and
// leaves the field as it was.
class DocumentKeyWriter : public proxy::KeyWriterBase<DocumentKeyProxy, proxy::DocumentKeyFields>
{
public:
    // `init` is accepted and ignored: the key is not changed.
    DocumentKeyWriter(zarv::data::DocumentKey& key, DocumentKeyProxy::Initialization init);
    ~DocumentKeyWriter() override = default;

    // The whole key becomes a copy of the reader's record.
    DocumentKeyWriter& operator=(const DocumentKeyReader& reader);

    void setDocumentId(int id);
    void setDocumentName(const std::string& name);
    void setDocumentRevision(const std::string& revision);
    void setCreationDate(const std::string& date);
    void setExpirationDate(const std::string& date);
    void setExpirationAction(DocumentKeyProxy::Action action);
};
