#pragma once

#include <cstddef>
#include <string>

// Hashes and the stored form of passwords. Every result is upper-case
// hexadecimal ("0123456789ABCDEF"), two characters per byte, high half first.
//
// The raw-buffer forms that take the length of a text count a terminating NUL
// in that length: they process length - 1 bytes (none for a length of 0).
// OpenSSL failures throw OpenSSLRuntimeError named after the failed call;
// wrong lengths throw CryptoLengthError.

// SHA-256 of the text, 64 characters.
std::string HashText(const char* text, std::size_t length);
std::string HashText(const std::string& text);

// SHA-256 of the user name followed by the user-name salt, 64 characters.
std::string HashUserName(const std::string& userName);

// SHA-256 of the password or passcode followed by the password salt, 64 characters.
std::string HashPassword(const std::string& password);

// PBKDF2-HMAC-SHA1 of the password under the salt; twice outputLength characters.
std::string HashPassword(const char* password,
                         std::size_t passwordLength,
                         const unsigned char* salt,
                         std::size_t saltLength,
                         int iterations,
                         int outputLength);
// The same with 4096 iterations and 16 bytes of output (32 characters).
std::string
HashPassword(const char* password, std::size_t passwordLength, const unsigned char* salt, std::size_t saltLength);
std::string HashPassword(const std::string& password, const std::string& salt);

// The 64-character stored form of a 64-character password hash: 16 fresh
// random bytes as 32 characters (the salt), then the PBKDF2 value of the hash
// under those 32 salt characters. Throws CryptoLengthError("bad pass size")
// for a hash of another length.
std::string EncodePassword(const std::string& passwordHash);

// True when the stored form belongs to the password hash. Throws
// CryptoLengthError("bad pass size") for a hash that is not 64 characters,
// then ("bad key size") for a stored form that is not 64 characters.
bool DecodePassword(const std::string& passwordHash, const std::string& storedPassword);

// SHA-1 of a web-page address, 40 characters.
std::string HashUrl(const std::string& url);

// HMAC-SHA1 of the data under the key, 40 characters.
std::string HashMessage(const unsigned char* data, std::size_t dataLength, const char* key, int keyLength);
// The same under the built-in message-hash key.
std::string HashMessage(const unsigned char* data, std::size_t dataLength);
std::string HashMessage(const std::string& data);
