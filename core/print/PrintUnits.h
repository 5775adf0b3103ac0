#pragma once

// The units of the printed page, each measured against the inch the printer works in.
namespace PrintUnits {
inline constexpr double millimetresPerInch = 25.4;
inline constexpr double twipsPerInch = 1440.0; // the A4 listing's unit
inline constexpr double pointsPerInch = 72.0;  // font sizes
} // namespace PrintUnits
