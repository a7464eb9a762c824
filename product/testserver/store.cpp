#include "product/testserver/store.h"

#include "product/testserver/credentials.h"
#include "product/testserver/sessioncipher.h"
#include "product/testserver/usercolumns.h"

#include "dictionary3.pb.h"
#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "user3.pb.h"

#include <google/protobuf/io/tokenizer.h>
#include <google/protobuf/text_format.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

namespace testserver {
namespace {

using quenlark::testserver::Account;
using quenlark::testserver::Fixture;

class ParseErrors : public google::protobuf::io::ErrorCollector
{
public:
    void AddError(int line, google::protobuf::io::ColumnNumber column, const std::string& message) override
    {
        m_text += "line " + std::to_string(line + 1) + ", column " + std::to_string(column + 1) + ": " + message + "\n";
    }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// Checks an account and turns its clear name and password into the forms the
// server keeps.
void PrepareAccount(Account& account, std::set<int>& userIds, std::set<std::string>& names, std::string& error)
{
    zarv::data::User& user = *account.mutable_record();
    const std::string which = "account \"" + account.name() + "\": ";
    if (account.name().empty()) {
        error += "an account has no name\n";
    }
    if (account.password().empty()) {
        error += which + "no password\n";
    }
    if (!user.has_user_id() || user.user_id() == INT_MIN) {
        error += which + "no record.user_id\n";
    } else if (!userIds.insert(user.user_id()).second) {
        error += which + "user id " + std::to_string(user.user_id()) + " is taken\n";
    }
    if (!names.insert(account.name()).second) {
        error += which + "the name is taken\n";
    }
    if (user.has_user_name() || user.user_security_descriptor().has_password()) {
        error += which + "record.user_name and the descriptor's password come from name and password\n";
    }
    user.set_user_name(UserNameHash(account.name()));
    user.mutable_user_security_descriptor()->set_password(StoredPassword(PasswordHash(account.password())));
    for (const Column& column : UserColumns(user)) {
        if (column.text.size() > MaxSealedLength) {
            error += which + column.name + " is longer than " + std::to_string(MaxSealedLength) + " bytes\n";
        }
    }
}

// A key's passcode stands in clear in the fixture; the server keeps it in the
// stored form that the client checks a typed passcode against.
void EncodePasscode(zarv::data::SecurityDescriptor& rules)
{
    if (!rules.password().empty()) {
        rules.set_password(StoredPassword(PasswordHash(rules.password())));
    }
}

void CheckOpenSessions(const Fixture& data, const std::set<int>& userIds, std::string& error)
{
    std::set<int> sessionIds;
    for (const auto& session : data.open_session()) {
        const std::string which = "open session " + std::to_string(session.session_id()) + ": ";
        SessionKey key;
        if (session.session_id() == INT_MIN || !sessionIds.insert(session.session_id()).second) {
            error += which + "the id is null or taken\n";
        }
        if (userIds.count(session.user_id()) == 0) {
            error += which + "no account has user id " + std::to_string(session.user_id()) + "\n";
        }
        if (!FromHex(session.key(), key.data(), key.size())) {
            error += which + "the key is not 32 hexadecimal digits\n";
        }
    }
}

}  // namespace

Store::Store(Fixture data)
    : m_data(std::move(data))
{}

std::optional<Store> Store::Load(const std::string& path, std::string& error)
{
    std::ifstream file(path);
    if (!file) {
        error = "cannot read the fixture " + path + "\n";
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::optional<Store> store = Parse(text.str(), error);
    if (!store) {
        error = path + ":\n" + error;
    }
    return store;
}

std::optional<Store> Store::Parse(const std::string& text, std::string& error)
{
    Fixture data;
    ParseErrors parseErrors;
    google::protobuf::TextFormat::Parser parser;
    parser.RecordErrorsTo(&parseErrors);
    if (!parser.ParseFromString(text, &data)) {
        error = parseErrors.text();
        return std::nullopt;
    }
    error.clear();
    std::set<int> userIds;
    std::set<std::string> names;
    for (Account& account : *data.mutable_account()) {
        PrepareAccount(account, userIds, names, error);
    }
    CheckOpenSessions(data, userIds, error);
    for (zarv::data::DocumentKey& key : *data.mutable_document_key()) {
        if (key.has_document_key_security_descriptor()) {
            EncodePasscode(*key.mutable_document_key_security_descriptor());
        }
    }
    for (zarv::data::FolderKey& key : *data.mutable_folder_key()) {
        if (key.has_folder_key_security_descriptor()) {
            EncodePasscode(*key.mutable_folder_key_security_descriptor());
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    return Store(std::move(data));
}

const zarv::data::User* Store::findUserByNameHash(const std::string& userNameHash) const
{
    for (const Account& account : m_data.account()) {
        if (account.record().user_name() == userNameHash) {
            return &account.record();
        }
    }
    return nullptr;
}

const zarv::data::User* Store::findUser(int userId) const
{
    const Account* account = findAccount(userId);
    return account ? &account->record() : nullptr;
}

std::vector<zarv::data::Dictionary> Store::words(int userId) const
{
    std::vector<zarv::data::Dictionary> records;
    if (const Account* account = findAccount(userId)) {
        for (const std::string& word : account->word()) {
            zarv::data::Dictionary& record = records.emplace_back();
            record.set_dictionary_user_id(userId);
            record.set_dictionary_word(word);
            record.set_dictionary_description("");
            record.set_dictionary_definition("");
            record.set_dictionary_access(0);
        }
    }
    return records;
}

void Store::addWord(int userId, const std::string& word)
{
    Account* account = findAccount(userId);
    if (account && std::find(account->word().begin(), account->word().end(), word) == account->word().end()) {
        account->add_word(word);
    }
}

const Account* Store::findAccount(int userId) const
{
    for (const Account& account : m_data.account()) {
        if (account.record().user_id() == userId) {
            return &account;
        }
    }
    return nullptr;
}

Account* Store::findAccount(int userId)
{
    return const_cast<Account*>(std::as_const(*this).findAccount(userId));
}

std::vector<const zarv::data::Document*> Store::currentDocuments() const
{
    std::vector<const zarv::data::Document*> documents;
    std::set<int> listed;
    for (const zarv::data::Document& record : m_data.document()) {
        const bool current = !record.has_sys_period() || !record.sys_period().has_to();
        if (current && listed.insert(record.document_id()).second) {
            documents.push_back(&record);
        }
    }
    return documents;
}

}  // namespace testserver
