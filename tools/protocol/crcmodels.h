// The public catalogue of parametrised CRC algorithms (width, poly, init, refin, refout,
// xorout, check, residue in the usual notation) and one engine that computes any of them.
// The 82-bit CRC-82/DARC is not in the table: its values do not fit the 64-bit fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

struct CrcModel {
  const char* name;  // catalogue name, e.g. "CRC-32/ISO-HDLC"
  int width;         // 3..64
  uint64_t poly, init;
  bool refin, refout;
  uint64_t xorout, check, residue;
  std::vector<const char*> aliases;  // other names the catalogue lists for it
};

// Every model, in catalogue order (by width, then by name).
const std::vector<CrcModel>& CrcCatalogue();

// The model named `name` or one of its aliases, ASCII case-insensitive; nullptr if none.
const CrcModel* FindCrcModel(std::string_view name);

// Which implementation an engine runs; kTable exists so the portable path can be compared
// with the carry-less multiplication path on the same machine.
enum class CrcPath { kFastest, kTable };

// True when this processor can fold with carry-less multiplication.
bool CrcClmulAvailable();

class CrcEngine {
 public:
  explicit CrcEngine(const CrcModel& model, CrcPath path = CrcPath::kFastest);
  void Update(const void* data, size_t size);  // any chunking gives the same result
  uint64_t Value() const;                      // final value (refout/xorout applied)
  void Reset();
  bool UsesClmul() const { return clmul_; }

 private:
  void UpdateTable(const uint8_t* data, size_t size);
  void UpdateClmul(const uint8_t* data, size_t size);

  int width_;
  bool refin_, refout_;
  uint64_t init_reg_, xorout_;
  uint64_t reg_;  // the register as a 64-bit CRC of x^(64-width)*P: reflected or left-aligned
  bool clmul_;
  // Constants that fold a 128-bit block forward by 512, 384, 256 and 128 bits, in the
  // register's bit order (see the constructor).
  uint64_t fold512_[2], fold128_[2], fold256_[2], fold384_[2];
  uint64_t table_[8][256];
};

uint64_t ComputeCrc(const CrcModel& model, const void* data, size_t size);

// "0x" and ceil(width/4) upper-case hexadecimal digits, e.g. "0xCBF43926".
std::string FormatCrcValue(const CrcModel& model, uint64_t value);

}  // namespace protocol
