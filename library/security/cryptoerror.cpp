#include "library/security/cryptoerror.h"

OpenSSLRuntimeError::OpenSSLRuntimeError(const std::string& call)
    : std::runtime_error(call)
{
}

OpenSSLRuntimeError::~OpenSSLRuntimeError() = default;

CryptoLengthError::CryptoLengthError(const std::string& what)
    : std::length_error(what)
{
}

CryptoLengthError::~CryptoLengthError() = default;
