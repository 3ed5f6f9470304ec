// The C library's reading of a zone, as the independent reference for the
// zone tests: glibc reads the same database files with a parser of its own.
#pragma once

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/test_helpers.h"

namespace solvane::testing {

struct CLocal {
    std::int32_t offset = 0;  // seconds east of UTC
    int year = 0, month = 0, day = 0;
};

struct CChange {
    std::int64_t at = 0;  // Unix seconds: the first second of the new offset
    std::int32_t before = 0, after = 0;
    bool operator==(const CChange&) const = default;
};

// Sets TZ for one scope, for the C library's functions.
class CLibraryZone {
  public:
    explicit CLibraryZone(const std::string& zone) : env_("TZ", zone.c_str()) { ::tzset(); }
    CLibraryZone(const CLibraryZone&) = delete;
    CLibraryZone& operator=(const CLibraryZone&) = delete;

    CLocal at(std::int64_t unixSeconds) const {
        const time_t t = static_cast<time_t>(unixSeconds);
        struct tm parts {};
        ::localtime_r(&t, &parts);
        return {static_cast<std::int32_t>(parts.tm_gmtoff), parts.tm_year + 1900, parts.tm_mon + 1,
                parts.tm_mday};
    }

    // Every change of offset in [from, to): found by steps of `step`
    // seconds, then to the second; no zone changes twice within three hours.
    std::vector<CChange> changes(std::int64_t from, std::int64_t to,
                                 std::int64_t step = 3 * 3600) const {
        std::vector<CChange> out;
        std::int32_t previous = at(from).offset;
        for (std::int64_t t = from; t < to; t += step) {
            const std::int64_t next = std::min(t + step, to);
            const std::int32_t offset = at(next).offset;
            if (offset == previous) {
                continue;
            }
            std::int64_t lo = t, hi = next;  // offset(lo) == previous, offset(hi) != previous
            while (hi - lo > 1) {
                const std::int64_t mid = lo + (hi - lo) / 2;
                (at(mid).offset == previous ? lo : hi) = mid;
            }
            out.push_back({hi, previous, offset});
            previous = offset;
        }
        return out;
    }

  private:
    struct Retzset {
        ~Retzset() { ::tzset(); }
    };
    Retzset retzset_;  // destroyed after env_ has put TZ back
    ScopedEnv env_;
};

}  // namespace solvane::testing
