#pragma once

#include <cstddef>

// The session cipher: AES-128-GCM over a whole buffer, without additional
// authenticated data. The key is 16 bytes. The IV buffer is 16 bytes but only
// its first 12 enter the cipher (GCM's default IV length); the frame sends all
// 16. The tag is 16 bytes. Cipher text and plain text are equally long.
//
// OpenSSL failures throw OpenSSLRuntimeError named after the failed call.

// Returns the bytes of cipher text written (the length) and writes the tag.
int AesGcmEncrypt(const unsigned char* plaintext,
                  unsigned char* ciphertext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  unsigned char* atag);
int AesGcmEncrypt(const char* plaintext,
                  unsigned char* ciphertext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  unsigned char* atag);

// Returns the bytes of plain text written, or -1 when the tag does not
// authenticate the cipher text, key and IV; the plain-text buffer is then
// wiped, so nothing unauthenticated is left in it.
int AesGcmDecrypt(const unsigned char* ciphertext,
                  unsigned char* plaintext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  const unsigned char* atag);
int AesGcmDecrypt(const unsigned char* ciphertext,
                  char* plaintext,
                  std::size_t length,
                  const unsigned char* key,
                  const unsigned char* ivec,
                  const unsigned char* atag);
