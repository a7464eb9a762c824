#pragma once

#include "library/core/proxy/documentproxy.h"

#include "document3.pb.h"

// Read access to a document. The record must outlive the reader.
class DocumentReader : public DocumentProxy
{
public:
    explicit DocumentReader(const zarv::data::Document& document);
    ~DocumentReader() override = default;

    // Every field of a complete document is present, whatever its value, and
    // so are the descriptor and its fields. The document's own id and the
    // passcode are not needed.
    bool isValid() const;

private:
    const zarv::data::Document* m_document;
};
