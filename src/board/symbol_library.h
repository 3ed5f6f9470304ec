// SymbolLibrary: the catalogue of symbol names a user can pick as a
// countdown's icon, in seven groups, and the search the icon picker runs over
// it.
//
// The names are the platform symbol names the whole system speaks (a
// countdown stores "gift", not a glyph); the board draws each through the
// symbol table (board/symbols.h).
//
//   SymbolLibrary::all().size() == 148
//   SymbolLibrary::search(" cloud sun ")  // {"cloud.sun"}
//   SymbolLibrary::search("cloudsun")     // {"cloud.sun"}, dots ignored on a second try
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace solvane {

struct SymbolLibrary {
    struct Group {
        std::string_view name;  // "Time & Seasons"
        std::span<const std::string_view> symbols;
    };

    SymbolLibrary() = delete;

    // The seven groups in catalogue order.
    static std::span<const Group> groups();

    // Every group's symbols concatenated in group order, each name once (the
    // first occurrence wins). Built once per process.
    static std::span<const std::string_view> all();

    // The names of all() that match `query`, in all() order: the query is
    // trimmed of spaces and tabs, lower-cased and its spaces become dots; a
    // name matches when it contains that text, or when both with their dots
    // removed do. A blank query gives all().
    static std::vector<std::string_view> search(std::string_view query);
};

}  // namespace solvane
