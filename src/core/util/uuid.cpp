#include "core/util/uuid.h"

#include <openssl/evp.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace solvane {

namespace {

std::mt19937_64 seededGenerator() {
    std::array<std::uint32_t, 8> seed{};
    try {
        std::random_device device;
        for (auto& word : seed) {
            word = device();
        }
    } catch (...) {
        // Some sandboxes have no entropy source; a clock-and-thread seed still
        // keeps ids apart in practice, and an id is never a secret.
        const auto now = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        const auto thread = std::hash<std::thread::id>{}(std::this_thread::get_id());
        seed[0] = static_cast<std::uint32_t>(now);
        seed[1] = static_cast<std::uint32_t>(now >> 32);
        seed[2] = static_cast<std::uint32_t>(thread);
        seed[3] = static_cast<std::uint32_t>(static_cast<std::uint64_t>(thread) >> 32);
    }
    std::seed_seq sequence(seed.begin(), seed.end());
    return std::mt19937_64(sequence);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

constexpr bool isDashPosition(std::size_t i) {
    return i == 8 || i == 13 || i == 18 || i == 23;
}

}  // namespace

Uuid Uuid::named(const Uuid& nameSpace, std::string_view name) {
    std::string input(nameSpace.bytes().begin(), nameSpace.bytes().end());
    input.append(name);
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    EVP_Digest(input.data(), input.size(), digest.data(), &length, EVP_sha1(), nullptr);
    std::array<std::uint8_t, 16> bytes{};
    std::copy_n(digest.begin(), bytes.size(), bytes.begin());
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x50);  // version 5
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    return Uuid(bytes);
}

Uuid Uuid::random() {
    thread_local std::mt19937_64 generator = seededGenerator();
    std::array<std::uint8_t, 16> bytes{};
    for (std::size_t half = 0; half < 2; ++half) {
        std::uint64_t bits = generator();
        for (std::size_t i = 0; i < 8; ++i) {
            bytes[half * 8 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    return Uuid(bytes);
}

std::optional<Uuid> Uuid::parse(std::string_view text) {
    if (text.size() != 36) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 16> bytes{};
    std::size_t nibble = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDashPosition(i)) {
            if (text[i] != '-') {
                return std::nullopt;
            }
            continue;
        }
        const int value = hexValue(text[i]);
        if (value < 0) {
            return std::nullopt;
        }
        auto& byte = bytes[nibble / 2];
        byte = static_cast<std::uint8_t>(nibble % 2 == 0 ? value << 4 : byte | value);
        ++nibble;
    }
    return Uuid(bytes);
}

std::string Uuid::toString() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            out.push_back('-');
        }
        out.push_back(kDigits[bytes_[i] >> 4]);
        out.push_back(kDigits[bytes_[i] & 0x0F]);
    }
    return out;
}

}  // namespace solvane
