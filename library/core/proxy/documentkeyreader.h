#pragma once

#include "library/core/proxy/documentkeyproxy.h"
#include "library/core/proxy/keyfields.h"
#include "library/core/proxy/keyreader.h"

#include <string>

// Read access to a document key: the document, holder, owner and rules of
// the key, as values and as display texts.
class DocumentKeyReader : public proxy::KeyReaderBase<DocumentKeyProxy, proxy::DocumentKeyFields>
{
public:
    explicit DocumentKeyReader(const zarv::data::DocumentKey& key);
    ~DocumentKeyReader() override = default;

    int documentId() const;
    std::string documentName() const;
    std::string documentRevision() const;

    // A revision is present and does not lie on 9999-12-31; a present revision
    // that is empty or not a timestamp counts as valid.
    bool documentRevisionValid() const;

    // The stored expiration day and time as they stand, with a fraction of a
    // second when it is not zero; empty when absent.
    std::string expirationDateDisplay() const;
    // In the computer's local time zone; empty when absent. The tool tip
    // keeps a fraction of a second, the revision text drops it.
    std::string documentRevisionDisplay() const;
    std::string documentRevisionToolTip() const;

    friend bool operator==(const DocumentKeyReader& left, const DocumentKeyReader& right);
};

bool operator!=(const DocumentKeyReader& left, const DocumentKeyReader& right);
