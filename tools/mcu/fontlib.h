// Font library files: whole character sets sampled into dot-matrix records, as C source text
// or as binary files that firmware reads by address.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/fileio.h"
#include "tools/mcu/glyph.h"

namespace mcu {

enum class FontLibrary { kAsciiText, kAscii8x8Text, kAsciiBinary, kGb2312Binary };

struct LibraryTexts {
  const char* default_extension;  // "txt", added to a name typed without one
  const char* filter_description;
  const char* filter_pattern;
  const char* start;
  const char* warning;
  std::string end;
};
LibraryTexts TextsOf(FontLibrary library);

// The 8 column bytes (top pixel = bit 0, leftmost column first) of the built-in 8 x 8 glyph
// of `code`; codes below 20h and above 7Fh are blank.
std::array<uint8_t, 8> Ascii8x8Columns(int code);

// The platform's file-error text for `error_number` (errno), naming `path`.
std::string FileErrorText(int error_number, const std::string& path);

// A library file written through base::OutputFile (a failed run leaves any earlier file as
// it was), its errors given as the window's file-error texts.
class LibraryFile {
 public:
  // false with the error text in `error` when the file cannot be written.
  bool Open(const std::string& path, std::string* error);
  bool Write(const void* data, size_t size) {
    error_ = file_.Write(data, size);
    if (error_ == 0) written_ += size;
    return error_ == 0;
  }
  // Puts the file in place; false with the error text otherwise (nothing is left behind).
  bool Commit(std::string* error);

  // errno of the last failure, 0 when none; for callers that word their own messages.
  int error() const { return error_; }
  // Bytes written so far.
  uint64_t written() const { return written_; }

 private:
  base::OutputFile file_;
  int error_ = 0;
  uint64_t written_ = 0;
};

// Produces the records of `library` in their order into `file`, sampling with `sampler`
// (its region and threshold as they stand). False when a write fails.
bool WriteFontLibrary(FontLibrary library, GlyphSampler& sampler, LibraryFile& file);

}  // namespace mcu
