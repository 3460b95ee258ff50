// Intel HEX reading and the HEX-to-BIN conversion steps that need no window.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// Message texts of the conversion, with their box titles.
inline constexpr char kHexTitle[] = "提示";
inline constexpr char kHexOpenFailedTitle[] = "操作未完成";
inline constexpr char kHexNoMemoryText[] = "系统没有足够内存!";
inline constexpr char kHexNoMemoryTitle[] = "申请系统内在失败";
inline constexpr char kHexTooLargeText[] = "HEX文件的地址跨度超过64MB,无法转换!";
inline constexpr char kHexNoDataText[] = "HEX文件中没有数据记录!";
inline constexpr char kHexCancelledText[] = "转换被取消!";
inline constexpr char kHexWriteFailedText[] = "创建或打开文件失败!";
inline constexpr char kHexSucceededText[] = "转换文件成功!";

// The largest image span converted (from the lowest data address to the highest end).
inline constexpr uint64_t kMaxHexImageSpan = 64ull * 1024 * 1024;

// The name a .bin image is written under: `chosen`, with ".bin" appended unless its last
// four characters already read ".bin" in any case.
std::string BinFileName(const std::string& chosen);

// Writes `size` bytes to `path` through base::OutputFile: a regular file is replaced only
// once complete, a link keeps pointing where it did, a device or FIFO is written in place.
// On failure nothing is left behind and `path` is untouched.
bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);

}  // namespace protocol

// One Intel HEX file, read in two passes over the same open file: MeasureImage finds the
// address range, LoadImage copies the data records into an image of that range. Data
// records are placed at their full 32-bit address (type 04 and type 02 give the upper
// part), the image starts at the lowest data address, and no address arithmetic wraps.
class CIHexFile {
 public:
  // The longest record line: 255 data bytes make 521 characters, plus a carriage return.
  static constexpr size_t kMaxLineLength = 522;

  struct Record {
    uint8_t count = 0;
    uint16_t address = 0;
    uint8_t type = 0;
    uint8_t data[255] = {};
    uint8_t checksum = 0;  // as written in the record
    uint8_t computed = 0;  // two's complement of the byte sum of count, address, type, data
  };

  // The result of reading a HEX file for conversion.
  struct Conversion {
    bool ok = false;
    std::string text;  // the message to show when !ok
    std::string title;
    std::vector<uint8_t> image;  // gap bytes are 0xFF
    uint64_t start = 0;          // absolute address of image[0]
    std::string offset_text;     // the offset notice, empty when the image starts at 0
  };

  CIHexFile() = default;
  ~CIHexFile();
  CIHexFile(const CIHexFile&) = delete;
  CIHexFile& operator=(const CIHexFile&) = delete;

  // Reads one record from a line (its line feed removed). Characters after the checksum are
  // ignored. False when the line is not a complete record of hexadecimal fields.
  static bool ParseRecord(std::string_view line, Record* record);

  // Opens `path` read-only; closes any file open before.
  bool Open(const std::string& path);
  // Reads from `stream` instead (taken over; closed by Close).
  void Attach(std::FILE* stream);
  void Close();
  bool IsOpen() const { return stream_ != nullptr; }
  // Back to the first byte, line numbers from 1 again.
  bool Rewind();

  // From the current position to the end record: the image span in bytes (0 when there is
  // no data), or -1 with error_text() set. Sets base_address() to the lowest data address.
  int64_t MeasureImage();
  // From the current position to the end record: copies the data records into `image`
  // (`size` bytes starting at base_address()); returns the used length, or -1 with
  // error_text() set. Bytes no record covers are left as they are.
  int64_t LoadImage(uint8_t* image, int64_t size);

  // Open, measure, check, reserve, load and close, as the converter does.
  Conversion ReadForConversion(const std::string& path);
  // The .bin image written safely (see protocol::WriteFileAtomically).
  bool WriteImage(const std::string& path, const std::vector<uint8_t>& image);

  const std::string& error_text() const { return error_text_; }
  uint64_t base_address() const { return base_address_; }
  bool has_data() const { return has_data_; }

 private:
  enum class Step { kRecord, kEnd, kFailed };
  // Reads the next line and, for a record line, checks it; kRecord leaves it in record_.
  Step NextRecord();
  bool ReadLine();
  // Applies a type 02 or 04 record; other types are passed over.
  void ApplyAddressRecord();
  void Fail(std::string text);

  std::FILE* stream_ = nullptr;
  std::string error_text_;
  uint64_t upper_address_ = 0;  // from the last type 02 or 04 record of this pass
  uint64_t base_address_ = 0;
  bool has_data_ = false;
  long long line_number_ = 0;  // a file of blank lines may hold more than INT_MAX
  std::string line_;
  static constexpr size_t kBufferSize = 64 * 1024;
  std::vector<char> buffer_;  // read ahead of line_
  size_t buffer_pos_ = 0;
  size_t buffer_end_ = 0;
  Record record_;
};
