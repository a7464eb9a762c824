#pragma once

#include "library/core/proxy/documentproxy.h"

#include "document3.pb.h"

// Gives a document the contents of a new document; all of its work is done in
// the constructor. The document must outlive the writer.
class DocumentWriter : public DocumentProxy
{
public:
    // NoInitialization leaves the document as it is. Every other value sets
    // the ids to the null id, the texts to the empty text, the words to 0 and
    // both dates to now (UTC, database form), and makes the descriptor
    // present; Permissive and Restrictive then fill the descriptor with their
    // values (SecurityDescriptorWriter).
    DocumentWriter(zarv::data::Document& document, DocumentProxy::Initialization init);
    ~DocumentWriter() override = default;

private:
    zarv::data::Document* m_document;
};
