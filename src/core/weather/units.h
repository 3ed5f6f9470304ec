// The one place where the services' metric values become the units people
// read, so every face, line and spoken text converts alike.
#pragma once

namespace solvane::units {

constexpr double kKilometresPerMile = 1.609344;
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
