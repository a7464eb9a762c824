#pragma once

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <memory>
#include <string>

// Owns the 16-byte session key of the process and offers the hashing and
// password operations to the rest of the client. One instance per process:
// ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance().
//
// All sixteen bytes zero is the clear state (no session); frames are then
// still encrypted, under the all-zero key.
class Cryptographer
{
public:
    Cryptographer();
    virtual ~Cryptographer();
    Cryptographer(const Cryptographer&) = delete;
    Cryptographer& operator=(const Cryptographer&) = delete;

    // The 16 session-key bytes: the log-on writes a new key here and every
    // frame reads it.
    unsigned char* getEkey();
    void clear();
    bool isClear() const;

    std::string hashUserName(const std::string& userName) const;
    std::string hashPassword(const std::string& password) const;
    std::string encodePassword(const std::string& passwordHash) const;
    bool decodePassword(const std::string& passwordHash, const std::string& storedPassword) const;
    std::string hashMessage(const std::string& data) const;

private:
    std::unique_ptr<unsigned char[]> m_ekey;
};
