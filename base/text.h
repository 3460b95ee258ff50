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

// Splits at every occurrence of `separator` (empty pieces kept).
std::vector<std::string> Split(const std::string& text, const std::string& separator);

}  // namespace base
