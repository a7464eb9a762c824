#pragma once

#include <string>

// How the client writes a person's name. Empty when the last or the first
// name is empty text; the middle name is used only when it is not empty.
namespace proxy {

// "First Middle Last" or "First Last".
std::string
GetUserDisplayName(const std::string& lastName, const std::string& firstName, const std::string& middleName);
// "Last, First Middle" or "Last, First".
std::string GetUserDisplayNameAlphabetical(const std::string& lastName,
                                           const std::string& firstName,
                                           const std::string& middleName);

}  // namespace proxy
