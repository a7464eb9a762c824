#pragma once

#include "library/network/messageatag.h"
#include "library/network/messagebody.h"
#include "library/network/messagechannel.h"
#include "library/network/messagecode.h"
#include "library/network/messageheader.h"
#include "library/network/messagehmac.h"
#include "library/network/messageivec.h"

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

class ACE_Message_Block;

// One frame: the 80-byte header, then the HMAC, IV, tag, code and body
// blocks. A request is built, encrypted and sent; the reply is received into
// the same object and decrypted, so afterwards every field holds the reply's
// value (the user id excepted, which never travels).
//
// The header travels as twenty 32-bit CDR fields, little-endian (byte order
// 1). A reply may be big-endian (byte order 0). A reply whose IV or tag is not
// 16 bytes, or whose HMAC, code or body is longer than its limit, is refused
// before any block is read.
class Message : public MessageHeader,
                public MessageHmac,
                public MessageIvec,
                public MessageAtag,
                public MessageCode,
                public MessageBody,
                public MessageChannel
{
public:
    Message(unsigned short port,
            const char* host,
            std::chrono::milliseconds timeout = MessageChannel::m_DefaultTimeout);
    ~Message() override;

    // Moves the body into the code block under AES-128-GCM with a fresh IV; a
    // null key is the all-zero key. Returns the cipher-text length, or 1 for
    // an empty body (nothing changes then). Throws OpenSSLRuntimeError.
    int encrypt(const unsigned char* key);
    // Moves the code block into the body. Returns the plain-text length, 1
    // for an empty code block (nothing changes then), or -1 when the tag does
    // not authenticate the code (the body is untouched). Throws
    // OpenSSLRuntimeError.
    int decrypt(const unsigned char* key);

    // Header and blocks in one gather write: the bytes written, or -1.
    ssize_t send();
    // A whole frame, header first, stopping at the first part that fails:
    // 0 or -1.
    int receive();
    // 80, or -1 when fewer bytes arrive or a block length is refused; the
    // header is then left as it was. A received error code 1 reads as 0.
    ssize_t receiveHeader();
    // Each reads its block of the length that the header gave: the bytes
    // read, or -1 when fewer arrive (the block is then left as it was).
    ssize_t receiveHmac();
    ssize_t receiveIvec();
    ssize_t receiveAtag();
    ssize_t receiveCode();
    ssize_t receiveBody();

    // 0 when `hmac` is not empty and equals the HMAC block, else -1.
    int certifyHmac(const std::string& hmac) const;

private:
    // Reads up to `length` bytes into `buffer` through a message block over
    // it, whose length is then the count that arrived.
    std::unique_ptr<ACE_Message_Block> receiveBlock(void* buffer, std::size_t length);
};
