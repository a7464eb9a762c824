#include "library/core/proxy/documentkeyreader.h"

#include "library/common/assertion.h"

DocumentKeyReader::DocumentKeyReader(const zarv::data::DocumentKey& key)
    : KeyReaderBase(key)
{}

int DocumentKeyReader::documentId() const
{
    return parentId();
}

std::string DocumentKeyReader::documentName() const
{
    return parentName();
}

std::string DocumentKeyReader::documentRevision() const
{
    const zarv::data::DocumentKey& key = *this;
    return key.document_key_document_revision();
}

bool DocumentKeyReader::documentRevisionValid() const
{
    const zarv::data::DocumentKey& key = *this;
    return key.has_document_key_document_revision() && !DbTimestamp(documentRevision()).isMaxTimestamp();
}

std::string DocumentKeyReader::expirationDateDisplay() const
{
    if (expirationDate().empty()) {
        return std::string();
    }
    const DbTimestamp timestamp(expirationDate());
    if (!QUENLARK_ASSERT(timestamp.isValid())) {
        return std::string();
    }
    // The stored date is the calendar day the owner picked, not an instant:
    // shifting it through a time zone would show another day.
    return timestamp.toDbString();
}

std::string DocumentKeyReader::documentRevisionDisplay() const
{
    return documentRevisionValid() ? proxy::LocalText(DbTimestamp(documentRevision()), &DbTimestamp::toLocalRfcString)
                                   : std::string();
}

std::string DocumentKeyReader::documentRevisionToolTip() const
{
    return documentRevisionValid()
               ? proxy::LocalText(DbTimestamp(documentRevision()), &DbTimestamp::toLocalDisplayString)
               : std::string();
}

bool operator==(const DocumentKeyReader& left, const DocumentKeyReader& right)
{
    return left.sameKey(right) && left.documentRevision() == right.documentRevision();
}

bool operator!=(const DocumentKeyReader& left, const DocumentKeyReader& right)
{
    return !(left == right);
}
