#pragma once

#include <optional>
#include <string>

// How the client writes a person's name: "First Middle Last" or "First Last",
// and alphabetically "Last, First Middle" or "Last, First". The name parts are
// inserted unchanged, without trimming.
namespace proxy {

// A name part as a record holds it: absent, or present with a text that may be
// empty.
using NamePart = std::optional<std::string>;

// Decided by presence: empty when the last or the first name is absent; the
// middle name is used whenever it is present, even when it is empty.
std::string FormatDisplayName(const NamePart& lastName, const NamePart& firstName, const NamePart& middleName);
std::string
FormatDisplayNameAlphabetical(const NamePart& lastName, const NamePart& firstName, const NamePart& middleName);

// Decided by the text: an empty name part counts as absent.
std::string
GetUserDisplayName(const std::string& lastName, const std::string& firstName, const std::string& middleName);
std::string GetUserDisplayNameAlphabetical(const std::string& lastName,
                                           const std::string& firstName,
                                           const std::string& middleName);

}  // namespace proxy
