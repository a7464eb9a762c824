#pragma once

#include "library/core/proxy/folderkeyproxy.h"
#include "library/core/proxy/keyfields.h"
#include "library/core/proxy/keywriter.h"

#include <string>

class FolderKeyReader;

// Write access to a folder key. Dates are stored as given: the caller passes
// the database form of a timestamp.
class FolderKeyWriter : public proxy::KeyWriterBase<FolderKeyProxy, proxy::FolderKeyFields>
{
public:
    explicit FolderKeyWriter(zarv::data::FolderKey& key);
    ~FolderKeyWriter() override = default;

    // The whole key becomes a copy of the reader's record.
    FolderKeyWriter& operator=(const FolderKeyReader& reader);

    void setFolderId(int id);
    void setFolderName(const std::string& name);
    void setCreationDate(const std::string& date);
    void setExpirationDate(const std::string& date);
    void setExpirationAction(FolderKeyProxy::ExpirationAction action);

    using KeyWriterBase::setActive;
    // Switches the key itself on or off (bit 0 of the active word).
    void setActive(bool on);
};
