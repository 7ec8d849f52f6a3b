// SPDX-License-Identifier: MIT
#pragma once

// The geometry of the view's figures, in view units (3 twips across, 1 twip down).

struct FigurePoint {
    double x;
    double y;
};

inline constexpr FigurePoint FigureCentre{760.0, 1440.0};
inline constexpr double BaseCircleRadius = 350.0;
// The axes through the centre, each a little longer than the compass line it runs along; the vertical one ends
// below the window's edge.
inline constexpr FigurePoint HorizontalAxis[2] = {{100.0, 1440.0}, {1500.0, 1440.0}};
inline constexpr FigurePoint VerticalAxis[2] = {{760.0, 100.0}, {760.0, 3300.0}};
inline constexpr double PhaseRingRadius = 375.0;
inline constexpr int DaysInRing = 28;
// The figures' constants as the design writes them, not the true values: π to six places in every turn of degrees
// into radians, and 6.28 for the ring's full turn.
inline constexpr double DesignPi = 3.141593;
inline constexpr double RingFullTurn = 6.28;

// The far end of the line from the figure centre toward a position in degrees (0 up, growing clockwise). It lies
// on an ellipse 1000 units up and down and 1000 × 5 / 12 across, so that on the screen it reaches 1000 twips up
// and 1250 twips sideways. Raises the Overflow fault when the position is too large to turn into radians.
FigurePoint positionLineEnd(double degrees);

// The angle in radians, counter-clockwise from pointing right, of the ring's radius for a day (1 to 28). The
// ring's full turn is 6.28, a little short of 2π, so day 28 falls just below pointing right.
float phaseRingAngle(int day);
