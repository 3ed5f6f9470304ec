// Feeds arbitrary bytes to the countdown list decoders. Anything they accept
// must survive a write and a second read unchanged, since the store rewrites
// the whole list on every save: the strict decoder's countdowns, and the
// store's record-by-record reading with the records it keeps as they were.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/model/countdown_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto list = solvane::decodeCountdownList(bytes)) {
        const auto again = solvane::decodeCountdownList(
            solvane::encodeCountdownList(list->countdowns, list->kept));
        if (!again || *again != *list) {
            __builtin_trap();
        }
    }
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
