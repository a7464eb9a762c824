#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// An OpenSSL call failed; the message is the name of the call.
class OpenSSLRuntimeError : public std::runtime_error
{
public:
    explicit OpenSSLRuntimeError(const std::string& call);
    ~OpenSSLRuntimeError() override;
};

// A buffer of the wrong length: "bad pass size", "bad key size" or
// "bad digest length".
class CryptoLengthError : public std::length_error
{
public:
    explicit CryptoLengthError(const std::string& what);
    ~CryptoLengthError() override;
};

// The int count that OpenSSL calls take. A longer buffer throws
// OpenSSLRuntimeError(call), as if the call itself had failed.
int OpenSSLLength(std::size_t length, const char* call);
