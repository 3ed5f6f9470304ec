// Where the moon stands seen from the Earth's centre.
//
// The series is ELP-2000/82 (Chapront-Touzé and Chapront, 1983) in the
// truncation Meeus publishes (Astronomical Algorithms, 2nd ed., ch. 47): the
// moon's mean longitude, anomaly, elongation and argument of latitude, 60
// periodic terms each for longitude with distance and for latitude, and the
// additive terms for Venus, Jupiter and the Earth's flattening. It is good to
// about 10″ in longitude and 4″ in latitude. Longitudes are in the mean
// equinox of date; adding the nutation in longitude (EquatorOfDate) makes them
// apparent. The light-time of about a second is in the mean longitude already.
//
// The terms' arguments are small multiples of four angles, so each term's sine
// and cosine come from products of the four angles' powers rather than from a
// trigonometric call per term.
//
//   moonPosition(-0.077221081451)  // 1992-04-12 0h TT, Meeus's example 47.a:
//                                  // λ 133.162655°, β −3.229126°, 368409.7 km
#pragma once

namespace solvane::sky {

struct MoonPosition {
    double longitude = 0.0;   // radians, mean equinox of date
    double latitude = 0.0;    // radians
    double distanceKm = 0.0;  // centre to centre
};

// The moon at T Julian centuries of terrestrial time since J2000.0. Not finite
// when T is not.
MoonPosition moonPosition(double T);

// The moon's longitude alone (as moonPosition's) with its rate in radians per
// day: what a search for the moon's phases needs, at a third of the cost.
struct MoonLongitude {
    double longitude = 0.0;
    double ratePerDay = 0.0;
};
MoonLongitude moonLongitude(double T);

}  // namespace solvane::sky
