#pragma once

// What the server side of the log-on does, written straight on OpenSSL so that
// the tests do not check the client's code with itself, and small fixtures for
// key files and the environment.

#include "tests/support/scopedenvironmentvariable.h"

#include <string>
#include <vector>

namespace testkeys {

// The test server's halves of the two key pairs.
std::string ServerPrivateKeyPem();
std::string ClientPublicKeyPem();
std::string ServerPrivateKeyFile();
std::string ClientPublicKeyFile();

// RSA with PKCS#1 v1.5 padding; the decryption returns "<failed>" when it fails.
std::string RsaEncrypt(const std::string& publicKeyPem, const std::string& plainText);
std::string RsaDecrypt(const std::string& privateKeyPem, const std::string& cipherText);

// The PEM text of a private key encrypted under the passphrase.
std::string EncryptedPrivateKeyPem(const std::string& privateKeyPem, const std::string& passphrase);

std::vector<unsigned char> FromHex(const std::string& hex);

// A file with the given content, removed again when the object goes.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& content);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Unsets the three key variables while it lives and restores them afterwards.
class KeyEnvironment
{
public:
    KeyEnvironment();

    void setPrivateKeyFile(const std::string& path);
    void setPublicKeyFile(const std::string& path);
    void setPassphrase(const std::string& passphrase);

private:
    testsupport::ScopedEnvironmentVariable m_privateKeyFile;
    testsupport::ScopedEnvironmentVariable m_publicKeyFile;
    testsupport::ScopedEnvironmentVariable m_passphrase;
};

}  // namespace testkeys
