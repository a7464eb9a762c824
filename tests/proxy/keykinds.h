#pragma once

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/documentkeyvalidator.h"
#include "library/core/proxy/documentkeywriter.h"
#include "library/core/proxy/folderkeyreader.h"
#include "library/core/proxy/folderkeyvalidator.h"
#include "library/core/proxy/folderkeywriter.h"

#include <gtest/gtest.h>

#include <string>

namespace proxytest {

// What the typed tests need to know of each kind of key.
struct DocumentKeyKind
{
    using Record = zarv::data::DocumentKey;
    using Proxy = DocumentKeyProxy;
    using Reader = DocumentKeyReader;
    using Writer = DocumentKeyWriter;
    using Validator = DocumentKeyValidator;
    static constexpr int m_PermissionBits = 12;

    static Writer writer(Record& key) { return Writer(key, DocumentKeyProxy::NoInitialization); }
    static zarv::data::SecurityDescriptor& descriptor(Record& key)
    {
        return *key.mutable_document_key_security_descriptor();
    }
    static zarv::data::User& user(Record& key) { return *key.mutable_document_key_user(); }
    static zarv::data::User& owner(Record& key) { return *key.mutable_document_key_owner(); }
    static void setParent(Record& key, int id, const std::string& name)
    {
        key.mutable_document_key_document()->set_document_id(id);
        key.mutable_document_key_document()->set_document_name(name);
    }
    static void setDescription(Record& key, const std::string& text) { key.set_document_key_description(text); }
    static void setProperties(Record& key, int word) { key.set_document_key_properties(word); }
    static void setCreationDate(Record& key, const std::string& text) { key.set_document_key_creation_date(text); }
    static int parentId(const Reader& reader) { return reader.documentId(); }
    static std::string parentName(const Reader& reader) { return reader.documentName(); }
};

struct FolderKeyKind
{
    using Record = zarv::data::FolderKey;
    using Proxy = FolderKeyProxy;
    using Reader = FolderKeyReader;
    using Writer = FolderKeyWriter;
    using Validator = FolderKeyValidator;
    static constexpr int m_PermissionBits = 7;

    static Writer writer(Record& key) { return Writer(key); }
    static zarv::data::SecurityDescriptor& descriptor(Record& key)
    {
        return *key.mutable_folder_key_security_descriptor();
    }
    static zarv::data::User& user(Record& key) { return *key.mutable_folder_key_user(); }
    static zarv::data::User& owner(Record& key) { return *key.mutable_folder_key_owner(); }
    static void setParent(Record& key, int id, const std::string& name)
    {
        key.mutable_folder_key_folder()->set_folder_id(id);
        key.mutable_folder_key_folder()->set_folder_name(name);
    }
    static void setDescription(Record& key, const std::string& text) { key.set_folder_key_description(text); }
    static void setProperties(Record& key, int word) { key.set_folder_key_properties(word); }
    static void setCreationDate(Record& key, const std::string& text) { key.set_folder_key_creation_date(text); }
    static int parentId(const Reader& reader) { return reader.folderId(); }
    static std::string parentName(const Reader& reader) { return reader.folderName(); }
};

using KeyKinds = ::testing::Types<DocumentKeyKind, FolderKeyKind>;

inline void
FillUser(zarv::data::User& user, int id, const std::string& last, const std::string& first, const std::string& middle)
{
    user.set_user_id(id);
    user.set_user_last_name(last);
    user.set_user_first_name(first);
    user.set_user_middle_name(middle);
}

// A key with every field that the readers and writers know present and
// none of them at its null value.
template <class Kind>
typename Kind::Record FullKey()
{
    typename Kind::Record key;
    Kind::setParent(key, 41, "Plans");
    FillUser(Kind::user(key), 7, "Cole", "Ann", "B.");
    FillUser(Kind::owner(key), 9, "Smith", "Bob", "");
    Kind::setDescription(key, "for review");
    Kind::setProperties(key, 1);
    Kind::setCreationDate(key, "2029-05-01 08:00:00");
    zarv::data::SecurityDescriptor& descriptor = Kind::descriptor(key);
    descriptor.set_active(0xFFFFF);
    descriptor.set_active_region("America/Bogota");
    descriptor.set_active_from("09:00:00");
    descriptor.set_active_to("17:00:00");
    descriptor.set_audits(0x802);
    descriptor.set_password("ABCDEF");
    descriptor.set_permissions(0xFFF);
    descriptor.set_session_duration(3600);
    descriptor.set_expiration_date("2031-01-01 00:00:00");
    descriptor.set_expiration_action(1);
    return key;
}

}  // namespace proxytest
