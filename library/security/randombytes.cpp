#include "library/security/randombytes.h"

#include "library/security/cryptoerror.h"

#include <openssl/rand.h>

void RandomBytes(unsigned char* buffer, std::size_t length)
{
    if (RAND_bytes(buffer, OpenSSLLength(length, "RAND_bytes")) != 1) {
        throw OpenSSLRuntimeError("RAND_bytes");
    }
}
