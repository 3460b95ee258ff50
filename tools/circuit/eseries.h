// The E12, E24 and E96 preferred-number series of IEC 60063 as decade mantissas, and the
// resistor values built from them.
#pragma once

#include <span>

namespace circuit {

enum class Series { kE12, kE24, kE96 };

// Ascending mantissas of `series` (1.0 up to 8.2, 9.1 or 9.76).
std::span<const double> Mantissas(Series series);

// Resistor values run over the decades 10^0 to 10^6.
constexpr int kDecades = 7;

// mantissa * 10^exponent, multiplied by ten `exponent` times. Every search builds its
// values this way, so a value printed later is bit for bit the one that was ranked.
inline double ScaleByDecades(double mantissa, int exponent) {
  double value = mantissa;
  for (int k = 0; k < exponent; ++k) value *= 10;
  return value;
}

}  // namespace circuit
