#include "tools/mcu/glyph.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "tests/tools/mcu/fake_canvas.h"

namespace mcu {
namespace {

using testing::Dot;
using testing::FakeCanvas;

TEST(SplitCharacters, PairsLeadBytesAndKeepsALoneLastByte) {
  struct Case {
    std::string text;
    std::vector<std::string> characters;
  } cases[] = {
      {"", {}},
      {"AB", {"A", "B"}},
      {" A", {" ", "A"}},
      {"\xD7\xD6"
       "A",
       {"\xD7\xD6", "A"}},
      {"A\xD7", {"A", "\xD7"}},
      {"\xD7\xD6\xB7", {"\xD7\xD6", "\xB7"}},
      {"\x80\x41", {"\x80\x41"}},  // any byte after a lead byte is taken
      {"\xFF", {"\xFF"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCharacters(c.text), c.characters) << c.text;
}

TEST(ReverseBits, SwapsBitPositions) {
  const std::pair<uint8_t, uint8_t> cases[] = {{0x00, 0x00}, {0x01, 0x80}, {0x80, 0x01},
                                               {0x12, 0x48}, {0xF0, 0x0F}, {0xA5, 0xA5},
                                               {0xFF, 0xFF}, {0x03, 0xC0}};
  for (auto [in, out] : cases) EXPECT_EQ(ReverseBits(in), out) << int(in);
}

TEST(ReadWidth, ReadsLikeStrtolAndClamps) {
  const std::pair<const char*, int> cases[] = {
      {"16", 16}, {" 24", 24},  {"+8", 8},    {"12abc", 12}, {"abc", 0},          {"", 0},
      {"-5", 0},  {"128", 128}, {"129", 128}, {"4000", 128}, {"99999999999", 128}};
  for (auto [text, width] : cases) EXPECT_EQ(ReadWidth(text), width) << text;
}

TEST(IsInk, IsStrictlyBelowTheMeanThreshold) {
  struct Case {
    Rgb colour;
    int threshold;
    bool ink;
  } cases[] = {
      {0xFFFFFF, 255, false}, {0xFEFFFF, 255, true},  {0x000000, 1, true},    {0x010100, 1, true},
      {0x010101, 1, false},   {0xC8C8C7, 200, true},  {0xC8C8C8, 200, false}, {0xFF0000, 86, true},
      {0xFF0003, 86, false},  {0x808080, 128, false}, {0x7F8080, 128, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsInk(c.colour, c.threshold), c.ink) << std::hex << c.colour;
}

class SamplerTest : public ::testing::Test {
 protected:
  FakeCanvas canvas{160, 160};
  GlyphSampler sampler{canvas};
};

TEST_F(SamplerTest, LaysOutBandsColumnsAndBits) {
  // Dots relative to the cell at 10,10; the default region is 10,10 - 26,26.
  canvas.glyphs["A"] = {{0, 0}, {0, 7}, {1, 0}, {0, 8}, {3, 10}, {7, 15}};
  ASSERT_EQ(sampler.Sample("A"), 32);
  std::vector<uint8_t> expected(32, 0);
  expected[0] = 0x81;       // column 0, top and eighth row
  expected[1] = 0x01;       // column 1, top row
  expected[16] = 0x01;      // lower band, column 0
  expected[16 + 3] = 0x04;  // lower band, column 3, third row
  expected[16 + 7] = 0x80;  // lower band, column 7, last row
  EXPECT_EQ(std::vector<uint8_t>(sampler.bytes(), sampler.bytes() + 32), expected);
}

TEST_F(SamplerTest, RegionMovesOppositeToTheGlyph) {
  canvas.glyphs["A"] = {{0, 0}};
  sampler.region() = {9, 9, 25, 25};  // moved left and up by one
  ASSERT_EQ(sampler.Sample("A"), 32);
  EXPECT_EQ(sampler.bytes()[1], 0x02);  // the dot sits one column right, one row down
}

TEST_F(SamplerTest, RecordSizeFollowsWidthAndBands) {
  struct Case {
    Region region;
    int size;
  } cases[] = {
      {{10, 10, 26, 26}, 32},   {{10, 10, 22, 18}, 12},
      {{0, 0, 128, 128}, 2048}, {{10, 10, 18, 18}, 8},
      {{10, 10, 10, 26}, 0},    {{10, 10, 26, 17}, 0},
      {{10, 10, 5, 26}, 0},     {{10, 10, 26, 33}, 32},
      {{0, 0, 129, 128}, 0},  // would outgrow the glyph buffer
  };
  for (const Case& c : cases) {
    sampler.region() = c.region;
    EXPECT_EQ(sampler.RecordSize(), c.size);
    EXPECT_EQ(sampler.Sample("A"), c.size);
  }
}

TEST_F(SamplerTest, SizesAndMovesKeepTheirLimits) {
  sampler.SetWidthIndex(7);
  sampler.SetHeightIndex(6);
  EXPECT_EQ(sampler.RecordSize(), 2048);
  sampler.SetWidthIndex(1);
  sampler.SetHeightIndex(0);
  EXPECT_EQ(sampler.RecordSize(), 12);
  sampler.SetWidthIndex(-1);  // no selection
  sampler.SetHeightIndex(7);  // the height list has no eighth item
  EXPECT_EQ(sampler.region().Width(), 12);
  EXPECT_EQ(sampler.region().Height(), 8);
  sampler.SetWidth(ReadWidth("5000"));
  EXPECT_EQ(sampler.region().Width(), 128);

  sampler.region() = {10, 10, 26, 26};
  for (int i = 0; i < 15; ++i) sampler.MoveRegion(Move::kRight);
  EXPECT_EQ(sampler.region().left, 20);
  EXPECT_EQ(sampler.region().Width(), 16);
  for (int i = 0; i < 25; ++i) sampler.MoveRegion(Move::kUp);
  EXPECT_EQ(sampler.region().top, 0);
  EXPECT_EQ(sampler.region().Height(), 16);
  for (int i = 0; i < 25; ++i) sampler.MoveRegion(Move::kLeft);
  sampler.MoveRegion(Move::kDown);
  EXPECT_EQ(sampler.region().left, 0);
  EXPECT_EQ(sampler.region().top, 1);
  for (int i = 0; i < 25; ++i) sampler.MoveRegion(Move::kDown);
  EXPECT_EQ(sampler.region().top, 20);
  EXPECT_EQ(sampler.region().bottom, 36);
}

TEST_F(SamplerTest, PaintsOnlyTheRegionWhiteAndReadsOutsideAsBackground) {
  canvas.Fill(0, 0, 160, 160, 0x404040);
  FakeCanvas small(20, 20);
  small.Fill(0, 0, 20, 20, kBlack);
  GlyphSampler edge(small);
  edge.region() = {12, 12, 28, 28};  // reaches past the canvas
  ASSERT_EQ(edge.Sample("A"), 32);
  // Inside: rows 12..19 of columns 12..19 were painted white, the cell too; beyond: background.
  for (int i = 0; i < 32; ++i) EXPECT_EQ(edge.bytes()[i], 0) << i;
  EXPECT_EQ(small.outside_reads, 0);
  EXPECT_EQ(small.Pixel(0, 0), kBlack);  // left alone

  ASSERT_EQ(sampler.Sample("B"), 32);
  EXPECT_EQ(canvas.Pixel(9, 9), 0x404040u);
  EXPECT_EQ(canvas.Pixel(26, 26), 0x404040u);
  EXPECT_EQ(canvas.Pixel(25, 25), kWhite);
}

TEST_F(SamplerTest, ThresholdDecidesGreyPixels) {
  canvas.glyphs["A"] = {{0, 0, 0x010101}, {1, 0, 0x000001}, {2, 0, 0xFEFEFE}, {3, 0, 0xC7C8C8}};
  // Component sums 3, 1, 762 and 599 in the top row of columns 0 to 3.
  const std::pair<int, uint8_t> cases[] = {{1, 0x02}, {2, 0x03}, {200, 0x0B}, {255, 0x0F}};
  for (auto [threshold, ink_columns] : cases) {
    sampler.set_threshold(threshold);
    ASSERT_EQ(sampler.Sample("A"), 32);
    uint8_t columns = 0;
    for (int c = 0; c < 4; ++c) columns |= static_cast<uint8_t>((sampler.bytes()[c] & 1) << c);
    EXPECT_EQ(columns, ink_columns) << threshold;
  }
}

TEST_F(SamplerTest, CodeTextHeadersAndLines) {
  canvas.glyphs["A"] = {{0, 0}};
  canvas.glyphs["字"] = {{0, 8}, {1, 15}};
  const std::string zeros15 =
      "0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,";
  const std::string zeros16 = "0x00," + zeros15;
  EXPECT_EQ(sampler.CodeText("A", false),
            "//A 0x41,0x00,\r\n0x01," + zeros15 + "\r\n" + zeros16 + "\r\n");
  EXPECT_EQ(sampler.CodeText("A", true),
            "//A 0x41,0x00,\r\n0x80," + zeros15 + "\r\n" + zeros16 + "\r\n");
  EXPECT_EQ(sampler.CodeText("字", false),
            "//字 0xD7,0xD6,\r\n" + zeros16 + "\r\n0x01,0x80," + zeros15.substr(5) + "\r\n");
  EXPECT_EQ(sampler.CodeText("", false), "");
  // A lone lead byte cannot come from typed text; the header shows it as the conversion does.
  sampler.region() = {10, 10, 22, 18};
  EXPECT_EQ(sampler.CodeText("A ", false),
            "//A 0x41,0x00,\r\n0x01,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,\r\n"
            "//  0x20,0x00,\r\n0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,\r\n");
  sampler.region() = {10, 10, 10, 26};
  EXPECT_EQ(sampler.CodeText("AB", false), "//A 0x41,0x00,\r\n\r\n//B 0x42,0x00,\r\n\r\n");
}

TEST_F(SamplerTest, CodeTextOfTheLargestMatrix) {
  sampler.region() = {0, 0, 128, 128};
  const std::string text = sampler.CodeText("A", false);
  EXPECT_EQ(base::Split(text, "\r\n").size(), 1u + 128u + 1u);  // header, 128 lines, end
  EXPECT_EQ(base::Split(text, "0x").size() - 1, 2u + 2048u);
}

TEST(PreviewCharacter, TrimsAndTakesTheFirstCharacter) {
  const std::pair<const char*, const char*> cases[] = {{"", "\xD7\xD6"},
                                                       {"  \t", "\xD7\xD6"},
                                                       {" AB ", "A"},
                                                       {"字符", "\xD7\xD6"},
                                                       {" 符A", "\xB7\xFB"}};
  for (auto [text, character] : cases)
    EXPECT_EQ(GlyphSampler::PreviewCharacter(text), character) << text;
}

TEST_F(SamplerTest, PreviewFramesTheRegion) {
  canvas.glyphs["A"] = {{0, 0, 0x808080}};
  canvas.Fill(0, 0, 160, 160, 0x123456);
  sampler.DrawPreview("A");
  EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
  EXPECT_EQ(canvas.Pixel(128, 128), kWhite);
  EXPECT_EQ(canvas.Pixel(129, 129), 0x123456u);
  EXPECT_EQ(canvas.Pixel(10, 10), 0x808080u);  // drawn as it is
  for (int i = 9; i <= 26; ++i) {
    EXPECT_EQ(canvas.Pixel(i, 9), kBlack);
    EXPECT_EQ(canvas.Pixel(i, 26), kBlack);
    EXPECT_EQ(canvas.Pixel(9, i), kBlack);
    EXPECT_EQ(canvas.Pixel(26, i), kBlack);
  }
  EXPECT_EQ(canvas.Pixel(11, 11), kWhite);

  sampler.set_threshold(129);
  sampler.DrawThresholdedPreview("A");
  EXPECT_EQ(canvas.Pixel(10, 10), kBlack);
  sampler.set_threshold(128);
  sampler.DrawThresholdedPreview("A");
  EXPECT_EQ(canvas.Pixel(10, 10), kWhite);
  EXPECT_EQ(canvas.Pixel(26, 20), kBlack);  // frame
}

}  // namespace
}  // namespace mcu
