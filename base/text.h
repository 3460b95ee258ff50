// Text helpers shared by the tool cores. Text inside the program is UTF-8; code page 936
// (GBK) bytes appear only where a result is defined on them.
#pragma once

#include <string>
#include <vector>

namespace base {

// Strips white space (space, \t, \n, \v, \f, \r) at both ends.
std::string Trim(const std::string& text);

// UTF-8 to code page 936 bytes. A character that CP936 lacks, or a malformed UTF-8
// sequence, becomes "?", as the platform conversion does.
std::string ToCp936(const std::string& utf8);

// Code page 936 bytes to UTF-8. A byte sequence that is not valid CP936 becomes "?".
std::string FromCp936(const std::string& cp936);

enum class LetterCase { kUpper, kLower };

// Changes the case of the ASCII letters of code page 936 bytes, leaving both bytes of every
// double-byte character alone (a trail byte may itself lie in the ASCII letter range).
std::string FoldCaseCp936(std::string bytes, LetterCase to);

// Value of a hexadecimal digit whose letters are written in `letters` case, or -1: after
// FoldCaseCp936, a trail byte in the other case is no digit.
int HexDigitValue(char c, LetterCase letters);

// Splits at every occurrence of `separator` (empty pieces kept).
std::vector<std::string> Split(const std::string& text, const std::string& separator);

}  // namespace base
