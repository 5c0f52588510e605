// The game's two roundings and its angle helpers.
#pragma once

#include <cmath>
#include <cstdint>

namespace moki {

// A real converted to a 16-bit integer: nearest, halves to the even
// neighbour. Values beyond the 16-bit range saturate instead of wrapping.
inline int16_t CInt(double v) {
  if (std::isnan(v)) return 0;
  double r = std::nearbyint(v);  // the default rounding mode rounds halves to even
  if (r > 32767.0) return 32767;
  if (r < -32768.0) return -32768;
  return static_cast<int16_t>(r);
}

// Int: rounds down.
inline int Int(double v) {
  double f = std::floor(v);
  if (std::isnan(f)) return 0;
  if (f > 2147483647.0) return 2147483647;
  if (f < -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(f);
}

constexpr double kPi = 3.14159265358979;
inline double Rad(double degrees) {
  return degrees * kPi / 180.0;
}
inline double Deg(double radians) {
  return radians * 180.0 / kPi;
}

// Angles are brought into 0..359 by one subtraction or addition of 360.
inline int16_t Normalize360(int v) {
  if (v > 359) v -= 360;
  if (v < 0) v += 360;
  return static_cast<int16_t>(v);
}

}  // namespace moki
