#include "tools/protocol/crcmodels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using protocol::CrcEngine;
using protocol::CrcModel;
using protocol::CrcPath;

// The textbook definition, one message bit at a time: shift the register left, feeding each
// input bit into the top, and subtract the polynomial whenever a one falls out.
uint64_t BitByBit(const CrcModel& m, const uint8_t* data, size_t size) {
  const uint64_t mask = m.width == 64 ? ~uint64_t{0} : (uint64_t{1} << m.width) - 1;
  const uint64_t top = uint64_t{1} << (m.width - 1);
  uint64_t reg = m.init & mask;
  for (size_t i = 0; i < size; ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      const bool in = m.refin ? (data[i] >> bit) & 1 : (data[i] >> (7 - bit)) & 1;
      const bool out = (reg & top) != 0;
      reg = (reg << 1) & mask;
      if (in != out) reg ^= m.poly & mask;
    }
  }
  if (m.refout) {
    uint64_t reflected = 0;
    for (int bit = 0; bit < m.width; ++bit) reflected |= ((reg >> bit) & 1) << (m.width - 1 - bit);
    reg = reflected;
  }
  return (reg ^ m.xorout) & mask;
}

std::vector<uint8_t> RandomBytes(std::mt19937_64& rng, size_t size) {
  std::vector<uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(rng());
  return bytes;
}

// Feeds `bytes` in random pieces, some of them long enough for the folding path.
uint64_t Chunked(CrcEngine& engine, const std::vector<uint8_t>& bytes, std::mt19937_64& rng) {
  engine.Reset();
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t limit = (rng() % 3 == 0) ? 40 : 3000;
    const size_t piece = std::min<size_t>(bytes.size() - at, rng() % limit);
    engine.Update(bytes.data() + at, piece);
    at += piece;
  }
  return engine.Value();
}

TEST(CrcModels, CatalogueIsWholeAndNamesAreUnique) {
  const auto& catalogue = protocol::CrcCatalogue();
  EXPECT_EQ(catalogue.size(), 112u);
  std::set<std::string> names;
  int last_width = 0;
  for (const CrcModel& m : catalogue) {
    EXPECT_GE(m.width, 3) << m.name;
    EXPECT_LE(m.width, 64) << m.name;
    EXPECT_GE(m.width, last_width) << m.name << " out of catalogue order";
    last_width = m.width;
    EXPECT_EQ(m.poly & 1, 1u) << m.name;
    EXPECT_TRUE(names.insert(m.name).second) << m.name;
    for (const char* alias : m.aliases) EXPECT_TRUE(names.insert(alias).second) << alias;
  }
}

TEST(CrcModels, EveryModelGivesItsCheckValueOnBothPaths) {
  const char* check = "123456789";
  for (const CrcModel& m : protocol::CrcCatalogue()) {
    for (CrcPath path : {CrcPath::kFastest, CrcPath::kTable}) {
      CrcEngine engine(m, path);
      engine.Update(check, 9);
      EXPECT_EQ(engine.Value(), m.check) << m.name;
    }
    EXPECT_EQ(protocol::ComputeCrc(m, check, 9), m.check) << m.name;
    EXPECT_EQ(BitByBit(m, reinterpret_cast<const uint8_t*>(check), 9), m.check) << m.name;
  }
}

// A message followed by its own CRC, sent in the order the model's reflection implies, leaves
// the catalogue's residue in the register.
TEST(CrcModels, CodewordsLeaveTheResidue) {
  std::mt19937_64 rng(7);
  int tested = 0;
  for (const CrcModel& m : protocol::CrcCatalogue()) {
    if (m.width % 8 != 0 || m.refin != m.refout) continue;
    std::vector<uint8_t> word = RandomBytes(rng, 37);
    const uint64_t crc = protocol::ComputeCrc(m, word.data(), word.size());
    const int bytes = m.width / 8;
    for (int i = 0; i < bytes; ++i) {
      const int shift = m.refout ? 8 * i : 8 * (bytes - 1 - i);
      word.push_back(static_cast<uint8_t>(crc >> shift));
    }
    const uint64_t mask = m.width == 64 ? ~uint64_t{0} : (uint64_t{1} << m.width) - 1;
    EXPECT_EQ(protocol::ComputeCrc(m, word.data(), word.size()) ^ (m.xorout & mask), m.residue)
        << m.name;
    ++tested;
  }
  EXPECT_GT(tested, 70);
}

TEST(CrcModels, RandomDataInRandomPiecesMatchesTheBitByBitDefinition) {
  std::mt19937_64 rng(2024);
  const size_t sizes[] = {0, 1, 7, 8, 15, 16, 63, 64, 127, 128, 129, 191, 200, 1000, 4099};
  for (const CrcModel& m : protocol::CrcCatalogue()) {
    CrcEngine fast(m), table(m, CrcPath::kTable);
    for (size_t size : sizes) {
      const std::vector<uint8_t> bytes = RandomBytes(rng, size);
      const uint64_t expected = BitByBit(m, bytes.data(), bytes.size());
      fast.Reset();
      fast.Update(bytes.data(), bytes.size());
      EXPECT_EQ(fast.Value(), expected) << m.name << " " << size;
      EXPECT_EQ(Chunked(fast, bytes, rng), expected) << m.name << " " << size;
      EXPECT_EQ(Chunked(table, bytes, rng), expected) << m.name << " " << size;
    }
  }
}

// The folding path and the table path agree on long unaligned runs of every model.
TEST(CrcModels, ClmulAndTablePathsAgree) {
  CrcEngine probe(*protocol::FindCrcModel("CRC-32"));
  EXPECT_EQ(probe.UsesClmul(), protocol::CrcClmulAvailable());
  EXPECT_FALSE(CrcEngine(*protocol::FindCrcModel("CRC-32"), CrcPath::kTable).UsesClmul());
  std::mt19937_64 rng(99);
  const std::vector<uint8_t> bytes = RandomBytes(rng, 70001);
  for (const CrcModel& m : protocol::CrcCatalogue()) {
    CrcEngine fast(m), table(m, CrcPath::kTable);
    for (size_t offset : {0u, 1u, 5u}) {
      fast.Reset();
      table.Reset();
      fast.Update(bytes.data() + offset, bytes.size() - offset);
      table.Update(bytes.data() + offset, bytes.size() - offset);
      EXPECT_EQ(fast.Value(), table.Value()) << m.name << " " << offset;
    }
    table.Reset();
    table.Update(bytes.data(), bytes.size());
    EXPECT_EQ(Chunked(fast, bytes, rng), table.Value()) << m.name;
  }
}

TEST(CrcModels, LongRunOfOneCrc32MatchesTheDefinition) {
  std::mt19937_64 rng(5);
  const std::vector<uint8_t> bytes = RandomBytes(rng, 1 << 20);
  for (const char* name : {"CRC-32", "CRC-32/BZIP2", "CRC-64/XZ", "CRC-64/WE", "CRC-5/USB"}) {
    const CrcModel& m = *protocol::FindCrcModel(name);
    EXPECT_EQ(protocol::ComputeCrc(m, bytes.data(), bytes.size()),
              BitByBit(m, bytes.data(), bytes.size()))
        << name;
  }
}

TEST(CrcModels, FindsNamesAndAliasesIgnoringCase) {
  const struct {
    const char* query;
    const char* model;
  } cases[] = {
      {"CRC-32", "CRC-32/ISO-HDLC"},
      {"crc-32/iso-hdlc", "CRC-32/ISO-HDLC"},
      {"PKZIP", "CRC-32/ISO-HDLC"},
      {"CRC-32C", "CRC-32/ISCSI"},
      {"CRC-16/CCITT-FALSE", "CRC-16/IBM-3740"},
      {"X-25", "CRC-16/IBM-SDLC"},
      {"CRC-16", "CRC-16/ARC"},
      {"arc", "CRC-16/ARC"},
      {"Modbus", "CRC-16/MODBUS"},
      {"xmodem", "CRC-16/XMODEM"},
      {"KERMIT", "CRC-16/KERMIT"},
      {"CRC-8", "CRC-8/SMBUS"},
      {"CKSUM", "CRC-32/CKSUM"},
      {"CRC-64", "CRC-64/ECMA-182"},
      {"crc-3/gsm", "CRC-3/GSM"},
      {"CRC-64/GO-ECMA", "CRC-64/XZ"},
  };
  for (const auto& c : cases) {
    const CrcModel* found = protocol::FindCrcModel(c.query);
    ASSERT_NE(found, nullptr) << c.query;
    EXPECT_STREQ(found->name, c.model) << c.query;
  }
  for (const char* missing : {"", "CRC", "CRC-32 ", "CRC-82/DARC", "crc32", "CRC-16/CCITT-FALSEX"})
    EXPECT_EQ(protocol::FindCrcModel(missing), nullptr) << missing;
}

TEST(CrcModels, FormatsValuesWithTheWidthsDigits) {
  const struct {
    const char* model;
    uint64_t value;
    const char* text;
  } cases[] = {
      {"CRC-32", 0xCBF43926, "0xCBF43926"},
      {"CRC-3/GSM", 0x4, "0x4"},
      {"CRC-10/ATM", 0x199, "0x199"},
      {"CRC-17/CAN-FD", 0x4F03, "0x04F03"},
      {"CRC-16/MODBUS", 0x4B37, "0x4B37"},
      {"CRC-8/SMBUS", 0x0, "0x00"},
      {"CRC-64/XZ", 0x995DC9BBDF1939FA, "0x995DC9BBDF1939FA"},
      {"CRC-40/GSM", 0xD4164FC646, "0xD4164FC646"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(protocol::FormatCrcValue(*protocol::FindCrcModel(c.model), c.value), c.text);
}

TEST(CrcModels, ValueDoesNotEndTheStream) {
  const CrcModel& m = *protocol::FindCrcModel("CRC-32");
  CrcEngine engine(m);
  engine.Update("1234", 4);
  EXPECT_EQ(engine.Value(), protocol::ComputeCrc(m, "1234", 4));
  engine.Update("56789", 5);
  EXPECT_EQ(engine.Value(), 0xCBF43926u);
  EXPECT_EQ(engine.Value(), 0xCBF43926u);
  engine.Reset();
  EXPECT_EQ(engine.Value(), protocol::ComputeCrc(m, nullptr, 0));
  EXPECT_EQ(engine.Value(), 0u);
}

}  // namespace
