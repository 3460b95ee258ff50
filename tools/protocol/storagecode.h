// Storage codes: the bytes of a value of a C type as they lie in memory, and back.
#pragma once

#include <string>

namespace protocol {

enum class StorageType { kUChar, kShort, kUShort, kInt, kUInt, kFloat, kDouble, kAscii };

// Bytes that a storage code text and a typed text may hold.
constexpr size_t kStorageByteLimit = 1023;

// Decimal text (or, for kAscii, any text) to its storage code. The integer types read the
// text like strtol / strtoul with 32-bit longs and keep the type's low bytes; float and
// double read decimal floating-point text only. Multi-byte codes are "%.2X" joined by
// blanks, least significant byte first unless `reverse`; unsigned char is "%.2x";
// text is its code page 936 bytes as "%.2X " each.
std::string ValueToStorageCode(StorageType type, const std::string& text, bool reverse);

// Hex byte text (at most kStorageByteLimit bytes) to the value: "%d", "%u" or "%f" as the
// type has it; "null" when a multi-byte type gets too few bytes. Unsigned char takes the
// first byte (0 without one); text takes the bytes up to the first zero as code page 936.
std::string StorageCodeToValue(StorageType type, const std::string& code, bool reverse);

}  // namespace protocol
