// Feeds arbitrary bytes to the calendar reader as one .ics file and asks for
// a year of its occurrences. Whatever comes back must overlap that year and
// end no earlier than it starts; the reader must never crash, hang or leak.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/calendar/ics_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace solvane;
    static const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    static const Instant from = *calendar.date(2030, 3, 12);
    static const Instant to = *calendar.date(2031, 3, 12);

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto file = platform::IcsFile::parse(bytes, "fuzz");
    platform::ExpansionBudget budget(std::chrono::milliseconds(200), std::chrono::milliseconds(5));
    std::vector<platform::IcsOccurrence> found;
    file.occurrences(from, to, calendar, budget, found);
    for (const auto& o : found) {
        const bool overlaps = o.start < to && (o.end > from || o.start >= from);
        if (!overlaps || o.end < o.start || o.uid == nullptr || o.uid->empty() ||
            o.title == nullptr) {
            __builtin_trap();
        }
    }
    if (file.name() && file.name()->size() > platform::kMaxIcsTitleBytes) {
        __builtin_trap();
    }
    return 0;
}
