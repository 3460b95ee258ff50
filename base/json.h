// JSON text for the console and the command line. No Qt here.
#pragma once

#include <cstddef>
#include <string>

namespace base {

// Length of the well-formed UTF-8 sequence starting at `at` (1 for ASCII), or 0 when the
// bytes there are not one (a stray continuation byte, an overlong form, a surrogate, past
// U+10FFFF, cut off at the end).
size_t Utf8SequenceLength(const std::string& text, size_t at);

// True when all of `text` is well-formed UTF-8.
bool IsUtf8(const std::string& text);

// A JSON string literal of `text`, every byte kept ("\r\n" and trailing blanks too): quotes,
// backslashes and control characters escaped, and any byte that is not part of well-formed
// UTF-8 written as U+FFFD, so the literal is always valid JSON.
std::string JsonString(const std::string& text);

}  // namespace base
