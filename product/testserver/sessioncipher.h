#pragma once

// AES-128-GCM over a frame's payload, with the test server's own EVP calls.
// The nonce is the first 12 bytes of the 16-byte IV block; there is no
// additional authenticated data.

#include <array>
#include <cstddef>
#include <string>

namespace testserver {

using SessionKey = std::array<unsigned char, 16>;

// Sixteen zero bytes: the key of the log-on exchange.
inline constexpr SessionKey ZeroKey{};

struct Sealed
{
    std::string ivec;  // 16 bytes
    std::string atag;  // 16 bytes
    std::string code;  // as long as the plain text
};

// Encrypts under a fresh random IV. An empty plain text gives an empty code
// and all-zero IV and tag: there is nothing to authenticate.
Sealed Seal(const std::string& plain, const SessionKey& key);

// Decrypts and checks the tag. An empty code opens to an empty plain text.
// False when the IV or tag is not 16 bytes or the tag does not match.
bool Open(const std::string& code,
          const std::string& ivec,
          const std::string& atag,
          const SessionKey& key,
          std::string& plain);

// Bytes from the cryptographic random generator; throws std::runtime_error
// when it fails.
void FillRandom(unsigned char* buffer, std::size_t length);

}  // namespace testserver
