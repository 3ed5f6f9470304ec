// What each symbol of the library shows, in words: the name a screen reader
// says for an icon cell and the picker shows under its choice ("Wrench and
// screwdriver" for "wrench.and.screwdriver").
//
//   symbolWords("cloud.sun")           // "Cloud and sun"
//   localizedSymbolWords("cloud.sun")  // the same in the user's language
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// The English words; none for a name outside the library.
std::optional<std::string_view> symbolWords(std::string_view symbol);

// In the user's language; the name itself for one outside the library.
std::string localizedSymbolWords(std::string_view symbol);

}  // namespace solvane
