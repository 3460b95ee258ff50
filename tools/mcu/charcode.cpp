#include "tools/mcu/charcode.h"

#include <cstdint>
#include <vector>

#include "base/format.h"
#include "base/text.h"

namespace mcu {

namespace {

// Length of the GBK character at `at`: a lead byte 0x81..0xFE starts a pair.
size_t GbkLength(const std::string& bytes, size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  return lead >= 0x81 && lead <= 0xFE && at + 1 < bytes.size() ? 2 : 1;
}

// UTF-16 code units of valid UTF-8 (as FromCp936 gives it).
std::vector<uint16_t> Utf16Units(const std::string& utf8) {
  std::vector<uint16_t> units;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    size_t length = 1;
    uint32_t code = lead;
    if (lead >= 0xF0) {
      length = 4;
      code = lead & 0x07;
    } else if (lead >= 0xE0) {
      length = 3;
      code = lead & 0x0F;
    } else if (lead >= 0xC0) {
      length = 2;
      code = lead & 0x1F;
    }
    for (size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    i += length;
    if (code >= 0x10000) {
      code -= 0x10000;
      units.push_back(static_cast<uint16_t>(0xD800 | (code >> 10)));
      units.push_back(static_cast<uint16_t>(0xDC00 | (code & 0x3FF)));
    } else {
      units.push_back(static_cast<uint16_t>(code));
    }
  }
  return units;
}

}  // namespace

std::string LimitedGbk(const std::string& text) {
  const std::string gbk = base::ToCp936(text);
  size_t end = 0;
  while (end < gbk.size()) {
    const size_t next = end + GbkLength(gbk, end);
    if (next > kMaxCodeTextBytes) break;
    end = next;
  }
  return gbk.substr(0, end);
}

std::string CharacterCodes(const std::string& text, const CodeOptions& options) {
  const std::string gbk = LimitedGbk(text);
  std::vector<uint8_t> bytes;
  if (options.set == CharacterSet::kMultibyte) {
    bytes.assign(gbk.begin(), gbk.end());
  } else {
    for (const uint16_t unit : Utf16Units(base::FromCp936(gbk))) {
      bytes.push_back(static_cast<uint8_t>(unit >> 8));
      bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    }
  }
  const char* separator = options.comma ? "," : " ";
  const char* prefix = options.prefix ? "0x" : "";
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += separator;
    out += prefix;
    out += base::Format("%.2X", bytes[i]);
  }
  return out;
}

}  // namespace mcu
