#include "tools/protocol/crcmodels.h"

#include <bit>
#include <cstdio>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUORKIT_CRC_CLMUL 1
#endif

namespace protocol {

namespace {

constexpr uint64_t kAll = ~uint64_t{0};

// Parameters as the catalogue prints them; the check value is the CRC of "123456789".
const std::vector<CrcModel> kCatalogue = {
    {"CRC-3/GSM", 3, 0x3, 0x0, false, false, 0x7, 0x4, 0x2, {}},
    {"CRC-3/ROHC", 3, 0x3, 0x7, true, true, 0x0, 0x6, 0x0, {}},
    {"CRC-4/G-704", 4, 0x3, 0x0, true, true, 0x0, 0x7, 0x0, {"CRC-4/ITU"}},
    {"CRC-4/INTERLAKEN", 4, 0x3, 0xf, false, false, 0xf, 0xb, 0x2, {}},
    {"CRC-5/EPC-C1G2", 5, 0x09, 0x09, false, false, 0x00, 0x00, 0x00, {"CRC-5/EPC"}},
    {"CRC-5/G-704", 5, 0x15, 0x00, true, true, 0x00, 0x07, 0x00, {"CRC-5/ITU"}},
    {"CRC-5/USB", 5, 0x05, 0x1f, true, true, 0x1f, 0x19, 0x06, {}},
    {"CRC-6/CDMA2000-A", 6, 0x27, 0x3f, false, false, 0x00, 0x0d, 0x00, {}},
    {"CRC-6/CDMA2000-B", 6, 0x07, 0x3f, false, false, 0x00, 0x3b, 0x00, {}},
    {"CRC-6/DARC", 6, 0x19, 0x00, true, true, 0x00, 0x26, 0x00, {}},
    {"CRC-6/G-704", 6, 0x03, 0x00, true, true, 0x00, 0x06, 0x00, {"CRC-6/ITU"}},
    {"CRC-6/GSM", 6, 0x2f, 0x00, false, false, 0x3f, 0x13, 0x3a, {}},
    {"CRC-7/MMC", 7, 0x09, 0x00, false, false, 0x00, 0x75, 0x00, {"CRC-7"}},
    {"CRC-7/ROHC", 7, 0x4f, 0x7f, true, true, 0x00, 0x53, 0x00, {}},
    {"CRC-7/UMTS", 7, 0x45, 0x00, false, false, 0x00, 0x61, 0x00, {}},
    {"CRC-8/AUTOSAR", 8, 0x2f, 0xff, false, false, 0xff, 0xdf, 0x42, {}},
    {"CRC-8/BLUETOOTH", 8, 0xa7, 0x00, true, true, 0x00, 0x26, 0x00, {}},
    {"CRC-8/CDMA2000", 8, 0x9b, 0xff, false, false, 0x00, 0xda, 0x00, {}},
    {"CRC-8/DARC", 8, 0x39, 0x00, true, true, 0x00, 0x15, 0x00, {}},
    {"CRC-8/DVB-S2", 8, 0xd5, 0x00, false, false, 0x00, 0xbc, 0x00, {}},
    {"CRC-8/GSM-A", 8, 0x1d, 0x00, false, false, 0x00, 0x37, 0x00, {}},
    {"CRC-8/GSM-B", 8, 0x49, 0x00, false, false, 0xff, 0x94, 0x53, {}},
    {"CRC-8/HITAG", 8, 0x1d, 0xff, false, false, 0x00, 0xb4, 0x00, {}},
    {"CRC-8/I-432-1", 8, 0x07, 0x00, false, false, 0x55, 0xa1, 0xac, {"CRC-8/ITU"}},
    {"CRC-8/I-CODE", 8, 0x1d, 0xfd, false, false, 0x00, 0x7e, 0x00, {}},
    {"CRC-8/LTE", 8, 0x9b, 0x00, false, false, 0x00, 0xea, 0x00, {}},
    {"CRC-8/MAXIM-DOW", 8, 0x31, 0x00, true, true, 0x00, 0xa1, 0x00, {"CRC-8/MAXIM", "DOW-CRC"}},
    {"CRC-8/MIFARE-MAD", 8, 0x1d, 0xc7, false, false, 0x00, 0x99, 0x00, {}},
    {"CRC-8/NRSC-5", 8, 0x31, 0xff, false, false, 0x00, 0xf7, 0x00, {}},
    {"CRC-8/OPENSAFETY", 8, 0x2f, 0x00, false, false, 0x00, 0x3e, 0x00, {}},
    {"CRC-8/ROHC", 8, 0x07, 0xff, true, true, 0x00, 0xd0, 0x00, {}},
    {"CRC-8/SAE-J1850", 8, 0x1d, 0xff, false, false, 0xff, 0x4b, 0xc4, {}},
    {"CRC-8/SMBUS", 8, 0x07, 0x00, false, false, 0x00, 0xf4, 0x00, {"CRC-8"}},
    {"CRC-8/TECH-3250", 8, 0x1d, 0xff, true, true, 0x00, 0x97, 0x00, {"CRC-8/AES", "CRC-8/EBU"}},
    {"CRC-8/WCDMA", 8, 0x9b, 0x00, true, true, 0x00, 0x25, 0x00, {}},
    {"CRC-10/ATM", 10, 0x233, 0x000, false, false, 0x000, 0x199, 0x000, {"CRC-10", "CRC-10/I-610"}},
    {"CRC-10/CDMA2000", 10, 0x3d9, 0x3ff, false, false, 0x000, 0x233, 0x000, {}},
    {"CRC-10/GSM", 10, 0x175, 0x000, false, false, 0x3ff, 0x12a, 0x0c6, {}},
    {"CRC-11/FLEXRAY", 11, 0x385, 0x01a, false, false, 0x000, 0x5a3, 0x000, {"CRC-11"}},
    {"CRC-11/UMTS", 11, 0x307, 0x000, false, false, 0x000, 0x061, 0x000, {}},
    {"CRC-12/CDMA2000", 12, 0xf13, 0xfff, false, false, 0x000, 0xd4d, 0x000, {}},
    {"CRC-12/DECT", 12, 0x80f, 0x000, false, false, 0x000, 0xf5b, 0x000, {"X-CRC-12"}},
    {"CRC-12/GSM", 12, 0xd31, 0x000, false, false, 0xfff, 0xb34, 0x178, {}},
    {"CRC-12/UMTS", 12, 0x80f, 0x000, false, true, 0x000, 0xdaf, 0x000, {"CRC-12/3GPP"}},
    {"CRC-13/BBC", 13, 0x1cf5, 0x0000, false, false, 0x0000, 0x04fa, 0x0000, {}},
    {"CRC-14/DARC", 14, 0x0805, 0x0000, true, true, 0x0000, 0x082d, 0x0000, {}},
    {"CRC-14/GSM", 14, 0x202d, 0x0000, false, false, 0x3fff, 0x30ae, 0x031e, {}},
    {"CRC-15/CAN", 15, 0x4599, 0x0000, false, false, 0x0000, 0x059e, 0x0000, {"CRC-15"}},
    {"CRC-15/MPT1327", 15, 0x6815, 0x0000, false, false, 0x0001, 0x2566, 0x6815, {}},
    {"CRC-16/ARC",
     16,
     0x8005,
     0x0000,
     true,
     true,
     0x0000,
     0xbb3d,
     0x0000,
     {"ARC", "CRC-16", "CRC-16/LHA", "CRC-IBM"}},
    {"CRC-16/CDMA2000", 16, 0xc867, 0xffff, false, false, 0x0000, 0x4c06, 0x0000, {}},
    {"CRC-16/CMS", 16, 0x8005, 0xffff, false, false, 0x0000, 0xaee7, 0x0000, {}},
    {"CRC-16/DDS-110", 16, 0x8005, 0x800d, false, false, 0x0000, 0x9ecf, 0x0000, {}},
    {"CRC-16/DECT-R", 16, 0x0589, 0x0000, false, false, 0x0001, 0x007e, 0x0589, {"R-CRC-16"}},
    {"CRC-16/DECT-X", 16, 0x0589, 0x0000, false, false, 0x0000, 0x007f, 0x0000, {"X-CRC-16"}},
    {"CRC-16/DNP", 16, 0x3d65, 0x0000, true, true, 0xffff, 0xea82, 0x66c5, {}},
    {"CRC-16/EN-13757", 16, 0x3d65, 0x0000, false, false, 0xffff, 0xc2b7, 0xa366, {}},
    {"CRC-16/GENIBUS",
     16,
     0x1021,
     0xffff,
     false,
     false,
     0xffff,
     0xd64e,
     0x1d0f,
     {"CRC-16/DARC", "CRC-16/EPC", "CRC-16/EPC-C1G2", "CRC-16/I-CODE"}},
    {"CRC-16/GSM", 16, 0x1021, 0x0000, false, false, 0xffff, 0xce3c, 0x1d0f, {}},
    {"CRC-16/IBM-3740",
     16,
     0x1021,
     0xffff,
     false,
     false,
     0x0000,
     0x29b1,
     0x0000,
     {"CRC-16/AUTOSAR", "CRC-16/CCITT-FALSE"}},
    {"CRC-16/IBM-SDLC",
     16,
     0x1021,
     0xffff,
     true,
     true,
     0xffff,
     0x906e,
     0xf0b8,
     {"CRC-16/ISO-HDLC", "CRC-16/ISO-IEC-14443-3-B", "CRC-16/X-25", "CRC-B", "X-25"}},
    {"CRC-16/ISO-IEC-14443-3-A", 16, 0x1021, 0xc6c6, true, true, 0x0000, 0xbf05, 0x0000, {"CRC-A"}},
    {"CRC-16/KERMIT",
     16,
     0x1021,
     0x0000,
     true,
     true,
     0x0000,
     0x2189,
     0x0000,
     {"CRC-16/CCITT", "CRC-16/CCITT-TRUE", "CRC-16/V-41-LSB", "CRC-CCITT", "KERMIT"}},
    {"CRC-16/LJ1200", 16, 0x6f63, 0x0000, false, false, 0x0000, 0xbdf4, 0x0000, {}},
    {"CRC-16/M17", 16, 0x5935, 0xffff, false, false, 0x0000, 0x772b, 0x0000, {}},
    {"CRC-16/MAXIM-DOW", 16, 0x8005, 0x0000, true, true, 0xffff, 0x44c2, 0xb001, {"CRC-16/MAXIM"}},
    {"CRC-16/MCRF4XX", 16, 0x1021, 0xffff, true, true, 0x0000, 0x6f91, 0x0000, {}},
    {"CRC-16/MODBUS", 16, 0x8005, 0xffff, true, true, 0x0000, 0x4b37, 0x0000, {"MODBUS"}},
    {"CRC-16/NRSC-5", 16, 0x080b, 0xffff, true, true, 0x0000, 0xa066, 0x0000, {}},
    {"CRC-16/OPENSAFETY-A", 16, 0x5935, 0x0000, false, false, 0x0000, 0x5d38, 0x0000, {}},
    {"CRC-16/OPENSAFETY-B", 16, 0x755b, 0x0000, false, false, 0x0000, 0x20fe, 0x0000, {}},
    {"CRC-16/PROFIBUS",
     16,
     0x1dcf,
     0xffff,
     false,
     false,
     0xffff,
     0xa819,
     0xe394,
     {"CRC-16/IEC-61158-2"}},
    {"CRC-16/RIELLO", 16, 0x1021, 0xb2aa, true, true, 0x0000, 0x63d0, 0x0000, {}},
    {"CRC-16/SPI-FUJITSU",
     16,
     0x1021,
     0x1d0f,
     false,
     false,
     0x0000,
     0xe5cc,
     0x0000,
     {"CRC-16/AUG-CCITT"}},
    {"CRC-16/T10-DIF", 16, 0x8bb7, 0x0000, false, false, 0x0000, 0xd0db, 0x0000, {}},
    {"CRC-16/TELEDISK", 16, 0xa097, 0x0000, false, false, 0x0000, 0x0fb3, 0x0000, {}},
    {"CRC-16/TMS37157", 16, 0x1021, 0x89ec, true, true, 0x0000, 0x26b1, 0x0000, {}},
    {"CRC-16/UMTS",
     16,
     0x8005,
     0x0000,
     false,
     false,
     0x0000,
     0xfee8,
     0x0000,
     {"CRC-16/BUYPASS", "CRC-16/VERIFONE"}},
    {"CRC-16/USB", 16, 0x8005, 0xffff, true, true, 0xffff, 0xb4c8, 0xb001, {}},
    {"CRC-16/XMODEM",
     16,
     0x1021,
     0x0000,
     false,
     false,
     0x0000,
     0x31c3,
     0x0000,
     {"CRC-16/ACORN", "CRC-16/LTE", "CRC-16/V-41-MSB", "XMODEM", "ZMODEM"}},
    {"CRC-17/CAN-FD", 17, 0x1685b, 0x00000, false, false, 0x00000, 0x04f03, 0x00000, {}},
    {"CRC-21/CAN-FD", 21, 0x102899, 0x000000, false, false, 0x000000, 0x0ed841, 0x000000, {}},
    {"CRC-24/BLE", 24, 0x00065b, 0x555555, true, true, 0x000000, 0xc25a56, 0x000000, {}},
    {"CRC-24/FLEXRAY-A", 24, 0x5d6dcb, 0xfedcba, false, false, 0x000000, 0x7979bd, 0x000000, {}},
    {"CRC-24/FLEXRAY-B", 24, 0x5d6dcb, 0xabcdef, false, false, 0x000000, 0x1f23b8, 0x000000, {}},
    {"CRC-24/INTERLAKEN", 24, 0x328b63, 0xffffff, false, false, 0xffffff, 0xb4f3e6, 0x144e63, {}},
    {"CRC-24/LTE-A", 24, 0x864cfb, 0x000000, false, false, 0x000000, 0xcde703, 0x000000, {}},
    {"CRC-24/LTE-B", 24, 0x800063, 0x000000, false, false, 0x000000, 0x23ef52, 0x000000, {}},
    {"CRC-24/OPENPGP",
     24,
     0x864cfb,
     0xb704ce,
     false,
     false,
     0x000000,
     0x21cf02,
     0x000000,
     {"CRC-24"}},
    {"CRC-24/OS-9", 24, 0x800063, 0xffffff, false, false, 0xffffff, 0x200fa5, 0x800fe3, {}},
    {"CRC-30/CDMA",
     30,
     0x2030b9c7,
     0x3fffffff,
     false,
     false,
     0x3fffffff,
     0x04c34abf,
     0x34efa55a,
     {}},
    {"CRC-31/PHILIPS",
     31,
     0x04c11db7,
     0x7fffffff,
     false,
     false,
     0x7fffffff,
     0x0ce9e46c,
     0x4eaf26f1,
     {}},
    {"CRC-32/AIXM",
     32,
     0x814141ab,
     0x00000000,
     false,
     false,
     0x00000000,
     0x3010bf7f,
     0x00000000,
     {"CRC-32Q"}},
    {"CRC-32/AUTOSAR",
     32,
     0xf4acfb13,
     0xffffffff,
     true,
     true,
     0xffffffff,
     0x1697d06a,
     0x904cddbf,
     {}},
    {"CRC-32/BASE91-D",
     32,
     0xa833982b,
     0xffffffff,
     true,
     true,
     0xffffffff,
     0x87315576,
     0x45270551,
     {"CRC-32D"}},
    {"CRC-32/BZIP2",
     32,
     0x04c11db7,
     0xffffffff,
     false,
     false,
     0xffffffff,
     0xfc891918,
     0xc704dd7b,
     {"CRC-32/AAL5", "CRC-32/DECT-B", "B-CRC-32"}},
    {"CRC-32/CD-ROM-EDC",
     32,
     0x8001801b,
     0x00000000,
     true,
     true,
     0x00000000,
     0x6ec2edc4,
     0x00000000,
     {}},
    {"CRC-32/CKSUM",
     32,
     0x04c11db7,
     0x00000000,
     false,
     false,
     0xffffffff,
     0x765e7680,
     0xc704dd7b,
     {"CKSUM", "CRC-32/POSIX"}},
    {"CRC-32/ISCSI",
     32,
     0x1edc6f41,
     0xffffffff,
     true,
     true,
     0xffffffff,
     0xe3069283,
     0xb798b438,
     {"CRC-32/BASE91-C", "CRC-32/CASTAGNOLI", "CRC-32/INTERLAKEN", "CRC-32C"}},
    {"CRC-32/ISO-HDLC",
     32,
     0x04c11db7,
     0xffffffff,
     true,
     true,
     0xffffffff,
     0xcbf43926,
     0xdebb20e3,
     {"CRC-32", "CRC-32/ADCCP", "CRC-32/V-42", "CRC-32/XZ", "PKZIP"}},
    {"CRC-32/JAMCRC",
     32,
     0x04c11db7,
     0xffffffff,
     true,
     true,
     0x00000000,
     0x340bc6d9,
     0x00000000,
     {"JAMCRC"}},
    {"CRC-32/MEF", 32, 0x741b8cd7, 0xffffffff, true, true, 0x00000000, 0xd2c22f51, 0x00000000, {}},
    {"CRC-32/MPEG-2",
     32,
     0x04c11db7,
     0xffffffff,
     false,
     false,
     0x00000000,
     0x0376e6e7,
     0x00000000,
     {}},
    {"CRC-32/XFER",
     32,
     0x000000af,
     0x00000000,
     false,
     false,
     0x00000000,
     0xbd0be338,
     0x00000000,
     {"XFER"}},
    {"CRC-40/GSM",
     40,
     0x0004820009,
     0x0000000000,
     false,
     false,
     0xffffffffff,
     0xd4164fc646,
     0xc4ff8071ff,
     {}},
    {"CRC-64/ECMA-182",
     64,
     0x42f0e1eba9ea3693,
     0,
     false,
     false,
     0,
     0x6c40df5f0b497347,
     0,
     {"CRC-64"}},
    {"CRC-64/GO-ISO",
     64,
     0x000000000000001b,
     kAll,
     true,
     true,
     kAll,
     0xb90956c775a41001,
     0x5300000000000000,
     {}},
    {"CRC-64/MS", 64, 0x259c84cba6426349, kAll, true, true, 0, 0x75d4b74f024eceea, 0, {}},
    {"CRC-64/NVME",
     64,
     0xad93d23594c93659,
     kAll,
     true,
     true,
     kAll,
     0xae8b14860a799888,
     0xf310303b2b6f6e42,
     {}},
    {"CRC-64/REDIS", 64, 0xad93d23594c935a9, 0, true, true, 0, 0xe9c6d914c4b8d9ca, 0, {}},
    {"CRC-64/WE",
     64,
     0x42f0e1eba9ea3693,
     kAll,
     false,
     false,
     kAll,
     0x62ec59e3f1a4f00a,
     0xfcacbebd5931a992,
     {}},
    {"CRC-64/XZ",
     64,
     0x42f0e1eba9ea3693,
     kAll,
     true,
     true,
     kAll,
     0x995dc9bbdf1939fa,
     0x49958c9abd7d353f,
     {"CRC-64/GO-ECMA"}},
};

uint64_t Reflect(uint64_t value, int bits) {
  uint64_t result = 0;
  for (int i = 0; i < bits; ++i) {
    result = (result << 1) | (value & 1);
    value >>= 1;
  }
  return result;
}

uint64_t WidthMask(int width) {
  return width == 64 ? kAll : (uint64_t{1} << width) - 1;
}

// x^n mod G for G = x^64 + g, in plain bit order (bit i is the coefficient of x^i).
uint64_t PowerModG(uint64_t g, int n) {
  uint64_t r = 1;
  for (int i = 0; i < n; ++i) r = (r >> 63) ? (r << 1) ^ g : r << 1;
  return r;
}

uint64_t LoadLittle(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
  return v;
}

uint64_t LoadBig(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
  return v;
}

bool AsciiEqualFold(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// Below this many bytes the folding set-up costs more than it saves.
constexpr size_t kClmulMinimum = 128;

}  // namespace

const std::vector<CrcModel>& CrcCatalogue() {
  return kCatalogue;
}

const CrcModel* FindCrcModel(std::string_view name) {
  for (const CrcModel& model : kCatalogue) {
    if (AsciiEqualFold(name, model.name)) return &model;
    for (const char* alias : model.aliases)
      if (AsciiEqualFold(name, alias)) return &model;
  }
  return nullptr;
}

bool CrcClmulAvailable() {
#ifdef QUORKIT_CRC_CLMUL
  static const bool available = (__builtin_cpu_init(), true) && __builtin_cpu_supports("pclmul") &&
                                __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("sse4.1");
  return available;
#else
  return false;
#endif
}

// The register is a 64-bit CRC with generator G = x^(64-width) * P: for reflected input it is
// kept reflected in the low `width` bits, otherwise left-aligned in the top `width` bits. Both
// shapes make one table step and one folding scheme serve every width from 3 to 64.
CrcEngine::CrcEngine(const CrcModel& model, CrcPath path)
    : width_(model.width),
      refin_(model.refin),
      refout_(model.refout),
      xorout_(model.xorout),
      clmul_(path == CrcPath::kFastest && CrcClmulAvailable()) {
  const int shift = 64 - width_;
  const uint64_t g = (model.poly & WidthMask(width_)) << shift;
  const uint64_t init = model.init & WidthMask(width_);
  if (refin_) {
    const uint64_t rpoly = Reflect(g, 64);
    for (unsigned b = 0; b < 256; ++b) {
      uint64_t c = b;
      for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ rpoly : c >> 1;
      table_[0][b] = c;
    }
    for (int k = 1; k < 8; ++k)
      for (unsigned b = 0; b < 256; ++b)
        table_[k][b] = (table_[k - 1][b] >> 8) ^ table_[0][table_[k - 1][b] & 0xFF];
    init_reg_ = Reflect(init, width_);
  } else {
    for (unsigned b = 0; b < 256; ++b) {
      uint64_t c = uint64_t{b} << 56;
      for (int bit = 0; bit < 8; ++bit) c = (c >> 63) ? (c << 1) ^ g : c << 1;
      table_[0][b] = c;
    }
    for (int k = 1; k < 8; ++k)
      for (unsigned b = 0; b < 256; ++b)
        table_[k][b] = (table_[k - 1][b] << 8) ^ table_[0][table_[k - 1][b] >> 56];
    init_reg_ = init << shift;
  }
  // Folding a 128-bit block H*x^64 + L forward by D bits: H*(x^(D+64) mod G) +
  // L*(x^D mod G). Lane 0 multiplies lane 0 and lane 1 lane 1, so the constant for H goes
  // where H sits: the low lane when reflected, the high lane otherwise. A carry-less product
  // of two reflected values comes out one bit short, hence the exponents less one there.
  auto constants = [&](uint64_t out[2], int d) {
    if (refin_) {
      out[0] = Reflect(PowerModG(g, d + 63), 64);
      out[1] = Reflect(PowerModG(g, d - 1), 64);
    } else {
      out[0] = PowerModG(g, d);
      out[1] = PowerModG(g, d + 64);
    }
  };
  constants(fold512_, 512);
  constants(fold128_, 128);
  constants(fold256_, 256);
  constants(fold384_, 384);
  reg_ = init_reg_;
}

void CrcEngine::Reset() {
  reg_ = init_reg_;
}

void CrcEngine::Update(const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  if (clmul_ && size >= kClmulMinimum)
    UpdateClmul(p, size);
  else
    UpdateTable(p, size);
}

void CrcEngine::UpdateTable(const uint8_t* p, size_t size) {
  const uint64_t(&t)[8][256] = table_;
  uint64_t c = reg_;
  if (refin_) {
    for (; size >= 8; p += 8, size -= 8) {
      c ^= LoadLittle(p);
      c = t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][(c >> 24) & 0xFF] ^
          t[3][(c >> 32) & 0xFF] ^ t[2][(c >> 40) & 0xFF] ^ t[1][(c >> 48) & 0xFF] ^ t[0][c >> 56];
    }
    for (; size > 0; ++p, --size) c = (c >> 8) ^ t[0][(c ^ *p) & 0xFF];
  } else {
    for (; size >= 8; p += 8, size -= 8) {
      c ^= LoadBig(p);
      c = t[7][c >> 56] ^ t[6][(c >> 48) & 0xFF] ^ t[5][(c >> 40) & 0xFF] ^ t[4][(c >> 32) & 0xFF] ^
          t[3][(c >> 24) & 0xFF] ^ t[2][(c >> 16) & 0xFF] ^ t[1][(c >> 8) & 0xFF] ^ t[0][c & 0xFF];
    }
    for (; size > 0; ++p, --size) c = (c << 8) ^ t[0][(c >> 56) ^ *p];
  }
  reg_ = c;
}

#ifdef QUORKIT_CRC_CLMUL
namespace {

struct Folder {
  bool reflected;
  __m128i swap;

  __attribute__((target("pclmul,ssse3,sse4.1"))) __m128i Load(const uint8_t* p) const {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return reflected ? v : _mm_shuffle_epi8(v, swap);
  }
};

__attribute__((target("pclmul,ssse3,sse4.1"))) inline __m128i Fold(__m128i x, __m128i k) {
  return _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11));
}

__attribute__((target("pclmul,ssse3,sse4.1"))) inline __m128i Constants(const uint64_t k[2]) {
  return _mm_set_epi64x(static_cast<long long>(k[1]), static_cast<long long>(k[0]));
}

}  // namespace

// Four 128-bit accumulators take 64 bytes a round; they are folded into one, and its 16
// bytes, which stand for the same remainder, go through the table with the tail.
__attribute__((target("pclmul,ssse3,sse4.1"))) void CrcEngine::UpdateClmul(const uint8_t* p,
                                                                           size_t size) {
  const Folder in{refin_, _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15)};
  const __m128i k512 = Constants(fold512_);
  const __m128i k128 = Constants(fold128_);
  __m128i x0 = in.Load(p), x1 = in.Load(p + 16), x2 = in.Load(p + 32), x3 = in.Load(p + 48);
  // The register joins the first eight bytes of the message.
  const auto reg = static_cast<long long>(reg_);
  x0 = _mm_xor_si128(x0, refin_ ? _mm_set_epi64x(0, reg) : _mm_set_epi64x(reg, 0));
  p += 64;
  size -= 64;
  for (; size >= 64; p += 64, size -= 64) {
    x0 = _mm_xor_si128(Fold(x0, k512), in.Load(p));
    x1 = _mm_xor_si128(Fold(x1, k512), in.Load(p + 16));
    x2 = _mm_xor_si128(Fold(x2, k512), in.Load(p + 32));
    x3 = _mm_xor_si128(Fold(x3, k512), in.Load(p + 48));
  }
  __m128i x =
      _mm_xor_si128(_mm_xor_si128(Fold(x0, Constants(fold384_)), Fold(x1, Constants(fold256_))),
                    _mm_xor_si128(Fold(x2, k128), x3));
  for (; size >= 16; p += 16, size -= 16) x = _mm_xor_si128(Fold(x, k128), in.Load(p));
  alignas(16) uint8_t rest[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(rest), refin_ ? x : _mm_shuffle_epi8(x, in.swap));
  reg_ = 0;
  UpdateTable(rest, sizeof rest);
  UpdateTable(p, size);
}
#else
void CrcEngine::UpdateClmul(const uint8_t* p, size_t size) {
  UpdateTable(p, size);
}
#endif

uint64_t CrcEngine::Value() const {
  uint64_t out;
  if (refin_) {
    out = refout_ ? reg_ : Reflect(reg_, width_);
  } else {
    const uint64_t plain = reg_ >> (64 - width_);
    out = refout_ ? Reflect(plain, width_) : plain;
  }
  return (out ^ xorout_) & WidthMask(width_);
}

uint64_t ComputeCrc(const CrcModel& model, const void* data, size_t size) {
  CrcEngine engine(model);
  engine.Update(data, size);
  return engine.Value();
}

std::string FormatCrcValue(const CrcModel& model, uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%0*llX", (model.width + 3) / 4,
                static_cast<unsigned long long>(value & WidthMask(model.width)));
  return text;
}

}  // namespace protocol
