// Uuid: a 128-bit identifier, written in canonical upper-case 8-4-4-4-12 form.
//
//   Uuid id = Uuid::random();                       // version 4
//   Uuid same = Uuid::named(ns, "calendar/event");  // version 5: the same name, the same id
//   std::string s = id.toString();                  // "E621E1F8-C36C-495A-93FC-0C247A3E6E5F"
//   std::optional<Uuid> back = Uuid::parse(s);      // accepts either case
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

class Uuid {
  public:
    Uuid() = default;  // the nil UUID
    explicit Uuid(const std::array<std::uint8_t, 16>& bytes) : bytes_(bytes) {}

    // A random version-4 UUID from a per-thread generator seeded by the OS.
    static Uuid random();
    // The version-5 UUID of `name` in `nameSpace` (RFC 4122, SHA-1): the same
    // inputs always give the same identifier, so a record made again from
    // the same source keeps the identity others hold it by.
    static Uuid named(const Uuid& nameSpace, std::string_view name);
    // Canonical 36-character text in either case; anything else gives nullopt.
    static std::optional<Uuid> parse(std::string_view text);

    std::string toString() const;
    const std::array<std::uint8_t, 16>& bytes() const { return bytes_; }

    auto operator<=>(const Uuid&) const = default;

  private:
    std::array<std::uint8_t, 16> bytes_{};
};

}  // namespace solvane
