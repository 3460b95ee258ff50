// quorkit-cli: the tools' results for build scripts, computed by the same cores as the
// windows. Results go to standard output, messages to standard error; exit status 0 on
// success, 1 when the input is refused, 2 for a usage error.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/cli/numbers.h"
#include "app/language/Language.h"
#include "base/fileio.h"
#include "base/format.h"
#include "base/json.h"
#include "base/text.h"
#include "base/tr.h"
#include "tools/circuit/eseries.h"
#include "tools/circuit/findres.h"
#include "tools/circuit/ntctable.h"
#include "tools/mcu/CGlyphCanvas.h"
#include "tools/mcu/fontlib.h"
#include "tools/mcu/glyph.h"
#include "tools/mcu/timer.h"
#include "tools/protocol/checksum.h"
#include "tools/protocol/crcmodels.h"
#include "tools/protocol/dechex.h"
#include "tools/protocol/hexbytes.h"
#include "tools/protocol/ihexfile.h"
#include "tools/protocol/modbus.h"
#include "tools/protocol/storagecode.h"

namespace {

constexpr char kProgram[] = "quorkit-cli";
constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

// ---------------------------------------------------------------------------------------
// Help text. The --help pages and the man page are both written from these tables.

struct OptionHelp {
  const char* name;  // "--pixels N" or "KIND"
  const char* text;
};

struct CommandHelp {
  const char* name;
  std::vector<const char*> synopsis;  // after "quorkit-cli "
  const char* summary;
  const char* description;
  std::vector<OptionHelp> options;
};

const std::vector<OptionHelp> kGlyphOptions = {
    {"--font FACE",
     "Draw with the font FACE at --pixels character height, as when FACE is picked in the "
     "glyph window's font chooser. Without --font and --pixels the window's initial font is "
     "used: \"宋体\" with a 16-pixel cell."},
    {"--pixels N", "Character height in pixels for --font (default 16)."},
    {"--width W", "Matrix width, 0 to 128 (default 16)."},
    {"--height H", "Matrix height, one of 8, 16, 24, 32, 48, 64, 128 (default 16)."},
    {"--left L", "Left edge of the sampling region on the canvas, 0 to 20 (default 10)."},
    {"--top T", "Top edge of the sampling region on the canvas, 0 to 20 (default 10)."},
    {"--threshold G",
     "A pixel is ink when its mean brightness is below G, 1 to 255 (default 200)."},
};

std::vector<OptionHelp> GlyphOptions(std::vector<OptionHelp> head,
                                     std::vector<OptionHelp> tail = {}) {
  head.insert(head.end(), kGlyphOptions.begin(), kGlyphOptions.end());
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

const std::vector<CommandHelp>& Commands() {
  static const std::vector<CommandHelp> commands = {
      {"hex2bin",
       {"hex2bin IN OUT [--fill BYTE] [--start ADDR] [--end ADDR]"},
       "convert an Intel HEX file to a binary image",
       "Converts the Intel HEX file IN to the binary image OUT as the HEX-to-BIN converter "
       "does: data records at their full 32-bit address (types 02 and 04), the image starting "
       "at the lowest data address, gaps filled with --fill, at most 64 MiB. OUT is used exactly "
       "as given and replaced only once the image is complete. Prints the image's start address "
       "and size (\"0x%08X %d\"). A file the converter refuses leaves OUT untouched.",
       {{"IN",
         "The Intel HEX file; - reads standard input. A file or a stream (a pipe, /dev/stdin, "
         "<(...)) is read once, line by line."},
        {"OUT",
         "The binary image to write; - writes it to standard output (nothing else is "
         "printed then)."},
        {"--fill BYTE", "The byte for gaps, two hex digits (default FF)."},
        {"--start ADDR", "Crop or extend the image to start at ADDR (decimal or 0x hex)."},
        {"--end ADDR", "Crop or extend the image to end before ADDR."}}},
      {"checksum",
       {"checksum KIND TEXT", "checksum KIND --file PATH", "checksum --list"},
       "checksum or CRC of bytes",
       "Prints the checksum generator's result for the bytes of TEXT, written as pairs of hex "
       "digits separated by blanks, tabs, commas or line breaks (\"01 03 00 00\"; any other "
       "character or a lone digit is refused), or for the bytes of a file. KIND is one of the "
       "checksum generator's nine kinds, or any CRC of the public catalogue of parametrised "
       "CRC algorithms by its name or an alias in any case (CRC-32, crc-16/arc, MODBUS), "
       "printed as 0x and its hex digits (\"0xCBF43926\").",
       {{"KIND",
         "sum8, sum8-complement, sum16, sum16-complement, telecom, crc8-maxim, crc16-modbus, "
         "crc16-mcrf4xx or crc16-xmodem. telecom takes a whole frame starting with 7E and "
         "prints the four checksum characters and the closing 0D as hex bytes."},
        {"TEXT",
         "The hex bytes (at most 1023 for the nine kinds); - reads them from standard input."},
        {"--file PATH",
         "The bytes of the file PATH (- for standard input, a pipe or a device too): a CRC "
         "model takes any number of bytes, an empty file included; the nine kinds take 1 byte "
         "to 64 MiB."},
        {"--list",
         "Lists the nine kinds, one a line, then every CRC model: its name, then its aliases."}}},
      {"modbus",
       {"modbus read ADDR FUNC START COUNT", "modbus write ADDR FUNC START COUNT DATA"},
       "Modbus RTU request frames",
       "Prints the Modbus tool's request frame (hex bytes, CRC-16/MODBUS last). Every field is "
       "hex byte text: ADDR and FUNC exactly one byte (\"01\"), START and COUNT exactly two, "
       "high byte first (\"00 0A\"). write builds function 10 (Write Multiple Registers) "
       "frames: DATA holds two bytes per register of COUNT.",
       {{"ADDR", "Slave address."},
        {"FUNC", "Function code."},
        {"START", "Starting register."},
        {"COUNT", "Register count."},
        {"DATA", "The data bytes of a write request (at most 100)."}}},
      {"fontlib",
       {"fontlib KIND OUT [--font FACE] [--pixels N] [--width W] [--height H] [--left L] "
        "[--top T] [--threshold G]"},
       "write a font library file",
       "Writes the font library file the glyph window writes with the same settings, byte for "
       "byte. The glyphs are drawn off-screen; no display is needed.",
       GlyphOptions({{"KIND",
                      "ascii-text (C source of the ASCII glyphs), ascii8x8-text (C source of "
                      "the built-in 8x8 ASCII font), ascii-bin (binary ASCII glyphs, codes 1 "
                      "to 127) or gb2312-bin (binary GB2312 library, 0xA1A1 to 0xF7FE)."},
                     {"OUT", "The file to write."}})},
      {"glyph",
       {"glyph TEXT [--font FACE] [--pixels N] [--width W] [--height H] [--left L] [--top T] "
        "[--threshold G] [--reverse]"},
       "dot-matrix code of characters",
       "Prints the code text the glyph window's \"生成\" gives for TEXT: per character a header "
       "line and its bytes, sixteen to a line.",
       GlyphOptions({{"TEXT", "The characters; - reads them from standard input."}},
                    {{"--reverse", "Reverse the bit order of every byte."}})},
      {"ntc",
       {"ntc resistance [--r25 OHMS] [--beta B] [--hex] [--tenfold] [--integer]",
        "ntc adc [--r25 OHMS] [--beta B] [--rd OHMS] [--bits 10|12] [--lower] [--hex] "
        "[--tenfold] [--integer]"},
       "NTC thermistor tables",
       "Prints the NTC tool's table for -40 to 119 degrees Celsius: the thermistor's "
       "resistance, or the ADC reading of a divider of the thermistor and a fixed resistor.",
       {{"--r25 OHMS", "Resistance at 25 degrees Celsius (default 10000)."},
        {"--beta B", "B constant (default 3450)."},
        {"--rd OHMS", "The divider's fixed resistor (adc, default 10000)."},
        {"--bits 10|12", "ADC resolution (adc, default 10)."},
        {"--lower",
         "The fixed resistor goes to ground and the thermistor to the reference (adc); by "
         "default the fixed resistor is the upper one."},
        {"--hex", "Hexadecimal entries."},
        {"--tenfold", "Values times ten."},
        {"--integer", "Entries without decimals."}}},
      {"eseries",
       {"eseries ratio RATIO [--series E]", "eseries divider VOLTS PART [--series E]",
        "eseries series OHMS [--series E]", "eseries parallel OHMS [--series E]"},
       "standard resistor pairs",
       "Prints the resistor selector's ten best standard-value pairs R1, R2 for a ratio R1/R2, "
       "a divider (PART volts across R2 out of VOLTS), a series value or a parallel value.",
       {{"--series E", "e12, e24 or e96 (default e12)."}}},
      {"storage",
       {"storage to-code TYPE VALUE [--reverse]", "storage to-value TYPE CODE [--reverse]"},
       "storage codes of C values",
       "Prints the bytes a value of a C type occupies in memory (to-code), or the value that "
       "hex bytes hold (to-value), as the storage code tool does. Multi-byte codes are least "
       "significant byte first.",
       {{"TYPE", "uchar, short, ushort, int, uint, float, double or ascii."},
        {"--reverse", "Most significant byte first."}}},
      {"dechex",
       {"dechex to-hex TEXT [--prefix] [--commas]", "dechex to-dec TEXT [--commas]"},
       "decimal and hexadecimal number lists",
       "Converts every decimal number of TEXT to hexadecimal (to-hex), or every hexadecimal "
       "number to decimal (to-dec), as the dec/hex tool does.",
       {{"TEXT", "The numbers; - reads them from standard input."},
        {"--prefix", "Write 0x before every hexadecimal number."},
        {"--commas", "A comma after every number but the last."}}},
      {"timer",
       {"timer --clock HZ [--bits 8|16] [--prescaler P] [--overflow N] [--time T] "
        "[--unit U]"},
       "timer overflow values and counts",
       "Prints the timer tool's result: the overflow value and count for a delay (--time), "
       "what an overflow value does (--overflow), or the overflow count for both.",
       {{"--clock HZ", "Timer clock in hertz."},
        {"--bits 8|16", "Timer width (default 8)."},
        {"--prescaler P", "1, 2, 4, ... 1024 (default 1)."},
        {"--overflow N", "Overflow value."},
        {"--time T", "Delay in --unit (with Hz, a frequency whose period is the delay)."},
        {"--unit U", "ms, us, s or Hz (default ms)."}}},
  };
  return commands;
}

const CommandHelp* FindCommand(const std::string& name) {
  for (const CommandHelp& command : Commands()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

// Breaks `text` into lines of at most `width` columns (a CJK character takes two) after
// `indent` blanks.
std::string Wrap(const std::string& text, size_t indent, size_t width) {
  std::string out;
  std::string line;
  size_t columns = 0;
  size_t pos = 0;
  const auto flush = [&] {
    out += std::string(indent, ' ') + line + "\n";
    line.clear();
    columns = 0;
  };
  while (pos < text.size()) {
    size_t end = text.find(' ', pos);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(pos, end - pos);
    size_t word_columns = 0;
    for (size_t i = 0; i < word.size(); ++i) {
      const auto c = static_cast<unsigned char>(word[i]);
      if (c < 0x80) {
        ++word_columns;
      } else if (c >= 0xE0) {
        word_columns += 2;
      }
    }
    if (columns > 0 && columns + 1 + word_columns > width) flush();
    if (columns > 0) {
      line += ' ';
      ++columns;
    }
    line += word;
    columns += word_columns;
    pos = end + 1;
  }
  if (!line.empty()) flush();
  return out;
}

std::string Usage(const CommandHelp& command) {
  std::string out;
  for (size_t i = 0; i < command.synopsis.size(); ++i) {
    out +=
        std::string(i == 0 ? "usage: " : "       ") + kProgram + " " + command.synopsis[i] + "\n";
  }
  return out;
}

std::string ToolUsage() {
  return std::string("usage: ") + kProgram + " COMMAND [ARGUMENTS] [--json]\n       " + kProgram +
         " --help | --version | COMMAND --help\n";
}

std::string CommandHelpText(const CommandHelp& command) {
  std::string out = Usage(command) + "\n" + Wrap(command.description, 0, 78) + "\n";
  for (const OptionHelp& option : command.options) {
    out += std::string("  ") + option.name + "\n" + Wrap(option.text, 6, 72);
  }
  return out;
}

constexpr char kExitStatusText[] =
    "Exit status: 0 on success, 1 when the input is refused (the tool's message on standard "
    "error), 2 for a usage error.";

constexpr char kJsonText[] =
    "--json (any command) prints one JSON object: \"text\" holds the plain result without "
    "its final line feed; further fields: checksum \"value\" and \"width\" (bits), for a CRC "
    "model also \"model\" (its name); checksum --list \"kinds\" and \"models\" (\"name\", "
    "\"aliases\", \"width\", \"poly\", \"init\", \"refin\", \"refout\", \"xorout\", "
    "\"check\"); glyph \"width\" and \"height\" (the matrix), \"bytes\" (every byte in "
    "order) and \"characters\" (per character \"character\", its \"code\" as the header's "
    "two bytes, and its \"bytes\"); hex2bin \"start\" and \"size\"; fontlib \"path\" and \"size\"; "
    "modbus "
    "and storage to-code \"bytes\"; storage to-value \"value\"; dechex \"numbers\"; ntc "
    "\"entries\"; eseries \"pairs\" ([R1, R2] in ohms); timer \"overflow_value\", "
    "\"overflow_count\", \"delay_ms\", \"error_ms\", \"count_frequency_hz\", "
    "\"count_period_ms\", \"overflow_frequency_hz\", \"overflow_period_ms\" as far as the "
    "result shows them.";

constexpr char kDescription[] =
    "The results of QuorKit's tools for build scripts, computed exactly as the tool windows "
    "compute them. Input and output are UTF-8 (text that is not UTF-8 is refused); results go "
    "to standard output with line feeds and no blanks at line ends; a refusal is one line on "
    "standard error, \"quorkit-cli: COMMAND: message\". Text from standard input (-) is "
    "read up to 64 KiB; checksum --file - and hex2bin - read their own limits. Every "
    "command takes --help. A file is written under a temporary name beside it and renamed "
    "over it only once complete.";

constexpr char kLanguageText[] =
    "--lang zh|en (any command) sets the language of the messages and result texts; without "
    "it the locale decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Chinese for a Chinese "
    "locale, C, POSIX or none, English for any other.";

std::string ToolHelpText() {
  std::string out = ToolUsage() + "\n" + Wrap(kDescription, 0, 78) + "\n" +
                    Wrap(cli::kNumberFormsText, 0, 78) + "\n" + Wrap(kJsonText, 0, 78) + "\n" +
                    Wrap(kLanguageText, 0, 78) + "\nCommands:\n";
  for (const CommandHelp& command : Commands()) {
    out += base::Format("  %-10s %s\n", command.name, command.summary);
  }
  out += "\n" + Wrap(kExitStatusText, 0, 78);
  out += std::string("Run '") + kProgram + " COMMAND --help' for a command's arguments.\n";
  return out;
}

// Troff text: backslashes and hyphens escaped, characters beyond ASCII as \[uXXXX] (troff
// reads bytes), a leading dot or quote guarded.
std::string Roff(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
      unsigned code = c & (0x3F >> extra);
      for (int k = 0; k < extra && i + 1 < text.size(); ++k) {
        code = (code << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F);
      }
      out += base::Format("\\[u%04X]", code);
    }
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string ManPage() {
  std::string out = ".TH QUORKIT\\-CLI 1 \"\" \"QuorKit " QUORKIT_VERSION
                    "\" \"User Commands\"\n"
                    ".SH NAME\nquorkit\\-cli \\- QuorKit's tools for build scripts\n"
                    ".SH SYNOPSIS\n";
  for (const CommandHelp& command : Commands()) {
    for (const char* line : command.synopsis) {
      out += ".B quorkit\\-cli\n" + Roff(line) + "\n.br\n";
    }
  }
  out += ".SH DESCRIPTION\n" + Roff(kDescription) + "\n.PP\n" + Roff(cli::kNumberFormsText) +
         "\n.PP\n" + Roff(kJsonText) + "\n.PP\n" + Roff(kLanguageText) + "\n.SH COMMANDS\n";
  for (const CommandHelp& command : Commands()) {
    out += ".SS " + Roff(command.name) + "\n";
    for (const char* line : command.synopsis) out += ".B quorkit\\-cli\n" + Roff(line) + "\n.br\n";
    out += ".PP\n" + Roff(command.description) + "\n";
    for (const OptionHelp& option : command.options) {
      out += ".TP\n.B " + Roff(option.name) + "\n" + Roff(option.text) + "\n";
    }
  }
  out += ".SH EXIT STATUS\n" + Roff(kExitStatusText) + "\n";
  out += ".SH EXAMPLES\n.nf\n" +
         Roff(
             "quorkit-cli hex2bin firmware.hex firmware.bin\n"
             "quorkit-cli checksum crc16-modbus \"01 03 00 00 00 01\"\n"
             "quorkit-cli modbus read 01 03 \"00 00\" \"00 0A\"\n"
             "quorkit-cli fontlib gb2312-bin hzk16.bin --font Unifont --pixels 16\n"
             "quorkit-cli ntc adc --r25 10000 --beta 3950 --rd 10000 --bits 12 > ntc.inc\n") +
         ".fi\n";
  return out;
}

// ---------------------------------------------------------------------------------------
// Output and argument reading.

// The command being run, for messages.
std::string g_command;
// --json: one JSON object instead of the plain result.
bool g_json = false;

using base::JsonString;

std::string JsonNumber(double value) {
  return base::Format("%.17g", value);
}

template <typename T, typename F>
std::string JsonArray(const std::vector<T>& items, F&& item) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + item(items[i]);
  return out + "]";
}

// The named values of a result beside its text, already in JSON.
using JsonFields = std::vector<std::pair<std::string, std::string>>;

// A tool's text as a script wants it: line feeds only, no blanks at line ends, no final
// line break.
std::string ScriptText(const std::string& text) {
  std::string out;
  for (const char ch : text) {
    if (ch == '\r') continue;
    if (ch == '\n') {
      while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
    }
    out += ch;
  }
  while (!out.empty() && (out.back() == ' ' || out.back() == '\t' || out.back() == '\n')) {
    out.pop_back();
  }
  return out;
}

void PrintResult(const std::string& text, const JsonFields& fields = {}) {
  const std::string plain = ScriptText(text);
  std::string out;
  if (g_json) {
    out = "{\"text\": " + JsonString(plain);
    for (const auto& [name, value] : fields) out += ", " + JsonString(name) + ": " + value;
    out += "}\n";
  } else {
    out = plain + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
}

// One line on standard error: "quorkit-cli: COMMAND: message", the lines of a tool's
// message joined by "; ".
int Refuse(const std::string& message) {
  std::string joined;
  for (const std::string& line : base::Split(message, "\n")) {
    const std::string piece = base::Trim(line);
    if (piece.empty()) continue;
    joined += (joined.empty() ? "" : "; ") + piece;
  }
  std::fprintf(stderr, "%s: %s: %s\n", kProgram, g_command.c_str(), joined.c_str());
  return kRefused;
}

// An input the command refuses (status 1), thrown where it is found.
struct Refusal {
  std::string message;
};

struct UsageError {
  std::string message;
};

// Text that is not UTF-8 is refused before any tool reads it.
struct NotUtf8 {};

const std::string& Utf8(const std::string& text) {
  if (!base::IsUtf8(text)) throw NotUtf8{};
  return text;
}

// Text read from standard input ("-") is capped: an endless stream is refused, not stored.
constexpr size_t kTextInputCap = 64 * 1024;

// Reads standard input, at most `cap` bytes; more is refused.
std::string ReadStandardInput(size_t cap) {
  base::InputFile in = base::InputFile::FromDescriptor(0, false);
  std::string bytes;
  const int error = base::ReadAll(in, cap, &bytes);
  if (error == EFBIG) throw Refusal{base::Format("standard input holds more than %zu bytes", cap)};
  if (error != 0) throw Refusal{base::FileErrorMessage("standard input", error)};
  return bytes;
}

std::string TextArgument(const std::string& argument) {
  if (argument != "-") return argument;
  std::string text = ReadStandardInput(kTextInputCap);
  // A final line break belongs to the line, not to the text.
  if (!text.empty() && text.back() == '\n') text.pop_back();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return Utf8(text);
}

// A number option or argument read whole (see cli::ReadNumber), or refused naming `name`.
double NumberArgument(const std::string& name, const std::string& text, cli::Unit unit) {
  const cli::NumberResult read = cli::ReadNumber(text, unit);
  if (const auto* message = std::get_if<std::string>(&read)) throw Refusal{name + " " + *message};
  return std::get<double>(read);
}

// The text a window's field would hold for `value`: the cores read it back exactly.
std::string FieldText(double value) {
  return base::Format("%.17g", value);
}

// A whole decimal number within [low, high], or refused naming `name`.
long long WholeArgument(const std::string& name, const std::string& text, long long low,
                        long long high) {
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  const bool digits_only =
      !text.empty() && text.find_first_not_of("+-0123456789") == std::string::npos;
  if (!digits_only || *end != '\0' || end == text.c_str()) {
    throw Refusal{
        base::Format("%s '%s' is not a whole decimal number", name.c_str(), text.c_str())};
  }
  if (errno == ERANGE || value < low || value > high) {
    throw Refusal{base::Format("%s %s is out of range: give %lld to %lld", name.c_str(),
                               text.c_str(), low, high)};
  }
  return value;
}

// The arguments of one command: positionals, and options that take a value or are flags.
class Arguments {
 public:
  // Every argument but the positionals at `paths` (file names) must be UTF-8.
  Arguments(std::vector<std::string> args, const std::vector<std::string>& valued,
            const std::vector<std::string>& flags, const std::vector<size_t>& paths = {}) {
    bool options_done = false;
    for (size_t i = 0; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (options_done || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
        positionals_.push_back(arg);
        continue;
      }
      if (arg == "--") {
        options_done = true;
        continue;
      }
      std::string name = arg;
      std::optional<std::string> value;
      if (const size_t eq = arg.find('='); eq != std::string::npos) {
        name = arg.substr(0, eq);
        value = arg.substr(eq + 1);
      }
      if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
        if (value) throw UsageError{name + " takes no value"};
        flags_[name] = true;
      } else if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
        if (!value) {
          if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
          value = args[++i];
        }
        values_[name] = *value;
      } else {
        throw UsageError{"unknown option " + name};
      }
    }
    CheckUtf8(args, valued, paths);
  }

  const std::vector<std::string>& positionals() const { return positionals_; }
  void ExpectCount(size_t count) const {
    if (positionals_.size() < count) throw UsageError{"missing argument"};
    if (positionals_.size() > count) throw UsageError{"unexpected argument " + positionals_[count]};
  }
  bool Flag(const std::string& name) const { return flags_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  std::string Text(const std::string& name) const { return Value(name).value_or(""); }
  // A whole decimal number within [low, high], or `fallback` when the option is absent.
  long Integer(const std::string& name, long low, long high, long fallback) const {
    const auto value = Value(name);
    if (!value) return fallback;
    errno = 0;
    char* end = nullptr;
    const long number = std::strtol(value->c_str(), &end, 10);
    if (value->empty() || *end != '\0' || errno != 0 || number < low || number > high) {
      throw UsageError{
          base::Format("%s must be a whole number from %ld to %ld", name.c_str(), low, high)};
    }
    return number;
  }
  // The index of the option's value in `choices`, or `fallback` when the option is absent.
  int Choice(const std::string& name, const std::vector<std::string>& choices, int fallback) const {
    const auto value = Value(name);
    if (!value) return fallback;
    for (size_t i = 0; i < choices.size(); ++i) {
      if (*value == choices[i]) return static_cast<int>(i);
    }
    throw UsageError{"bad value for " + name + ": " + *value};
  }

 private:
  static void CheckUtf8(const std::vector<std::string>& args,
                        const std::vector<std::string>& valued, const std::vector<size_t>& paths) {
    size_t positional = 0;
    bool options_done = false;
    for (size_t i = 0; i < args.size(); ++i) {
      const bool option = !options_done && args[i].size() >= 2 && args[i].compare(0, 2, "--") == 0;
      if (option) {
        if (args[i] == "--") options_done = true;
        Utf8(args[i]);
        if (std::find(valued.begin(), valued.end(), args[i]) != valued.end() &&
            i + 1 < args.size()) {
          Utf8(args[++i]);
        }
        continue;
      }
      if (std::find(paths.begin(), paths.end(), positional) == paths.end()) Utf8(args[i]);
      ++positional;
    }
  }

  std::vector<std::string> positionals_;
  std::map<std::string, std::string> values_;
  std::map<std::string, bool> flags_;
};

int IndexOf(const std::string& word, const std::vector<std::string>& choices) {
  for (size_t i = 0; i < choices.size(); ++i) {
    if (word == choices[i]) return static_cast<int>(i);
  }
  return -1;
}

// ---------------------------------------------------------------------------------------
// Commands.

// An address for --start or --end: decimal or 0x hexadecimal, at most 32 bits.
uint64_t AddressArgument(const std::string& name, const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const unsigned long long value = std::strtoull(text.c_str(), &end, hex ? 16 : 10);
  if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[hex ? 2 : 0])) ||
      *end != '\0' || errno != 0 || value > 0xFFFFFFFFull) {
    throw Refusal{base::Format("%s '%s' is not an address (0 to 0xFFFFFFFF, e.g. 0x08000000)",
                               name.c_str(), text.c_str())};
  }
  return value;
}

int RunHexToBin(const std::vector<std::string>& args) {
  const Arguments arguments(args, {"--fill", "--start", "--end"}, {}, {0, 1});
  arguments.ExpectCount(2);
  const std::string& in_path = arguments.positionals()[0];
  const std::string& out_path = arguments.positionals()[1];
  if (out_path == "-" && g_json) throw UsageError{"--json needs OUT to be a file"};
  uint8_t fill = 0xFF;
  if (const auto text = arguments.Value("--fill")) {
    const cli::HexBytesResult read = cli::ReadHexField(*text, 1);
    if (const auto* message = std::get_if<std::string>(&read)) throw Refusal{"--fill " + *message};
    fill = std::get<std::vector<uint8_t>>(read)[0];
  }
  std::optional<uint64_t> crop_start, crop_end;
  if (const auto text = arguments.Value("--start")) crop_start = AddressArgument("--start", *text);
  if (const auto text = arguments.Value("--end")) crop_end = AddressArgument("--end", *text);

  // One pass over IN, a file or a stream alike: the image comes with its gaps filled.
  base::InputFile in = in_path == "-" ? base::InputFile::FromDescriptor(0, false)
                                      : base::OpenInput(in_path, base::InputKind::kStreamsToo);
  if (!in.ok()) return Refuse("IN " + base::FileErrorMessage(in_path, in.error()));
  CIHexFile reader;
  CIHexFile::Conversion conversion = reader.ReadForConversion(in, in_path, fill);
  if (conversion.input_error != 0) {
    return Refuse("IN " + base::FileErrorMessage(in_path, conversion.input_error));
  }
  if (!conversion.ok) return Refuse(conversion.text);
  std::vector<uint8_t> image = std::move(conversion.image);

  // --start and --end crop the image to [start, end) or extend it with the fill byte.
  uint64_t start = conversion.start;
  if (crop_start || crop_end) {
    const uint64_t data_start = conversion.start;
    const uint64_t data_end = data_start + image.size();
    const uint64_t from = crop_start.value_or(data_start);
    const uint64_t to = crop_end.value_or(data_end);
    if (to <= from) {
      return Refuse(base::Format("--start 0x%08llX must lie below --end 0x%08llX",
                                 static_cast<unsigned long long>(from),
                                 static_cast<unsigned long long>(to)));
    }
    if (to - from > protocol::kMaxHexImageSpan) {
      return Refuse(base::Tr("quorkit", protocol::kHexTooLargeText));
    }
    std::vector<uint8_t> cropped(static_cast<size_t>(to - from), fill);
    const uint64_t lo = std::max(from, data_start);
    const uint64_t hi = std::min(to, data_end);
    if (lo < hi) {
      std::copy(image.data() + (lo - data_start), image.data() + (hi - data_start),
                cropped.data() + (lo - from));
    }
    image.swap(cropped);
    start = from;
  }

  if (out_path == "-") {
    if (std::fwrite(image.data(), 1, image.size(), stdout) != image.size()) {
      return Refuse(base::FileErrorMessage("standard output", errno));
    }
    return kOk;
  }
  const int error = base::WriteWholeFile(
      out_path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
  if (error != 0) return Refuse("OUT " + base::FileErrorMessage(out_path, error));
  PrintResult(
      base::Format("0x%08X %d", static_cast<unsigned>(start), static_cast<int>(image.size())),
      {{"start", std::to_string(start)}, {"size", std::to_string(image.size())}});
  return kOk;
}

// In the order of the checksum tool's list.
const std::vector<std::string> kChecksumKinds = {
    "sum8",       "sum8-complement", "sum16",         "sum16-complement", "telecom",
    "crc8-maxim", "crc16-modbus",    "crc16-mcrf4xx", "crc16-xmodem"};

// The bytes --file takes for the nine kinds, which need them all at once.
constexpr size_t kChecksumFileCap = 64 * 1024 * 1024;

// The value of one of the nine kinds and its width in bits, as its text shows it.
std::pair<uint64_t, int> ChecksumValue(protocol::ChecksumKind kind,
                                       const std::vector<uint8_t>& bytes) {
  unsigned sum = 0;
  for (const uint8_t b : bytes) sum += b;
  const uint8_t* data = bytes.data();
  switch (kind) {
    case protocol::ChecksumKind::kSum8:
      return {sum & 0xFF, 8};
    case protocol::ChecksumKind::kSum8Complement:
      return {(256 - (sum & 0xFF)) & 0xFF, 8};
    case protocol::ChecksumKind::kSum16:
      return {sum & 0xFFFF, 16};
    case protocol::ChecksumKind::kSum16Complement:
      return {(0x10000 - (sum & 0xFFFF)) & 0xFFFF, 16};
    case protocol::ChecksumKind::kTelecom:
      return {protocol::TelecomChecksum(data, bytes.size()), 16};
    case protocol::ChecksumKind::kCrc8Maxim:
      return {protocol::Crc8Maxim(data, bytes.size()), 8};
    case protocol::ChecksumKind::kCrc16Modbus:
      return {protocol::Crc16Modbus(data, bytes.size()), 16};
    case protocol::ChecksumKind::kCrc16Ccitt:
      return {protocol::Crc16Ccitt(data, bytes.size()), 16};
    case protocol::ChecksumKind::kCrc16Xmodem:
      return {protocol::Crc16Xmodem(data, bytes.size()), 16};
  }
  return {0, 0};
}

// The bytes of --file PATH ("-": standard input), at most `cap`.
std::vector<uint8_t> FileBytes(const std::string& path, size_t cap) {
  base::InputFile in = path == "-" ? base::InputFile::FromDescriptor(0, false)
                                   : base::OpenInput(path, base::InputKind::kStreamsToo);
  if (!in.ok()) throw Refusal{"--file " + base::FileErrorMessage(path, in.error())};
  std::string bytes;
  const int error = base::ReadAll(in, cap, &bytes);
  if (error == EFBIG) {
    throw Refusal{base::Format("--file %s holds more than %zu bytes",
                               path == "-" ? "standard input" : path.c_str(), cap)};
  }
  if (error != 0) throw Refusal{"--file " + base::FileErrorMessage(path, error)};
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// --list: the nine kinds, then every catalogue model as its name and its aliases.
std::string ChecksumListText() {
  std::string out;
  for (const std::string& kind : kChecksumKinds) out += kind + "\n";
  for (const protocol::CrcModel& model : protocol::CrcCatalogue()) {
    out += model.name;
    for (const char* alias : model.aliases) out += std::string(" ") + alias;
    out += "\n";
  }
  return out;
}

std::string CrcModelJson(const protocol::CrcModel& model) {
  const auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
  std::vector<std::string> aliases(model.aliases.begin(), model.aliases.end());
  return "{\"name\": " + JsonString(model.name) +
         ", \"aliases\": " + JsonArray(aliases, JsonString) +
         ", \"width\": " + std::to_string(model.width) +
         ", \"poly\": " + std::to_string(model.poly) + ", \"init\": " + std::to_string(model.init) +
         ", \"refin\": " + flag(model.refin) + ", \"refout\": " + flag(model.refout) +
         ", \"xorout\": " + std::to_string(model.xorout) +
         ", \"check\": " + std::to_string(model.check) + "}";
}

// The pieces a stream is read in for a catalogue CRC, and the windows a regular file is
// mapped in: large enough that the reads cost next to nothing beside the CRC itself.
constexpr size_t kCrcPiece = size_t{1} << 20;
constexpr size_t kCrcWindow = size_t{64} << 20;

// Where a SIGBUS (a mapped file shrunk by another process) resumes.
sigjmp_buf g_bus_jump;

void OnBusError(int) {
  siglongjmp(g_bus_jump, 1);
}

// The CRC of the first `size` bytes of the regular file `fd`, mapped a window at a time (no
// copy, as reading would make). Returns the bytes done: fewer when a window cannot be mapped,
// so that reading goes on from there. Throws a Refusal when the file shrinks meanwhile.
uint64_t MappedCrc(int fd, uint64_t size, protocol::CrcEngine& engine, const std::string& path) {
  struct sigaction bus {};
  struct sigaction previous {};
  bus.sa_handler = OnBusError;
  sigemptyset(&bus.sa_mask);
  sigaction(SIGBUS, &bus, &previous);
  void* volatile window = MAP_FAILED;
  volatile size_t length = 0;
  volatile uint64_t done = 0;
  const bool shrank = sigsetjmp(g_bus_jump, 1) != 0;
  if (!shrank) {
    while (done < size) {
      length = static_cast<size_t>(std::min<uint64_t>(kCrcWindow, size - done));
      window = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd,
                    static_cast<off_t>(done));
      if (window == MAP_FAILED) break;
      engine.Update(window, length);
      munmap(window, length);
      window = MAP_FAILED;
      done = done + length;
    }
  }
  if (window != MAP_FAILED) munmap(window, length);
  sigaction(SIGBUS, &previous, nullptr);
  if (shrank) throw Refusal{"--file " + path + " shrank while it was read"};
  return done;
}

// A catalogue CRC of --file PATH ("-": standard input): any size, a regular file mapped, a
// stream read in pieces.
uint64_t StreamedCrc(const protocol::CrcModel& model, const std::string& path) {
  base::InputFile in = path == "-" ? base::InputFile::FromDescriptor(0, false)
                                   : base::OpenInput(path, base::InputKind::kStreamsToo);
  if (!in.ok()) throw Refusal{"--file " + base::FileErrorMessage(path, in.error())};
  const auto engine = std::make_unique<protocol::CrcEngine>(model);
  if (in.regular() && in.size() > 0) {
    // What could not be mapped, and whatever was appended since the open, is read.
    const uint64_t done = MappedCrc(in.fd(), in.size(), *engine, path);
    if (lseek(in.fd(), static_cast<off_t>(done), SEEK_SET) < 0) {
      throw Refusal{"--file " + base::FileErrorMessage(path, errno)};
    }
  }
  const std::unique_ptr<uint8_t[]> piece(new uint8_t[kCrcPiece]);
  for (;;) {
    const long got = in.Read(piece.get(), kCrcPiece);
    if (got < 0) throw Refusal{"--file " + base::FileErrorMessage(path, errno)};
    if (got == 0) break;
    engine->Update(piece.get(), static_cast<size_t>(got));
  }
  return engine->Value();
}

int RunChecksum(const std::vector<std::string>& args) {
  const Arguments arguments(args, {"--file"}, {"--list"});
  if (arguments.Flag("--list")) {
    if (arguments.Value("--file")) throw UsageError{"--list takes no --file"};
    arguments.ExpectCount(0);
    std::vector<std::string> names = kChecksumKinds;
    PrintResult(ChecksumListText(),
                {{"kinds", JsonArray(names, JsonString)},
                 {"models", JsonArray(protocol::CrcCatalogue(), CrcModelJson)}});
    return kOk;
  }
  const auto file = arguments.Value("--file");
  arguments.ExpectCount(file ? 1 : 2);
  const std::string& name = arguments.positionals()[0];
  const int kind = IndexOf(name, kChecksumKinds);
  const protocol::CrcModel* model = kind < 0 ? protocol::FindCrcModel(name) : nullptr;
  if (kind < 0 && model == nullptr) {
    return Refuse("KIND " + name +
                  " is neither a checksum kind nor a CRC model: 'quorkit-cli checksum --list' "
                  "lists them");
  }
  if (model != nullptr) {
    uint64_t value = 0;
    if (file) {
      value = StreamedCrc(*model, *file);
    } else {
      const cli::HexBytesResult read =
          cli::ReadHexBytesStrictly(TextArgument(arguments.positionals()[1]), SIZE_MAX);
      if (const auto* message = std::get_if<std::string>(&read)) return Refuse("TEXT " + *message);
      const std::vector<uint8_t>& bytes = std::get<std::vector<uint8_t>>(read);
      if (bytes.empty()) return Refuse("TEXT holds no hex byte");
      value = protocol::ComputeCrc(*model, bytes.data(), bytes.size());
    }
    PrintResult(protocol::FormatCrcValue(*model, value), {{"value", std::to_string(value)},
                                                          {"width", std::to_string(model->width)},
                                                          {"model", JsonString(model->name)}});
    return kOk;
  }
  std::vector<uint8_t> bytes;
  if (file) {
    bytes = FileBytes(*file, kChecksumFileCap);
    if (bytes.empty()) return Refuse("--file " + *file + " is empty");
  } else {
    const cli::HexBytesResult read = cli::ReadHexBytesStrictly(
        TextArgument(arguments.positionals()[1]), protocol::kChecksumByteLimit);
    if (const auto* message = std::get_if<std::string>(&read)) return Refuse("TEXT " + *message);
    bytes = std::get<std::vector<uint8_t>>(read);
    if (bytes.empty()) return Refuse("TEXT holds no hex byte");
  }
  const auto checksum_kind = static_cast<protocol::ChecksumKind>(kind);
  const std::string text = protocol::ChecksumText(checksum_kind, bytes);
  // The window shows this refusal in its result field; a script must not take it for one.
  if (text == base::Tr("quorkit", protocol::kTelecomFormatError)) return Refuse(text);
  const auto [value, width] = ChecksumValue(checksum_kind, bytes);
  PrintResult(text, {{"value", std::to_string(value)}, {"width", std::to_string(width)}});
  return kOk;
}

std::vector<uint8_t> HexFieldArgument(const std::string& name, const std::string& text,
                                      size_t count) {
  const cli::HexBytesResult read = cli::ReadHexField(text, count);
  if (const auto* message = std::get_if<std::string>(&read)) throw Refusal{name + " " + *message};
  return std::get<std::vector<uint8_t>>(read);
}

std::string BytesJson(const std::vector<uint8_t>& bytes) {
  return JsonArray(bytes, [](uint8_t b) { return std::to_string(b); });
}

int RunModbus(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {});
  const auto& p = arguments.positionals();
  if (p.empty()) throw UsageError{"missing argument"};
  if (p[0] != "read" && p[0] != "write") throw UsageError{"unknown request " + p[0]};
  const bool write = p[0] == "write";
  arguments.ExpectCount(write ? 6 : 5);
  const uint8_t address = HexFieldArgument("ADDR", p[1], 1)[0];
  const uint8_t function = HexFieldArgument("FUNC", p[2], 1)[0];
  const std::vector<uint8_t> start = HexFieldArgument("START", p[3], 2);
  const std::vector<uint8_t> count = HexFieldArgument("COUNT", p[4], 2);
  const auto word = [](const std::vector<uint8_t>& b) { return uint16_t(b[0] << 8 | b[1]); };
  std::vector<uint8_t> frame;
  if (write) {
    // Write Multiple Registers: two data bytes a register.
    if (function != 0x10) {
      return Refuse(
          base::Format("FUNC %.2X: write builds function 10 (Write Multiple Registers) "
                       "frames only",
                       function));
    }
    const size_t registers = word(count);
    if (registers == 0 || registers * 2 > protocol::kModbusByteLimit) {
      return Refuse(base::Format("COUNT %.2X %.2X: give 00 01 to 00 %.2X registers", count[0],
                                 count[1], static_cast<unsigned>(protocol::kModbusByteLimit / 2)));
    }
    const cli::HexBytesResult read = cli::ReadHexBytesStrictly(p[5], protocol::kModbusByteLimit);
    if (const auto* message = std::get_if<std::string>(&read)) return Refuse("DATA " + *message);
    const std::vector<uint8_t>& data = std::get<std::vector<uint8_t>>(read);
    if (data.size() != registers * 2) {
      return Refuse(base::Format("DATA holds %zu bytes, COUNT %zu register%s needs %zu",
                                 data.size(), registers, registers == 1 ? "" : "s", registers * 2));
    }
    frame = protocol::BuildWriteRequest(address, function, word(start), word(count), data);
  } else {
    frame = protocol::BuildReadRequest(address, function, word(start), word(count));
  }
  PrintResult(protocol::FormatHexBytes(frame), {{"bytes", BytesJson(frame)}});
  return kOk;
}

// The glyph commands draw with Qt on its off-screen platform, set up here only.
class OffscreenGui {
 public:
  OffscreenGui() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's own notices are no message of the tools.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[sizeof(kProgram)] = "quorkit-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

const std::vector<std::string> kGlyphValued = {"--font", "--pixels", "--width",    "--height",
                                               "--left", "--top",    "--threshold"};

// The glyph window's settings from the options; checked before any drawing.
struct GlyphSettings {
  std::optional<winsys::FontChoice> font;
  bool face_given = false;  // --font named the face
  int width = 16;
  int height_index = 1;
  int left = 10;
  int top = 10;
  int threshold = 200;
};

GlyphSettings ReadGlyphSettings(const Arguments& arguments) {
  GlyphSettings settings;
  if (arguments.Value("--font") || arguments.Value("--pixels")) {
    winsys::FontChoice choice;
    choice.face = arguments.Value("--font").value_or("宋体");
    settings.face_given = arguments.Value("--font").has_value();
    choice.pixels = static_cast<int>(arguments.Integer("--pixels", 1, 1000, 16));
    settings.font = choice;
  }
  settings.width = static_cast<int>(arguments.Integer("--width", 0, mcu::kMaxWidth, 16));
  const long height = arguments.Integer("--height", 1, mcu::kMaxWidth, 16);
  settings.height_index = -1;
  for (size_t i = 0; i < std::size(mcu::kHeights); ++i) {
    if (mcu::kHeights[i] == height) settings.height_index = static_cast<int>(i);
  }
  if (settings.height_index < 0) {
    throw UsageError{"--height must be one of 8, 16, 24, 32, 48, 64, 128"};
  }
  settings.left = static_cast<int>(arguments.Integer("--left", 0, mcu::kMaxOffset, 10));
  settings.top = static_cast<int>(arguments.Integer("--top", 0, mcu::kMaxOffset, 10));
  settings.threshold = static_cast<int>(arguments.Integer("--threshold", 1, 255, 200));
  return settings;
}

void ApplyGlyphSettings(const GlyphSettings& settings, CGlyphCanvas& canvas,
                        mcu::GlyphSampler& sampler) {
  canvas.SetFont(settings.font ? GlyphFontFromChoice(*settings.font) : InitialGlyphFont());
  sampler.region() = mcu::Region{};
  sampler.SetWidth(settings.width);
  sampler.SetHeightIndex(settings.height_index);
  mcu::Region& region = sampler.region();
  const int width = region.Width();
  const int height = region.Height();
  region.left = settings.left;
  region.right = settings.left + width;
  region.top = settings.top;
  region.bottom = settings.top + height;
  sampler.set_threshold(settings.threshold);
}

// Edit distance of two lower-cased face names, for proposing the faces meant.
size_t Distance(const std::u32string& a, const std::u32string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// A face named with --font must be installed: Qt would draw with another one silently.
void CheckFontInstalled(const GlyphSettings& settings) {
  if (!settings.font || !settings.face_given) return;
  const QString face = QString::fromStdString(settings.font->face);
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    if (family.compare(face, Qt::CaseInsensitive) == 0) return;
  }
  const std::u32string wanted = face.toLower().toStdU32String();
  std::vector<std::pair<size_t, QString>> ranked;
  for (const QString& family : families) {
    const QString lower = family.toLower();
    const size_t distance =
        lower.startsWith(face.toLower()) ? 0 : Distance(wanted, lower.toStdU32String());
    ranked.emplace_back(distance, family);
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  std::string closest;
  for (size_t i = 0; i < ranked.size() && i < 3; ++i) {
    closest += (i ? ", " : "") + ranked[i].second.toStdString();
  }
  throw Refusal{"--font " + settings.font->face + " is not installed" +
                (closest.empty() ? std::string() : "; closest: " + closest)};
}

// The library written straight to OUT through the one writer: OUT is opened (and so
// checked) before the long generation, and replaced only once complete.
int WriteLibrary(mcu::FontLibrary library, mcu::GlyphSampler& sampler, const std::string& out) {
  mcu::LibraryFile file;
  std::string window_text;  // the window's wording; the command line names OUT and errno
  if (!file.Open(out, &window_text))
    return Refuse("OUT " + base::FileErrorMessage(out, file.error()));
  // A failed write is not committed: the file is dropped with `file`, OUT left as it was.
  if (!mcu::WriteFontLibrary(library, sampler, file) || !file.Commit(&window_text)) {
    return Refuse("OUT " + base::FileErrorMessage(out, file.error() != 0 ? file.error() : EIO));
  }
  if (g_json) {
    PrintResult("", {{"path", JsonString(out)}, {"size", std::to_string(file.written())}});
  }
  return kOk;
}

int RunFontLibrary(const std::vector<std::string>& args) {
  const Arguments arguments(args, kGlyphValued, {}, {1});
  arguments.ExpectCount(2);
  static const std::vector<std::string> kinds = {"ascii-text", "ascii8x8-text", "ascii-bin",
                                                 "gb2312-bin"};
  static const mcu::FontLibrary libraries[] = {
      mcu::FontLibrary::kAsciiText, mcu::FontLibrary::kAscii8x8Text, mcu::FontLibrary::kAsciiBinary,
      mcu::FontLibrary::kGb2312Binary};
  const int kind = IndexOf(arguments.positionals()[0], kinds);
  if (kind < 0) throw UsageError{"unknown library kind " + arguments.positionals()[0]};
  const GlyphSettings settings = ReadGlyphSettings(arguments);
  // The window writes a library without a single byte for a matrix width of 0.
  if (settings.width == 0 && libraries[kind] != mcu::FontLibrary::kAscii8x8Text) {
    return Refuse("--width 0 gives an empty library: give 1 to " + std::to_string(mcu::kMaxWidth));
  }
  const std::string& out = arguments.positionals()[1];

  OffscreenGui gui;
  CheckFontInstalled(settings);
  CGlyphCanvas canvas;
  mcu::GlyphSampler sampler(canvas);
  ApplyGlyphSettings(settings, canvas, sampler);
  return WriteLibrary(libraries[kind], sampler, out);
}

// The numbers of a glyph code text, for --json: the matrix size, every byte in order, and
// per character the character, its code (the header's two bytes) and its bytes.
JsonFields GlyphFields(const std::string& code, const mcu::GlyphSampler& sampler) {
  const auto hex_byte = [](const std::string& text, size_t at) {
    return static_cast<uint8_t>(std::stoul(text.substr(at, 2), nullptr, 16));
  };
  std::vector<uint8_t> all;
  std::vector<std::string> characters;
  std::vector<uint8_t> header, bytes;
  std::string character;
  const auto close_character = [&] {
    if (header.empty()) return;
    characters.push_back("{\"character\": " + JsonString(character) + ", \"code\": " +
                         BytesJson(header) + ", \"bytes\": " + BytesJson(bytes) + "}");
    header.clear();
    bytes.clear();
  };
  // Lines end in CR LF; a byte line is "0xHH," pieces, a header "//C 0xHH,0xHH,".
  for (const std::string& line : base::Split(code, "\r\n")) {
    if (line.rfind("0x", 0) == 0) {
      for (size_t at = 0; at + 5 <= line.size(); at += 5) {
        bytes.push_back(hex_byte(line, at + 2));
        all.push_back(bytes.back());
      }
    } else if (line.rfind("//", 0) == 0 && line.size() >= 12) {
      close_character();
      const size_t at = line.size() - 10;
      header = {hex_byte(line, at + 2), hex_byte(line, at + 7)};
      character = line.substr(2, at - 3);
    }
  }
  close_character();
  const mcu::Region& region = sampler.region();
  return {{"width", std::to_string(region.Width())},
          {"height", std::to_string(region.Height())},
          {"bytes", BytesJson(all)},
          {"characters", JsonArray(characters, [](const std::string& item) { return item; })}};
}

int RunGlyph(const std::vector<std::string>& args) {
  const Arguments arguments(args, kGlyphValued, {"--reverse"});
  arguments.ExpectCount(1);
  const GlyphSettings settings = ReadGlyphSettings(arguments);
  if (settings.width == 0)
    return Refuse("--width 0 gives no bytes: give 1 to " + std::to_string(mcu::kMaxWidth));
  const std::string text = TextArgument(arguments.positionals()[0]);
  if (text.empty()) return Refuse("TEXT is empty");

  OffscreenGui gui;
  CheckFontInstalled(settings);
  CGlyphCanvas canvas;
  mcu::GlyphSampler sampler(canvas);
  ApplyGlyphSettings(settings, canvas, sampler);
  const std::string code = sampler.CodeText(text, arguments.Flag("--reverse"));
  PrintResult(code, GlyphFields(code, sampler));
  return kOk;
}

int RunNtc(const std::vector<std::string>& args) {
  const Arguments arguments(args, {"--r25", "--beta", "--rd", "--bits"},
                            {"--lower", "--hex", "--tenfold", "--integer"});
  arguments.ExpectCount(1);
  const circuit::NtcOptions options{arguments.Flag("--hex"), arguments.Flag("--tenfold"),
                                    arguments.Flag("--integer")};
  const std::string& table = arguments.positionals()[0];
  if (table != "resistance" && table != "adc") throw UsageError{"unknown table " + table};
  // Unset fields read as the window's initial ones.
  const std::string r25 = FieldText(
      NumberArgument("--r25", arguments.Value("--r25").value_or("10000"), cli::Unit::kOhm));
  const std::string beta = FieldText(
      NumberArgument("--beta", arguments.Value("--beta").value_or("3450"), cli::Unit::kNone));
  circuit::NtcResult result;
  if (table == "resistance") {
    if (arguments.Value("--rd") || arguments.Value("--bits") || arguments.Flag("--lower")) {
      throw UsageError{"--rd, --bits and --lower belong to the adc table"};
    }
    result = circuit::NtcResistanceTableFromFields(r25, beta, options);
  } else {
    const int resolution = arguments.Choice("--bits", {"10", "12"}, 0);
    const circuit::NtcDivider divider =
        arguments.Flag("--lower") ? circuit::NtcDivider::kLower : circuit::NtcDivider::kUpper;
    const std::string rd = FieldText(
        NumberArgument("--rd", arguments.Value("--rd").value_or("10000"), cli::Unit::kOhm));
    result = circuit::NtcAdcTableFromFields(r25, beta, rd, resolution, divider, options);
  }
  if (!result.message.empty()) return Refuse(result.message);
  // The entries of the table, -40 to 119 degrees Celsius, as numbers.
  std::vector<double> entries;
  const std::string& text = result.text;
  const size_t open = text.find('{');
  const size_t close = text.rfind('}');
  if (open != std::string::npos && close != std::string::npos && open < close) {
    for (const std::string& piece : base::Split(text.substr(open + 1, close - open - 1), ",")) {
      const std::string entry = base::Trim(piece);
      if (entry.empty()) continue;
      entries.push_back(static_cast<double>(std::strtod(entry.c_str(), nullptr)));
      if (entry.size() > 2 && entry[0] == '0' && (entry[1] == 'x' || entry[1] == 'X')) {
        entries.back() = static_cast<double>(std::strtoull(entry.c_str(), nullptr, 16));
      }
    }
  }
  PrintResult(result.text, {{"entries", JsonArray(entries, JsonNumber)}});
  return kOk;
}

int RunESeries(const std::vector<std::string>& args) {
  const Arguments arguments(args, {"--series"}, {});
  const auto& p = arguments.positionals();
  if (p.empty()) throw UsageError{"missing argument"};
  const auto series =
      static_cast<circuit::Series>(arguments.Choice("--series", {"e12", "e24", "e96"}, 0));
  const auto positive = [](const char* name, double value) {
    if (!(value > 0))
      throw Refusal{base::Format("%s %s must be above 0", name, FieldText(value).c_str())};
    return value;
  };
  circuit::Proposals pairs;
  std::string text;
  if (p[0] == "ratio") {
    arguments.ExpectCount(2);
    const double ratio = positive("RATIO", NumberArgument("RATIO", p[1], cli::Unit::kNone));
    pairs = circuit::FindRatio(series, ratio);
    text = circuit::RatioText(pairs, ratio);
  } else if (p[0] == "divider") {
    arguments.ExpectCount(3);
    const double total = positive("VOLTS", NumberArgument("VOLTS", p[1], cli::Unit::kVolt));
    const double part = positive("PART", NumberArgument("PART", p[2], cli::Unit::kVolt));
    if (part > total) return Refuse("PART must not be above VOLTS");
    pairs = circuit::FindRatio(series, (total - part) / part);
    text = circuit::DividerText(pairs, total, part);
  } else if (p[0] == "series" || p[0] == "parallel") {
    arguments.ExpectCount(2);
    const double target = positive("OHMS", NumberArgument("OHMS", p[1], cli::Unit::kOhm));
    pairs = p[0] == "series" ? circuit::FindSeriesPair(series, target)
                             : circuit::FindParallelPair(series, target);
    text = p[0] == "series" ? circuit::SeriesText(pairs, target)
                            : circuit::ParallelText(pairs, target);
  } else {
    throw UsageError{"unknown search " + p[0]};
  }
  const std::vector<circuit::ResistorPair> list(pairs.begin(), pairs.end());
  PrintResult(text, {{"pairs", JsonArray(list, [](const circuit::ResistorPair& pair) {
                        return "[" + JsonNumber(pair.r1) + ", " + JsonNumber(pair.r2) + "]";
                      })}});
  return kOk;
}

// Bytes of a storage code of each type; ascii takes any count.
constexpr size_t kStorageSizes[] = {1, 2, 2, 4, 4, 4, 8, 0};

int RunStorage(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {"--reverse"});
  arguments.ExpectCount(3);
  const auto& p = arguments.positionals();
  static const std::vector<std::string> types = {"uchar", "short", "ushort", "int",
                                                 "uint",  "float", "double", "ascii"};
  const int type = IndexOf(p[1], types);
  if (type < 0) throw UsageError{"unknown type " + p[1]};
  if (p[0] != "to-code" && p[0] != "to-value") throw UsageError{"unknown direction " + p[0]};
  const auto storage_type = static_cast<protocol::StorageType>(type);
  const bool reverse = arguments.Flag("--reverse");
  using protocol::StorageType;
  if (p[0] == "to-code") {
    std::string value = p[2];
    switch (storage_type) {
      case StorageType::kUChar:
        value = std::to_string(WholeArgument("VALUE", value, 0, 255));
        break;
      case StorageType::kShort:
        value = std::to_string(WholeArgument("VALUE", value, -32768, 32767));
        break;
      case StorageType::kUShort:
        value = std::to_string(WholeArgument("VALUE", value, 0, 65535));
        break;
      case StorageType::kInt:
        value = std::to_string(WholeArgument("VALUE", value, -2147483648LL, 2147483647));
        break;
      case StorageType::kUInt:
        value = std::to_string(WholeArgument("VALUE", value, 0, 4294967295LL));
        break;
      case StorageType::kFloat:
      case StorageType::kDouble: {
        const double number = NumberArgument("VALUE", value, cli::Unit::kNone);
        if (storage_type == StorageType::kFloat && std::fabs(number) > 3.4028234663852886e38) {
          return Refuse("VALUE " + value + " is beyond the range of float");
        }
        value = FieldText(number);
        break;
      }
      case StorageType::kAscii:
        if (base::FromCp936(base::ToCp936(value)) != value) {
          return Refuse("VALUE holds a character that code page 936 lacks");
        }
        if (base::ToCp936(value).size() > protocol::kStorageByteLimit) {
          return Refuse(
              base::Format("VALUE holds more than %zu bytes", protocol::kStorageByteLimit));
        }
        break;
    }
    const std::string code = protocol::ValueToStorageCode(storage_type, value, reverse);
    const std::vector<uint8_t> bytes =
        std::get<std::vector<uint8_t>>(cli::ReadHexBytesStrictly(code, SIZE_MAX));
    PrintResult(code, {{"bytes", BytesJson(bytes)}});
  } else {
    const cli::HexBytesResult read = cli::ReadHexBytesStrictly(p[2], protocol::kStorageByteLimit);
    if (const auto* message = std::get_if<std::string>(&read)) return Refuse("CODE " + *message);
    const size_t count = std::get<std::vector<uint8_t>>(read).size();
    const size_t wanted = kStorageSizes[type];
    if (wanted != 0 && count != wanted) {
      return Refuse(base::Format("CODE holds %zu byte%s, %s takes %zu", count,
                                 count == 1 ? "" : "s", p[1].c_str(), wanted));
    }
    if (count == 0) return Refuse("CODE holds no hex byte");
    const std::string value = protocol::StorageCodeToValue(storage_type, p[2], reverse);
    PrintResult(value, {{"value", storage_type == StorageType::kAscii
                                      ? JsonString(value)
                                      : JsonNumber(std::strtod(value.c_str(), nullptr))}});
  }
  return kOk;
}

// The numbers of a dec/hex text: tokens separated by blanks, tabs, commas and line breaks.
std::vector<std::string> NumberTokens(const std::string& text) {
  std::vector<std::string> tokens;
  std::string token;
  for (const char c : text + " ") {
    if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') {
      if (!token.empty()) tokens.push_back(token);
      token.clear();
    } else {
      token += c;
    }
  }
  return tokens;
}

int RunDecHex(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {"--prefix", "--commas"});
  arguments.ExpectCount(2);
  const auto& p = arguments.positionals();
  if (p[0] != "to-hex" && p[0] != "to-dec") throw UsageError{"unknown direction " + p[0]};
  if (p[0] == "to-dec" && arguments.Flag("--prefix"))
    throw UsageError{"--prefix belongs to to-hex"};
  const std::string text = TextArgument(p[1]);
  std::vector<double> numbers;
  std::optional<std::string> result;
  if (p[0] == "to-hex") {
    // The tool reads the first 2047 bytes.
    if (text.size() > 2047) return Refuse("TEXT holds more than 2047 bytes");
    for (const std::string& token : NumberTokens(text)) {
      if (token.find_first_not_of("0123456789") != std::string::npos) {
        return Refuse("TEXT '" + token + "' is not a decimal number from 0 to 2147483647");
      }
      const std::string digits =
          token.substr(std::min(token.find_first_not_of('0'), token.size() - 1));
      if (digits.size() > 10 || std::stoll(digits) > 2147483647) {
        return Refuse("TEXT " + token + " is out of range: give 0 to 2147483647");
      }
      numbers.push_back(static_cast<double>(std::stoll(digits)));
    }
    result =
        protocol::DecimalToHexText(text, arguments.Flag("--prefix"), arguments.Flag("--commas"));
  } else {
    for (const std::string& token : NumberTokens(text)) {
      std::string digits = token;
      if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits = digits.substr(2);
      }
      if (digits.empty() ||
          digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return Refuse("TEXT '" + token + "' is not a hexadecimal number (e.g. 1F or 0x1F)");
      }
      const size_t first = digits.find_first_not_of('0');
      if (first != std::string::npos && digits.size() - first > 8) {
        return Refuse("TEXT " + token + " is out of range: give at most 8 hex digits");
      }
      numbers.push_back(static_cast<int32_t>(std::stoul(digits, nullptr, 16)));
    }
    result = protocol::HexToDecimalText(text, arguments.Flag("--commas"));
  }
  if (numbers.empty() || !result) return Refuse("TEXT holds no number");
  PrintResult(*result, {{"numbers", JsonArray(numbers, JsonNumber)}});
  return kOk;
}

// The timer result's lines by name, for --json. The labels are those of the interface
// language, as the result text uses them.
JsonFields TimerFields(const std::string& text) {
  const std::pair<std::string, const char*> labels[] = {
      {base::Tr("quorkit", "溢出值"), "overflow_value"},
      {base::Tr("quorkit", "溢出次数"), "overflow_count"},
      {base::Tr("quorkit", "实际延时"), "delay_ms"},
      {base::Tr("quorkit", "延时误差"), "error_ms"},
      {base::Tr("quorkit", "计数频率"), "count_frequency_hz"},
      {base::Tr("quorkit", "计数周期"), "count_period_ms"},
      {base::Tr("quorkit", "溢出频率"), "overflow_frequency_hz"},
      {base::Tr("quorkit", "溢出周期"), "overflow_period_ms"},
  };
  JsonFields fields;
  for (const std::string& line : base::Split(text, "\n")) {
    for (const auto& [label, name] : labels) {
      if (line.rfind(label, 0) != 0) continue;
      size_t at = label.size();
      if (line.compare(at, 3, "：") == 0) {
        at += 3;
      } else if (line.compare(at, 1, ":") == 0) {
        at += 1;
      } else {
        continue;
      }
      fields.emplace_back(name, JsonNumber(std::strtod(line.c_str() + at, nullptr)));
    }
  }
  return fields;
}

int RunTimer(const std::vector<std::string>& args) {
  const Arguments arguments(
      args, {"--clock", "--bits", "--prescaler", "--overflow", "--time", "--unit"}, {});
  arguments.ExpectCount(0);
  mcu::TimerFields fields;
  fields.width = arguments.Choice("--bits", {"8", "16"}, 0) == 0 ? mcu::TimerWidth::k8Bit
                                                                 : mcu::TimerWidth::k16Bit;
  if (!arguments.Value("--clock")) throw UsageError{"--clock is missing"};
  fields.clock =
      FieldText(NumberArgument("--clock", *arguments.Value("--clock"), cli::Unit::kHertz));
  std::vector<std::string> prescalers;
  for (int i = 0; i <= 10; ++i) prescalers.push_back(std::to_string(mcu::TimerPrescaler(i)));
  fields.prescaler_index = arguments.Choice("--prescaler", prescalers, 0);
  if (const auto overflow = arguments.Value("--overflow")) {
    const long long limit = fields.width == mcu::TimerWidth::k8Bit ? 256 : 65536;
    fields.overflow_value = std::to_string(WholeArgument("--overflow", *overflow, 1, limit));
  }
  if (const auto time = arguments.Value("--time")) {
    fields.time = FieldText(NumberArgument("--time", *time, cli::Unit::kNone));
  }
  fields.unit = static_cast<mcu::TimeUnit>(arguments.Choice("--unit", {"ms", "us", "s", "Hz"}, 0));
  const mcu::TimerOutcome outcome = mcu::ComputeTimer(fields);
  switch (outcome.kind) {
    case mcu::TimerOutcome::Kind::kMessage:
      return Refuse(outcome.text);
    case mcu::TimerOutcome::Kind::kResult: {
      // The tool ends its text with the number of the method it took ("\r\n-算法3"): no
      // result. The line break before it stays.
      std::string text = outcome.text;
      for (const char* method : {"\r\n-算法1", "\r\n-算法2", "\r\n-算法3", "\r\n-算法4"}) {
        const std::string marker = base::Tr("quorkit", method);
        if (text.size() >= marker.size() &&
            text.compare(text.size() - marker.size(), marker.size(), marker) == 0) {
          text.erase(text.size() - marker.size() + 2);
          break;
        }
      }
      PrintResult(text, TimerFields(text));
      return kOk;
    }
    case mcu::TimerOutcome::Kind::kNothing:
      break;
  }
  return Refuse("nothing to compute: give --overflow or a --time above 0");
}

using Runner = int (*)(const std::vector<std::string>&);
const std::map<std::string, Runner> kRunners = {
    {"hex2bin", RunHexToBin},    {"checksum", RunChecksum}, {"modbus", RunModbus},
    {"fontlib", RunFontLibrary}, {"glyph", RunGlyph},       {"ntc", RunNtc},
    {"eseries", RunESeries},     {"storage", RunStorage},   {"dechex", RunDecHex},
    {"timer", RunTimer},
};

// Writes `text` to `path` (the man page at build time).
int WriteText(const std::string& path, const std::string& text) {
  if (const int error = base::WriteWholeFile(path, text)) {
    std::fprintf(stderr, "%s: --man: %s\n", kProgram, base::FileErrorMessage(path, error).c_str());
    return kRefused;
  }
  return kOk;
}

int Finish(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "%s: cannot write the result: %s\n", kProgram, std::strerror(errno));
    return kRefused;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::optional<app::Language> language;
  std::string language_error;
  if (!app::TakeLanguageOption(&args, &language, &language_error)) {
    std::fprintf(stderr, "%s: %s\n%s", kProgram, language_error.c_str(), ToolUsage().c_str());
    return kUsage;
  }
  if (!app::UseLanguage(language.value_or(app::DesktopLanguage()))) {
    std::fprintf(stderr, "%s: the English texts could not be loaded; messages stay Chinese\n",
                 kProgram);
  }
  if (args.empty()) {
    std::fputs(ToolUsage().c_str(), stderr);
    return kUsage;
  }
  const std::string first = args[0];
  if (first == "--help" || first == "-h") {
    std::fputs(ToolHelpText().c_str(), stdout);
    return Finish(kOk);
  }
  if (first == "--version" || first == "-V") {
    std::printf("%s %s\n", kProgram, QUORKIT_VERSION);
    return Finish(kOk);
  }
  if (first == "--man") {
    if (args.size() == 2) return WriteText(args[1], ManPage());
    std::fputs(ManPage().c_str(), stdout);
    return Finish(kOk);
  }
  const CommandHelp* command = FindCommand(first);
  if (command == nullptr) {
    std::fprintf(stderr, "%s: unknown command %s\n%s", kProgram, first.c_str(),
                 ToolUsage().c_str());
    return kUsage;
  }
  g_command = first;
  std::vector<std::string> rest;
  bool options_done = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") options_done = true;
    if (!options_done && (arg == "--help" || arg == "-h")) {
      std::fputs(CommandHelpText(*command).c_str(), stdout);
      return Finish(kOk);
    }
    if (!options_done && arg == "--json") {
      g_json = true;
      continue;
    }
    rest.push_back(arg);
  }
  // Whatever happens, one line on standard error and a status, never an abort.
  try {
    return Finish(kRunners.at(first)(rest));
  } catch (const NotUtf8&) {
    return Refuse("the text is not UTF-8");
  } catch (const Refusal& refusal) {
    return Refuse(refusal.message);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "%s: %s: %s\n%s", kProgram, first.c_str(), error.message.c_str(),
                 Usage(*command).c_str());
    return kUsage;
  } catch (const std::bad_alloc&) {
    return Refuse("not enough memory");
  } catch (const std::exception& error) {
    return Refuse(error.what());
  }
}
