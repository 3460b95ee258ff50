// Hex byte text: bytes written as pairs of hexadecimal digits ("01 22"), read with a byte
// limit chosen by the caller and printed as "%.2X " per byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

// Reads hex byte text (UTF-8; scanned as its code page 936 bytes) into `buffer`, which must
// have room for limit + 1 bytes. Returns the count of complete bytes, 0 to limit. The
// buffer may hold a half-read byte just past the count.
size_t ReadHexBytes(const std::string& text, uint8_t* buffer, size_t limit);

// The same, returning the complete bytes only.
std::vector<uint8_t> ReadHexBytes(const std::string& text, size_t limit);

// First byte of ReadHexBytes(text, 100), or 0 when there is none.
uint8_t ReadHexByte(const std::string& text);

// First two bytes big-endian; one byte gives that byte; none gives 0.
uint16_t ReadHexWord(const std::string& text);

// Every byte as "%.2X " (so the text ends in a space); empty for no bytes.
std::string FormatHexBytes(const uint8_t* bytes, size_t count);
std::string FormatHexBytes(const std::vector<uint8_t>& bytes);

}  // namespace protocol
