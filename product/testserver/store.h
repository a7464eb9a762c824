#pragma once

// The test server's data, held in memory for the life of the process: loaded
// from a fixture file, read and changed by the operations.

#include "fixture.pb.h"

#include <optional>
#include <string>
#include <vector>

namespace zarv::data {
class Dictionary;
class Document;
class User;
}  // namespace zarv::data

namespace testserver {

// The current UTC time in database form, "YYYY-MM-DD hh:mm:ss".
std::string DatabaseNow();

class Store
{
public:
    // Reads a fixture file in protobuf text format and checks it. Returns
    // nothing, with every fault found in `error` (one per line), when the text
    // does not parse or the data is not usable.
    static std::optional<Store> Load(const std::string& path, std::string& error);
    static std::optional<Store> Parse(const std::string& text, std::string& error);

    // The user whose stored user name is this hash, or null.
    const zarv::data::User* findUserByNameHash(const std::string& userNameHash) const;
    const zarv::data::User* findUser(int userId) const;

    // The user's dictionary as records, in the order the words were added.
    std::vector<zarv::data::Dictionary> words(int userId) const;
    // Adds a word to the user's dictionary unless it is there already.
    void addWord(int userId, const std::string& word);

    // The current record of every document that is not deleted, one per
    // document id, in fixture order. A document's records are its revisions:
    // the current one has no sys_period or one without an end; a document
    // whose every record has ended is deleted.
    std::vector<const zarv::data::Document*> currentDocuments() const;

    // Every record, for the operations that read or change them.
    const quenlark::testserver::Fixture& data() const { return m_data; }
    quenlark::testserver::Fixture& data() { return m_data; }

private:
    explicit Store(quenlark::testserver::Fixture data);

    quenlark::testserver::Account* findAccount(int userId);
    const quenlark::testserver::Account* findAccount(int userId) const;

    quenlark::testserver::Fixture m_data;
};

}  // namespace testserver
