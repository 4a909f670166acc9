// Needle directions from calibration rows, by the host's own rule
// (host/render/calibration.h), measured here from +x rather than from up:
// a row's angle is the direction of its point seen from the needle's pivot
// (y down, so angles grow clockwise, 0 along +x); each next row's angle is
// the previous one plus the clockwise turn to its point; between rows the
// angle goes linearly with the value. Marks and numerals drawn at these
// angles line up with the needle the host draws for the same value.
#pragma once

#include <span>

namespace artgen {

struct CalRow {
  int x;         // point, gauge pixels
  int y;
  double value;  // in the needle's host-variable units
};

struct Pivot {
  int x;
  int y;
};

// Row angles in degrees, in table order, unwrapped as the host unwraps them.
void row_angles(std::span<const CalRow> rows, Pivot pivot, std::span<double> out);

// The needle angle in degrees for `value`, held to the first or last row
// beyond the table.
double needle_angle(std::span<const CalRow> rows, Pivot pivot, double value);

inline constexpr double kPi = 3.14159265358979323846;
inline double radians(double degrees) { return degrees * kPi / 180.0; }

}  // namespace artgen
