// Test keys and an independent ES256 JSON Web Token check, written against
// OpenSSL directly so that a fault in the client's own encoder or signature
// conversion cannot hide behind a shared helper.
#pragma once

#include <openssl/evp.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace solvane::testing {

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

// A fresh key pair: "P-256", "P-384", or "RSA" (2048 bits).
Key generateKey(std::string_view kind);

// PKCS#8 "PRIVATE KEY" PEM; with a pass phrase "ENCRYPTED PRIVATE KEY".
std::string privateKeyPem(EVP_PKEY* key, const char* passPhrase = nullptr);
// The older "EC PRIVATE KEY" form.
std::string traditionalPem(EVP_PKEY* key);
std::string publicKeyPem(EVP_PKEY* key);

struct TokenExpectation {
    std::string keyId;
    std::string teamId;
    std::string serviceId;
    std::int64_t issuedAt = 0;
};

// Empty when `token` is a compact JWS whose header and claims match and whose
// raw r‖s signature verifies with `publicKey`; otherwise why not.
std::string tokenProblem(std::string_view token, EVP_PKEY* publicKey,
                         const TokenExpectation& expected);

}  // namespace solvane::testing
