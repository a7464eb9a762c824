#pragma once

#include <cstddef>

// Fills the buffer from the cryptographic random generator. Throws
// OpenSSLRuntimeError("RAND_bytes") when the generator fails, so a salt or IV
// is never used unfilled.
void RandomBytes(unsigned char* buffer, std::size_t length);
