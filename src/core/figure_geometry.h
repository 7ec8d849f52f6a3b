// SPDX-License-Identifier: MIT
#pragma once

// The geometry of the view's figures, in view units (3 twips across, 1 twip down).

struct FigurePoint {
    double x;
    double y;
};

inline constexpr FigurePoint FigureCentre{760.0, 1440.0};
inline constexpr double BaseCircleRadius = 350.0;
inline constexpr double PhaseRingRadius = 375.0;
inline constexpr int DaysInRing = 28;

// The far end of the line from the figure centre toward a position in degrees (0 up, growing clockwise). It lies
// on an ellipse 1000 units up and down and 1000 × 5 / 12 across, so that on the screen it reaches 1000 twips up
// and 1250 twips sideways. Raises the Overflow fault when the position is too large to turn into radians.
FigurePoint positionLineEnd(double degrees);

// The angle in radians, counter-clockwise from pointing right, of the ring's radius for a day (1 to 28). The
// ring's full turn is 6.28, a little short of 2π, so day 28 falls just below pointing right.
float phaseRingAngle(int day);
