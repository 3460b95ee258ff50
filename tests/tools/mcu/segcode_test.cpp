#include "tools/mcu/segcode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kHead[] = "//0,1,2,...,d,E,F的显示码\r\nunsigned char 变量名[ ]={";

TEST(SegmentCode, StandardTables) {
  const mcu::SegmentBitMap reversed = {7, 6, 5, 4, 3, 2, 1, 0};
  const mcu::SegmentBitMap swapped_a_dp = {7, 1, 2, 3, 4, 5, 6, 0};
  const struct {
    mcu::SegmentBitMap map;
    bool invert;
    const char* codes;
  } cases[] = {
      {mcu::DefaultSegmentBitMap(), false,
       "0x3f,0x06,0x5b,0x4f,0x66,0x6d,0x7d,0x07,0x7f,0x6f,0x77,0x7c,0x39,0x5e,0x79,0x71"},
      {mcu::DefaultSegmentBitMap(), true,
       "0xc0,0xf9,0xa4,0xb0,0x99,0x92,0x82,0xf8,0x80,0x90,0x88,0x83,0xc6,0xa1,0x86,0x8e"},
      {reversed, false,
       "0xfc,0x60,0xda,0xf2,0x66,0xb6,0xbe,0xe0,0xfe,0xf6,0xee,0x3e,0x9c,0x7a,0x9e,0x8e"},
      {reversed, true,
       "0x03,0x9f,0x25,0x0d,0x99,0x49,0x41,0x1f,0x01,0x09,0x11,0xc1,0x63,0x85,0x61,0x71"},
      // dp is never lit in a digit, so a on bit 7 only moves bit 0 up.
      {swapped_a_dp, false,
       "0xbe,0x06,0xda,0xce,0x66,0xec,0xfc,0x86,0xfe,0xee,0xf6,0x7c,0xb8,0x5e,0xf8,0xf0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mcu::StandardCodeTable(c.map, c.invert), std::string(kHead) + c.codes + "};")
        << c.map[0] << " " << c.invert;
  }
}

TEST(SegmentCode, CustomLines) {
  const mcu::SegmentBitMap reversed = {7, 6, 5, 4, 3, 2, 1, 0};
  const struct {
    uint8_t lit;
    mcu::SegmentBitMap map;
    bool invert;
    const char* line;
  } cases[] = {
      {0x00, mcu::DefaultSegmentBitMap(), false, "#define  XX_XX  0x00"},
      {0x00, mcu::DefaultSegmentBitMap(), true, "#define  XX_XX  0xff"},
      {0x48, mcu::DefaultSegmentBitMap(), false, "#define  XX_XX  0x48"},  // g and d
      {0xc8, mcu::DefaultSegmentBitMap(), false, "#define  XX_XX  0xc8"},  // with dp
      {0x80, reversed, false, "#define  XX_XX  0x01"},
      {0x81, reversed, true, "#define  XX_XX  0x7e"},
      {0xff, reversed, true, "#define  XX_XX  0x00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mcu::CustomCodeLine(c.lit, c.map, c.invert), c.line) << int(c.lit);
  }
}

TEST(SegmentCode, BitMapCheck) {
  EXPECT_TRUE(mcu::IsSegmentBitMapValid(mcu::DefaultSegmentBitMap()));
  EXPECT_TRUE(mcu::IsSegmentBitMapValid({3, 1, 2, 0, 7, 5, 6, 4}));
  EXPECT_FALSE(mcu::IsSegmentBitMapValid({0, 0, 2, 3, 4, 5, 6, 7}));
  EXPECT_FALSE(mcu::IsSegmentBitMapValid({0, 1, 2, 3, 4, 5, 6, 0}));
  EXPECT_FALSE(mcu::IsSegmentBitMapValid({7, 7, 7, 7, 7, 7, 7, 7}));
  EXPECT_FALSE(mcu::IsSegmentBitMapValid({-1, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_FALSE(mcu::IsSegmentBitMapValid({8, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(SegmentCode, HitAreasToTheirEdges) {
  // Corners inside, and each side one pixel outside.
  const struct {
    int segment, left, top, right, bottom;
  } areas[] = {
      {0, 28, 12, 53, 15}, {1, 54, 17, 57, 37}, {2, 54, 46, 57, 67}, {3, 28, 69, 53, 72},
      {4, 24, 46, 27, 67}, {5, 24, 17, 27, 37}, {6, 28, 40, 53, 43}, {7, 60, 72, 65, 77},
  };
  for (const auto& a : areas) {
    EXPECT_EQ(mcu::SegmentAt(a.left, a.top), a.segment);
    EXPECT_EQ(mcu::SegmentAt(a.right, a.top), a.segment);
    EXPECT_EQ(mcu::SegmentAt(a.left, a.bottom), a.segment);
    EXPECT_EQ(mcu::SegmentAt(a.right, a.bottom), a.segment);
    const int mid_x = (a.left + a.right) / 2, mid_y = (a.top + a.bottom) / 2;
    EXPECT_NE(mcu::SegmentAt(a.left - 1, mid_y), a.segment) << a.segment;
    EXPECT_NE(mcu::SegmentAt(a.right + 1, mid_y), a.segment) << a.segment;
    EXPECT_NE(mcu::SegmentAt(mid_x, a.top - 1), a.segment) << a.segment;
    EXPECT_NE(mcu::SegmentAt(mid_x, a.bottom + 1), a.segment) << a.segment;
  }
  // Between segments nothing is hit.
  EXPECT_EQ(mcu::SegmentAt(54, 16), -1);
  EXPECT_EQ(mcu::SegmentAt(40, 30), -1);
  EXPECT_EQ(mcu::SegmentAt(27, 44), -1);
  EXPECT_EQ(mcu::SegmentAt(0, 0), -1);
  EXPECT_EQ(mcu::SegmentAt(83, 96), -1);
  // Areas that touch: a's right edge and b's left edge are neighbours but on separate rows.
  EXPECT_EQ(mcu::SegmentAt(53, 15), 0);
  EXPECT_EQ(mcu::SegmentAt(54, 17), 1);
}

}  // namespace
