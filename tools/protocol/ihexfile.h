// Intel HEX reading and the HEX-to-BIN conversion steps that need no window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/fileio.h"
#include "base/tr.h"

namespace protocol {

// Message texts of the conversion, with their box titles.
inline constexpr char kHexTitle[] = BASE_TR_NOOP("quorkit", "提示");
inline constexpr char kHexOpenFailedTitle[] = BASE_TR_NOOP("quorkit", "操作未完成");
inline constexpr char kHexNoMemoryText[] = BASE_TR_NOOP("quorkit", "系统没有足够内存!");
inline constexpr char kHexNoMemoryTitle[] = BASE_TR_NOOP("quorkit", "申请系统内在失败");
inline constexpr char kHexTooLargeText[] =
    BASE_TR_NOOP("quorkit", "HEX文件的地址跨度超过64MB,无法转换!");
inline constexpr char kHexNoDataText[] = BASE_TR_NOOP("quorkit", "HEX文件中没有数据记录!");
inline constexpr char kHexCancelledText[] = BASE_TR_NOOP("quorkit", "转换被取消!");
inline constexpr char kHexWriteFailedText[] = BASE_TR_NOOP("quorkit", "创建或打开文件失败!");
inline constexpr char kHexSucceededText[] = BASE_TR_NOOP("quorkit", "转换文件成功!");

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

// One Intel HEX input. The converter reads it once: data records go into address-ordered
// pages, and the image is built from them at the end record, so a pipe converts like a
// file. MeasureImage and LoadImage are the two passes over one open file that find the
// address range and copy the records into an image of it. Data records are placed at
// their full 32-bit address (type 04 and type 02 give the upper part), the image starts at
// the lowest data address, and no address arithmetic wraps.
//
// Lines end at a line feed, a carriage return, or either pair of them (CR LF, LF CR count
// as one line end). Blanks and tabs before the ":" and a UTF-8 byte order mark at the start
// of the input are skipped; a line whose first other character is not ":" is a comment.
// A line that passes kMaxLineLength characters (after its indentation) is refused as soon
// as that is clear, so an endless line costs no more than a record.
class CIHexFile {
 public:
  // The longest record line: 255 data bytes make 521 characters; one more is tolerated.
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
    std::vector<uint8_t> image;  // gap bytes are the fill byte, 0xFF by default
    uint64_t start = 0;          // absolute address of image[0]
    std::string offset_text;     // the offset notice, empty when the image starts at 0
    int input_error = 0;         // errno when the input could not be opened or read
  };

  CIHexFile();
  ~CIHexFile();
  CIHexFile(const CIHexFile&) = delete;
  CIHexFile& operator=(const CIHexFile&) = delete;

  // Reads one record from a line (its line end removed). Characters after the checksum are
  // ignored. False when the line is not a complete record of hexadecimal fields.
  static bool ParseRecord(std::string_view line, Record* record);

  // Opens `path` read-only, a regular file only (a FIFO, device or directory is refused at
  // once, never waited on); closes any file open before.
  bool Open(const std::string& path);
  // Reads from `input` instead (taken over; closed by Close).
  void Attach(base::InputFile input);
  void Close();
  bool IsOpen() const { return input_.ok(); }
  // Back to the first byte, line numbers from 1 again; false for a stream.
  bool Rewind();

  // From the current position to the end record: the image span in bytes (0 when there is
  // no data), or -1 with error_text() set. Sets base_address() to the lowest data address.
  int64_t MeasureImage();
  // From the current position to the end record: copies the data records into `image`
  // (`size` bytes starting at base_address()); returns the used length, or -1 with
  // error_text() set. Bytes no record covers are left as they are.
  int64_t LoadImage(uint8_t* image, int64_t size);

  // The window's conversion: opens `path` (a regular file only), reads it and closes it.
  Conversion ReadForConversion(const std::string& path);
  // Reads `input` once from where it stands up to the end record, whatever it is: a regular
  // file, a pipe, standard input. `name` stands for it in the open-failure text; the gaps
  // get `fill`. The input stays open and belongs to the caller.
  Conversion ReadForConversion(base::InputFile& input, const std::string& name,
                               uint8_t fill = 0xFF);
  // The .bin image written safely (see protocol::WriteFileAtomically).
  bool WriteImage(const std::string& path, const std::vector<uint8_t>& image);

  const std::string& error_text() const { return error_text_; }
  uint64_t base_address() const { return base_address_; }
  bool has_data() const { return has_data_; }

 private:
  enum class Step { kRecord, kEnd, kFailed };
  class Pages;
  // Reads the next line of `from` and, for a record line, checks it; kRecord leaves it in
  // record_.
  Step NextRecord(base::InputFile& from);
  // At least `count` bytes from pos_ on in the buffer unless the input ends first; false
  // on a read error (read_error_ set).
  bool Fill(base::InputFile& from, size_t count);
  void StartInput();
  void ReleaseBuffer();
  // Applies a type 02 or 04 record; other types are passed over.
  void ApplyAddressRecord();
  void Fail(std::string text);
  std::string UnparseableText() const;

  base::InputFile input_;  // of Open and Attach
  std::string error_text_;
  uint64_t upper_address_ = 0;  // from the last type 02 or 04 record of this pass
  uint64_t base_address_ = 0;
  bool has_data_ = false;
  long long line_number_ = 0;  // a file of blank lines may hold more than INT_MAX
  int read_error_ = 0;
  // Read ahead: buffer_[pos_, end_) is not looked at yet; eof_ once the input has ended.
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool eof_ = false;
  bool at_start_ = true;   // nothing read yet: a byte order mark may come
  char pending_pair_ = 0;  // the other half of a CR LF or LF CR pair, if it comes next
  Record record_;
};
