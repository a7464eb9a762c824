#pragma once

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <cstddef>
#include <string>

// Where the key readers and writers find the fields that document keys and
// folder keys have in common. A getter of an absent field gives the generated
// default (0, the empty text, an empty record), which is the null value of
// everything but the ids.
namespace proxy {

struct DocumentKeyFields
{
    using Record = zarv::data::DocumentKey;

    // Permission bits 0 to 11 have a meaning for a document key.
    static constexpr std::size_t m_PermissionBits = 12;

    static bool hasParentId(const Record& key) { return key.document_key_document().has_document_id(); }
    static int parentId(const Record& key) { return key.document_key_document().document_id(); }
    static const std::string& parentName(const Record& key) { return key.document_key_document().document_name(); }
    static const zarv::data::User& user(const Record& key) { return key.document_key_user(); }
    static const zarv::data::User& owner(const Record& key) { return key.document_key_owner(); }
    static const std::string& description(const Record& key) { return key.document_key_description(); }
    static int properties(const Record& key) { return key.document_key_properties(); }
    static const std::string& creationDate(const Record& key) { return key.document_key_creation_date(); }
    static const zarv::data::SecurityDescriptor& descriptor(const Record& key)
    {
        return key.document_key_security_descriptor();
    }

    static zarv::data::User& mutableUser(Record& key) { return *key.mutable_document_key_user(); }
    static zarv::data::SecurityDescriptor& mutableDescriptor(Record& key)
    {
        return *key.mutable_document_key_security_descriptor();
    }
    static void setDescription(Record& key, const std::string& text) { key.set_document_key_description(text); }
    static void setProperties(Record& key, int word) { key.set_document_key_properties(word); }
};

struct FolderKeyFields
{
    using Record = zarv::data::FolderKey;

    // Permission bits 0 to 6 have a meaning for a folder key.
    static constexpr std::size_t m_PermissionBits = 7;

    static bool hasParentId(const Record& key) { return key.folder_key_folder().has_folder_id(); }
    static int parentId(const Record& key) { return key.folder_key_folder().folder_id(); }
    static const std::string& parentName(const Record& key) { return key.folder_key_folder().folder_name(); }
    static const zarv::data::User& user(const Record& key) { return key.folder_key_user(); }
    static const zarv::data::User& owner(const Record& key) { return key.folder_key_owner(); }
    static const std::string& description(const Record& key) { return key.folder_key_description(); }
    static int properties(const Record& key) { return key.folder_key_properties(); }
    static const std::string& creationDate(const Record& key) { return key.folder_key_creation_date(); }
    static const zarv::data::SecurityDescriptor& descriptor(const Record& key)
    {
        return key.folder_key_security_descriptor();
    }

    static zarv::data::User& mutableUser(Record& key) { return *key.mutable_folder_key_user(); }
    static zarv::data::SecurityDescriptor& mutableDescriptor(Record& key)
    {
        return *key.mutable_folder_key_security_descriptor();
    }
    static void setDescription(Record& key, const std::string& text) { key.set_folder_key_description(text); }
    static void setProperties(Record& key, int word) { key.set_folder_key_properties(word); }
};

}  // namespace proxy
