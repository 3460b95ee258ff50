// Arbitrary file content through the record parser, both reading passes and the whole
// reading step of the converter. Besides the sanitizers it checks what two passes over the
// same bytes must agree on.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/protocol/ihexfile.h"

namespace {

// Larger images are only measured: filling them would slow the search down.
constexpr int64_t kLoadLimit = 1 << 20;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// The bytes as a regular file of their own (closed with the returned input).
base::InputFile FileOf(const uint8_t* data, size_t size) {
  const int fd = memfd_create("hex", 0);
  Check(fd >= 0);
  Check(write(fd, data, size) == static_cast<ssize_t>(size));
  Check(lseek(fd, 0, SEEK_SET) == 0);
  return base::InputFile::FromDescriptor(fd, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    CIHexFile::Record record;
    if (CIHexFile::ParseRecord(text.substr(start, end - start), &record)) {
      Check(end - start >= 11u + 2u * record.count);
    }
    start = end + 1;
  }

  CIHexFile reader;
  reader.Attach(FileOf(data, size));
  const int64_t span = reader.MeasureImage();
  const uint64_t base = reader.base_address();
  if (span >= 0 && span <= kLoadLimit) {
    Check(reader.has_data() || span == 0);
    Check(reader.Rewind());
    std::vector<uint8_t> image(static_cast<size_t>(span), 0xFF);
    // The measured range holds every data record, and the highest one ends at its end.
    Check(reader.LoadImage(image.data(), span) == span);
    Check(reader.base_address() == base);
  }
  reader.Close();

  if (span < 0 || span <= kLoadLimit || static_cast<uint64_t>(span) > protocol::kMaxHexImageSpan) {
    const int fd = memfd_create("hex", 0);
    Check(fd >= 0);
    Check(write(fd, data, size) == static_cast<ssize_t>(size));
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    const CIHexFile::Conversion result = reader.ReadForConversion(path);
    close(fd);
    Check(result.ok == (span > 0 && span <= kLoadLimit));
    if (result.ok) {
      Check(result.image.size() == static_cast<size_t>(span));
      Check(result.start == base);
      Check(result.offset_text.empty() == (base == 0));
    } else {
      Check(!result.text.empty() && !result.title.empty());
    }
    Check(!reader.IsOpen());
  }
  return 0;
}
