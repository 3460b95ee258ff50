#include "tools/protocol/dechex.h"

#include "base/cnum.h"
#include "base/format.h"

namespace protocol {

namespace {

constexpr size_t kDecimalCharLimit = 2047;
constexpr size_t kHexDigitLimit = 10;

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first `max_chars` characters.
size_t Utf8PrefixLength(const std::string& text, size_t max_chars) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsUtf8Continuation(text[i])) continue;
    if (chars == max_chars) return i;
    ++chars;
  }
  return text.size();
}

size_t Utf8CharCount(const std::string& text) {
  size_t chars = 0;
  for (const char c : text) chars += IsUtf8Continuation(c) ? 0 : 1;
  return chars;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Drops the comma after the last number.
void DropFinalComma(std::string* out) {
  if (out->size() > 1) out->pop_back();
}

}  // namespace

std::vector<int32_t> DecimalRuns(const std::string& text, size_t max_chars) {
  const size_t end = Utf8PrefixLength(text, max_chars);
  std::vector<int32_t> values;
  size_t run_start = 0;
  bool in_run = false;
  for (size_t i = 0; i <= end; ++i) {
    const bool digit = i < end && text[i] >= '0' && text[i] <= '9';
    if (digit && !in_run) {
      run_start = i;
      in_run = true;
    } else if (!digit && in_run) {
      values.push_back(base::ReadLong(text.substr(run_start, i - run_start)));
      in_run = false;
    }
  }
  return values;
}

std::optional<std::string> DecimalToHexText(const std::string& text, bool prefix, bool commas) {
  if (text.empty()) return std::nullopt;
  std::string out;
  for (const int32_t value : DecimalRuns(text, kDecimalCharLimit)) {
    out += base::Format(prefix ? "0x%.2x " : "%.2x ", static_cast<unsigned>(value));
    if (commas) out += ',';
  }
  if (commas) DropFinalComma(&out);
  return out;
}

std::optional<std::string> HexToDecimalText(const std::string& text, bool commas) {
  if (Utf8CharCount(text) < 2) return std::nullopt;
  std::string out;
  uint64_t value = 0;
  size_t digits = 0;       // significant digits taken into `value`
  bool zero_seen = false;  // leading zeros passed over since the number (or its 0x) began
  auto finish = [&] {
    if (digits > 0 || zero_seen) {
      out += base::Format("%d ", static_cast<int32_t>(static_cast<uint32_t>(value)));
      if (commas) out += ',';
    }
    value = 0;
    digits = 0;
    zero_seen = false;
  };
  for (const char c : text) {
    const int digit = HexDigitValue(c);
    if (digits == 0) {
      if (c == '0') {
        zero_seen = true;
        continue;
      }
      if (c == 'x' || c == 'X') {
        // The zero before it was a prefix, not a number.
        zero_seen = false;
        continue;
      }
      if (c == ',' && !zero_seen) continue;
    }
    if (digit < 0) {
      finish();
      continue;
    }
    // Digits beyond the limit are passed over.
    if (digits < kHexDigitLimit) {
      value = value * 16 + static_cast<uint64_t>(digit);
      ++digits;
    }
  }
  finish();
  if (commas) DropFinalComma(&out);
  return out;
}

}  // namespace protocol
