#include "tools/protocol/ihexfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <random>

#include "base/fileio.h"
#include "base/format.h"

namespace protocol {

std::string BinFileName(const std::string& chosen) {
  if (chosen.size() >= 4) {
    std::string tail = chosen.substr(chosen.size() - 4);
    for (char& c : tail) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (tail == ".bin") return chosen;
  }
  return chosen + ".bin";
}

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size) {
  return base::WriteWholeFile(path, std::string_view(reinterpret_cast<const char*>(data), size)) ==
         0;
}

}  // namespace protocol

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Two hexadecimal characters at `at` as one byte, or -1.
int HexByte(std::string_view line, size_t at) {
  if (at + 2 > line.size()) return -1;
  const int high = HexDigit(line[at]);
  const int low = HexDigit(line[at + 1]);
  if (high < 0 || low < 0) return -1;
  return high * 16 + low;
}

constexpr uint8_t kData = 0x00;
constexpr uint8_t kEnd = 0x01;
constexpr uint8_t kSegmentAddress = 0x02;
constexpr uint8_t kLinearAddress = 0x04;
constexpr uint8_t kLastType = 0x05;

constexpr char kNoEndRecordText[] = "在此文件中没有发现Intel Hex 结束文件记录\n";

}  // namespace

CIHexFile::~CIHexFile() {
  Close();
}

bool CIHexFile::ParseRecord(std::string_view line, Record* record) {
  if (line.empty() || line[0] != ':') return false;
  const int count = HexByte(line, 1);
  const int address_high = HexByte(line, 3);
  const int address_low = HexByte(line, 5);
  const int type = HexByte(line, 7);
  if (count < 0 || address_high < 0 || address_low < 0 || type < 0) return false;
  unsigned sum = static_cast<unsigned>(count + address_high + address_low + type);
  for (int i = 0; i < count; ++i) {
    const int byte = HexByte(line, 9 + 2 * static_cast<size_t>(i));
    if (byte < 0) return false;
    record->data[i] = static_cast<uint8_t>(byte);
    sum += static_cast<unsigned>(byte);
  }
  const int checksum = HexByte(line, 9 + 2 * static_cast<size_t>(count));
  if (checksum < 0) return false;
  record->count = static_cast<uint8_t>(count);
  record->address = static_cast<uint16_t>(address_high * 256 + address_low);
  record->type = static_cast<uint8_t>(type);
  record->checksum = static_cast<uint8_t>(checksum);
  record->computed = static_cast<uint8_t>((256 - sum % 256) % 256);
  return true;
}

bool CIHexFile::Open(const std::string& path) {
  Close();
  std::FILE* stream = std::fopen(path.c_str(), "rb");
  if (!stream) return false;
  struct stat info {};
  if (::fstat(fileno(stream), &info) != 0 || S_ISDIR(info.st_mode)) {
    std::fclose(stream);
    return false;
  }
  Attach(stream);
  return true;
}

void CIHexFile::Attach(std::FILE* stream) {
  Close();
  stream_ = stream;
  line_number_ = 0;
  buffer_pos_ = buffer_end_ = 0;
}

void CIHexFile::Close() {
  if (stream_) std::fclose(stream_);
  stream_ = nullptr;
  buffer_pos_ = buffer_end_ = 0;
}

bool CIHexFile::Rewind() {
  if (!stream_ || std::fseek(stream_, 0, SEEK_SET) != 0) return false;
  std::clearerr(stream_);
  line_number_ = 0;
  buffer_pos_ = buffer_end_ = 0;
  return true;
}

void CIHexFile::Fail(std::string text) {
  error_text_ = std::move(text);
}

// One line without its line feed into line_; false at the end of the file. A line longer
// than a record can be is cut at kMaxLineLength + 1 characters, which no record parses.
bool CIHexFile::ReadLine() {
  line_.clear();
  bool any = false;
  for (;;) {
    if (buffer_pos_ == buffer_end_) {
      buffer_.resize(kBufferSize);
      buffer_end_ = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
      buffer_pos_ = 0;
      if (buffer_end_ == 0) break;
    }
    any = true;
    const char* start = buffer_.data() + buffer_pos_;
    const size_t available = buffer_end_ - buffer_pos_;
    const char* feed = static_cast<const char*>(std::memchr(start, '\n', available));
    const size_t length = feed ? static_cast<size_t>(feed - start) : available;
    const size_t room = kMaxLineLength + 1 - std::min(line_.size(), kMaxLineLength + 1);
    line_.append(start, std::min(length, room));
    buffer_pos_ += feed ? length + 1 : length;
    if (feed) break;
  }
  if (!any) return false;
  ++line_number_;
  return true;
}

CIHexFile::Step CIHexFile::NextRecord() {
  for (;;) {
    if (!stream_ || !ReadLine()) {
      Fail(kNoEndRecordText);
      return Step::kFailed;
    }
    if (line_.empty() || line_[0] != ':') {
      if (line_.size() <= kMaxLineLength) continue;
    }
    const bool parsed = line_.size() <= kMaxLineLength && ParseRecord(line_, &record_);
    // Address records carry exactly the two bytes of their address.
    const bool address_record =
        parsed && (record_.type == kSegmentAddress || record_.type == kLinearAddress);
    if (!parsed || (address_record && record_.count != 2)) {
      Fail(base::Format("第%lld行出现不可解析的记录 ", line_number_));
      return Step::kFailed;
    }
    if (record_.computed != record_.checksum) {
      Fail(base::Format("第%lld行发现沉余校验错误", line_number_));
      return Step::kFailed;
    }
    if (record_.type > kLastType) {
      Fail(base::Format("未知的记录类型%d在行%lld中出现\n", record_.type, line_number_));
      return Step::kFailed;
    }
    return record_.type == kEnd ? Step::kEnd : Step::kRecord;
  }
}

void CIHexFile::ApplyAddressRecord() {
  const uint64_t value = record_.data[0] * 256u + record_.data[1];
  if (record_.type == kLinearAddress) upper_address_ = value << 16;
  if (record_.type == kSegmentAddress) upper_address_ = value << 4;
}

int64_t CIHexFile::MeasureImage() {
  upper_address_ = 0;
  has_data_ = false;
  uint64_t lowest = 0;
  uint64_t highest_end = 0;
  for (;;) {
    const Step step = NextRecord();
    if (step == Step::kFailed) return -1;
    if (step == Step::kEnd) break;
    if (record_.type == kData) {
      if (record_.count == 0) continue;  // places nothing
      const uint64_t start = upper_address_ + record_.address;
      const uint64_t end = start + record_.count;
      lowest = has_data_ ? std::min(lowest, start) : start;
      highest_end = has_data_ ? std::max(highest_end, end) : end;
      has_data_ = true;
    } else {
      ApplyAddressRecord();
    }
  }
  base_address_ = has_data_ ? lowest : 0;
  return static_cast<int64_t>(highest_end - base_address_);
}

int64_t CIHexFile::LoadImage(uint8_t* image, int64_t size) {
  upper_address_ = 0;
  uint64_t used = 0;
  for (;;) {
    const Step step = NextRecord();
    if (step == Step::kFailed) return -1;
    if (step == Step::kEnd) break;
    if (record_.type == kData) {
      if (record_.count == 0) continue;
      const uint64_t start = upper_address_ + record_.address;
      const uint64_t end = start + record_.count;
      // Outside the measured range (the file changed between the passes, or a short
      // buffer): the end is reported relative to the image start where it lies above it.
      if (size < 0 || start < base_address_ || end - base_address_ > static_cast<uint64_t>(size)) {
        const uint64_t shown = start < base_address_ ? end : end - base_address_;
        Fail(base::Format("第%lld行中地址0x%04llx 超出了器件地址范围\n", line_number_,
                          static_cast<unsigned long long>(shown)));
        return -1;
      }
      std::memcpy(image + (start - base_address_), record_.data, record_.count);
      used = std::max(used, end - base_address_);
    } else {
      ApplyAddressRecord();
    }
  }
  return static_cast<int64_t>(used);
}

CIHexFile::Conversion CIHexFile::ReadForConversion(const std::string& path) {
  Conversion result;
  result.title = protocol::kHexTitle;
  if (!Open(path)) {
    result.text = base::Format("打开文件:\n%s\n失败!", path.c_str());
    result.title = protocol::kHexOpenFailedTitle;
    return result;
  }
  const int64_t size = MeasureImage();
  if (size < 0) {
    Close();
    result.text = error_text_;
    return result;
  }
  if (!has_data_) {
    Close();
    result.text = protocol::kHexNoDataText;
    return result;
  }
  if (static_cast<uint64_t>(size) > protocol::kMaxHexImageSpan) {
    Close();
    result.text = protocol::kHexTooLargeText;
    return result;
  }
  if (!Rewind()) {
    Close();
    result.text = base::Format("打开文件:\n%s\n失败!", path.c_str());
    result.title = protocol::kHexOpenFailedTitle;
    return result;
  }
  try {
    result.image.assign(static_cast<size_t>(size), 0xFF);
  } catch (const std::bad_alloc&) {
    Close();
    result.text = protocol::kHexNoMemoryText;
    result.title = protocol::kHexNoMemoryTitle;
    return result;
  }
  const int64_t used = LoadImage(result.image.data(), size);
  Close();
  if (used < 0) {
    result.image.clear();
    result.text = error_text_;
    return result;
  }
  result.ok = true;
  result.start = base_address_;
  if (base_address_ > 0) {
    result.offset_text =
        base::Format("HEX文件指定的绝对偏移地址是:0x%.8llX,转换BIN文件后此信息将丢失!",
                     static_cast<unsigned long long>(base_address_));
  }
  return result;
}

bool CIHexFile::WriteImage(const std::string& path, const std::vector<uint8_t>& image) {
  return protocol::WriteFileAtomically(path, image.data(), image.size());
}
