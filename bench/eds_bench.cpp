// EdsSource over a private Evolution Data Server (the tests' own session,
// tests/platform/eds/eds_session.h) holding 2,000 events — one-off, weekly in
// a named zone with some instances moved, yearly all-day — queried over 400
// days. The first query connects the calendars and reads them; a repeated
// one finds what it read unchanged and only expands it again.
#include <benchmark/benchmark.h>
#include <libical/ical.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/time/calendar.h"
#include "platform/calendar/eds_source.h"
#include "platform/eds/eds_session.h"

namespace {

using namespace solvane;
using namespace std::chrono_literals;

constexpr int kEvents = 2000;
constexpr int kMoved = 50;

std::string stamp(int year, int month, int day, int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00", year, month, day, hour, minute);
    return text;
}

struct Store {
    Store() {
        writer = testing::EdsWriter::open(error);
        if (!writer) {
            return;
        }
        calendar = writer->addCalendar("Busy", "#3a87ad", error);
        if (!calendar) {
            return;
        }
        const std::string zone =
            icaltimezone_get_tzid(icaltimezone_get_builtin_timezone("America/New_York"));
        std::vector<std::string> batch;
        for (int i = 0; i < kEvents; ++i) {
            const std::string uid = "item-" + std::to_string(i);
            std::string text =
                "BEGIN:VEVENT\r\nUID:" + uid + "\r\nSUMMARY:Item " + std::to_string(i) + "\r\n";
            const int month = 1 + i % 12;
            const int day = 1 + i / 12 % 28;
            if (i % 10 < 7) {
                const int year = 2030 + i % 2;
                text += "DTSTART:" + stamp(year, month, day, 8 + i % 10, i % 4 * 15) + "Z\r\n" +
                        "DURATION:PT45M\r\n";
            } else if (i % 10 < 9) {
                text += "DTSTART;TZID=" + zone + ":" + stamp(2029, month, day, 9, 0) + "\r\n" +
                        "DTEND;TZID=" + zone + ":" + stamp(2029, month, day, 9, 30) + "\r\n" +
                        "RRULE:FREQ=WEEKLY\r\n";
            } else {
                text +=
                    "DTSTART;VALUE=DATE:" + stamp(1980 + i % 40, month, day, 0, 0).substr(0, 8) +
                    "\r\nRRULE:FREQ=YEARLY\r\n";
            }
            batch.push_back(text + "END:VEVENT\r\n");
            if (batch.size() == 500) {
                if (!calendar->addAll(batch)) {
                    error = calendar->error();
                    return;
                }
                batch.clear();
            }
        }
        // Move one instance of each of the first weekly events a day later.
        for (int i = 7, moved = 0; moved < kMoved; i += 10, ++moved) {
            const int month = 1 + i % 12;
            const int day = 1 + i / 12 % 28;
            const std::string uid = "item-" + std::to_string(i);
            // The 60th week after the first, inside the queried days, moved
            // to the next day.
            const Calendar utc = *Calendar::make("UTC", "en_US");
            const Instant first = *utc.date(2029, month, day);
            const CivilDate was = *utc.civilDate(*utc.addDays(first, 60 * 7));
            const CivilDate now = *utc.civilDate(*utc.addDays(first, 60 * 7 + 1));
            const std::string original = stamp(was.year, was.month, was.day, 9, 0);
            const std::string movedTo = stamp(now.year, now.month, now.day, 14, 0);
            const std::string movedEnd = stamp(now.year, now.month, now.day, 14, 30);
            if (!calendar->modify("BEGIN:VEVENT\r\nUID:" + uid + "\r\nSUMMARY:Moved\r\n" +
                                  "RECURRENCE-ID;TZID=" + zone + ":" + original + "\r\n" +
                                  "DTSTART;TZID=" + zone + ":" + movedTo + "\r\n" + "DTEND;TZID=" +
                                  zone + ":" + movedEnd + "\r\n" + "END:VEVENT\r\n")) {
                error = calendar->error();
                return;
            }
        }
        // EDS starts each calendar's backend on first use; that start is
        // EDS's cost, paid once per session, not the query's.
        if (auto warm = platform::EdsSource::connect(20s)) {
            const Calendar calendar = *Calendar::make("America/New_York", "en_US");
            warm->events(*calendar.date(2030, 1, 1), *calendar.date(2030, 1, 2), calendar, 1);
        }
        ready = true;
    }

    std::string error;
    std::unique_ptr<testing::EdsWriter> writer;
    std::unique_ptr<testing::EdsCalendar> calendar;
    bool ready = false;
};

Store& store() {
    static Store s;
    return s;
}

void query(benchmark::State& state, bool repeated) {
    if (!store().ready) {
        state.SkipWithError(store().error.c_str());
        return;
    }
    const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    const Instant from = *calendar.date(2030, 3, 12);
    const Instant to = *calendar.addDays(from, 400);
    std::unique_ptr<platform::EdsSource> source;
    std::size_t found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!repeated || !source) {
            source = platform::EdsSource::connect(20s);
            if (!source) {
                state.SkipWithError("EDS does not answer");
                return;
            }
            if (repeated) {
                found = source->events(from, to, calendar, 200'000).size();
            }
        }
        state.ResumeTiming();
        found = source->events(from, to, calendar, 200'000).size();
    }
    state.counters["events"] = static_cast<double>(found);
}

void BM_EdsQueryFirst(benchmark::State& state) {
    query(state, false);
}
void BM_EdsQueryRepeated(benchmark::State& state) {
    query(state, true);
}

BENCHMARK(BM_EdsQueryFirst)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EdsQueryRepeated)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (const auto code = solvane::testing::runInPrivateSession(argc, argv)) {
        return *code;
    }
    if (const auto why = solvane::testing::edsUnavailable()) {
        std::fprintf(stderr, "solvane_bench_eds: %s\n", why->c_str());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
