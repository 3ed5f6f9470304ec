#include "platform/weatherkit/jwt.h"

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/crypto.h>
#include <openssl/ec.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <array>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace solvane::platform::jwt {
namespace {

constexpr std::size_t kCoordinateBytes = 32;  // one P-256 scalar

struct BioFree {
    void operator()(BIO* b) const { BIO_free(b); }
};
struct KeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct InfoFree {
    void operator()(PKCS8_PRIV_KEY_INFO* i) const { PKCS8_PRIV_KEY_INFO_free(i); }
};
struct MdCtxFree {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
struct SigFree {
    void operator()(ECDSA_SIG* s) const { ECDSA_SIG_free(s); }
};

// What PEM_read_bio hands back; the DER body is the key itself, so it is
// wiped before OpenSSL gets the memory back.
struct PemBlock {
    char* name = nullptr;
    char* header = nullptr;
    unsigned char* der = nullptr;
    long length = 0;

    ~PemBlock() {
        if (der != nullptr && length > 0) {
            OPENSSL_cleanse(der, static_cast<std::size_t>(length));
        }
        OPENSSL_free(der);
        OPENSSL_free(header);
        OPENSSL_free(name);
    }
};

std::unique_ptr<EVP_PKEY, KeyFree> readP256Key(std::string_view pem) {
    if (pem.empty() || pem.size() > static_cast<std::size_t>(INT_MAX)) {
        return nullptr;
    }
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    if (!bio) {
        return nullptr;
    }
    PemBlock block;
    if (PEM_read_bio(bio.get(), &block.name, &block.header, &block.der, &block.length) != 1) {
        return nullptr;
    }
    // Only plain PKCS#8: an "EC PRIVATE KEY" or an encrypted block is a
    // different file than the service hands out, and an encrypted one would
    // otherwise make OpenSSL ask for a pass phrase on the terminal.
    if (std::strcmp(block.name, "PRIVATE KEY") != 0 ||
        (block.header != nullptr && block.header[0] != '\0')) {
        return nullptr;
    }
    const unsigned char* cursor = block.der;
    std::unique_ptr<PKCS8_PRIV_KEY_INFO, InfoFree> info(
        d2i_PKCS8_PRIV_KEY_INFO(nullptr, &cursor, block.length));
    if (!info) {
        return nullptr;
    }
    std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_PKCS82PKEY(info.get()));
    if (!key || EVP_PKEY_get_base_id(key.get()) != EVP_PKEY_EC) {
        return nullptr;
    }
    std::array<char, 64> group{};
    std::size_t groupLength = 0;
    if (EVP_PKEY_get_group_name(key.get(), group.data(), group.size(), &groupLength) != 1 ||
        std::string_view(group.data(), groupLength) != "prime256v1") {
        return nullptr;
    }
    return key;
}

std::optional<std::string> sign(EVP_PKEY* key, std::string_view message) {
    std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    if (!ctx || EVP_DigestSignInit(ctx.get(), nullptr, EVP_sha256(), nullptr, key) != 1) {
        return std::nullopt;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(message.data());
    std::size_t derLength = 0;
    if (EVP_DigestSign(ctx.get(), nullptr, &derLength, data, message.size()) != 1) {
        return std::nullopt;
    }
    std::vector<unsigned char> der(derLength);
    if (EVP_DigestSign(ctx.get(), der.data(), &derLength, data, message.size()) != 1) {
        return std::nullopt;
    }
    const unsigned char* cursor = der.data();
    std::unique_ptr<ECDSA_SIG, SigFree> sig(
        d2i_ECDSA_SIG(nullptr, &cursor, static_cast<long>(derLength)));
    if (!sig) {
        return std::nullopt;
    }
    const BIGNUM* r = nullptr;
    const BIGNUM* s = nullptr;
    ECDSA_SIG_get0(sig.get(), &r, &s);
    std::array<unsigned char, 2 * kCoordinateBytes> raw{};
    // Left-padded to the full width: a scalar with leading zero bytes would
    // otherwise shift s and break every verifier.
    if (BN_bn2binpad(r, raw.data(), kCoordinateBytes) != static_cast<int>(kCoordinateBytes) ||
        BN_bn2binpad(s, raw.data() + kCoordinateBytes, kCoordinateBytes) !=
            static_cast<int>(kCoordinateBytes)) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(raw.data()), raw.size());
}

}  // namespace

std::string base64Url(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 16;
        if (rest == 2) {
            v |= static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        }
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        if (rest == 2) {
            out += kAlphabet[(v >> 6) & 63];
        }
    }
    return out;
}

std::optional<std::string> signEs256(std::string_view pem, std::string_view message) {
    std::optional<std::string> signature;
    if (auto key = readP256Key(pem)) {
        signature = sign(key.get(), message);
    }
    // Failures leave reasons on OpenSSL's per-thread queue; nothing reads
    // them, and a later unrelated call must not trip over stale ones.
    ERR_clear_error();
    return signature;
}

void wipeSecret(std::string& secret) {
    if (!secret.empty()) {
        OPENSSL_cleanse(secret.data(), secret.size());
    }
    secret.clear();
}

}  // namespace solvane::platform::jwt
