#include "library/security/randombytes.h"

#include "library/security/cryptoerror.h"

#include <openssl/rand.h>

#include <limits>

void RandomBytes(unsigned char* buffer, std::size_t length)
{
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())
        || RAND_bytes(buffer, static_cast<int>(length)) != 1) {
        throw OpenSSLRuntimeError("RAND_bytes");
    }
}
