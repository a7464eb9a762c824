#pragma once

#include <openssl/evp.h>

#include <memory>

// What the cipher functions share: a cipher context that frees itself, and
// ciphers fetched once for the process (an implicit fetch on every
// initialisation costs more than sealing a small frame).

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

// Throws OpenSSLRuntimeError("EVP_CIPHER_CTX_new") when no context can be made.
CipherContext NewCipherContext();

// Both throw OpenSSLRuntimeError("EVP_CIPHER_fetch") when the cipher is not available.
const EVP_CIPHER* Aes128Gcm();
const EVP_CIPHER* Aes128Ctr();
