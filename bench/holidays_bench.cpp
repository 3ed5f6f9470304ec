// A country's holidays for one year, as the command line asks for them:
// Germany's with a Land (Easter and fixed rules), and China's over
// ever-changing years, so each year's lunar months are worked out afresh (the
// new moons and solar terms are the cost); the presets menu's group of one
// country; and reading a country's file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>

#include "core/holidays/holiday_catalog.h"
#include "core/holidays/holiday_presets.h"
#include "core/holidays/holidays.h"

namespace {

using namespace solvane;

const CountryHolidays& country(const char* code) {
    static std::map<std::string, CountryHolidays> loaded;
    auto found = loaded.find(code);
    if (found == loaded.end()) {
        auto parsed = loadCountryHolidays(std::filesystem::path(SOLVANE_HOLIDAY_DATA) /
                                          (std::string(code) + ".json"));
        if (!parsed) {
            std::abort();
        }
        found = loaded.emplace(code, std::move(*parsed)).first;
    }
    return found->second;
}

void germanyYear(benchmark::State& state) {
    const CountryHolidays& de = country("DE");
    for (auto _ : state) {
        benchmark::DoNotOptimize(holidaysOfYear(de, "BY", 2025));
    }
}
BENCHMARK(germanyYear);

// Every year afresh, 1900 to 2199 in turn: China's lunar months, and
// Singapore's Chinese months with Deepavali's tithi.
void yearAfresh(benchmark::State& state, const char* code) {
    const CountryHolidays& holidays = country(code);
    int year = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(holidaysOfYear(holidays, "", year));
        year = year == 2199 ? 1900 : year + 1;
    }
}
BENCHMARK_CAPTURE(yearAfresh, china, "CN")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(yearAfresh, singapore, "SG")->Unit(benchmark::kMicrosecond);

// The presets menu's holiday group for one country.
void germanyPresets(benchmark::State& state) {
    const CountryHolidays& de = country("DE");
    const auto berlin = *Calendar::make("Europe/Berlin", "de_DE");
    const Instant now = *berlin.date(2025, 3, 1, 12);
    for (auto _ : state) {
        benchmark::DoNotOptimize(holidayPresets(de, "BY", berlin, now));
    }
}
BENCHMARK(germanyPresets)->Unit(benchmark::kMicrosecond);

void loadFile(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            loadCountryHolidays(std::filesystem::path(SOLVANE_HOLIDAY_DATA) / "US.json"));
    }
}
BENCHMARK(loadFile)->Unit(benchmark::kMicrosecond);

void loadAll(benchmark::State& state) {
    const std::filesystem::path folder(SOLVANE_HOLIDAY_DATA);
    for (auto _ : state) {
        for (const std::string& code : holidayCountries(folder)) {
            benchmark::DoNotOptimize(loadCountry(folder, code));
        }
    }
}
BENCHMARK(loadAll)->Unit(benchmark::kMillisecond);

}  // namespace
