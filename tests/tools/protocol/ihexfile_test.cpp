// Intel HEX reading: records, both passes, conversion checks and the safe .bin write.
// Images of valid files are checked against binutils (objcopy --gap-fill 0xFF, objdump -h).
#include "tools/protocol/ihexfile.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/fileio.h"

namespace {

// One record line (no line end) with a correct checksum.
std::string Rec(int type, unsigned address, std::vector<int> data) {
  std::vector<int> bytes = {static_cast<int>(data.size()), static_cast<int>(address >> 8) & 0xFF,
                            static_cast<int>(address & 0xFF), type};
  bytes.insert(bytes.end(), data.begin(), data.end());
  int sum = 0;
  std::string line = ":";
  char pair[3];
  for (int b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    line += pair;
    sum += b;
  }
  std::snprintf(pair, sizeof pair, "%02X", (256 - sum % 256) % 256);
  return line + pair;
}

std::vector<int> Bytes(int count, int first = 0) {
  std::vector<int> bytes;
  for (int i = 0; i < count; ++i) bytes.push_back((first + i) & 0xFF);
  return bytes;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

const std::string kEnd = Rec(1, 0, {});

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    pclose(pipe);
  }
  return out;
}

// Equal bytes, or where they first differ.
testing::AssertionResult SameBytes(const std::vector<uint8_t>& image, const std::string& expected) {
  if (image.size() != expected.size()) {
    return testing::AssertionFailure()
           << "size " << image.size() << ", expected " << expected.size();
  }
  for (size_t i = 0; i < image.size(); ++i) {
    if (image[i] != static_cast<uint8_t>(expected[i])) {
      return testing::AssertionFailure() << "byte " << i << " is " << int(image[i]) << ", expected "
                                         << int(static_cast<uint8_t>(expected[i]));
    }
  }
  return testing::AssertionSuccess();
}

class HexFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ihexfile_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { Shell("rm -rf '" + dir_ + "'"); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Names in the folder, sorted.
  std::string Listing() { return Shell("ls -A '" + dir_ + "' | sort | tr '\\n' ' '"); }

  std::string dir_;
};

TEST(HexRecord, ParsesFields) {
  CIHexFile::Record r;
  ASSERT_TRUE(CIHexFile::ParseRecord(":0300300002337A1E", &r));
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(r.address, 0x0030);
  EXPECT_EQ(r.type, 0);
  EXPECT_EQ(r.data[0], 0x02);
  EXPECT_EQ(r.data[1], 0x33);
  EXPECT_EQ(r.data[2], 0x7A);
  EXPECT_EQ(r.checksum, 0x1E);
  EXPECT_EQ(r.computed, 0x1E);

  // Lower case, anything after the checksum ignored, a wrong checksum still parses.
  ASSERT_TRUE(CIHexFile::ParseRecord(":0300300002337a1e\r trailing", &r));
  EXPECT_EQ(r.data[2], 0x7A);
  ASSERT_TRUE(CIHexFile::ParseRecord(":0300300002337A1F", &r));
  EXPECT_EQ(r.checksum, 0x1F);
  EXPECT_EQ(r.computed, 0x1E);
  ASSERT_TRUE(CIHexFile::ParseRecord(":00000001FF", &r));
  EXPECT_EQ(r.type, 1);
  EXPECT_EQ(r.computed, 0xFF);
  // A record whose bytes sum to a multiple of 256 has checksum 00.
  ASSERT_TRUE(CIHexFile::ParseRecord(":0100000000FF", &r));
  ASSERT_TRUE(CIHexFile::ParseRecord(":01000000FF00", &r));
  EXPECT_EQ(r.computed, 0x00);

  const std::string longest = Rec(0, 0xFF00, Bytes(255));
  ASSERT_EQ(longest.size(), 521u);
  ASSERT_TRUE(CIHexFile::ParseRecord(longest, &r));
  EXPECT_EQ(r.count, 255);
  EXPECT_EQ(r.data[254], 254);
  EXPECT_EQ(r.computed, r.checksum);
}

TEST(HexRecord, RefusesIncompleteOrNonHexLines) {
  const char* lines[] = {
      "",
      ":",
      ":0",
      ":03",
      ":030030",
      ":0300300",
      ":03003000",
      ":0300300002337A",
      ":0300300002337A1",
      ":0G00300002337A1E",
      ":03003000 2337A1E",
      ":03003000+2337A1E",
      ":030030000233 7A1E",
      "0300300002337A1E",
      ":00000001F",
      ":00000001 F",
      ":-1000001FF",
  };
  CIHexFile::Record r;
  for (const char* line : lines) EXPECT_FALSE(CIHexFile::ParseRecord(line, &r)) << line;
}

TEST(HexName, BinRule) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"image", "image.bin"},
      {"image.bin", "image.bin"},
      {"image.BIN", "image.BIN"},
      {"image.Bin", "image.Bin"},
      {"image.hex", "image.hex.bin"},
      {"/a/b/fw.bin", "/a/b/fw.bin"},
      {".bin", ".bin"},
      {"bin", "bin.bin"},
      {"", ".bin"},
      {"x.bin.txt", "x.bin.txt.bin"},
      {"固件.bin", "固件.bin"},
      {"固件", "固件.bin"},
      {"image.bi", "image.bi.bin"},
  };
  for (const auto& c : cases) EXPECT_EQ(protocol::BinFileName(c.chosen), c.written) << c.chosen;
}

// Valid files: the image must equal what objcopy makes of the same file with gaps filled
// with 0xFF, and start at the lowest section address objdump reports.
TEST_F(HexFileTest, ImagesMatchObjcopy) {
  ASSERT_EQ(std::system("objcopy --version >/dev/null 2>&1"), 0) << "binutils are needed";
  std::string many;  // some 200 KB: lines run across every read-ahead block boundary
  for (unsigned address = 0; address < 0x12000; address += 16 + address % 3) {
    if (address % 0x10000 < 19) many += Rec(4, 0, {0, static_cast<int>(address >> 16)}) + "\r\n";
    many += Rec(0, address & 0xFFFF, Bytes(16, static_cast<int>(address))) + "\r\n";
  }
  many += kEnd + "\r\n";
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"many records", many},
      {"gap between records",
       Lines({Rec(0, 0x0000, Bytes(16)), Rec(0, 0x0020, {0xAA, 0xBB}), kEnd})},
      {"linear address record",
       Lines({Rec(4, 0, {0x00, 0x01}), Rec(0, 0x0100, {1, 2, 3, 4}), kEnd})},
      {"nothing below 0100",
       Lines({Rec(0, 0x0180, Bytes(128, 0x80)), Rec(0, 0x0100, Bytes(128)), kEnd})},
      {"two segments at the same offsets",
       Lines({Rec(4, 0, {0, 0}), Rec(0, 0x0000, Bytes(16)), Rec(4, 0, {0, 1}),
              Rec(0, 0x0000, Bytes(16, 0x40)), kEnd})},
      {"record across a segment boundary", Lines({Rec(0, 0xFFF0, Bytes(32)), kEnd})},
      {"segment address record", Lines({Rec(2, 0, {0x10, 0x00}), Rec(0, 0xFFF8, Bytes(16)), kEnd})},
      {"high flash bank", Lines({Rec(4, 0, {0x08, 0x00}), Rec(0, 0x0000, Bytes(16)),
                                 Rec(0, 0x0010, Bytes(16, 16)), Rec(4, 0, {0x08, 0x01}),
                                 Rec(0, 0x0000, Bytes(4, 0xF0)), Rec(5, 0, {8, 0, 0, 0}), kEnd})},
      {"records out of order and overlapping",
       Lines({Rec(0, 0x0010, {1, 2, 3}), Rec(0, 0x0011, {9}), Rec(0, 0x0004, {7}), kEnd})},
      {"empty data record beside data", Lines({Rec(0, 0x0000, {}), Rec(0, 0x0010, {1}), kEnd})},
      {"start records, CR LF and blank lines",
       Rec(3, 0, {0, 0, 1, 0}) + "\r\n\r\n" + Rec(0, 0x0040, {5, 6}) + "\r\n\r\n" + kEnd + "\r\n"},
      {"lower case", Lines({":020000040001f9", ":0400000001020304f2", ":00000001ff"})},
      {"longest records", Lines({Rec(0, 0x0000, Bytes(255)), Rec(0, 0x00FF, Bytes(255, 7)), kEnd})},
      {"end record without a line feed", Rec(0, 0x0000, {1, 2}) + "\n" + kEnd},
      {"records after the end record are not read",
       Lines({Rec(0, 0x0000, {1}), kEnd, Rec(0, 0x0100, {2}), "garbage"})},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string hex = Write("case" + std::to_string(index) + ".hex", c.text);
    const std::string bin = dir_ + "/case" + std::to_string(index++) + ".objcopy";
    ASSERT_EQ(
        std::system(
            ("objcopy -I ihex -O binary --gap-fill 0xFF '" + hex + "' '" + bin + "'").c_str()),
        0);
    std::istringstream sections(Shell("objdump -h '" + hex + "' | awk '/\\.sec/ {print $4}'"));
    unsigned long long start = ~0ull, vma = 0;
    while (sections >> std::hex >> vma) start = std::min(start, vma);

    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(hex);
    ASSERT_TRUE(result.ok) << result.text;
    EXPECT_TRUE(SameBytes(result.image, ReadAll(bin)));
    EXPECT_EQ(result.start, start);
    EXPECT_FALSE(reader.IsOpen());
  }
}

TEST_F(HexFileTest, OffsetNoticeShowsTheLowestAbsoluteAddress) {
  const struct {
    std::string text;
    const char* notice;
  } cases[] = {
      {Lines({Rec(0, 0x0000, {1}), kEnd}), ""},
      {Lines({Rec(4, 0, {0, 0}), Rec(0, 0x0000, {1}), kEnd}), ""},
      {Lines({Rec(4, 0, {0, 1}), Rec(0, 0x0100, {1, 2, 3, 4}), kEnd}),
       "HEX文件指定的绝对偏移地址是:0x00010100,转换BIN文件后此信息将丢失!"},
      {Lines({Rec(0, 0x0100, {1}), kEnd}),
       "HEX文件指定的绝对偏移地址是:0x00000100,转换BIN文件后此信息将丢失!"},
      {Lines({Rec(4, 0, {0x08, 0x00}), Rec(0, 0x0000, {1}), Rec(4, 0, {0x08, 0x01}),
              Rec(0, 0x0000, {2}), kEnd}),
       "HEX文件指定的绝对偏移地址是:0x08000000,转换BIN文件后此信息将丢失!"},
      {Lines({Rec(2, 0, {0xF0, 0x00}), Rec(0, 0x0ABC, {1}), kEnd}),
       "HEX文件指定的绝对偏移地址是:0x000F0ABC,转换BIN文件后此信息将丢失!"},
      {Lines({Rec(4, 0, {0xFF, 0xFF}), Rec(0, 0xFFFF, {1}), kEnd}),
       "HEX文件指定的绝对偏移地址是:0xFFFFFFFF,转换BIN文件后此信息将丢失!"},
  };
  for (const auto& c : cases) {
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(Write("f.hex", c.text));
    ASSERT_TRUE(result.ok) << c.text;
    EXPECT_EQ(result.offset_text, c.notice) << c.text;
  }
}

TEST_F(HexFileTest, LinesAndAddressRecordsByHand) {
  // Comments and blank lines are skipped; each address record, of either kind, replaces the
  // upper address of the one before.
  CIHexFile reader;
  const CIHexFile::Conversion result = reader.ReadForConversion(
      Write("mixed.hex",
            "; built by hand\r\n\r\n" +
                Lines({Rec(2, 0, {0x12, 0x34}), Rec(0, 0x0004, {1, 2}), "# 0x20000 from here",
                       Rec(4, 0, {0, 2}), Rec(0, 0x2340, {3, 4}), kEnd})));
  ASSERT_TRUE(result.ok) << result.text;
  EXPECT_EQ(result.start, 0x12344u);
  ASSERT_EQ(result.image.size(), 0x22342u - 0x12344u);
  EXPECT_EQ(result.image[0], 1);
  EXPECT_EQ(result.image[1], 2);
  EXPECT_EQ(result.image[2], 0xFF);
  EXPECT_EQ(result.image[0x22340 - 0x12344 - 1], 0xFF);
  EXPECT_EQ(result.image[0x22340 - 0x12344], 3);
  EXPECT_EQ(result.image.back(), 4);
}

TEST_F(HexFileTest, AddressesNeverWrap) {
  // The last byte of the 32-bit space and beyond it: the image runs on past 4 GiB.
  CIHexFile reader;
  CIHexFile::Conversion result = reader.ReadForConversion(
      Write("top.hex", Lines({Rec(4, 0, {0xFF, 0xFF}), Rec(0, 0xFFF8, Bytes(16)), kEnd})));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.start, 0xFFFFFFF8u);
  EXPECT_EQ(result.image.size(), 16u);
  EXPECT_EQ(result.image[15], 15);

  // A segment base plus an offset past the segment's end continues upwards.
  result = reader.ReadForConversion(
      Write("seg.hex", Lines({Rec(2, 0, {0xFF, 0xFF}), Rec(0, 0xFFFF, {1, 2}), Rec(2, 0, {0, 0}),
                              Rec(0, 0x0000, {3}), kEnd})));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.start, 0u);
  ASSERT_EQ(result.image.size(), 0xFFFF0u + 0xFFFF + 2);
  EXPECT_EQ(result.image[0], 3);
  EXPECT_EQ(result.image[1], 0xFF);
  EXPECT_EQ(result.image[0x10FFEF], 1);
  EXPECT_EQ(result.image[0x10FFF0], 2);
}

TEST_F(HexFileTest, ReadingFailures) {
  const std::string bad_sum = ":0300300002337A1F";
  // 522 characters: the longest record and one more (a carriage return would end the line).
  const std::string long_line = Rec(0, 0, Bytes(255)) + "x";
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {"", "在此文件中没有发现Intel Hex 结束文件记录\n"},
      {Lines({Rec(0, 0, {1})}), "在此文件中没有发现Intel Hex 结束文件记录\n"},
      {Lines({Rec(0, 0, {1}), "; no end"}), "在此文件中没有发现Intel Hex 结束文件记录\n"},
      {Rec(0, 0, {1}), "在此文件中没有发现Intel Hex 结束文件记录\n"},
      {Lines({Rec(0, 0, {1}), Rec(0, 1, {2}), bad_sum, kEnd}), "第3行发现沉余校验错误"},
      {"\n\r\n" + bad_sum + "\n" + kEnd, "第3行发现沉余校验错误"},
      {Lines({Rec(0, 0, {1}), "", "x", "", Rec(6, 0, {}), kEnd}), "未知的记录类型6在行5中出现\n"},
      {Lines({Rec(0xFF, 0, {})}), "未知的记录类型255在行1中出现\n"},
      {Lines({Rec(0, 0, {1}), ":0300300002337A", kEnd}), "第2行出现不可解析的记录 "},
      {Lines({":03003000 2337A1E", kEnd}), "第1行出现不可解析的记录 "},
      {Lines({":", kEnd}), "第1行出现不可解析的记录 "},
      // Longer than the longest record, record or not.
      {Lines({Rec(0, 0, {1}), long_line + " ", kEnd}), "第2行出现不可解析的记录 "},
      {Lines({std::string(600, ';'), kEnd}), "第1行出现不可解析的记录 "},
      // Address records carry exactly two bytes.
      {Lines({Rec(4, 0, {1}), kEnd}), "第1行出现不可解析的记录 "},
      {Lines({Rec(4, 0, {0, 1, 2}), kEnd}), "第1行出现不可解析的记录 "},
      {Lines({Rec(0, 0, {1}), Rec(2, 0, {}), kEnd}), "第2行出现不可解析的记录 "},
      // The first bad line ends the pass; what follows it is not looked at.
      {Lines({bad_sum, Rec(7, 0, {}), kEnd}), "第1行发现沉余校验错误"},
  };
  for (const auto& c : cases) {
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(Write("bad.hex", c.text));
    EXPECT_FALSE(result.ok) << c.text;
    EXPECT_EQ(result.text, c.message) << c.text;
    EXPECT_EQ(result.title, "提示");
    EXPECT_TRUE(result.image.empty());
    EXPECT_EQ(reader.error_text(), c.message);
  }
}

TEST_F(HexFileTest, LongestLinesAreRead) {
  const std::string longest = Rec(0, 0, Bytes(255));
  CIHexFile reader;
  CIHexFile::Conversion result = reader.ReadForConversion(
      Write("long.hex", longest + "\r\n" + longest + "\n" + kEnd + "\r\n"));
  ASSERT_TRUE(result.ok) << result.text;
  EXPECT_EQ(result.image.size(), 255u);
  // 522 characters with something other than a carriage return last are still read.
  result = reader.ReadForConversion(Write("long2.hex", longest + "x\n" + kEnd));
  EXPECT_TRUE(result.ok) << result.text;
}

TEST_F(HexFileTest, NoDataAndTheSizeCap) {
  const struct {
    std::string text;
    bool ok;
    const char* message;
  } cases[] = {
      {Lines({kEnd}), false, "HEX文件中没有数据记录!"},
      {Lines({Rec(4, 0, {0, 1}), Rec(0, 0x10, {}), Rec(5, 0, {0, 0, 0, 0}), kEnd}), false,
       "HEX文件中没有数据记录!"},
      // Exactly 64 MiB is converted; one byte more is refused.
      {Lines({Rec(0, 0, {1}), Rec(4, 0, {0x03, 0xFF}), Rec(0, 0xFFFF, {2}), kEnd}), true, ""},
      {Lines({Rec(0, 0, {1}), Rec(4, 0, {0x03, 0xFF}), Rec(0, 0xFFFF, {2, 3}), kEnd}), false,
       "HEX文件的地址跨度超过64MB,无法转换!"},
      {Lines({Rec(0, 0, {1}), Rec(4, 0, {0xFF, 0xFF}), Rec(0, 0xFFFF, {2}), kEnd}), false,
       "HEX文件的地址跨度超过64MB,无法转换!"},
  };
  for (const auto& c : cases) {
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(Write("cap.hex", c.text));
    EXPECT_EQ(result.ok, c.ok) << c.text;
    EXPECT_EQ(result.text, c.message) << c.text;
    EXPECT_EQ(result.title, "提示");
    if (c.ok) {
      ASSERT_EQ(result.image.size(), 64u * 1024 * 1024);
      EXPECT_EQ(result.image.front(), 1);
      EXPECT_EQ(result.image[1], 0xFF);
      EXPECT_EQ(result.image.back(), 2);
    }
  }
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer reserves far more address space
// In a child with the address space nearly used up: exits 0 when reserving the image
// fails with its own message.
[[noreturn]] void ConvertWithoutMemory(const std::string& hex) {
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  rlimit cap;
  cap.rlim_cur = cap.rlim_max =
      static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (16 << 20);
  setrlimit(RLIMIT_AS, &cap);
  CIHexFile reader;
  const CIHexFile::Conversion result = reader.ReadForConversion(hex);
  const bool refused = !result.ok && result.text == "系统没有足够内存!" &&
                       result.title == "申请系统内在失败" && !reader.IsOpen();
  std::exit(refused ? 0 : 1);
}

TEST_F(HexFileTest, NoMemoryForTheImage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string hex = Write(
      "big.hex", Lines({Rec(0, 0, {1}), Rec(4, 0, {0x03, 0xFF}), Rec(0, 0xFFF0, Bytes(16)), kEnd}));
  EXPECT_EXIT(ConvertWithoutMemory(hex), testing::ExitedWithCode(0), "");
}
#endif

TEST_F(HexFileTest, OpenFailures) {
  const std::string missing = dir_ + "/missing.hex";
  CIHexFile reader;
  CIHexFile::Conversion result = reader.ReadForConversion(missing);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.text, "打开文件:\n" + missing + "\n失败!");
  EXPECT_EQ(result.title, "操作未完成");
  result = reader.ReadForConversion(dir_);
  EXPECT_EQ(result.text, "打开文件:\n" + dir_ + "\n失败!");
  EXPECT_EQ(result.title, "操作未完成");
}

TEST_F(HexFileTest, PassesOverOneOpenFile) {
  CIHexFile reader;
  ASSERT_TRUE(reader.Open(Write("p.hex", Lines({Rec(0, 0x0104, {4, 5}), Rec(0, 0x0100, {1}),
                                                Rec(0, 0x0101, {2, 3}), kEnd}))));
  ASSERT_EQ(reader.MeasureImage(), 6);
  EXPECT_EQ(reader.base_address(), 0x100u);
  ASSERT_TRUE(reader.Rewind());
  std::vector<uint8_t> image(6, 0xEE);
  EXPECT_EQ(reader.LoadImage(image.data(), 6), 6);
  EXPECT_EQ(image, (std::vector<uint8_t>{1, 2, 3, 0xEE, 4, 5}));

  // A buffer shorter than the image: the first record that does not fit is named.
  ASSERT_TRUE(reader.Rewind());
  EXPECT_EQ(reader.LoadImage(image.data(), 5), -1);
  EXPECT_EQ(reader.error_text(), "第1行中地址0x0006 超出了器件地址范围\n");

  // The file keeps its place: a second measure from the end record finds no end record.
  ASSERT_TRUE(reader.Rewind());
  ASSERT_EQ(reader.MeasureImage(), 6);
  EXPECT_EQ(reader.MeasureImage(), -1);
  EXPECT_EQ(reader.error_text(), "在此文件中没有发现Intel Hex 结束文件记录\n");
}

TEST_F(HexFileTest, WritesThroughATemporaryFile) {
  const std::string target = dir_ + "/out.bin";
  const std::vector<uint8_t> image = {0, 1, 0xFF, 0x80};
  CIHexFile writer;
  ASSERT_TRUE(writer.WriteImage(target, image));
  EXPECT_EQ(ReadAll(target), std::string("\x00\x01\xFF\x80", 4));
  EXPECT_EQ(Listing(), "out.bin ");

  // Replacing an existing file; an empty image makes an empty file.
  ASSERT_TRUE(writer.WriteImage(target, {7}));
  EXPECT_EQ(ReadAll(target), "\x07");
  ASSERT_TRUE(writer.WriteImage(dir_ + "/empty.bin", {}));
  EXPECT_EQ(ReadAll(dir_ + "/empty.bin"), "");

  // Failures leave nothing behind and the target as it was.
  EXPECT_FALSE(writer.WriteImage(dir_ + "/no/such/folder.bin", image));
  ASSERT_EQ(mkdir((dir_ + "/taken.bin").c_str(), 0755), 0);
  EXPECT_FALSE(writer.WriteImage(dir_ + "/taken.bin", image));
  EXPECT_FALSE(writer.WriteImage(dir_ + "/", image));
  EXPECT_EQ(Listing(), "empty.bin out.bin taken.bin ");
  EXPECT_EQ(ReadAll(target), "\x07");
}

}  // namespace

namespace {

// The same records as `clean` (LF lines, nothing else) written the ways real files come.
std::string Dressed(const std::vector<std::string>& lines, const std::string& bom,
                    const std::vector<std::string>& indents, const std::vector<std::string>& ends) {
  std::string text = bom;
  for (size_t i = 0; i < lines.size(); ++i) {
    text += indents[i % indents.size()] + lines[i] + ends[i % ends.size()];
  }
  return text;
}

std::string Clean(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// A pipe whose writer thread sends `text`, then, unless `endless` is -1, that byte for ever
// (until the reader closes its end).
class Feeder {
 public:
  Feeder(std::string text, int endless) {
    signal(SIGPIPE, SIG_IGN);
    int ends[2];
    if (pipe(ends) != 0) std::abort();
    read_end_ = ends[0];
    thread_ = std::thread([this, text, endless, fd = ends[1]] {
      Send(fd, text);
      const std::string block(65536, static_cast<char>(endless));
      while (endless >= 0 && Send(fd, block)) {
      }
      close(fd);
    });
  }
  ~Feeder() { Stop(); }
  int read_end() const { return read_end_; }
  // Closes the reading end, which stops an endless writer; the bytes that went in.
  size_t Stop() {
    if (read_end_ >= 0) close(read_end_);
    read_end_ = -1;
    if (thread_.joinable()) thread_.join();
    return written_;
  }

 private:
  bool Send(int fd, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) return false;
      done += static_cast<size_t>(n);
      written_ += static_cast<size_t>(n);
    }
    return true;
  }

  int read_end_ = -1;
  std::atomic<size_t> written_{0};
  std::thread thread_;
};

// Indentation, a byte order mark and every kind of line end: the records are read as
// records, and the image equals what objcopy makes of the same records written plainly.
TEST_F(HexFileTest, IndentedBomAndAnyLineEnds) {
  ASSERT_EQ(std::system("objcopy --version >/dev/null 2>&1"), 0) << "binutils are needed";
  const std::vector<std::string> records = {Rec(4, 0, {0x00, 0x02}),
                                            Rec(0, 0x0000, Bytes(16)),
                                            Rec(0, 0x0010, Bytes(16, 0x10)),
                                            Rec(4, 0, {0x00, 0x01}),
                                            Rec(0, 0xFFF0, Bytes(32, 0x80)),
                                            Rec(0, 0x0100, {0xAB}),
                                            kEnd};
  const std::string bom = "\xEF\xBB\xBF";
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"indented by blanks", Dressed(records, "", {"  "}, {"\n"})},
      {"indented by tabs", Dressed(records, "", {"\t", "\t \t"}, {"\r\n"})},
      // Today's skip of the indented 04 record put the next data 64 KiB off.
      {"only the address record indented", Dressed(records, "", {"", "", "", " "}, {"\n"})},
      {"byte order mark", Dressed(records, bom, {""}, {"\r\n"})},
      {"byte order mark then blanks", Dressed(records, bom, {"   "}, {"\n"})},
      {"carriage returns only", Dressed(records, "", {""}, {"\r"})},
      {"LF CR", Dressed(records, "", {""}, {"\n\r"})},
      {"CR LF", Dressed(records, "", {""}, {"\r\n"})},
      {"mixed, blank lines and comments between",
       Dressed(records, bom, {"", " ", "\t"}, {"\r", "\n", "\r\n", "\n\r", "\r\r; note\n\n"})},
  };
  const std::string clean = Write("clean.hex", Clean(records));
  const std::string bin = dir_ + "/clean.objcopy";
  ASSERT_EQ(
      std::system(
          ("objcopy -I ihex -O binary --gap-fill 0xFF '" + clean + "' '" + bin + "'").c_str()),
      0);
  const std::string expected = ReadAll(bin);
  ASSERT_EQ(expected.size(), 0x20020u - 0x10100u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(Write("dressed.hex", c.text));
    ASSERT_TRUE(result.ok) << result.text;
    EXPECT_EQ(result.start, 0x10100u);
    EXPECT_TRUE(SameBytes(result.image, expected));
  }
}

// A CR LF or LF CR pair is one line end; two in a row leave a blank line between.
TEST_F(HexFileTest, LineNumbersCountPairsOnce) {
  const std::string bad_sum = ":0300300002337A1F";
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {"\r\n\r\n" + bad_sum + "\r\n", "第3行发现沉余校验错误"},
      {"\n\r\n\r" + bad_sum + "\n\r", "第3行发现沉余校验错误"},
      {"\r\r" + bad_sum + "\r", "第3行发现沉余校验错误"},
      {"\n\n" + bad_sum, "第3行发现沉余校验错误"},
      {"\r\n\n\r" + bad_sum, "第3行发现沉余校验错误"},  // CR LF, then LF CR
      {"\n\r\r\n" + bad_sum, "第3行发现沉余校验错误"},  // LF CR, then CR LF
      {"\r\n\r" + bad_sum, "第3行发现沉余校验错误"},    // CR LF, then CR alone
      {"\xEF\xBB\xBF\t" + bad_sum, "第1行发现沉余校验错误"},
      {"  ; comment\r \t\r\n" + Rec(6, 0, {}) + "\r", "未知的记录类型6在行3中出现\n"},
      {" :0300\r\n" + kEnd, "第1行出现不可解析的记录 "},
      // A byte order mark later in the file is not one.
      {Rec(0, 0, {1}) + "\n\xEF\xBB\xBF" + kEnd + "\n",
       "在此文件中没有发现Intel Hex 结束文件记录\n"},
      // Indentation has the limit of a line, and does not count towards the line's.
      {std::string(600, ' ') + kEnd, "第1行出现不可解析的记录 "},
      {"\t" + Rec(0, 0, Bytes(255)) + "xy\n" + kEnd, "第1行出现不可解析的记录 "},
  };
  for (const auto& c : cases) {
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(Write("lines.hex", c.text));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.text, c.message) << c.text;
  }
}

// A data record of length zero places nothing and moves neither end of the image, as with
// objcopy.
TEST_F(HexFileTest, ZeroLengthDataRecords) {
  CIHexFile reader;
  CIHexFile::Conversion result = reader.ReadForConversion(Write(
      "zero.hex", Lines({Rec(0, 0x0000, {}), Rec(0, 0x0100, {1, 2}), Rec(0, 0x0400, {}), kEnd})));
  ASSERT_TRUE(result.ok) << result.text;
  EXPECT_EQ(result.start, 0x100u);
  EXPECT_EQ(result.image, (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(result.offset_text,
            "HEX文件指定的绝对偏移地址是:0x00000100,转换BIN文件后此信息将丢失!");
  result = reader.ReadForConversion(Write("only.hex", Lines({Rec(0, 0x0010, {}), kEnd})));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.text, "HEX文件中没有数据记录!");
}

// Read once: a pipe converts to the same image as the file, and stays the caller's.
TEST_F(HexFileTest, PipesConvert) {
  std::string text;
  for (unsigned address = 0; address < 0x30000; address += 32) {
    if (address % 0x10000 == 0) text += Rec(4, 0, {0x08, static_cast<int>(address >> 16)}) + "\r\n";
    text += Rec(0, address & 0xFFFF, Bytes(32, static_cast<int>(address / 32))) + "\r\n";
  }
  text += kEnd + "\r\n";
  CIHexFile reader;
  const CIHexFile::Conversion from_file = reader.ReadForConversion(Write("pipe.hex", text));
  ASSERT_TRUE(from_file.ok) << from_file.text;
  ASSERT_EQ(from_file.image.size(), 0x30000u);

  Feeder feeder(text, -1);
  base::InputFile input = base::InputFile::FromDescriptor(feeder.read_end(), false);
  const CIHexFile::Conversion from_pipe = reader.ReadForConversion(input, "-");
  ASSERT_TRUE(from_pipe.ok) << from_pipe.text;
  EXPECT_EQ(from_pipe.image, from_file.image);
  EXPECT_EQ(from_pipe.start, 0x08000000u);
  EXPECT_EQ(from_pipe.offset_text, from_file.offset_text);
  EXPECT_TRUE(input.ok());
  EXPECT_EQ(feeder.Stop(), text.size());

  // A named pipe opened as a stream, and a bad record in a stream.
  const std::string fifo = dir_ + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << ":0100000041BE\n" + kEnd; });
  base::InputFile named = base::OpenInput(fifo, base::InputKind::kStreamsToo);
  const CIHexFile::Conversion from_fifo = reader.ReadForConversion(named, fifo);
  writer.join();
  ASSERT_TRUE(from_fifo.ok) << from_fifo.text;
  EXPECT_EQ(from_fifo.image, std::vector<uint8_t>{0x41});

  Feeder bad(Lines({Rec(0, 0, {1}), ":0300300002337A1F", kEnd}), -1);
  base::InputFile bad_input = base::InputFile::FromDescriptor(bad.read_end(), false);
  const CIHexFile::Conversion refused = reader.ReadForConversion(bad_input, "-");
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.text, "第2行发现沉余校验错误");

  base::InputFile none;
  const CIHexFile::Conversion unopened = reader.ReadForConversion(none, "in.hex");
  EXPECT_EQ(unopened.text, "打开文件:\nin.hex\n失败!");
  EXPECT_EQ(unopened.title, "操作未完成");
}

// The gaps get the fill byte asked for, across page bounds too; the data keeps its bytes.
TEST_F(HexFileTest, GapsGetTheFillByte) {
  const std::string text =
      Lines({Rec(0, 0x0010, {0x00, 0xFF}), Rec(4, 0, {0x00, 0x11}), Rec(0, 0x0002, {0x5A}), kEnd});
  for (const int fill : {0xFF, 0x00, 0x5A}) {
    Feeder feeder(text, -1);
    base::InputFile input = base::InputFile::FromDescriptor(feeder.read_end(), false);
    CIHexFile reader;
    const CIHexFile::Conversion result =
        reader.ReadForConversion(input, "-", static_cast<uint8_t>(fill));
    feeder.Stop();
    ASSERT_TRUE(result.ok) << result.text;
    ASSERT_EQ(result.image.size(), 0x110003u - 0x10);
    EXPECT_EQ(result.image[0], 0x00);
    EXPECT_EQ(result.image[1], 0xFF);
    EXPECT_EQ(result.image.back(), 0x5A);
    const size_t filled = static_cast<size_t>(
        std::count(result.image.begin(), result.image.end(), static_cast<uint8_t>(fill)));
    // Every byte but the three data bytes is a gap (a data byte equal to the fill counts too).
    const auto same = static_cast<size_t>((fill == 0x00) + (fill == 0xFF) + (fill == 0x5A));
    EXPECT_EQ(filled, result.image.size() - 3 + same) << fill;
  }
}

// An endless line is refused once it has passed the limit: the reader stops after its
// first buffer, so the writer is cut off (without that, this test would never end).
TEST_F(HexFileTest, EndlessLinesAreRefusedAtTheLimit) {
  const struct {
    std::string start;
    int endless;
    const char* message;
  } cases[] = {
      {"", '\0', "第1行出现不可解析的记录 "},
      {Lines({Rec(0, 0, {1}), "; comment"}) + ":", '0', "第3行出现不可解析的记录 "},
      {"\xEF\xBB\xBF", ' ', "第1行出现不可解析的记录 "},
      {"\r\n", '\t', "第2行出现不可解析的记录 "},
  };
  for (const auto& c : cases) {
    Feeder feeder(c.start, c.endless);
    base::InputFile input = base::InputFile::FromDescriptor(feeder.read_end(), false);
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(input, "-");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.text, c.message);
    EXPECT_LT(feeder.Stop(), 8u << 20);
  }
  // What `hex2bin /dev/zero` opens.
  base::InputFile zero = base::OpenInput("/dev/zero", base::InputKind::kStreamsToo);
  CIHexFile reader;
  EXPECT_EQ(reader.ReadForConversion(zero, "/dev/zero").text, "第1行出现不可解析的记录 ");
}

// The window's path takes regular files only: a FIFO without a writer, a device or a folder
// fails at once with the open-failure text (a FIFO would otherwise hold the open for ever).
TEST_F(HexFileTest, WindowPathRefusesWhatIsNotAFile) {
  const std::string fifo = dir_ + "/fifo.hex";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), dir_}) {
    CIHexFile reader;
    const CIHexFile::Conversion result = reader.ReadForConversion(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.text, "打开文件:\n" + path + "\n失败!");
    EXPECT_EQ(result.title, "操作未完成");
    EXPECT_NE(result.input_error, 0);
    EXPECT_FALSE(reader.Open(path));
  }
}

}  // namespace
