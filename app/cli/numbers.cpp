#include "app/cli/numbers.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "base/format.h"

namespace cli {

const char kNumberFormsText[] =
    "Numbers are read whole: decimals and exponents (4700, 4.7e3), an SI prefix p, n, u, µ, "
    "m, k, M or G after the number (4.7k, 100n), the prefix in place of the decimal point "
    "(4k7 = 4700, 4u7 = 4.7e-6) or there the unit letter R, V, A or W (2R2 = 2.2 ohms, 3V3 = "
    "3.3 volts), and the unit after it where the option has one (12MHz, 10kΩ, 100nF, 5ms). "
    "Anything else is refused.";

namespace {

struct Prefix {
  std::string_view letters;
  int exponent;
};

constexpr Prefix kPrefixes[] = {
    {"p", -12}, {"n", -9}, {"u", -6}, {"\xC2\xB5", -6}, {"\xCE\xBC", -6},
    {"m", -3},  {"k", 3},  {"M", 6},  {"G", 9},
};

std::vector<std::string_view> UnitLetters(Unit unit) {
  switch (unit) {
    case Unit::kNone:
      return {};
    case Unit::kOhm:
      return {"\xCE\xA9", "\xE2\x84\xA6", "ohm", "R"};
    case Unit::kHertz:
      return {"Hz"};
    case Unit::kFarad:
      return {"F"};
    case Unit::kVolt:
      return {"V"};
    case Unit::kAmpere:
      return {"A"};
    case Unit::kWatt:
      return {"W"};
    case Unit::kSecond:
      return {"s"};
  }
  return {};
}

const char* Example(Unit unit) {
  switch (unit) {
    case Unit::kNone:
      return "1000, 1e3 or 1k";
    case Unit::kOhm:
      return "4700, 4.7k, 4k7 or 4.7kΩ";
    case Unit::kHertz:
      return "12000000, 12M or 12MHz";
    case Unit::kFarad:
      return "0.0000001, 100n or 100nF";
    case Unit::kVolt:
      return "3.3 or 3V3";
    case Unit::kAmpere:
      return "0.5, 500m or 500mA";
    case Unit::kWatt:
      return "0.25, 250m or 250mW";
    case Unit::kSecond:
      return "0.005, 5m or 5ms";
  }
  return "";
}

// The unit letter that may stand for the point: 2R2, 3V3.
char PointLetter(Unit unit) {
  switch (unit) {
    case Unit::kOhm:
      return 'R';
    case Unit::kVolt:
      return 'V';
    case Unit::kAmpere:
      return 'A';
    case Unit::kWatt:
      return 'W';
    default:
      return 0;
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string Digits(std::string_view text, size_t* pos) {
  const size_t start = *pos;
  while (*pos < text.size() && IsDigit(text[*pos])) ++*pos;
  return std::string(text.substr(start, *pos - start));
}

bool Consume(std::string_view text, size_t* pos, std::string_view letters) {
  if (text.substr(*pos, letters.size()) != letters) return false;
  *pos += letters.size();
  return true;
}

// The prefix at `pos` (R counts as one of exponent 0 for resistances, in the point's place
// only); nullptr when none.
const Prefix* ConsumePrefix(std::string_view text, size_t* pos) {
  for (const Prefix& prefix : kPrefixes) {
    if (Consume(text, pos, prefix.letters)) return &prefix;
  }
  return nullptr;
}

}  // namespace

NumberResult ReadNumber(std::string_view text, Unit unit) {
  const std::string refusal =
      base::Format("'%.*s' is not a number (write e.g. %s)", static_cast<int>(text.size()),
                   text.data(), Example(unit));
  if (text.empty()) return std::string("is empty");
  size_t pos = 0;
  std::string sign;
  if (text[0] == '+' || text[0] == '-') {
    if (text[0] == '-') sign = "-";
    ++pos;
  }
  std::string whole = Digits(text, &pos);
  std::string fraction;
  bool point = false;
  if (pos < text.size() && text[pos] == '.') {
    point = true;
    ++pos;
    fraction = Digits(text, &pos);
  }
  if (whole.empty() && fraction.empty()) return refusal;
  long exponent = 0;
  bool has_exponent = false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t at = pos + 1;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const std::string digits = Digits(text, &at);
    if (digits.empty()) return refusal;
    // Far beyond any double: the reading below turns it into an overflow or underflow.
    exponent = digits.size() > 6 ? 999999 : std::strtol(digits.c_str(), nullptr, 10);
    if (negative) exponent = -exponent;
    has_exponent = true;
    pos = at;
  }
  // The prefix, or in the RKM form the prefix with the fraction's digits after it.
  int prefix_exponent = 0;
  const size_t before_prefix = pos;
  if (const Prefix* prefix = ConsumePrefix(text, &pos)) {
    prefix_exponent = prefix->exponent;
  } else if (const char point_letter = PointLetter(unit);
             point_letter != 0 && pos + 1 < text.size() && text[pos] == point_letter &&
             IsDigit(text[pos + 1])) {
    ++pos;
  }
  if (pos != before_prefix && pos < text.size() && IsDigit(text[pos])) {
    if (point || has_exponent || whole.empty()) return refusal;
    fraction = Digits(text, &pos);
  }
  if (pos < text.size()) {
    bool unit_found = false;
    for (std::string_view letters : UnitLetters(unit)) {
      if (Consume(text, &pos, letters)) {
        unit_found = true;
        break;
      }
    }
    if (!unit_found || pos != text.size()) return refusal;
  }
  const std::string exact = sign + (whole.empty() ? "0" : whole) + "." + fraction + "e" +
                            std::to_string(exponent + prefix_exponent);
  errno = 0;
  const double value = std::strtod(exact.c_str(), nullptr);
  if (!std::isfinite(value) || (errno == ERANGE && std::fabs(value) > 1.0)) {
    return base::Format("'%.*s' is too large", static_cast<int>(text.size()), text.data());
  }
  if (errno == ERANGE) {
    return base::Format("'%.*s' is too small", static_cast<int>(text.size()), text.data());
  }
  return value;
}

HexBytesResult ReadHexBytesStrictly(std::string_view text, size_t limit) {
  // A stray character is named before any lone digit it may leave.
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (std::isxdigit(static_cast<unsigned char>(c)) || c == ' ' || c == '\t' || c == ',' ||
        c == '\r' || c == '\n') {
      continue;
    }
    if ((c == 'x' || c == 'X') && at > 0 && text[at - 1] == '0') {
      return std::string(
          "0x is no hex byte text: write the bytes as pairs of hex digits, e.g. 00 0A");
    }
    size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return base::Format(
        "'%.*s' is neither a hex digit nor a separator (blank, tab, comma, "
        "line break)",
        static_cast<int>(end - at), text.data() + at);
  }
  std::vector<uint8_t> bytes;
  size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') {
      ++pos;
      continue;
    }
    const size_t start = pos;
    while (pos < text.size() && std::isxdigit(static_cast<unsigned char>(text[pos]))) ++pos;
    const std::string_view run = text.substr(start, pos - start);
    if (run.size() % 2 != 0) {
      return base::Format(
          "'%.*s' has an odd number of hex digits: write every byte as two "
          "digits, e.g. 01 or 00 0A",
          static_cast<int>(run.size()), run.data());
    }
    for (size_t i = 0; i < run.size(); i += 2) {
      if (bytes.size() == limit) return base::Format("holds more than %zu bytes", limit);
      bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(run.substr(i, 2)), nullptr, 16)));
    }
  }
  return bytes;
}

HexBytesResult ReadHexField(std::string_view text, size_t count) {
  const HexBytesResult read = ReadHexBytesStrictly(text, count);
  const auto* bytes = std::get_if<std::vector<uint8_t>>(&read);
  if (bytes != nullptr && bytes->size() == count) return read;
  return base::Format("'%.*s' is not %s", static_cast<int>(text.size()), text.data(),
                      count == 1 ? "one byte as two hex digits, e.g. 01"
                                 : "two bytes, high byte first, e.g. 00 0A");
}

}  // namespace cli
