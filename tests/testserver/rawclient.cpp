#include "tests/testserver/rawclient.h"

#include "library/security/aesgcm.h"
#include "library/security/clientauthenticationcontext.h"
#include "library/security/hash.h"
#include "library/security/randombytes.h"

#include "authenticateuserrequest3.pb.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rawclient {
namespace {

constexpr std::size_t HeaderLength = 80;

const unsigned char* Bytes(const std::string& text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

void SetField(std::string& frame, HeaderField field, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        frame[4 * field + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint32_t Field(const std::string& frame, HeaderField field)
{
    const bool bigEndian = !(frame[0] == 1 && frame[1] == 0 && frame[2] == 0 && frame[3] == 0);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 8 * (3 - i) : 8 * i;
        value |= std::uint32_t{static_cast<unsigned char>(frame.at(4 * field + i))} << shift;
    }
    return value;
}

int SignedField(const std::string& frame, HeaderField field)
{
    return static_cast<int>(Field(frame, field));
}

std::string Request(int majorOpcode, int minorOpcode, int sessionId, const std::string& payload, const Key& key)
{
    std::string frame(HeaderLength, '\0');
    const std::uint32_t values[] = {1,
                                    static_cast<std::uint32_t>(sessionId),
                                    0,
                                    1,
                                    0,
                                    static_cast<std::uint32_t>(majorOpcode),
                                    static_cast<std::uint32_t>(minorOpcode),
                                    1,
                                    1,
                                    2025,
                                    1,
                                    2,
                                    3,
                                    4,
                                    5,
                                    0,
                                    16,
                                    16,
                                    static_cast<std::uint32_t>(payload.size()),
                                    0};
    for (int field = ByteOrder; field <= BodyLength; ++field) {
        SetField(frame, static_cast<HeaderField>(field), values[field]);
    }
    unsigned char ivec[16] = {};
    unsigned char atag[16] = {};
    std::string code(payload.size(), '\0');
    if (!payload.empty()) {
        RandomBytes(ivec, sizeof ivec);
        AesGcmEncrypt(Bytes(payload), reinterpret_cast<unsigned char*>(code.data()), payload.size(), key.data(), ivec,
                      atag);
    }
    return frame + std::string(reinterpret_cast<char*>(ivec), 16) + std::string(reinterpret_cast<char*>(atag), 16)
           + code;
}

std::optional<Blocks> Split(const std::string& frame)
{
    if (frame.size() < HeaderLength) {
        return std::nullopt;
    }
    Blocks blocks;
    std::size_t offset = HeaderLength;
    for (auto [field, block] :
         {std::pair{HmacLength, &blocks.hmac}, std::pair{IvecLength, &blocks.ivec}, std::pair{AtagLength, &blocks.atag},
          std::pair{CodeLength, &blocks.code}, std::pair{BodyLength, &blocks.body}}) {
        const std::size_t length = Field(frame, field);
        if (frame.size() - offset < length) {
            return std::nullopt;
        }
        *block = frame.substr(offset, length);
        offset += length;
    }
    return blocks;
}

std::optional<std::string> Decrypt(const std::string& frame, const Key& key)
{
    const std::optional<Blocks> blocks = Split(frame);
    if (!blocks || blocks->ivec.size() != 16 || blocks->atag.size() != 16) {
        return std::nullopt;
    }
    std::string plain(blocks->code.size(), '\0');
    if (!plain.empty()
        && AesGcmDecrypt(Bytes(blocks->code), reinterpret_cast<unsigned char*>(plain.data()), plain.size(), key.data(),
                         Bytes(blocks->ivec), Bytes(blocks->atag))
               < 0) {
        return std::nullopt;
    }
    return plain;
}

std::string Exchange(unsigned short port, const std::string& bytes, const char* host)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    ::inet_pton(AF_INET, host, &address.sin_addr);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ADD_FAILURE() << "cannot connect to " << host << ":" << port << ": " << std::strerror(errno);
        ::close(socket);
        return {};
    }
    timeval timeout{30, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    ::shutdown(socket, SHUT_WR);
    std::string received;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::recv(socket, buffer, sizeof buffer, 0)) > 0) {
        received.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(socket);
    return received;
}

std::string LogOnRequest(const std::string& name, const std::string& password, int sessionId)
{
    ClientAuthenticationContext context;
    context.setUserNameHash(HashUserName(name));
    context.setUserPasswordHash(HashPassword(password));
    zarv::data::AuthenticateUserRequest request;
    EXPECT_EQ(AUTH_CODE_SUCCESS, context.encryptRequest(request));
    return Request(3, 1, sessionId, request.SerializeAsString(), ZeroKey);
}

}  // namespace rawclient
