#include "sky/reference_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

namespace solvane::reference {

std::string iso(std::optional<Instant> t) {
    return t ? formatIso8601(*t).value_or("?").substr(0, 19) + "Z" : "none";
}

const Calendar& calendar(const std::string& zone) {
    static std::map<std::string, Calendar> made;
    auto found = made.find(zone);
    if (found == made.end()) {
        found = made.emplace(zone, *Calendar::make(zone, "en_US")).first;
    }
    return found->second;
}

std::string Case::describe() const {
    char text[160];
    std::snprintf(text, sizeof text, "%.4f %.4f %s at %s", place.latitude, place.longitude,
                  zone.c_str(), iso(now).c_str());
    return text;
}

std::vector<Case> randomCases(int count, unsigned seed) {
    struct City {
        double latitude, longitude;
        const char* zone;
    };
    static constexpr City kCities[] = {
        {-0.1807, -78.4678, "America/Guayaquil"},
        {64.1466, -21.9426, "Atlantic/Reykjavik"},
        {78.2232, 15.6267, "Arctic/Longyearbyen"},
        {69.6496, 18.9560, "Europe/Oslo"},
        {40.7128, -74.0060, "America/New_York"},
        {-33.8688, 151.2093, "Australia/Sydney"},
        {-54.8019, -68.3030, "America/Argentina/Ushuaia"},
    };
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> latitude(-66.0, 78.0);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    // 1950-01-01 to 2150-12-31, Unix seconds.
    std::uniform_real_distribution<double> moment(-631152000.0, 5712278400.0);
    std::vector<Case> cases;
    for (int i = 0; i < count; ++i) {
        Case c;
        if (i % 3 == 0) {
            const City& city = kCities[static_cast<std::size_t>(i / 3) % std::size(kCities)];
            c.place = {city.latitude, city.longitude};
            c.zone = city.zone;
        } else {
            c.place = {latitude(rng), longitude(rng)};
            const int hours = static_cast<int>(std::lround(c.place.longitude / 15.0));
            // Etc/GMT+5 is five hours behind UTC.
            c.zone = hours == 0
                         ? "Etc/GMT"
                         : (hours > 0 ? "Etc/GMT-" : "Etc/GMT+") + std::to_string(std::abs(hours));
        }
        c.now = Instant::fromUnix(moment(rng));
        cases.push_back(c);
    }
    return cases;
}

Instant localNoon(const Case& c) {
    const auto day = *c.cal().civilDate(c.now);
    return *c.cal().date(day.year, day.month, day.day, 12);
}

Instant dayStart(const Calendar& calendar, Instant t, int days) {
    return *calendar.startOfDay(*calendar.addDays(*calendar.startOfDay(t), days));
}

void Spread::add(double difference) {
    values_.push_back(std::fabs(difference));
}

double Spread::percentile(double p) const {
    if (values_.empty()) {
        return 0.0;
    }
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(p / 100.0 * static_cast<double>(sorted.size()));
    const auto i = static_cast<std::size_t>(std::max(rank, 1.0)) - 1;
    return sorted[std::min(i, sorted.size() - 1)];
}

std::string Spread::summary(double unit, const char* name) const {
    char text[160];
    std::snprintf(text, sizeof text, "n %zu, median %.2f %s, p95 %.2f %s, max %.2f %s", count(),
                  percentile(50) / unit, name, percentile(95) / unit, name, max() / unit, name);
    return text;
}

void report(const char* what, const std::string& figures) {
    std::printf("%-36s %s\n", what, figures.c_str());
    ::testing::Test::RecordProperty(what, figures);
}

}  // namespace solvane::reference
