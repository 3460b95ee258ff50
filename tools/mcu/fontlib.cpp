#include "tools/mcu/fontlib.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

#include "base/format.h"
#include "base/text.h"
#include "base/tr.h"

namespace mcu {

namespace {

// Rows of the 8 x 8 glyphs of 20h to 7Fh, top row first, bit 7 the leftmost pixel.
constexpr uint8_t kFont8x8[96][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // 20h
    {0x18, 0x3C, 0x3C, 0x18, 0x18, 0x00, 0x18, 0x00},  // 21h
    {0x66, 0x66, 0x24, 0x00, 0x00, 0x00, 0x00, 0x00},  // 22h
    {0x6C, 0x6C, 0xFE, 0x6C, 0xFE, 0x6C, 0x6C, 0x00},  // 23h
    {0x18, 0x3E, 0x60, 0x3C, 0x06, 0x7C, 0x18, 0x00},  // 24h
    {0x00, 0xC6, 0xCC, 0x18, 0x30, 0x66, 0xC6, 0x00},  // 25h
    {0x38, 0x6C, 0x38, 0x76, 0xDC, 0xCC, 0x76, 0x00},  // 26h
    {0x18, 0x18, 0x30, 0x00, 0x00, 0x00, 0x00, 0x00},  // 27h
    {0x0C, 0x18, 0x30, 0x30, 0x30, 0x18, 0x0C, 0x00},  // 28h
    {0x30, 0x18, 0x0C, 0x0C, 0x0C, 0x18, 0x30, 0x00},  // 29h
    {0x00, 0x66, 0x3C, 0xFF, 0x3C, 0x66, 0x00, 0x00},  // 2Ah
    {0x00, 0x18, 0x18, 0x7E, 0x18, 0x18, 0x00, 0x00},  // 2Bh
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x18, 0x30},  // 2Ch
    {0x00, 0x00, 0x00, 0x7E, 0x00, 0x00, 0x00, 0x00},  // 2Dh
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x30, 0x00},  // 2Eh
    {0x06, 0x0C, 0x18, 0x30, 0x60, 0xC0, 0x80, 0x00},  // 2Fh
    {0x38, 0x6C, 0xC6, 0xC6, 0xC6, 0x6C, 0x38, 0x00},  // 30h
    {0x18, 0x38, 0x18, 0x18, 0x18, 0x18, 0x7E, 0x00},  // 31h
    {0x7C, 0xC6, 0x06, 0x1C, 0x30, 0x66, 0xFE, 0x00},  // 32h
    {0x7C, 0xC6, 0x06, 0x3C, 0x06, 0xC6, 0x7C, 0x00},  // 33h
    {0x1C, 0x3C, 0x6C, 0xCC, 0xFE, 0x0C, 0x1E, 0x00},  // 34h
    {0xFE, 0xC0, 0xC0, 0xFC, 0x06, 0xC6, 0x7C, 0x00},  // 35h
    {0x38, 0x60, 0xC0, 0xFC, 0xC6, 0xC6, 0x7C, 0x00},  // 36h
    {0xFE, 0xC6, 0x0C, 0x18, 0x30, 0x30, 0x30, 0x00},  // 37h
    {0x7C, 0xC6, 0xC6, 0x7C, 0xC6, 0xC6, 0x7C, 0x00},  // 38h
    {0x7C, 0xC6, 0xC6, 0x7E, 0x06, 0x0C, 0x78, 0x00},  // 39h
    {0x00, 0x18, 0x18, 0x00, 0x00, 0x18, 0x18, 0x00},  // 3Ah
    {0x00, 0x18, 0x18, 0x00, 0x00, 0x18, 0x18, 0x30},  // 3Bh
    {0x06, 0x0C, 0x18, 0x30, 0x18, 0x0C, 0x06, 0x00},  // 3Ch
    {0x00, 0x00, 0x7E, 0x00, 0x00, 0x7E, 0x00, 0x00},  // 3Dh
    {0x60, 0x30, 0x18, 0x0C, 0x18, 0x30, 0x60, 0x00},  // 3Eh
    {0x7C, 0xC6, 0x0C, 0x18, 0x18, 0x00, 0x18, 0x00},  // 3Fh
    {0x7C, 0xC6, 0xDE, 0xDE, 0xDE, 0xC0, 0x78, 0x00},  // 40h
    {0x38, 0x6C, 0x6C, 0xC6, 0xFE, 0xC6, 0xC6, 0x00},  // 41h
    {0xFC, 0x66, 0x66, 0x7C, 0x66, 0x66, 0xFC, 0x00},  // 42h
    {0x3C, 0x66, 0xC0, 0xC0, 0xC0, 0x66, 0x3C, 0x00},  // 43h
    {0xF8, 0x6C, 0x66, 0x66, 0x66, 0x6C, 0xF8, 0x00},  // 44h
    {0xFE, 0x62, 0x68, 0x78, 0x68, 0x62, 0xFE, 0x00},  // 45h
    {0xFE, 0x62, 0x68, 0x78, 0x68, 0x60, 0xF0, 0x00},  // 46h
    {0x3C, 0x66, 0xC0, 0xC0, 0xCE, 0x66, 0x3A, 0x00},  // 47h
    {0xC6, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0xC6, 0x00},  // 48h
    {0x3C, 0x18, 0x18, 0x18, 0x18, 0x18, 0x3C, 0x00},  // 49h
    {0x1E, 0x0C, 0x0C, 0x0C, 0xCC, 0xCC, 0x78, 0x00},  // 4Ah
    {0xE6, 0x66, 0x6C, 0x78, 0x6C, 0x66, 0xE6, 0x00},  // 4Bh
    {0xF0, 0x60, 0x60, 0x60, 0x62, 0x66, 0xFE, 0x00},  // 4Ch
    {0xC6, 0xEE, 0xFE, 0xFE, 0xD6, 0xC6, 0xC6, 0x00},  // 4Dh
    {0xC6, 0xE6, 0xF6, 0xDE, 0xCE, 0xC6, 0xC6, 0x00},  // 4Eh
    {0x7C, 0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0x7C, 0x00},  // 4Fh
    {0xFC, 0x66, 0x66, 0x7C, 0x60, 0x60, 0xF0, 0x00},  // 50h
    {0x7C, 0xC6, 0xC6, 0xC6, 0xC6, 0xCE, 0x7C, 0x0E},  // 51h
    {0xFC, 0x66, 0x66, 0x7C, 0x6C, 0x66, 0xE6, 0x00},  // 52h
    {0x3C, 0x66, 0x30, 0x18, 0x0C, 0x66, 0x3C, 0x00},  // 53h
    {0x7E, 0x7E, 0x5A, 0x18, 0x18, 0x18, 0x3C, 0x00},  // 54h
    {0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0x7C, 0x00},  // 55h
    {0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0x6C, 0x38, 0x00},  // 56h
    {0xC6, 0xC6, 0xC6, 0xD6, 0xD6, 0xFE, 0x6C, 0x00},  // 57h
    {0xC6, 0xC6, 0x6C, 0x38, 0x6C, 0xC6, 0xC6, 0x00},  // 58h
    {0x66, 0x66, 0x66, 0x3C, 0x18, 0x18, 0x3C, 0x00},  // 59h
    {0xFE, 0xC6, 0x8C, 0x18, 0x32, 0x66, 0xFE, 0x00},  // 5Ah
    {0x3C, 0x30, 0x30, 0x30, 0x30, 0x30, 0x3C, 0x00},  // 5Bh
    {0xC0, 0x60, 0x30, 0x18, 0x0C, 0x06, 0x02, 0x00},  // 5Ch
    {0x3C, 0x0C, 0x0C, 0x0C, 0x0C, 0x0C, 0x3C, 0x00},  // 5Dh
    {0x10, 0x38, 0x6C, 0xC6, 0x00, 0x00, 0x00, 0x00},  // 5Eh
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},  // 5Fh
    {0x30, 0x18, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00},  // 60h
    {0x00, 0x00, 0x78, 0x0C, 0x7C, 0xCC, 0x76, 0x00},  // 61h
    {0xE0, 0x60, 0x7C, 0x66, 0x66, 0x66, 0xDC, 0x00},  // 62h
    {0x00, 0x00, 0x7C, 0xC6, 0xC0, 0xC6, 0x7C, 0x00},  // 63h
    {0x1C, 0x0C, 0x7C, 0xCC, 0xCC, 0xCC, 0x76, 0x00},  // 64h
    {0x00, 0x00, 0x7C, 0xC6, 0xFE, 0xC0, 0x7C, 0x00},  // 65h
    {0x3C, 0x66, 0x60, 0xF8, 0x60, 0x60, 0xF0, 0x00},  // 66h
    {0x00, 0x00, 0x76, 0xCC, 0xCC, 0x7C, 0x0C, 0xF8},  // 67h
    {0xE0, 0x60, 0x6C, 0x76, 0x66, 0x66, 0xE6, 0x00},  // 68h
    {0x18, 0x00, 0x38, 0x18, 0x18, 0x18, 0x3C, 0x00},  // 69h
    {0x06, 0x00, 0x06, 0x06, 0x06, 0x66, 0x66, 0x3C},  // 6Ah
    {0xE0, 0x60, 0x66, 0x6C, 0x78, 0x6C, 0xE6, 0x00},  // 6Bh
    {0x38, 0x18, 0x18, 0x18, 0x18, 0x18, 0x3C, 0x00},  // 6Ch
    {0x00, 0x00, 0xEC, 0xFE, 0xD6, 0xD6, 0xD6, 0x00},  // 6Dh
    {0x00, 0x00, 0xDC, 0x66, 0x66, 0x66, 0x66, 0x00},  // 6Eh
    {0x00, 0x00, 0x7C, 0xC6, 0xC6, 0xC6, 0x7C, 0x00},  // 6Fh
    {0x00, 0x00, 0xDC, 0x66, 0x66, 0x7C, 0x60, 0xF0},  // 70h
    {0x00, 0x00, 0x76, 0xCC, 0xCC, 0x7C, 0x0C, 0x1E},  // 71h
    {0x00, 0x00, 0xDC, 0x76, 0x60, 0x60, 0xF0, 0x00},  // 72h
    {0x00, 0x00, 0x7E, 0xC0, 0x7C, 0x06, 0xFC, 0x00},  // 73h
    {0x30, 0x30, 0xFC, 0x30, 0x30, 0x36, 0x1C, 0x00},  // 74h
    {0x00, 0x00, 0xCC, 0xCC, 0xCC, 0xCC, 0x76, 0x00},  // 75h
    {0x00, 0x00, 0xC6, 0xC6, 0xC6, 0x6C, 0x38, 0x00},  // 76h
    {0x00, 0x00, 0xC6, 0xD6, 0xD6, 0xFE, 0x6C, 0x00},  // 77h
    {0x00, 0x00, 0xC6, 0x6C, 0x38, 0x6C, 0xC6, 0x00},  // 78h
    {0x00, 0x00, 0xC6, 0xC6, 0xC6, 0x7E, 0x06, 0xFC},  // 79h
    {0x00, 0x00, 0x7E, 0x4C, 0x18, 0x32, 0x7E, 0x00},  // 7Ah
    {0x0E, 0x18, 0x18, 0x70, 0x18, 0x18, 0x0E, 0x00},  // 7Bh
    {0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x00},  // 7Ch
    {0x70, 0x18, 0x18, 0x0E, 0x18, 0x18, 0x70, 0x00},  // 7Dh
    {0x76, 0xDC, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // 7Eh
    {0xFC, 0xFC, 0xFC, 0xFC, 0xFC, 0xFC, 0xFC, 0x00},  // 7Fh
};

constexpr char kStart[] =
    BASE_TR_NOOP("quorkit", "正在生成...\r\n(这可能需要较长的时间，请耐心等待！)\r\n");
constexpr char kWarning[] =
    BASE_TR_NOOP("quorkit", "操作即将开始，这可能需要几秒钟的时间，在这期间软件停止响应！");
constexpr char kDone[] = BASE_TR_NOOP("quorkit", "\r\n字库成功生成！");
constexpr char kTextDescription[] = BASE_TR_NOOP("quorkit", "文本文件(*.txt)");
constexpr char kBinaryDescription[] = BASE_TR_NOOP("quorkit", "二进制格式文件(*.bin)");

std::string Gb2312EndText() {
  return std::string(
             base::Tr("quorkit",
                      "\r\nGB2312汉字库成功生成！\r\n "
                      "字符码提取方法为高字节从0xA1到0xF7,低字节从0xA1到0xFE,提取示意代码如下：")) +
         base::Tr("quorkit", "addr=char_code>>8; //字符码高字节 \r\n") +
         "addr-=0xa1;\r\naddr*=94;\t//(0XFF-0XA1)\r\n" +
         base::Tr("quorkit", "char_code&=0x00FF;\t//字符码低字节\r\n") +
         base::Tr("quorkit",
                  "char_code-=0xa1;\r\naddr+=char_code;\r\naddr*=32;\t//"
                  "32为一个字符占用的字节个数，当字符尺寸为16X16时为32\r\n") +
         "read(addr,buf,32);";
}

// Bytes in lines of sixteen, each line opened with "\r\n".
void AppendByteLines(std::string& record, const uint8_t* bytes, int count) {
  for (int j = 0; j < count; ++j) {
    if (j % 16 == 0) record += "\r\n";
    record += base::Format("0x%.2X,", bytes[j]);
  }
}

bool WriteRecord(LibraryFile& file, const std::string& record) {
  return file.Write(record.data(), record.size());
}

bool WriteAsciiText(GlyphSampler& sampler, LibraryFile& file) {
  for (int c = 1; c <= 127; ++c) {
    std::string record =
        c <= 32 ? base::Format("//[%.2XH]", c) : base::Format("//%c [%.2XH]", c, c);
    const int count = sampler.SampleText(std::string(1, static_cast<char>(c)));
    AppendByteLines(record, sampler.bytes(), count);
    record += "\r\n";
    if (!WriteRecord(file, record)) return false;
  }
  return true;
}

bool WriteAscii8x8Text(LibraryFile& file) {
  for (int c = 1; c <= 127; ++c) {
    std::string record = c < 32 ? base::Format("//[%.2XH]", c) : base::Format("//%c [%.2XH]", c, c);
    record += "\r\n";
    for (uint8_t byte : Ascii8x8Columns(c)) record += base::Format("0x%.2X,", byte);
    record += "\r\n";
    if (!WriteRecord(file, record)) return false;
  }
  return true;
}

bool WriteAsciiBinary(GlyphSampler& sampler, LibraryFile& file) {
  for (int c = 1; c <= 127; ++c) {
    const int count = sampler.SampleText(std::string(1, static_cast<char>(c)));
    if (!file.Write(sampler.bytes(), static_cast<size_t>(count))) return false;
  }
  return true;
}

// The text of every GB2312 position in file order; empty where the code page leaves the
// position unassigned (those records stay blank rather than showing a "?").
std::vector<std::string> Gb2312Texts() {
  std::vector<std::string> texts;
  texts.reserve(87 * 94);
  for (int high = 0xA1; high <= 0xF7; ++high) {
    for (int low = 0xA1; low <= 0xFE; ++low) {
      const char code[] = {static_cast<char>(high), static_cast<char>(low)};
      std::string text = base::FromCp936(std::string(code, 2));
      texts.push_back(text == "?" ? std::string() : std::move(text));
    }
  }
  return texts;
}

// Samples texts[begin, end) into consecutive records of `size` bytes (blank for an empty text).
std::vector<uint8_t> SampleRecords(GlyphSampler& sampler, const std::vector<std::string>& texts,
                                   size_t begin, size_t end, size_t size) {
  std::vector<uint8_t> records((end - begin) * size, 0);
  for (size_t i = begin; i < end; ++i) {
    if (texts[i].empty()) continue;
    const int count = sampler.SampleText(texts[i]);
    std::copy_n(sampler.bytes(), std::min(static_cast<size_t>(count), size),
                records.begin() + static_cast<std::ptrdiff_t>((i - begin) * size));
  }
  return records;
}

bool WriteRecords(LibraryFile& file, const std::vector<uint8_t>& records, size_t size) {
  for (size_t at = 0; at < records.size(); at += size) {
    if (!file.Write(records.data() + at, size)) return false;
  }
  return true;
}

// Each character is drawn and sampled on its own, so the records split into two runs that two
// threads draw at once, each on a canvas and font of its own (made in the thread that draws
// with it). This thread takes the second run, so its canvas ends showing the last character.
bool WriteGb2312Binary(GlyphSampler& sampler, LibraryFile& file) {
  const size_t size = static_cast<size_t>(sampler.RecordSize());
  const std::vector<std::string> texts = Gb2312Texts();
  if (size == 0) return true;
  // Split at half the drawn characters: unassigned positions cost nothing.
  size_t drawn = 0;
  for (const std::string& text : texts) drawn += text.empty() ? 0u : 1u;
  size_t split = 0;
  for (size_t seen = 0; split < texts.size() && seen < drawn / 2; ++split) {
    seen += texts[split].empty() ? 0u : 1u;
  }

  std::vector<uint8_t> first;
  std::exception_ptr failure;
  std::promise<bool> second_canvas;
  std::future<bool> has_second = second_canvas.get_future();
  std::thread worker;
  if (std::thread::hardware_concurrency() > 1) {
    try {
      worker = std::thread([&] {
        bool announced = false;
        try {
          std::unique_ptr<GlyphCanvas> canvas = sampler.canvas().NewCanvas();
          second_canvas.set_value(canvas != nullptr);
          announced = true;
          if (!canvas) return;
          GlyphSampler second(*canvas);
          second.region() = sampler.region();
          second.set_threshold(sampler.threshold());
          first = SampleRecords(second, texts, 0, split, size);
        } catch (...) {
          failure = std::current_exception();
          if (!announced) second_canvas.set_value(false);
        }
      });
    } catch (const std::system_error&) {
      // No second thread to be had.
    }
  }
  bool parallel = false;
  if (worker.joinable()) {
    parallel = has_second.get();
    if (!parallel) worker.join();
  }
  if (!parallel) {
    if (failure) std::rethrow_exception(failure);
    first = SampleRecords(sampler, texts, 0, split, size);
  }
  const std::vector<uint8_t> rest = SampleRecords(sampler, texts, split, texts.size(), size);
  if (worker.joinable()) worker.join();
  if (failure) std::rethrow_exception(failure);
  return WriteRecords(file, first, size) && WriteRecords(file, rest, size);
}

}  // namespace

LibraryTexts TextsOf(FontLibrary library) {
  const auto tr = [](const char* text) { return base::Tr("quorkit", text); };
  const LibraryTexts ascii_text{"txt",      tr(kTextDescription), "*.txt",
                                tr(kStart), tr(kWarning),         tr(kDone)};
  const LibraryTexts ascii_binary{
      "bin",
      tr(kBinaryDescription),
      "*.bin",
      tr(kStart),
      tr(kWarning),
      std::string(tr(kDone)) +
          base::Tr("quorkit", "\r\n字符码从1到127的字符点阵码已按顺序保存到文件中；")};
  const LibraryTexts gb2312{
      "bin",
      tr(kBinaryDescription),
      "*.bin",
      base::Tr("quorkit",
               "正在生成GB2312汉字库...\r\n(这可能需要几分钟或更长的时间，请耐心等待！)\r\n"),
      base::Tr("quorkit", "操作即将开始，这可能需要几分钟的时间，在这期间软件停止响应！"),
      Gb2312EndText()};
  switch (library) {
    case FontLibrary::kAsciiText:
    case FontLibrary::kAscii8x8Text:
      return ascii_text;
    case FontLibrary::kAsciiBinary:
      return ascii_binary;
    case FontLibrary::kGb2312Binary:
      break;
  }
  return gb2312;
}

std::array<uint8_t, 8> Ascii8x8Columns(int code) {
  std::array<uint8_t, 8> columns{};
  if (code < 0x20 || code > 0x7F) return columns;
  const uint8_t* rows = kFont8x8[code - 0x20];
  for (size_t k = 0; k < 8; ++k) {
    for (size_t i = 0; i < 8; ++i) {
      if (rows[i] & (0x80u >> k)) columns[k] |= static_cast<uint8_t>(1u << i);
    }
  }
  return columns;
}

std::string FileErrorText(int error_number, const std::string& path) {
  const char* text = "An unexpected error occurred while accessing %1.";
  switch (error_number) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      text = "Access to %1 was denied.";
      break;
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      text = "%1 contains an incorrect path.";
      break;
    case EMFILE:
    case ENFILE:
      text = "Could not open %1 because there are too many open files.";
      break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      text = "Disk full while accessing %1.";
      break;
    case EIO:
      text = "A hardware I/O error was reported while accessing %1.";
      break;
    default:
      break;
  }
  std::string message = text;
  message.replace(message.find("%1"), 2, path);
  return message;
}

bool LibraryFile::Open(const std::string& path, std::string* error) {
  const int failure = file_.Open(path);
  error_ = failure;
  written_ = 0;
  if (failure != 0) *error = FileErrorText(failure, path);
  return failure == 0;
}

bool LibraryFile::Commit(std::string* error) {
  const int failure = file_.Commit();
  error_ = failure;
  if (failure != 0) *error = FileErrorText(failure, file_.path());
  return failure == 0;
}

bool WriteFontLibrary(FontLibrary library, GlyphSampler& sampler, LibraryFile& file) {
  switch (library) {
    case FontLibrary::kAsciiText:
      return WriteAsciiText(sampler, file);
    case FontLibrary::kAscii8x8Text:
      return WriteAscii8x8Text(file);
    case FontLibrary::kAsciiBinary:
      return WriteAsciiBinary(sampler, file);
    case FontLibrary::kGb2312Binary:
      break;
  }
  return WriteGb2312Binary(sampler, file);
}

}  // namespace mcu
