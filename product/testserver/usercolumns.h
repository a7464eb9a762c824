#pragma once

// A user's record as the 22 texts of the log-on reply, in reply order: each
// named as its reply field without the "encrypted_" prefix. Numbers are
// decimal (0 when unset), texts as they are (empty when unset).

#include <cstddef>
#include <string>
#include <vector>

namespace zarv::data {
class User;
}

namespace testserver {

struct Column
{
    const char* name;
    std::string text;
};

std::vector<Column> UserColumns(const zarv::data::User& user);

// The longest text that RSA-2048 with PKCS#1 v1.5 padding can seal.
constexpr std::size_t MaxSealedLength = 245;

}  // namespace testserver
