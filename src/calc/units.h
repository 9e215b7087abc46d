#pragma once

// Calc keeps lengths in 1/100 mm; the program speaks characters (column widths) and points
// (row heights, page margins).
namespace calc {

// Hundredths of a millimetre per character of column width: the rule of Calc's Excel import
// and export, so that a width in characters means the same in Calc and in Excel.
inline constexpr double kHundredthMmPerCharacter = 195.8;

inline constexpr double hundredthMmToCharacters(double h) { return h / kHundredthMmPerCharacter; }
inline constexpr double charactersToHundredthMm(double c) { return c * kHundredthMmPerCharacter; }
// 72 points to the inch, 2540 hundredths of a millimetre to the inch.
inline constexpr double hundredthMmToPoints(double h) { return h * 72.0 / 2540.0; }
inline constexpr double pointsToHundredthMm(double p) { return p * 2540.0 / 72.0; }

}  // namespace calc
