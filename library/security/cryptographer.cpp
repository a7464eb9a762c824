#include "library/security/cryptographer.h"

#include "library/security/hash.h"
#include "library/security/sharedconstants.h"

#include <openssl/crypto.h>

#include <algorithm>

Cryptographer::Cryptographer()
    : m_ekey(new unsigned char[AES_EKEY_BLOCK_SIZE]())
{}

Cryptographer::~Cryptographer()
{
    OPENSSL_cleanse(m_ekey.get(), AES_EKEY_BLOCK_SIZE);
}

unsigned char* Cryptographer::getEkey()
{
    return m_ekey.get();
}

void Cryptographer::clear()
{
    OPENSSL_cleanse(m_ekey.get(), AES_EKEY_BLOCK_SIZE);
}

bool Cryptographer::isClear() const
{
    return std::all_of(m_ekey.get(), m_ekey.get() + AES_EKEY_BLOCK_SIZE, [](unsigned char byte) { return byte == 0; });
}

std::string Cryptographer::hashUserName(const std::string& userName) const
{
    return HashUserName(userName);
}

std::string Cryptographer::hashPassword(const std::string& password) const
{
    return HashPassword(password);
}

std::string Cryptographer::encodePassword(const std::string& passwordHash) const
{
    return EncodePassword(passwordHash);
}

bool Cryptographer::decodePassword(const std::string& passwordHash, const std::string& storedPassword) const
{
    return DecodePassword(passwordHash, storedPassword);
}

std::string Cryptographer::hashMessage(const std::string& data) const
{
    return HashMessage(data);
}
