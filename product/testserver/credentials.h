#pragma once

// The forms in which the server keeps log-on names and passwords: salted
// SHA-256 hashes in upper-case hex, and a password's stored form (a random
// salt followed by PBKDF2-HMAC-SHA1 of the password hash).

#include <cstddef>
#include <string>

namespace testserver {

// Upper-case hex, high half of each byte first.
std::string Hex(const unsigned char* bytes, std::size_t length);

// Decodes exactly `length` bytes from 2 * `length` hex digits of either case.
bool FromHex(const std::string& hex, unsigned char* bytes, std::size_t length);

// SHA-256 of the name followed by the user-name salt.
std::string UserNameHash(const std::string& userName);

// SHA-256 of the password followed by the password salt.
std::string PasswordHash(const std::string& password);

// 32 hex characters of a fresh salt, then 32 of PBKDF2 over the password hash.
std::string StoredPassword(const std::string& passwordHash);

// True when the stored form was made from this password hash; false for a
// hash or stored form of the wrong length.
bool PasswordMatches(const std::string& passwordHash, const std::string& storedPassword);

}  // namespace testserver
