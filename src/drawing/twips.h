// SPDX-License-Identifier: MIT
#pragma once

// Layouts and drawings are measured in twips, 1440 to the inch, with y growing downward.
inline constexpr double TwipsPerPixel = 15.0; // at 96 dots per inch; Qt scales logical pixels for high DPI

// Twips to logical pixels: the one conversion.
inline double twipsToPixels(double twips)
{
    return twips / TwipsPerPixel;
}
