#include "library/core/proxy/folderkeyreader.h"

#include "library/common/assertion.h"

FolderKeyReader::FolderKeyReader(const zarv::data::FolderKey& key)
    : KeyReaderBase(key)
{}

int FolderKeyReader::folderId() const
{
    return parentId();
}

std::string FolderKeyReader::folderName() const
{
    return parentName();
}

std::string FolderKeyReader::expirationDateDisplay() const
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
    return timestamp.toRfcString();
}

bool operator==(const FolderKeyReader& left, const FolderKeyReader& right)
{
    return left.sameKey(right);
}

bool operator!=(const FolderKeyReader& left, const FolderKeyReader& right)
{
    return !(left == right);
}
