// Feeds arbitrary bytes to the place decoder. Anything it accepts must come
// back unchanged from a write and a second read, since the store rewrites the
// whole record on every save.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/store/saved_location.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto first = solvane::decodeSavedLocation(bytes);
    if (!first) {
        return 0;
    }
    const auto second = solvane::decodeSavedLocation(solvane::encodeSavedLocation(*first));
    if (!second || *second != *first) {
        __builtin_trap();
    }
    return 0;
}
