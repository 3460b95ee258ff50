#include "tools/protocol/dechex.h"

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"

namespace protocol {

namespace {

constexpr size_t kDecimalByteLimit = 2047;
constexpr size_t kHexDigitLimit = 10;

// Drops the comma after the last number.
void DropFinalComma(std::string* out) {
  if (out->size() > 1) out->pop_back();
}

}  // namespace

std::vector<int32_t> DecimalRuns(const std::string& text, size_t max_bytes) {
  // The limit counts code page 936 bytes; digits are single bytes there (no trail byte is
  // below 40h), so the runs themselves read the same in either form.
  std::string bytes = base::ToCp936(text);
  if (bytes.size() > max_bytes) bytes.resize(max_bytes);
  std::vector<int32_t> values;
  size_t run_start = 0;
  bool in_run = false;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    const bool digit = i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9';
    if (digit && !in_run) {
      run_start = i;
      in_run = true;
    } else if (!digit && in_run) {
      values.push_back(base::ReadLong(bytes.substr(run_start, i - run_start)));
      in_run = false;
    }
  }
  return values;
}

std::optional<std::string> DecimalToHexText(const std::string& text, bool prefix, bool commas) {
  if (text.empty()) return std::nullopt;
  std::string out;
  for (const int32_t value : DecimalRuns(text, kDecimalByteLimit)) {
    out += base::Format(prefix ? "0x%.2x " : "%.2x ", static_cast<unsigned>(value));
    if (commas) out += ',';
  }
  if (commas) DropFinalComma(&out);
  return out;
}

std::optional<std::string> HexToDecimalText(const std::string& text, bool commas) {
  const std::string bytes = base::FoldCaseCp936(base::ToCp936(text), base::LetterCase::kLower);
  if (bytes.size() < 2) return std::nullopt;
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
  for (const char c : bytes) {
    const int digit = base::HexDigitValue(c, base::LetterCase::kLower);
    if (digits == 0) {
      if (c == '0') {
        zero_seen = true;
        continue;
      }
      if (c == 'x') {
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
