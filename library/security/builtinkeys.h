#pragma once

// The log-on keys built into the client, as PEM texts that begin and end with
// a line feed: the server's RSA public key (SubjectPublicKeyInfo) and the
// client's RSA private key (PKCS#1, not encrypted). scripts/generate-keys.sh
// writes them; the environment can name key files instead.

extern const char* const publicKey;
extern const char* const privateKey;
