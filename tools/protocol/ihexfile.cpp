#include "tools/protocol/ihexfile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <map>
#include <new>
#include <random>

#include "base/fileio.h"
#include "base/format.h"
#include "base/tr.h"

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

// Hexadecimal digit values; 0xFF for any other character, so that or-ing two entries shows
// a bad one in the upper bits.
constexpr std::array<uint8_t, 256> kHexValue = [] {
  std::array<uint8_t, 256> table{};
  table.fill(0xFF);
  for (size_t c = '0'; c <= '9'; ++c) table[c] = static_cast<uint8_t>(c - '0');
  for (size_t c = 'A'; c <= 'F'; ++c) table[c] = static_cast<uint8_t>(c - 'A' + 10);
  for (size_t c = 'a'; c <= 'f'; ++c) table[c] = static_cast<uint8_t>(c - 'a' + 10);
  return table;
}();

// Two hexadecimal characters at `at` as one byte, or -1.
inline int HexByte(const char* at) {
  const unsigned high = kHexValue[static_cast<uint8_t>(at[0])];
  const unsigned low = kHexValue[static_cast<uint8_t>(at[1])];
  if ((high | low) & 0xF0) return -1;
  return static_cast<int>(high << 4 | low);
}

constexpr uint8_t kData = 0x00;
constexpr uint8_t kEnd = 0x01;
constexpr uint8_t kSegmentAddress = 0x02;
constexpr uint8_t kLinearAddress = 0x04;
constexpr uint8_t kLastType = 0x05;

constexpr char kNoEndRecordText[] =
    BASE_TR_NOOP("quorkit", "在此文件中没有发现Intel Hex 结束文件记录\n");

// Large enough that a 40 MB file takes a few dozen reads; it always holds a whole line.
constexpr size_t kBufferSize = 1 << 20;
static_assert(kBufferSize > 2 * CIHexFile::kMaxLineLength);

std::string OpenFailedText(const std::string& name) {
  return base::Format(base::Tr("quorkit", "打开文件:\n%s\n失败!"), name.c_str());
}

}  // namespace

// The data records of one conversion, in pages of 1 MiB by absolute address (gaps hold the
// fill byte).
// Pages are mapped on their own, so each goes back to the system as soon as it has been
// copied into the image: the conversion needs little more than the image itself.
class CIHexFile::Pages {
 public:
  static constexpr uint64_t kPageSize = 1 << 20;

  explicit Pages(uint8_t fill) : fill_(fill) {}
  ~Pages() { Clear(); }
  Pages(const Pages&) = delete;
  Pages& operator=(const Pages&) = delete;

  // False when memory ran out.
  bool Put(uint64_t address, const uint8_t* data, size_t count) {
    while (count > 0) {
      const uint64_t number = address / kPageSize;
      const size_t offset = static_cast<size_t>(address % kPageSize);
      const size_t part = std::min<size_t>(count, kPageSize - offset);
      uint8_t* page = Page(number);
      if (!page) return false;
      std::memcpy(page + offset, data, part);
      address += part;
      data += part;
      count -= part;
    }
    return true;
  }

  void Clear() {
    for (auto& [number, page] : pages_) ::munmap(page, kPageSize);
    pages_.clear();
    last_ = nullptr;
  }

  // The bytes of [low, high) into `image`, every page released once copied. Throws
  // std::bad_alloc when the image cannot be had.
  void MoveInto(uint64_t low, uint64_t high, std::vector<uint8_t>* image) {
    image->clear();
    image->reserve(static_cast<size_t>(high - low));
    last_ = nullptr;
    while (!pages_.empty()) {
      const auto first = pages_.begin();
      const uint64_t page_start = first->first * kPageSize;
      const uint64_t from = std::max(low, page_start);
      const uint64_t to = std::min(high, page_start + kPageSize);
      if (from < to) {
        image->resize(static_cast<size_t>(from - low), fill_);
        const uint8_t* bytes = first->second + (from - page_start);
        image->insert(image->end(), bytes, bytes + (to - from));
      }
      ::munmap(first->second, kPageSize);
      pages_.erase(first);
    }
    image->resize(static_cast<size_t>(high - low), fill_);
  }

 private:
  uint8_t* Page(uint64_t number) {
    if (last_ && number == last_number_) return last_;
    auto found = pages_.find(number);
    if (found == pages_.end()) {
      void* mapped =
          ::mmap(nullptr, kPageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
      if (mapped == MAP_FAILED) return nullptr;
      std::memset(mapped, fill_, kPageSize);
      try {
        found = pages_.emplace(number, static_cast<uint8_t*>(mapped)).first;
      } catch (const std::bad_alloc&) {
        ::munmap(mapped, kPageSize);
        return nullptr;
      }
    }
    last_number_ = number;
    last_ = found->second;
    return last_;
  }

  uint8_t fill_;
  std::map<uint64_t, uint8_t*> pages_;  // by page number
  uint64_t last_number_ = 0;
  uint8_t* last_ = nullptr;  // the page last written, most often the next one too
};

CIHexFile::CIHexFile() = default;

CIHexFile::~CIHexFile() {
  Close();
}

bool CIHexFile::ParseRecord(std::string_view line, Record* record) {
  const size_t length = line.size();
  const char* text = line.data();
  // Start code, count, address, type and checksum: 11 characters at least.
  if (length < 11 || text[0] != ':') return false;
  const int count = HexByte(text + 1);
  const int address_high = HexByte(text + 3);
  const int address_low = HexByte(text + 5);
  const int type = HexByte(text + 7);
  if (count < 0 || address_high < 0 || address_low < 0 || type < 0) return false;
  if (length < 11 + 2 * static_cast<size_t>(count)) return false;
  unsigned sum = static_cast<unsigned>(count + address_high + address_low + type);
  unsigned bad = 0;
  const char* at = text + 9;
  for (int i = 0; i < count; ++i, at += 2) {
    const unsigned high = kHexValue[static_cast<uint8_t>(at[0])];
    const unsigned low = kHexValue[static_cast<uint8_t>(at[1])];
    bad |= high | low;
    const unsigned byte = (high << 4 | low) & 0xFF;
    record->data[i] = static_cast<uint8_t>(byte);
    sum += byte;
  }
  const int checksum = HexByte(at);
  if ((bad & 0xF0) || checksum < 0) return false;
  record->count = static_cast<uint8_t>(count);
  record->address = static_cast<uint16_t>(address_high * 256 + address_low);
  record->type = static_cast<uint8_t>(type);
  record->checksum = static_cast<uint8_t>(checksum);
  record->computed = static_cast<uint8_t>((256 - sum % 256) % 256);
  return true;
}

bool CIHexFile::Open(const std::string& path) {
  Close();
  base::InputFile input = base::OpenInput(path, base::InputKind::kRegularOnly);
  if (!input.ok()) return false;
  Attach(std::move(input));
  return true;
}

void CIHexFile::Attach(base::InputFile input) {
  Close();
  input_ = std::move(input);
  StartInput();
}

void CIHexFile::Close() {
  input_ = base::InputFile();
  ReleaseBuffer();
}

void CIHexFile::ReleaseBuffer() {
  std::vector<char>().swap(buffer_);  // the main window keeps its reader for the whole run
  pos_ = end_ = 0;
}

bool CIHexFile::Rewind() {
  if (!input_.ok() || !input_.regular() || ::lseek(input_.fd(), 0, SEEK_SET) != 0) return false;
  StartInput();
  return true;
}

void CIHexFile::StartInput() {
  if (buffer_.size() != kBufferSize) buffer_.assign(kBufferSize, 0);
  pos_ = end_ = 0;
  eof_ = false;
  at_start_ = true;
  pending_pair_ = 0;
  line_number_ = 0;
  read_error_ = 0;
}

void CIHexFile::Fail(std::string text) {
  error_text_ = std::move(text);
}

std::string CIHexFile::UnparseableText() const {
  return base::Format(base::Tr("quorkit", "第%lld行出现不可解析的记录 "), line_number_);
}

bool CIHexFile::Fill(base::InputFile& from, size_t count) {
  if (end_ - pos_ >= count || eof_) return true;
  if (pos_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  while (end_ < count && !eof_) {
    const long got = from.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0) {
      read_error_ = errno;
      return false;
    }
    if (got == 0) eof_ = true;
    end_ += static_cast<size_t>(got);
  }
  return true;
}

CIHexFile::Step CIHexFile::NextRecord(base::InputFile& from) {
  const auto read_failed = [this] {
    Fail(kNoEndRecordText);
    return Step::kFailed;
  };
  for (;;) {
    if (!Fill(from, 1)) return read_failed();
    if (pending_pair_ != 0) {
      if (pos_ < end_ && buffer_[pos_] == pending_pair_) ++pos_;
      pending_pair_ = 0;
      if (!Fill(from, 1)) return read_failed();
    }
    if (pos_ == end_) {
      Fail(kNoEndRecordText);
      return Step::kFailed;
    }
    ++line_number_;
    if (at_start_) {
      at_start_ = false;
      if (!Fill(from, 3)) return read_failed();
      if (end_ - pos_ >= 3 && std::memcmp(buffer_.data() + pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
    }
    // Indentation.
    for (size_t blanks = 0;; ++pos_) {
      if (pos_ == end_) {
        if (!Fill(from, 1)) return read_failed();
        if (pos_ == end_) break;
      }
      if (buffer_[pos_] != ' ' && buffer_[pos_] != '\t') break;
      if (++blanks > kMaxLineLength) {
        Fail(UnparseableText());
        return Step::kFailed;
      }
    }
    // The line end, within kMaxLineLength characters.
    size_t length = 0;
    for (;;) {
      const size_t window = std::min(end_ - pos_, kMaxLineLength + 1);
      const char* text = buffer_.data() + pos_;
      while (length < window && text[length] != '\n' && text[length] != '\r') ++length;
      if (length < window) break;  // at the line end
      if (length > kMaxLineLength) {
        Fail(UnparseableText());
        return Step::kFailed;
      }
      if (eof_) break;  // the last line, without a line end
      if (!Fill(from, length + 1)) return read_failed();
    }
    const std::string_view line(buffer_.data() + pos_, length);
    pos_ += length;
    if (pos_ < end_) {
      pending_pair_ = buffer_[pos_] == '\r' ? '\n' : '\r';
      ++pos_;
    }
    if (line.empty() || line[0] != ':') continue;  // a comment
    const bool parsed = ParseRecord(line, &record_);
    // Address records carry exactly the two bytes of their address.
    const bool address_record =
        parsed && (record_.type == kSegmentAddress || record_.type == kLinearAddress);
    if (!parsed || (address_record && record_.count != 2)) {
      Fail(UnparseableText());
      return Step::kFailed;
    }
    if (record_.computed != record_.checksum) {
      Fail(base::Format(base::Tr("quorkit", "第%lld行发现沉余校验错误"), line_number_));
      return Step::kFailed;
    }
    if (record_.type > kLastType) {
      Fail(base::Format(base::Tr("quorkit", "未知的记录类型%d在行%lld中出现\n"), record_.type,
                        line_number_));
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
    const Step step = NextRecord(input_);
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
    const Step step = NextRecord(input_);
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
        Fail(base::Format(base::Tr("quorkit", "第%lld行中地址0x%04llx 超出了器件地址范围\n"),
                          line_number_, static_cast<unsigned long long>(shown)));
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
  Close();
  base::InputFile input = base::OpenInput(path, base::InputKind::kRegularOnly);
  return ReadForConversion(input, path);
}

CIHexFile::Conversion CIHexFile::ReadForConversion(base::InputFile& input, const std::string& name,
                                                   uint8_t fill) {
  Conversion result;
  result.title = base::Tr("quorkit", protocol::kHexTitle);
  const auto open_failed = [&](int error) {
    result.text = OpenFailedText(name);
    result.title = base::Tr("quorkit", protocol::kHexOpenFailedTitle);
    result.input_error = error;
    result.image.clear();
    return result;
  };
  if (!input.ok()) return open_failed(input.error() != 0 ? input.error() : EBADF);

  // One pass: the range is measured and the data kept at once. Past the span cap or out of
  // memory the data is dropped but the reading goes on, so that a bad line further down is
  // still the message, as it would be for a measuring pass.
  StartInput();
  struct Release {
    CIHexFile* reader;
    ~Release() { reader->ReleaseBuffer(); }
  } release{this};
  upper_address_ = 0;
  has_data_ = false;
  uint64_t lowest = 0;
  uint64_t highest_end = 0;
  bool too_large = false;
  bool no_memory = false;
  Pages pages(fill);
  for (;;) {
    const Step step = NextRecord(input);
    if (step == Step::kFailed) {
      if (read_error_ != 0) return open_failed(read_error_);
      result.text = error_text_;
      return result;
    }
    if (step == Step::kEnd) break;
    if (record_.type != kData) {
      ApplyAddressRecord();
      continue;
    }
    if (record_.count == 0) continue;  // places nothing, moves no bound
    const uint64_t start = upper_address_ + record_.address;
    const uint64_t end = start + record_.count;
    lowest = has_data_ ? std::min(lowest, start) : start;
    highest_end = has_data_ ? std::max(highest_end, end) : end;
    has_data_ = true;
    if (too_large || no_memory) continue;
    if (highest_end - lowest > protocol::kMaxHexImageSpan) {
      too_large = true;
      pages.Clear();
    } else if (!pages.Put(start, record_.data, record_.count)) {
      no_memory = true;
      pages.Clear();
    }
  }
  base_address_ = has_data_ ? lowest : 0;
  if (!has_data_) {
    result.text = base::Tr("quorkit", protocol::kHexNoDataText);
    return result;
  }
  if (too_large) {
    result.text = base::Tr("quorkit", protocol::kHexTooLargeText);
    return result;
  }
  if (!no_memory) {
    try {
      pages.MoveInto(lowest, highest_end, &result.image);
    } catch (const std::bad_alloc&) {
      no_memory = true;
    }
  }
  if (no_memory) {
    std::vector<uint8_t>().swap(result.image);
    result.text = base::Tr("quorkit", protocol::kHexNoMemoryText);
    result.title = base::Tr("quorkit", protocol::kHexNoMemoryTitle);
    return result;
  }
  result.ok = true;
  result.start = base_address_;
  if (base_address_ > 0) {
    result.offset_text = base::Format(
        base::Tr("quorkit", "HEX文件指定的绝对偏移地址是:0x%.8llX,转换BIN文件后此信息将丢失!"),
        static_cast<unsigned long long>(base_address_));
  }
  return result;
}

bool CIHexFile::WriteImage(const std::string& path, const std::vector<uint8_t>& image) {
  return protocol::WriteFileAtomically(path, image.data(), image.size());
}
