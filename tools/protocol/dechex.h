// Lists of decimal and hexadecimal numbers as text, converted as a whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace protocol {

// Values of the maximal runs of the digits 0 to 9 among the first `max_bytes` bytes of the
// code page 936 form of `text` (UTF-8). Every other character separates, so a minus sign
// never makes a number negative. Each run is read like strtol with a 32-bit long: beyond
// 2147483647 it saturates.
std::vector<int32_t> DecimalRuns(const std::string& text, size_t max_bytes);

// Every decimal number of `text` (first 2047 bytes of its code page 936 form) as "%.2x " ("0x%.2x "
// with `prefix`); with `commas` a comma follows each number but the last. nullopt for empty text,
// which leaves the hexadecimal field as it is.
std::optional<std::string> DecimalToHexText(const std::string& text, bool prefix, bool commas);

// Every hexadecimal number of `text` as "%d " of its low 32 bits (signed); with `commas` a
// comma follows each number but the last. The text is scanned as its code page 936 bytes
// after lower-casing the ASCII letters (double-byte characters stay as they are), so a
// trail byte "a" to "f" is a digit. A run takes at most 10 significant digits; the rest of
// the run is passed over. Leading zeros, an "x" of a 0x prefix and commas before a number's
// first digit are passed over; a number written only with zeros is 0. nullopt for text of
// fewer than two bytes, which leaves the decimal field as it is.
std::optional<std::string> HexToDecimalText(const std::string& text, bool commas);

}  // namespace protocol
