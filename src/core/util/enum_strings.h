// One place per enumeration for its cases, in declaration order, and their
// string forms.
//
// An enumeration opts in by specialising EnumCases with a constexpr array of
// {value, name} pairs:
//
//   enum class Fruit { apple, pear };
//   template <> struct EnumCases<Fruit> {
//       static constexpr std::array<EnumCase<Fruit>, 2> list{{{Fruit::apple, "apple"},
//                                                             {Fruit::pear, "pear"}}};
//   };
//
// and then gets toString(Fruit::pear) == "pear", enumFromString<Fruit>("apple")
// and allCases<Fruit>() for free.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace solvane {

template <class E>
struct EnumCase {
    E value;
    std::string_view name;
};

template <class E>
struct EnumCases;  // specialised next to each enumeration

template <class E>
constexpr std::string_view toString(E value) {
    for (const auto& c : EnumCases<E>::list) {
        if (c.value == value) {
            return c.name;
        }
    }
    return {};
}

template <class E>
constexpr std::optional<E> enumFromString(std::string_view name) {
    for (const auto& c : EnumCases<E>::list) {
        if (c.name == name) {
            return c.value;
        }
    }
    return std::nullopt;
}

template <class E>
std::vector<E> allCases() {
    std::vector<E> out;
    out.reserve(EnumCases<E>::list.size());
    for (const auto& c : EnumCases<E>::list) {
        out.push_back(c.value);
    }
    return out;
}

}  // namespace solvane
