// Number reading with the C library's rules as the tools' users know them from a 32-bit
// desktop: `long` is 32 bits there, so the integer readings saturate at 32 bits here too.
#pragma once

#include <cstdint>
#include <string>

namespace base {

// strtol(text, 10) with a 32-bit long: white space, sign, digits up to the first other
// character; no digits gives 0; out of range saturates at INT32_MAX / INT32_MIN.
int32_t ReadLong(const std::string& text);

// strtoul(text, 10) with a 32-bit unsigned long: a leading minus negates modulo 2^32;
// a magnitude beyond 4294967295 saturates at 4294967295 (with or without the minus).
uint32_t ReadULong(const std::string& text);

// Decimal floating-point text only: white space, sign, digits with an optional point, an
// optional exponent. Hexadecimal floats, "inf" and "nan" are not numbers here (they give 0).
// `consumed`, when given, receives the count of characters read (0 when there is no number).
double ReadDecimalDouble(const std::string& text, size_t* consumed = nullptr);

// A calculator's field: white space stripped at both ends, then read as above; an empty
// field is not given (and reads as 0).
struct Field {
  bool given = false;
  double value = 0;
};
Field ReadField(const std::string& text);

}  // namespace base
