#pragma once

#include "library/core/proxy/folderkeyproxy.h"
#include "library/core/proxy/keyfields.h"
#include "library/core/proxy/keyreader.h"

#include <string>

// Read access to a folder key: the folder, holder, owner and rules of the
// key, as values and as display texts.
class FolderKeyReader : public proxy::KeyReaderBase<FolderKeyProxy, proxy::FolderKeyFields>
{
public:
    explicit FolderKeyReader(const zarv::data::FolderKey& key);
    ~FolderKeyReader() override = default;

    int folderId() const;
    std::string folderName() const;

    // The stored expiration day and time as they stand, without a fraction
    // of a second; empty when absent.
    std::string expirationDateDisplay() const;

    friend bool operator==(const FolderKeyReader& left, const FolderKeyReader& right);
};

bool operator!=(const FolderKeyReader& left, const FolderKeyReader& right);
