// Glyphs drawn through the window system: GNU Unifont is a font of pixel squares, so at 16
// pixels with hinting off every glyph must sample to exactly its published bitmap.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "base/text.h"
#include "tools/mcu/CGlyphCanvas.h"
#include "tools/mcu/fontlib.h"

namespace {

namespace fs = std::filesystem;

constexpr char kUnifontHex[] = "/usr/share/unifont/unifont.hex";

// Code point to rows of 16 pixels (an 8-pixel glyph fills the left half), bit 15 leftmost.
std::map<uint32_t, std::vector<uint16_t>> LoadUnifont() {
  std::map<uint32_t, std::vector<uint16_t>> glyphs;
  std::ifstream in(kUnifontHex);
  std::string line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const uint32_t code = static_cast<uint32_t>(std::stoul(line.substr(0, colon), nullptr, 16));
    const std::string bits = line.substr(colon + 1);
    const size_t digits = bits.size() / 16;  // 2 for 8 pixels, 4 for 16
    std::vector<uint16_t> rows;
    for (size_t row = 0; row < 16; ++row) {
      auto value =
          static_cast<uint16_t>(std::stoul(bits.substr(row * digits, digits), nullptr, 16));
      rows.push_back(digits == 2 ? static_cast<uint16_t>(value << 8) : value);
    }
    glyphs[code] = rows;
  }
  return glyphs;
}

uint32_t CodePoint(const std::string& utf8) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  if (bytes[0] < 0x80) return bytes[0];
  if (bytes[0] < 0xE0) return ((bytes[0] & 0x1Fu) << 6) | (bytes[1] & 0x3Fu);
  return ((bytes[0] & 0x0Fu) << 12) | ((bytes[1] & 0x3Fu) << 6) | (bytes[2] & 0x3Fu);
}

// The record a region of the canvas holds when the bitmap's top-left pixel lies at 10,10.
std::string Expected(const std::vector<uint16_t>& rows, const mcu::Region& region) {
  std::string record;
  for (int band = 0; band < region.Height() / 8; ++band) {
    for (int x = region.left; x < region.right; ++x) {
      uint8_t byte = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int row = region.top + band * 8 + bit - 10;
        const int column = x - 10;
        if (row >= 0 && row < 16 && column >= 0 && column < 16 &&
            (rows[static_cast<size_t>(row)] & (0x8000u >> column))) {
          byte |= static_cast<uint8_t>(1u << bit);
        }
      }
      record.push_back(static_cast<char>(byte));
    }
  }
  return record;
}

class UnifontTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { glyphs_ = new auto(LoadUnifont()); }
  static void TearDownTestSuite() { delete glyphs_; }

  void SetUp() override {
    ASSERT_FALSE(glyphs_->empty()) << kUnifontHex << " (Debian package unifont) is missing";
    winsys::FontDescription description;
    description.face = "Unifont";
    description.pixels = 16;
    canvas.SetFont(description);
    ASSERT_EQ(canvas.font().Family(), "Unifont") << "Debian package fonts-unifont is missing";
    dir = fs::temp_directory_path() / ("quorkit_unifont_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Library(mcu::FontLibrary library) {
    mcu::LibraryFile file;
    std::string error;
    EXPECT_TRUE(file.Open((dir / "lib").string(), &error)) << error;
    EXPECT_TRUE(mcu::WriteFontLibrary(library, sampler, file));
    EXPECT_TRUE(file.Commit(&error)) << error;
    std::ifstream in(dir / "lib", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static std::map<uint32_t, std::vector<uint16_t>>* glyphs_;
  CGlyphCanvas canvas;
  mcu::GlyphSampler sampler{canvas};
  fs::path dir;
};

std::map<uint32_t, std::vector<uint16_t>>* UnifontTest::glyphs_ = nullptr;

TEST_F(UnifontTest, Gb2312LibraryIsThePublishedBitmaps) {
  const std::string bytes = Library(mcu::FontLibrary::kGb2312Binary);
  ASSERT_EQ(bytes.size(), 261696u);
  int mismatches = 0;
  int drawn = 0;
  for (int high = 0xA1; high <= 0xF7; ++high) {
    for (int low = 0xA1; low <= 0xFE; ++low) {
      const std::string text = base::FromCp936({static_cast<char>(high), static_cast<char>(low)});
      std::string expected(32, '\0');
      if (text != "?") {
        ++drawn;
        expected = Expected(glyphs_->at(CodePoint(text)), sampler.region());
      }
      const size_t at = static_cast<size_t>(((high - 0xA1) * 94 + (low - 0xA1)) * 32);
      if (bytes.compare(at, 32, expected) != 0 && ++mismatches <= 5) {
        ADD_FAILURE() << std::hex << high << low << " " << text;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(drawn, 7478);
}

TEST_F(UnifontTest, PrintableAsciiAtSeveralRegions) {
  const mcu::Region regions[] = {{10, 10, 26, 26}, {10, 10, 18, 18}, {9, 11, 21, 35},
                                 {0, 0, 128, 128}, {20, 20, 28, 28}, {13, 8, 37, 24}};
  for (const mcu::Region& region : regions) {
    sampler.region() = region;
    const std::string bytes = Library(mcu::FontLibrary::kAsciiBinary);
    const size_t size = static_cast<size_t>(sampler.RecordSize());
    ASSERT_EQ(bytes.size(), 127 * size);
    for (unsigned c = 0x20; c <= 0x7E; ++c) {
      EXPECT_EQ(bytes.substr((c - 1) * size, size), Expected(glyphs_->at(c), region))
          << c << " in " << region.left << "," << region.top << "," << region.right << ","
          << region.bottom;
    }
  }
}

TEST_F(UnifontTest, ThresholdedPreviewShowsWhatIsSampled) {
  sampler.DrawThresholdedPreview(base::ToCp936("字"));
  const auto& rows = glyphs_->at(0x5B57);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool ink = rows[static_cast<size_t>(y)] & (0x8000u >> x);
      EXPECT_EQ(canvas.Pixel(10 + x, 10 + y), ink ? mcu::kBlack : mcu::kWhite) << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.Pixel(9, 9), mcu::kBlack);  // frame
}

TEST(GlyphFont, InitialFontIsASongFaceWithASixteenPixelCell) {
  CGlyphCanvas canvas;
  EXPECT_EQ(canvas.font().Ascent() + canvas.font().Descent(), 16);
  const std::string family = canvas.font().Family();
  EXPECT_TRUE(family == "宋体" || family == "SimSun" || family == "AR PL UMing CN") << family;
  // 字 at the initial settings: ink in both bands, nothing drawn outside the 16 x 16 cell.
  mcu::GlyphSampler sampler(canvas);
  ASSERT_EQ(sampler.Sample(base::ToCp936("字")), 32);
  int upper = 0;
  int lower = 0;
  for (int i = 0; i < 16; ++i) upper += sampler.bytes()[i] != 0;
  for (int i = 16; i < 32; ++i) lower += sampler.bytes()[i] != 0;
  EXPECT_GT(upper, 8);
  EXPECT_GT(lower, 8);
}

}  // namespace
