// The calendar query over a folder of 10,000 one-event files: the cost the
// feed sync and the event picker pay. The first query parses every file; the
// repeated one reuses what was parsed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/time/calendar.h"
#include "platform/calendar/calendar_database.h"
#include "platform/calendar/permission_record.h"

namespace {

namespace fs = std::filesystem;
using namespace solvane;

struct Folder {
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "solvane-bench-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        for (int i = 0; i < 10'000; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "item-%05d.ics", i);
            char start[32];
            std::snprintf(start, sizeof start, "2030%02d%02dT%02d%02d00Z", 4 + i / 2800,
                          1 + i / 100 % 28, i / 4 % 24, i % 4 * 15);
            fs::create_directories(root / "calendars" / "busy");
            std::ofstream(root / "calendars" / "busy" / name)
                << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:" << i
                << "\r\nSUMMARY:Item " << i << "\r\nDTSTART:" << start
                << "\r\nDURATION:PT30M\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
        }
        platform::PermissionRecord(root / "permissions.json")
            .record(platform::kCalendarsPermissionKey, platform::kPermissionGranted);
    }
    ~Folder() { fs::remove_all(root); }
    fs::path root;
};

void query(benchmark::State& state, bool repeated) {
    static const Folder folder;
    const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    const Instant from = *calendar.date(2030, 3, 12);
    const Instant to = *calendar.date(2031, 4, 16);
    for (auto _ : state) {
        state.PauseTiming();
        platform::CalendarDatabase database(
            {folder.root / "calendars"},
            platform::PermissionRecord(folder.root / "permissions.json"));
        if (repeated) {
            benchmark::DoNotOptimize(database.events(from, to, calendar));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(database.events(from, to, calendar));
    }
}

void BM_CalendarQueryFirst(benchmark::State& state) {
    query(state, false);
}
void BM_CalendarQueryRepeated(benchmark::State& state) {
    query(state, true);
}

BENCHMARK(BM_CalendarQueryFirst)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CalendarQueryRepeated)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
