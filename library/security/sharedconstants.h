#pragma once

// Constants that the client and the server must agree on. The server keeps the
// user-name and password hashes made with these salts, so changing a salt locks
// every existing account out. This header has no dependencies so that the test
// server can include it on its own.

#include <cstddef>

// Appended to a user name before SHA-256 (HashUserName). Used as text.
inline constexpr char HashUserNameSalt[] = "FFC95226FBC641B9A57889CA22605615";

// Appended to a password or passcode before SHA-256 (HashPassword). Used as text.
inline constexpr char HashPasswordSalt[] = "944F1BFCD1CC57CCDC5EF414A46E7EAA";

// The HMAC-SHA1 key of HashMessage: its 32 characters are the key bytes.
inline constexpr char HashMessageKey[] = "6B4EC9D53FA3452A77CF70807E0512B7";

// The AES-128 session key of every frame body.
inline constexpr std::size_t AES_EKEY_BLOCK_SIZE = 16;

// The frame's IV block: 16 bytes, of which AES-128-GCM uses the first 12.
inline constexpr std::size_t AES_IVEC_BLOCK_SIZE = 16;
inline constexpr std::size_t AES_GCM_NONCE_SIZE = 12;

// The frame's authentication tag block.
inline constexpr std::size_t AES_ATAG_BLOCK_SIZE = 16;
