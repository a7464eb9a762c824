#include "library/security/cryptoerror.h"

#include <limits>

OpenSSLRuntimeError::OpenSSLRuntimeError(const std::string& call)
    : std::runtime_error(call)
{}

OpenSSLRuntimeError::~OpenSSLRuntimeError() = default;

CryptoLengthError::CryptoLengthError(const std::string& what)
    : std::length_error(what)
{}

CryptoLengthError::~CryptoLengthError() = default;

int OpenSSLLength(std::size_t length, const char* call)
{
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw OpenSSLRuntimeError(call);
    }
    return static_cast<int>(length);
}
