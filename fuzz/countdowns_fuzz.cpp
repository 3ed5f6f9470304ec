// Feeds arbitrary bytes to the countdown list decoder. Anything it accepts
// must survive a write and a second read unchanged, since the store rewrites
// the whole list on every save.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/model/countdown_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto first = solvane::decodeCountdowns(bytes);
    if (!first) {
        return 0;
    }
    const auto second = solvane::decodeCountdowns(solvane::encodeCountdowns(*first));
    if (!second || *second != *first) {
        __builtin_trap();
    }
    return 0;
}
