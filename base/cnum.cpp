#include "base/cnum.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "base/text.h"

namespace base {

namespace {

// Parses white space, an optional sign and base-10 digits. Returns false when no digit
// follows; `magnitude` saturates at UINT64_MAX.
bool ScanDecimal(const std::string& text, bool* negative, uint64_t* magnitude, bool* overflow) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  *negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    *negative = text[i] == '-';
    ++i;
  }
  *magnitude = 0;
  *overflow = false;
  bool any = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    any = true;
    const uint64_t digit = static_cast<uint64_t>(text[i] - '0');
    if (*magnitude > (UINT64_MAX - digit) / 10) {
      *overflow = true;
      *magnitude = UINT64_MAX;
    } else if (!*overflow) {
      *magnitude = *magnitude * 10 + digit;
    }
  }
  return any;
}

}  // namespace

int32_t ReadLong(const std::string& text) {
  bool negative, overflow;
  uint64_t magnitude;
  if (!ScanDecimal(text, &negative, &magnitude, &overflow)) return 0;
  if (negative) {
    return magnitude >= 2147483648ull ? INT32_MIN : -static_cast<int32_t>(magnitude);
  }
  return magnitude > 2147483647ull ? INT32_MAX : static_cast<int32_t>(magnitude);
}

uint32_t ReadULong(const std::string& text) {
  bool negative, overflow;
  uint64_t magnitude;
  if (!ScanDecimal(text, &negative, &magnitude, &overflow)) return 0;
  if (magnitude > UINT32_MAX) return UINT32_MAX;
  const uint32_t value = static_cast<uint32_t>(magnitude);
  return negative ? static_cast<uint32_t>(0u - value) : value;
}

double ReadDecimalDouble(const std::string& text, size_t* consumed) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) {
    if (consumed) *consumed = 0;
    return 0.0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
      i = j;
    }
  }
  if (consumed) *consumed = i;
  const std::string number = text.substr(start, i - start);
  return std::strtod(number.c_str(), nullptr);
}

Field ReadField(const std::string& text) {
  const std::string trimmed = Trim(text);
  return {!trimmed.empty(), ReadDecimalDouble(trimmed)};
}

}  // namespace base
