// The one place where the services' metric values become the units people
// read, so every face, line and spoken text converts alike.
#pragma once

namespace solvane::units {

// The board has always divided by 1.609, not the statute mile's 1.609344;
// kept so that no shown speed moves across a rounding edge.
constexpr double kKilometresPerMile = 1.609;
constexpr double kMillimetresPerInch = 25.4;

constexpr double fahrenheitFromCelsius(double celsius) {
    return celsius * 9 / 5 + 32;
}
constexpr double mphFromKph(double kph) {
    return kph / kKilometresPerMile;
}
constexpr double metresPerSecondFromKph(double kph) {
    return kph / 3.6;
}
constexpr double inchesFromMillimetres(double mm) {
    return mm / kMillimetresPerInch;
}

}  // namespace solvane::units
