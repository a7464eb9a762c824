#pragma once

// The server's halves of the log-on key pairs: its own private key, which
// opens the fields of a log-on request, and the client's public key, which
// seals the fields of the reply (RSA with PKCS#1 v1.5 padding).

#include <openssl/evp.h>

#include <memory>
#include <optional>
#include <string>

namespace testserver {

class LogonKeys
{
public:
    // Reads server-private-key.pem and client-public-key.pem from the folder.
    // Returns nothing, with the reason in `error`, when either does not load.
    static std::optional<LogonKeys> Load(const std::string& folder, std::string& error);

    // Decrypts one field with the server's private key; nothing when it does
    // not decrypt.
    std::optional<std::string> open(const std::string& cipherText) const;

    // Encrypts one value with the client's public key; nothing when it does
    // not fit the key (at most 245 bytes for a 2048-bit key).
    std::optional<std::string> seal(const std::string& plainText) const;

private:
    struct KeyFree
    {
        void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
    };
    using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

    LogonKeys(Key serverPrivateKey, Key clientPublicKey);

    Key m_serverPrivateKey;
    Key m_clientPublicKey;
};

}  // namespace testserver
