#include "tools/mcu/fontlib.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "base/text.h"
#include "tests/tools/mcu/fake_canvas.h"

namespace mcu {
namespace {

namespace fs = std::filesystem;
using testing::FakeCanvas;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class FontLibTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("quorkit_fontlib_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Every character gets a dot in its top-left corner, 'A' and 啊 a second one.
    canvas.glyphs["A"] = {{0, 0}, {2, 9}};
    canvas.glyphs["啊"] = {{0, 0}, {5, 15}};
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Generate(FontLibrary library, const std::string& name = "lib") {
    LibraryFile file;
    std::string error;
    EXPECT_TRUE(file.Open((dir / name).string(), &error)) << error;
    EXPECT_TRUE(WriteFontLibrary(library, sampler, file));
    EXPECT_TRUE(file.Commit(&error)) << error;
    return ReadAll(dir / name);
  }

  fs::path dir;
  FakeCanvas canvas{160, 160};
  GlyphSampler sampler{canvas};
};

TEST(Ascii8x8Columns, TurnsRowsIntoColumns) {
  using Bytes = std::array<uint8_t, 8>;
  EXPECT_EQ(Ascii8x8Columns('A'), (Bytes{0x78, 0x7E, 0x17, 0x11, 0x17, 0x7E, 0x78, 0x00}));
  EXPECT_EQ(Ascii8x8Columns('!'), (Bytes{0x00, 0x00, 0x06, 0x5F, 0x5F, 0x06, 0x00, 0x00}));
  EXPECT_EQ(Ascii8x8Columns(0x7F), (Bytes{0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x00, 0x00}));
  // '_' is the bottom row only; '|' the middle columns 3 and 4 down to row 6.
  EXPECT_EQ(Ascii8x8Columns('_'), (Bytes{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}));
  EXPECT_EQ(Ascii8x8Columns('|'), (Bytes{0, 0, 0, 0x7F, 0x7F, 0, 0, 0}));
  EXPECT_EQ(Ascii8x8Columns(' '), Bytes{});
  EXPECT_EQ(Ascii8x8Columns(0x1F), Bytes{});
}

TEST_F(FontLibTest, AsciiBinaryHoldsRecordsFromCodeOne) {
  const std::string bytes = Generate(FontLibrary::kAsciiBinary);
  ASSERT_EQ(bytes.size(), 127u * 32u);
  EXPECT_EQ(bytes[2048], '\x01');           // A at (41h - 1) x 32
  EXPECT_EQ(bytes[2048 + 16 + 2], '\x02');  // its dot in the lower band
  EXPECT_EQ(bytes.substr(2048 + 32, 32), std::string(32, '\0'));
  ASSERT_EQ(canvas.drawn.size(), 127u);
  EXPECT_EQ(canvas.drawn.front(), std::string(1, '\x01'));
  EXPECT_EQ(canvas.drawn.back(), std::string(1, '\x7F'));
}

TEST_F(FontLibTest, AsciiBinaryFollowsTheMatrixSize) {
  sampler.region() = {9, 10, 17, 18};  // 8 x 8, moved one pixel left
  const std::string bytes = Generate(FontLibrary::kAsciiBinary);
  ASSERT_EQ(bytes.size(), 127u * 8u);
  EXPECT_EQ(bytes.substr(0x40 * 8, 8), std::string("\0\x01\0\0\0\0\0\0", 8));
  sampler.region() = {10, 10, 10, 26};
  EXPECT_EQ(Generate(FontLibrary::kAsciiBinary, "empty").size(), 0u);
}

TEST_F(FontLibTest, AsciiTextRecords) {
  const std::string text = Generate(FontLibrary::kAsciiText);
  const std::string zeros16 =
      "0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,";
  EXPECT_EQ(text.substr(0, 9), "//[01H]\r\n");
  EXPECT_NE(text.find("//[1FH]\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n//[20H]\r\n" + zeros16 + "\r\n" + zeros16 + "\r\n//! [21H]\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("//A [41H]\r\n0x01," + zeros16.substr(5) + "\r\n0x00,0x00,0x02," +
                      zeros16.substr(15) + "\r\n//B [42H]"),
            std::string::npos);
  const std::string last = "//\x7F [7FH]\r\n" + zeros16 + "\r\n" + zeros16 + "\r\n";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
  EXPECT_EQ(text.size(), 127u * (2 * (16 * 5 + 2) + 2) + 32u * 7 + 95u * 9);
}

TEST_F(FontLibTest, AsciiTextOfLargeAndEmptyRecords) {
  sampler.region() = {0, 0, 128, 128};
  const std::string big = Generate(FontLibrary::kAsciiText);
  EXPECT_EQ(base::Split(big, "0x").size() - 1, 127u * 2048u);
  EXPECT_EQ(base::Split(big, "\r\n").size() - 1, 127u * (128u + 1u));
  sampler.region() = {10, 10, 18, 18};
  const std::string small = Generate(FontLibrary::kAsciiText, "small");
  EXPECT_NE(small.find("//A [41H]\r\n0x01,0x00,0x00,0x00,0x00,0x00,0x00,0x00,\r\n//B"),
            std::string::npos);
  sampler.region() = {10, 10, 10, 26};
  const std::string empty = Generate(FontLibrary::kAsciiText, "empty");
  EXPECT_EQ(empty.substr(0, 18), "//[01H]\r\n//[02H]\r\n");
}

TEST_F(FontLibTest, Ascii8x8TextRecords) {
  const std::string text = Generate(FontLibrary::kAscii8x8Text);
  const std::string zeros = "0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,";
  EXPECT_EQ(text.substr(0, 9 + 40 + 2), "//[01H]\r\n" + zeros + "\r\n");
  EXPECT_NE(text.find("//[1FH]\r\n" + zeros + "\r\n//  [20H]\r\n" + zeros +
                      "\r\n//! [21H]\r\n"
                      "0x00,0x00,0x06,0x5F,0x5F,0x06,0x00,0x00,\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("//A [41H]\r\n0x78,0x7E,0x17,0x11,0x17,0x7E,0x78,0x00,\r\n"),
            std::string::npos);
  const std::string last = "//\x7F [7FH]\r\n0x7F,0x7F,0x7F,0x7F,0x7F,0x7F,0x00,0x00,\r\n";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
  EXPECT_EQ(text.size(), 31u * (7 + 2 + 40 + 2) + 96u * (9 + 2 + 40 + 2));
  EXPECT_TRUE(canvas.drawn.empty());
  // Neither the matrix nor the region changes it.
  sampler.region() = {3, 3, 131, 131};
  EXPECT_EQ(Generate(FontLibrary::kAscii8x8Text, "again"), text);
}

TEST_F(FontLibTest, Gb2312BinaryCoversEveryPosition) {
  const std::string bytes = Generate(FontLibrary::kGb2312Binary);
  ASSERT_EQ(bytes.size(), 8178u * 32u);
  const auto record = [&](int high, int low) {
    return bytes.substr(static_cast<size_t>(((high - 0xA1) * 94 + (low - 0xA1)) * 32), 32);
  };
  std::string ah(32, '\0');
  ah[0] = '\x01';
  ah[16 + 5] = '\x80';
  EXPECT_EQ(bytes.substr(45120, 32), ah);  // B0A1h, 啊
  EXPECT_EQ(record(0xB0, 0xA1), ah);
  // Every drawn character went through CP936; the unmapped ones were never drawn.
  size_t drawn = 0;
  for (int high = 0xA1; high <= 0xF7; ++high) {
    for (int low = 0xA1; low <= 0xFE; ++low) {
      const std::string code{static_cast<char>(high), static_cast<char>(low)};
      if (base::FromCp936(code) != "?") ++drawn;
    }
  }
  EXPECT_EQ(canvas.drawn.size(), drawn);
  EXPECT_EQ(canvas.drawn[3], "\u00B7");      // A1A4
  EXPECT_EQ(canvas.drawn[9], "\u2014");      // A1AA
  EXPECT_EQ(canvas.drawn[0], "\u3000");      // A1A1
  EXPECT_EQ(canvas.drawn.back(), "\u9F44");  // F7FE
  for (const std::string& text : canvas.drawn) EXPECT_NE(text, "?");
}

TEST_F(FontLibTest, Gb2312UnmappedPositionsAreBlank) {
  // Paint every drawn cell's corner: a mapped position has ink, an unmapped one none.
  canvas.glyphs.clear();
  struct DottedCanvas : FakeCanvas {
    using FakeCanvas::FakeCanvas;
    void DrawCharacter(const std::string& utf8, int x, int y) override {
      FakeCanvas::DrawCharacter(utf8, x, y);
      SetPixel(x, y, kBlack);
    }
  } dotted(160, 160);
  GlyphSampler dotted_sampler(dotted);
  LibraryFile file;
  std::string error;
  ASSERT_TRUE(file.Open((dir / "gb").string(), &error));
  ASSERT_TRUE(WriteFontLibrary(FontLibrary::kGb2312Binary, dotted_sampler, file));
  ASSERT_TRUE(file.Commit(&error));
  const std::string bytes = ReadAll(dir / "gb");
  ASSERT_EQ(bytes.size(), 8178u * 32u);
  const std::pair<int, bool> cases[] = {{0xA1A1, true},  {0xA1A4, true},  {0xA1AA, true},
                                        {0xA2A1, true},  {0xA2AB, false}, {0xAAA1, false},
                                        {0xAFFE, false}, {0xB0A1, true},  {0xD7FA, false},
                                        {0xD7F9, true},  {0xF7FE, true}};
  for (auto [code, mapped] : cases) {
    const size_t at = static_cast<size_t>(((code >> 8) - 0xA1) * 94 + ((code & 0xFF) - 0xA1)) * 32;
    EXPECT_EQ(bytes.substr(at, 32) == std::string(32, '\0'), !mapped) << std::hex << code;
  }
}

// A canvas whose every character leaves a pattern of its own, and which can offer a second
// canvas to another thread (as the Qt canvas does) or not.
class PatternCanvas : public FakeCanvas {
 public:
  explicit PatternCanvas(bool offers_second) : FakeCanvas(160, 160), offers_(offers_second) {}
  void DrawCharacter(const std::string& utf8, int x, int y) override {
    FakeCanvas::DrawCharacter(utf8, x, y);
    unsigned hash = 0;
    for (char c : utf8) hash = hash * 31 + static_cast<unsigned char>(c);
    for (int i = 0; i < 4; ++i) {
      SetPixel(x + static_cast<int>((hash >> (i * 4)) % 16),
               y + static_cast<int>((hash >> (i * 5)) % 16), kBlack);
    }
  }
  std::unique_ptr<GlyphCanvas> NewCanvas() const override {
    if (!offers_) return nullptr;
    ++offered;
    return std::make_unique<PatternCanvas>(false);
  }
  mutable int offered = 0;

 private:
  bool offers_;
};

TEST_F(FontLibTest, Gb2312DrawnOnTwoCanvasesEqualsOneCanvas) {
  const auto generate = [&](PatternCanvas& pattern_canvas, const std::string& name) {
    GlyphSampler pattern_sampler(pattern_canvas);
    pattern_sampler.region().left = 7;
    pattern_sampler.SetWidthIndex(3);  // 24 x 16: records of 48 bytes
    LibraryFile file;
    std::string error;
    EXPECT_TRUE(file.Open((dir / name).string(), &error)) << error;
    EXPECT_TRUE(WriteFontLibrary(FontLibrary::kGb2312Binary, pattern_sampler, file));
    EXPECT_TRUE(file.Commit(&error)) << error;
    return ReadAll(dir / name);
  };
  PatternCanvas one(false);
  PatternCanvas two(true);
  const std::string alone = generate(one, "one");
  const std::string shared = generate(two, "two");
  ASSERT_EQ(alone.size(), 8178u * 48u);
  EXPECT_TRUE(alone == shared);
  EXPECT_NE(alone.find('\x01'), std::string::npos);
  // The canvas the caller holds drew the second run, ending on the last character.
  if (std::thread::hardware_concurrency() > 1) {
    EXPECT_EQ(two.offered, 1);
    EXPECT_LT(two.drawn.size(), one.drawn.size());
  }
  EXPECT_EQ(two.drawn.back(), "\u9F44");  // F7FE
}

TEST_F(FontLibTest, OpenErrorsNameTheFile) {
  LibraryFile file;
  std::string error;
  const std::string missing = (dir / "no" / "lib.bin").string();
  EXPECT_FALSE(file.Open(missing, &error));
  EXPECT_EQ(error, missing + " contains an incorrect path.");
  EXPECT_FALSE(file.Open(dir.string(), &error));
  EXPECT_EQ(error, "Access to " + dir.string() + " was denied.");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 0);
}

TEST_F(FontLibTest, NothingReplacesTheTargetUntilCommit) {
  WriteAll(dir / "lib", "earlier");
  {
    LibraryFile file;
    std::string error;
    ASSERT_TRUE(file.Open((dir / "lib").string(), &error));
    ASSERT_TRUE(WriteFontLibrary(FontLibrary::kAsciiBinary, sampler, file));
    EXPECT_EQ(ReadAll(dir / "lib"), "earlier");
  }  // abandoned: the temporary file goes
  EXPECT_EQ(ReadAll(dir / "lib"), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_EQ(Generate(FontLibrary::kAsciiBinary).size(), 127u * 32u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FontLibTest, WriteErrorLeavesTheEarlierFile) {
  WriteAll(dir / "lib", "earlier");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  LibraryFile file;
  std::string error;
  bool opened = file.Open((dir / "lib").string(), &error);
  bool written = opened && WriteFontLibrary(FontLibrary::kAsciiBinary, sampler, file);
  bool committed = opened && file.Commit(&error);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  ASSERT_TRUE(opened);
  EXPECT_FALSE(written && committed);
  EXPECT_FALSE(committed);
  EXPECT_EQ(error, "Disk full while accessing " + (dir / "lib").string() + ".");
  EXPECT_EQ(ReadAll(dir / "lib"), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FontLibTest, LinksStayLinksAndStreamsNeverWait) {
  // A link keeps pointing at its target, which gets the library and keeps its mode.
  fs::create_directory(dir / "fonts");
  WriteAll(dir / "fonts" / "ascii.bin", "earlier");
  fs::permissions(dir / "fonts" / "ascii.bin", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("fonts/ascii.bin", dir / "lib");
  EXPECT_EQ(Generate(FontLibrary::kAsciiBinary).size(), 127u * 32u);
  EXPECT_TRUE(fs::is_symlink(dir / "lib"));
  EXPECT_EQ(fs::read_symlink(dir / "lib"), "fonts/ascii.bin");
  EXPECT_EQ(ReadAll(dir / "fonts" / "ascii.bin").size(), 127u * 32u);
  EXPECT_EQ(fs::status(dir / "fonts" / "ascii.bin").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "fonts"), fs::directory_iterator()), 1);

  // A FIFO nobody reads is refused at once with the window's file-error text.
  const std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  LibraryFile file;
  std::string error;
  EXPECT_FALSE(file.Open(fifo, &error));
  EXPECT_EQ(error, "An unexpected error occurred while accessing " + fifo + ".");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(FontLibTexts, EndTextsAndFilters) {
  EXPECT_EQ(TextsOf(FontLibrary::kAsciiText).end, "\r\n字库成功生成！");
  EXPECT_EQ(TextsOf(FontLibrary::kAscii8x8Text).default_extension, std::string("txt"));
  EXPECT_EQ(TextsOf(FontLibrary::kAsciiBinary).end,
            "\r\n字库成功生成！\r\n字符码从1到127的字符点阵码已按顺序保存到文件中；");
  const std::string gb = TextsOf(FontLibrary::kGb2312Binary).end;
  EXPECT_EQ(gb.substr(gb.size() - 18), "read(addr,buf,32);");
  EXPECT_NE(gb.find("提取示意代码如下：addr=char_code>>8; //字符码高字节 \r\naddr-=0xa1;"),
            std::string::npos);
}

}  // namespace
}  // namespace mcu
