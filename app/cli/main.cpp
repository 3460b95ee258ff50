// quorkit-cli: the tools' results for build scripts, computed by the same cores as the
// windows. Results go to standard output, messages to standard error; exit status 0 on
// success, 1 when the input is refused, 2 for a usage error.
#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "tools/circuit/eseries.h"
#include "tools/circuit/findres.h"
#include "tools/circuit/ntctable.h"
#include "tools/mcu/CGlyphCanvas.h"
#include "tools/mcu/fontlib.h"
#include "tools/mcu/glyph.h"
#include "tools/mcu/timer.h"
#include "tools/protocol/checksum.h"
#include "tools/protocol/dechex.h"
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
       {"hex2bin IN OUT"},
       "convert an Intel HEX file to a binary image",
       "Converts the Intel HEX file IN to the binary image OUT as the HEX-to-BIN converter "
       "does: data records at their full 32-bit address (types 02 and 04), the image starting "
       "at the lowest data address, gaps filled with 0xFF, at most 64 MiB. OUT is used exactly "
       "as given and replaced only once the image is complete. Prints the lowest data address "
       "and the image size (\"0x%08X %d\"). A file the converter refuses leaves OUT untouched; "
       "its message goes to standard error.",
       {{"IN", "The Intel HEX file."}, {"OUT", "The binary image to write."}}},
      {"checksum",
       {"checksum KIND TEXT"},
       "checksum or CRC of hex byte text",
       "Prints the checksum generator's result for the bytes of TEXT, written as pairs of hex "
       "digits (\"01 03 00 00\"; at most 1023 bytes are read).",
       {{"KIND",
         "sum8, sum8-complement, sum16, sum16-complement, telecom, crc8-maxim, crc16-modbus, "
         "crc16-mcrf4xx or crc16-xmodem. telecom takes a whole frame starting with 7E and "
         "prints the four checksum characters and the closing 0D as hex bytes."},
        {"TEXT", "The hex bytes; - reads them from standard input."}}},
      {"modbus",
       {"modbus read ADDR FUNC START COUNT", "modbus write ADDR FUNC START COUNT DATA"},
       "Modbus RTU request frames",
       "Prints the Modbus tool's request frame (hex bytes, CRC-16/MODBUS last). Every field is "
       "hex byte text as typed in the tool: ADDR and FUNC one byte, START and COUNT a "
       "big-endian word (\"00 10\"); a field without a complete byte counts as 0.",
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
  return std::string("usage: ") + kProgram + " COMMAND [ARGUMENTS]\n       " + kProgram +
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

constexpr char kDescription[] =
    "The results of QuorKit's tools for build scripts, computed exactly as the tool windows "
    "compute them. Input and output are UTF-8 (text that is not UTF-8 is refused); results go "
    "to standard output, each followed by a line feed; messages go to standard error. Every "
    "command takes --help. A file is written under a temporary name beside it and renamed "
    "over it only once complete.";

std::string ToolHelpText() {
  std::string out = ToolUsage() + "\n" + Wrap(kDescription, 0, 78) + "\nCommands:\n";
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
  out += ".SH DESCRIPTION\n" + Roff(kDescription) + "\n.SH COMMANDS\n";
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

void PrintResult(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

// The tool's message without its trailing line breaks and blanks.
int Refuse(const std::string& message) {
  std::string text = message;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                           text.back() == '\t')) {
    text.pop_back();
  }
  std::fprintf(stderr, "%s\n", text.c_str());
  return kRefused;
}

struct UsageError {
  std::string message;
};

// Text that is not UTF-8 is refused before any tool reads it.
struct NotUtf8 {};

bool IsUtf8(const std::string& text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    int extra = 0;
    unsigned code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      code = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const unsigned lowest[] = {0, 0x80, 0x800, 0x10000};
    if (code < lowest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += extra + 1;
  }
  return true;
}

const std::string& Utf8(const std::string& text) {
  if (!IsUtf8(text)) throw NotUtf8{};
  return text;
}

std::string ReadStandardInput() {
  std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  // A final line break belongs to the line, not to the text.
  if (!text.empty() && text.back() == '\n') text.pop_back();
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

std::string TextArgument(const std::string& argument) {
  return argument == "-" ? Utf8(ReadStandardInput()) : argument;
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

int RunHexToBin(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {}, {0, 1});
  arguments.ExpectCount(2);
  CIHexFile reader;
  const CIHexFile::Conversion read = reader.ReadForConversion(arguments.positionals()[0]);
  if (!read.ok) return Refuse(read.text);
  if (!reader.WriteImage(arguments.positionals()[1], read.image)) {
    return Refuse(protocol::kHexWriteFailedText);
  }
  PrintResult(base::Format("0x%08X %d", static_cast<unsigned>(read.start),
                           static_cast<int>(read.image.size())));
  return kOk;
}

int RunChecksum(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {});
  arguments.ExpectCount(2);
  // In the order of the checksum tool's list.
  static const std::vector<std::string> kinds = {
      "sum8",       "sum8-complement", "sum16",         "sum16-complement", "telecom",
      "crc8-maxim", "crc16-modbus",    "crc16-mcrf4xx", "crc16-xmodem"};
  const int kind = IndexOf(arguments.positionals()[0], kinds);
  if (kind < 0) throw UsageError{"unknown checksum kind " + arguments.positionals()[0]};
  const auto result = protocol::ChecksumOfHexText(static_cast<protocol::ChecksumKind>(kind),
                                                  TextArgument(arguments.positionals()[1]));
  if (!result) return Refuse("no complete hex byte in TEXT");
  // The window shows this refusal in its result field; a script must not take it for one.
  if (*result == protocol::kTelecomFormatError) return Refuse(*result);
  PrintResult(*result);
  return kOk;
}

int RunModbus(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {});
  const auto& p = arguments.positionals();
  if (p.empty()) throw UsageError{"missing argument"};
  if (p[0] == "read") {
    arguments.ExpectCount(5);
    PrintResult(protocol::ReadRequestText({p[1], p[2], p[3], p[4]}));
  } else if (p[0] == "write") {
    arguments.ExpectCount(6);
    PrintResult(protocol::WriteRequestText({p[1], p[2], p[3], p[4]}, p[5]));
  } else {
    throw UsageError{"unknown request " + p[0]};
  }
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

  OffscreenGui gui;
  CGlyphCanvas canvas;
  mcu::GlyphSampler sampler(canvas);
  ApplyGlyphSettings(settings, canvas, sampler);
  mcu::LibraryFile file;
  std::string error;
  if (!file.Open(arguments.positionals()[1], &error)) return Refuse(error);
  const bool written = mcu::WriteFontLibrary(libraries[kind], sampler, file);
  if (!file.Commit(&error) || !written) return Refuse(error);
  return kOk;
}

int RunGlyph(const std::vector<std::string>& args) {
  const Arguments arguments(args, kGlyphValued, {"--reverse"});
  arguments.ExpectCount(1);
  const GlyphSettings settings = ReadGlyphSettings(arguments);
  const std::string text = TextArgument(arguments.positionals()[0]);

  OffscreenGui gui;
  CGlyphCanvas canvas;
  mcu::GlyphSampler sampler(canvas);
  ApplyGlyphSettings(settings, canvas, sampler);
  PrintResult(sampler.CodeText(text, arguments.Flag("--reverse")));
  return kOk;
}

int RunNtc(const std::vector<std::string>& args) {
  const Arguments arguments(args, {"--r25", "--beta", "--rd", "--bits"},
                            {"--lower", "--hex", "--tenfold", "--integer"});
  arguments.ExpectCount(1);
  const circuit::NtcOptions options{arguments.Flag("--hex"), arguments.Flag("--tenfold"),
                                    arguments.Flag("--integer")};
  const std::string& table = arguments.positionals()[0];
  // Unset fields read as the window's initial ones.
  const std::string r25 = arguments.Value("--r25").value_or("10000");
  const std::string beta = arguments.Value("--beta").value_or("3450");
  circuit::NtcResult result;
  if (table == "resistance") {
    if (arguments.Value("--rd") || arguments.Value("--bits") || arguments.Flag("--lower")) {
      throw UsageError{"--rd, --bits and --lower belong to the adc table"};
    }
    result = circuit::NtcResistanceTableFromFields(r25, beta, options);
  } else if (table == "adc") {
    const int resolution = arguments.Choice("--bits", {"10", "12"}, 0);
    const circuit::NtcDivider divider =
        arguments.Flag("--lower") ? circuit::NtcDivider::kLower : circuit::NtcDivider::kUpper;
    result = circuit::NtcAdcTableFromFields(r25, beta, arguments.Value("--rd").value_or("10000"),
                                            resolution, divider, options);
  } else {
    throw UsageError{"unknown table " + table};
  }
  if (!result.message.empty()) return Refuse(result.message);
  PrintResult(result.text);
  return kOk;
}

int RunESeries(const std::vector<std::string>& args) {
  const Arguments arguments(args, {"--series"}, {});
  const auto& p = arguments.positionals();
  if (p.empty()) throw UsageError{"missing argument"};
  const auto series =
      static_cast<circuit::Series>(arguments.Choice("--series", {"e12", "e24", "e96"}, 0));
  std::optional<std::string> result;
  if (p[0] == "ratio") {
    arguments.ExpectCount(2);
    result = circuit::RatioSearch(series, p[1]);
    if (!result) return Refuse("no ratio given");
  } else if (p[0] == "divider") {
    arguments.ExpectCount(3);
    result = circuit::DividerSearch(series, p[1], p[2]);
    if (!result) return Refuse("the part must be above 0 and not above the total");
  } else if (p[0] == "series") {
    arguments.ExpectCount(2);
    result = circuit::SeriesSearch(series, p[1]);
  } else if (p[0] == "parallel") {
    arguments.ExpectCount(2);
    result = circuit::ParallelSearch(series, p[1]);
  } else {
    throw UsageError{"unknown search " + p[0]};
  }
  PrintResult(*result);
  return kOk;
}

int RunStorage(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {"--reverse"});
  arguments.ExpectCount(3);
  const auto& p = arguments.positionals();
  static const std::vector<std::string> types = {"uchar", "short", "ushort", "int",
                                                 "uint",  "float", "double", "ascii"};
  const int type = IndexOf(p[1], types);
  if (type < 0) throw UsageError{"unknown type " + p[1]};
  const auto storage_type = static_cast<protocol::StorageType>(type);
  const bool reverse = arguments.Flag("--reverse");
  if (p[0] == "to-code") {
    PrintResult(protocol::ValueToStorageCode(storage_type, p[2], reverse));
  } else if (p[0] == "to-value") {
    PrintResult(protocol::StorageCodeToValue(storage_type, p[2], reverse));
  } else {
    throw UsageError{"unknown direction " + p[0]};
  }
  return kOk;
}

int RunDecHex(const std::vector<std::string>& args) {
  const Arguments arguments(args, {}, {"--prefix", "--commas"});
  arguments.ExpectCount(2);
  const auto& p = arguments.positionals();
  std::optional<std::string> result;
  if (p[0] == "to-hex") {
    result = protocol::DecimalToHexText(TextArgument(p[1]), arguments.Flag("--prefix"),
                                        arguments.Flag("--commas"));
  } else if (p[0] == "to-dec") {
    if (arguments.Flag("--prefix")) throw UsageError{"--prefix belongs to to-hex"};
    result = protocol::HexToDecimalText(TextArgument(p[1]), arguments.Flag("--commas"));
  } else {
    throw UsageError{"unknown direction " + p[0]};
  }
  if (!result) return Refuse("no numbers given");
  PrintResult(*result);
  return kOk;
}

int RunTimer(const std::vector<std::string>& args) {
  const Arguments arguments(
      args, {"--clock", "--bits", "--prescaler", "--overflow", "--time", "--unit"}, {});
  arguments.ExpectCount(0);
  mcu::TimerFields fields;
  fields.width = arguments.Choice("--bits", {"8", "16"}, 0) == 0 ? mcu::TimerWidth::k8Bit
                                                                 : mcu::TimerWidth::k16Bit;
  fields.clock = arguments.Text("--clock");
  std::vector<std::string> prescalers;
  for (int i = 0; i <= 10; ++i) prescalers.push_back(std::to_string(mcu::TimerPrescaler(i)));
  fields.prescaler_index = arguments.Choice("--prescaler", prescalers, 0);
  fields.overflow_value = arguments.Text("--overflow");
  fields.time = arguments.Text("--time");
  fields.unit = static_cast<mcu::TimeUnit>(arguments.Choice("--unit", {"ms", "us", "s", "Hz"}, 0));
  const mcu::TimerOutcome outcome = mcu::ComputeTimer(fields);
  switch (outcome.kind) {
    case mcu::TimerOutcome::Kind::kMessage:
      return Refuse(outcome.text);
    case mcu::TimerOutcome::Kind::kResult:
      PrintResult(outcome.text);
      return kOk;
    case mcu::TimerOutcome::Kind::kNothing:
      break;
  }
  return Refuse("nothing to compute: give an overflow value or a time above 0");
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
  if (!protocol::WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()),
                                     text.size())) {
    return Refuse(protocol::kHexWriteFailedText);
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
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(ToolUsage().c_str(), stderr);
    return kUsage;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    std::fputs(ToolHelpText().c_str(), stdout);
    return Finish(kOk);
  }
  if (first == "--version") {
    PrintResult(std::string(kProgram) + " " + QUORKIT_VERSION);
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
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const std::string& arg : rest) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") {
      std::fputs(CommandHelpText(*command).c_str(), stdout);
      return Finish(kOk);
    }
  }
  try {
    return Finish(kRunners.at(first)(rest));
  } catch (const NotUtf8&) {
    std::fprintf(stderr, "%s %s: the text is not UTF-8\n", kProgram, first.c_str());
    return kRefused;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "%s %s: %s\n%s", kProgram, first.c_str(), error.message.c_str(),
                 Usage(*command).c_str());
    return kUsage;
  }
}
