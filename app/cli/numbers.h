// The command line's strict readers: a number or a hex byte field is read whole or refused
// with a message, never read up to its first odd character as the windows do. No Qt here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

// The unit an option is measured in; its letters may follow the number.
enum class Unit {
  kNone,    // a plain quantity (a ratio, a B constant)
  kOhm,     // Ω (U+03A9 or U+2126), ohm, R; R, V, A and W also stand for the point: 2R2, 3V3
  kHertz,   // Hz
  kFarad,   // F
  kVolt,    // V
  kAmpere,  // A
  kWatt,    // W
  kSecond,  // s
};

// A number or the reason it is none (without the option's name).
using NumberResult = std::variant<double, std::string>;

// Reads a whole number: decimals and exponents (4700, 4.7e3), an SI prefix p n u µ m k M G
// after it (4.7k, 100n), the prefix standing for the point (4k7, 4u7), and the letters of
// `unit` at the end (12MHz, 10kΩ). Signs are accepted; blanks, hexadecimal, inf and nan are
// not. The value is the exact decimal reading rounded once, so 4k7 is 4700 exactly.
NumberResult ReadNumber(std::string_view text, Unit unit);

// The forms ReadNumber accepts, for the help texts.
extern const char kNumberFormsText[];

// Hex byte text read strictly: pairs of hex digits, separated by blanks, tabs, commas or
// line breaks (or by nothing). A character of any other kind or a lone digit is refused;
// so is more than `limit` bytes.
using HexBytesResult = std::variant<std::vector<uint8_t>, std::string>;
HexBytesResult ReadHexBytesStrictly(std::string_view text, size_t limit);

// A hex field of exactly `count` bytes ("01", "00 0A"); the message shows the form wanted.
HexBytesResult ReadHexField(std::string_view text, size_t count);

}  // namespace cli
