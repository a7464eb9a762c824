#include "library/core/proxy/folderkeywriter.h"

#include "library/core/proxy/folderkeyreader.h"

FolderKeyWriter::FolderKeyWriter(zarv::data::FolderKey& key)
    : KeyWriterBase(key)
{}

FolderKeyWriter& FolderKeyWriter::operator=(const FolderKeyReader& reader)
{
    assign(reader);
    return *this;
}

void FolderKeyWriter::setFolderId(int id)
{
    key().mutable_folder_key_folder()->set_folder_id(id);
}

void FolderKeyWriter::setFolderName(const std::string& name)
{
    key().mutable_folder_key_folder()->set_folder_name(name);
}

void FolderKeyWriter::setCreationDate(const std::string& date)
{
    key().set_folder_key_creation_date(date);
}

void FolderKeyWriter::setExpirationDate(const std::string& date)
{
    descriptor().set_expiration_date(date);
}

void FolderKeyWriter::setExpirationAction(FolderKeyProxy::ExpirationAction action)
{
    descriptor().set_expiration_action(action);
}

void FolderKeyWriter::setActive(bool on)
{
    setActive(ActiveStatus, on);
}
