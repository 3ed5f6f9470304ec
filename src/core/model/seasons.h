// Equinoxes and solstices: the moment the sun's apparent longitude reaches 0°,
// 90°, 180° or 270°, and the local day that contains it.
//
// The moment comes from the mean moment of each season (a polynomial in the
// year) corrected by the 24 largest periodic terms of the sun's motion (Meeus,
// Astronomical Algorithms, ch. 27), then moved from dynamical time to universal
// time with the usual ΔT polynomials (Espenak & Meeus, 2006). Between 1800 and
// 2300 it lies within a minute or so of the true moment, which is what decides
// the day in zones where the crossing falls near midnight. The polynomials
// hold from the year −1000 to 3000; years beyond keep the edge year's moment
// plus whole tropical years, so any year still gets a date near the right one.
//
//   seasonMoment(3, 2026)          // 2026-12-21T20:50Z, the December solstice
//   seasonDate(3, 2026, newYork)   // 2026-12-21 00:00 EST
//   seasonDate(0, 2025, tokyo)     // 2025-03-21 00:00 JST
#pragma once

#include <cstdint>
#include <optional>

#include "core/time/calendar.h"
#include "core/time/instant.h"

namespace solvane {

// The season a stored index names, 0 = March equinox … 3 = December solstice.
// An index outside 0…3 stands for the longitude index × 90° looked for in the
// month of the nearest table entry, so it names a season only when that
// longitude is the one of its clamped month: 7 (630° = 270°) is the December
// solstice and −4 the March equinox, while 4, 5 and −1 name nothing.
std::optional<int> seasonOfIndex(std::int64_t index);

// The moment of season 0…3 in `year` (UTC); nullopt for any other season.
std::optional<Instant> seasonMoment(int season, std::int64_t year);

// The local start of the day that contains the moment of the season `index`
// names (see seasonOfIndex) in `year`; nullopt when the index names no
// season or the calendar cannot place the day.
std::optional<Instant> seasonDate(std::int64_t index, std::int64_t year, const Calendar& calendar);

}  // namespace solvane
