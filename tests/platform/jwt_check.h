// Test keys and an independent ES256 JSON Web Token check, written against
// OpenSSL directly so that a fault in the client's own encoder or signature
// conversion cannot hide behind a shared helper.
#pragma once

#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace solvane::testing {

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

struct TokenExpectation {
    std::string keyId;
    std::string teamId;
    std::string serviceId;
    std::int64_t issuedAt = 0;
};
namespace jwt_detail {

struct BioFree {
    void operator()(BIO* b) const { BIO_free(b); }
};

template <class Write>
inline std::string pemOf(Write write) {
    std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
    write(bio.get());
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

// Strict: the URL alphabet only, no padding, no stray trailing bits count.
inline std::optional<std::string> base64UrlDecode(std::string_view text) {
    constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (const char c : text) {
        const auto v = kAlphabet.find(c);
        if (v == std::string_view::npos) {
            return std::nullopt;
        }
        buffer = (buffer << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xff);
        }
    }
    return bits >= 6 ? std::nullopt : std::optional<std::string>(out);
}

}  // namespace jwt_detail

// A fresh key pair: "P-256", "P-384", or "RSA" (2048 bits).
inline Key generateKey(std::string_view kind) {
    if (kind == "RSA") {
        return Key(EVP_PKEY_Q_keygen(nullptr, nullptr, "RSA", static_cast<std::size_t>(2048)));
    }
    return Key(EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", std::string(kind).c_str()));
}

// PKCS#8 "PRIVATE KEY" PEM; with a pass phrase "ENCRYPTED PRIVATE KEY".
inline std::string privateKeyPem(EVP_PKEY* key, const char* passPhrase = nullptr) {
    return jwt_detail::pemOf([&](BIO* bio) {
        if (passPhrase != nullptr) {
            PEM_write_bio_PKCS8PrivateKey(bio, key, EVP_aes_128_cbc(), passPhrase,
                                          static_cast<int>(std::string_view(passPhrase).size()),
                                          nullptr, nullptr);
        } else {
            PEM_write_bio_PrivateKey(bio, key, nullptr, nullptr, 0, nullptr, nullptr);
        }
    });
}

// The older "EC PRIVATE KEY" form.
inline std::string traditionalPem(EVP_PKEY* key) {
    return jwt_detail::pemOf([&](BIO* bio) {
        PEM_write_bio_PrivateKey_traditional(bio, key, nullptr, nullptr, 0, nullptr, nullptr);
    });
}

inline std::string publicKeyPem(EVP_PKEY* key) {
    return jwt_detail::pemOf([&](BIO* bio) { PEM_write_bio_PUBKEY(bio, key); });
}

// Empty when `token` is a compact JWS whose header and claims match and whose
// raw r‖s signature verifies with `publicKey`; otherwise why not.
inline std::string tokenProblem(std::string_view token, EVP_PKEY* publicKey,
                                const TokenExpectation& expected) {
    const auto firstDot = token.find('.');
    const auto secondDot = token.find('.', firstDot + 1);
    if (firstDot == std::string_view::npos || secondDot == std::string_view::npos ||
        token.find('.', secondDot + 1) != std::string_view::npos) {
        return "not three parts";
    }
    const auto header = jwt_detail::base64UrlDecode(token.substr(0, firstDot));
    const auto claims =
        jwt_detail::base64UrlDecode(token.substr(firstDot + 1, secondDot - firstDot - 1));
    const auto signature = jwt_detail::base64UrlDecode(token.substr(secondDot + 1));
    if (!header || !claims || !signature) {
        return "not base64url without padding";
    }
    const auto h = nlohmann::json::parse(*header, nullptr, false);
    const auto c = nlohmann::json::parse(*claims, nullptr, false);
    if (!h.is_object() || !c.is_object()) {
        return "header or claims not JSON objects";
    }
    if (h.value("alg", "") != "ES256" || h.value("kid", "") != expected.keyId ||
        h.value("id", "") != expected.teamId + "." + expected.serviceId) {
        return "header " + h.dump();
    }
    if (c.value("iss", "") != expected.teamId || c.value("sub", "") != expected.serviceId ||
        c.value("iat", std::int64_t{-1}) != expected.issuedAt ||
        c.value("exp", std::int64_t{-1}) != expected.issuedAt + 3600) {
        return "claims " + c.dump();
    }
    if (signature->size() != 64) {
        return "signature of " + std::to_string(signature->size()) + " bytes";
    }

    // Back to the DER form OpenSSL verifies.
    const auto* raw = reinterpret_cast<const unsigned char*>(signature->data());
    ECDSA_SIG* sig = ECDSA_SIG_new();
    ECDSA_SIG_set0(sig, BN_bin2bn(raw, 32, nullptr), BN_bin2bn(raw + 32, 32, nullptr));
    unsigned char* der = nullptr;
    const int derLength = i2d_ECDSA_SIG(sig, &der);
    ECDSA_SIG_free(sig);

    const std::string_view signedPart = token.substr(0, secondDot);
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    const bool verified =
        derLength > 0 &&
        EVP_DigestVerifyInit(ctx, nullptr, EVP_sha256(), nullptr, publicKey) == 1 &&
        EVP_DigestVerify(ctx, der, static_cast<std::size_t>(derLength),
                         reinterpret_cast<const unsigned char*>(signedPart.data()),
                         signedPart.size()) == 1;
    EVP_MD_CTX_free(ctx);
    OPENSSL_free(der);
    return verified ? std::string() : "signature does not verify";
}

}  // namespace solvane::testing
