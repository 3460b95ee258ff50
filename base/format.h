// printf-style formatting into std::string; the tools' output formats are printf formats.
#pragma once

#include <string>

namespace base {

std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace base
