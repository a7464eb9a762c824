#pragma once

#include <cstddef>

// AES-128 in counter mode. The key is 16 bytes. The counter block is the first
// 8 bytes of the IV followed by 8 zero bytes, counted up by one for every
// 16-byte block; the IV's other bytes do not enter the cipher. Encrypting the
// cipher text again restores the plain text. Output and input are equally long.
//
// OpenSSL failures throw OpenSSLRuntimeError named after the failed call.
void AesCtrEncrypt(const unsigned char* input,
                   unsigned char* output,
                   std::size_t length,
                   const unsigned char* key,
                   const unsigned char* ivec);
void AesCtrEncrypt(const char* input,
                   unsigned char* output,
                   std::size_t length,
                   const unsigned char* key,
                   const unsigned char* ivec);
