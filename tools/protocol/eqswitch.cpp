#include "tools/protocol/eqswitch.h"

#include "base/text.h"

namespace protocol {

namespace {

bool EndsOperand(char c) {
  return c == ' ' || c == ';' || c == '\t';
}

// Start of the line break at the end of `line`, or its size when it has none.
size_t LineBreakStart(const std::string& line) {
  if (line.empty() || line.back() != '\n') return line.size();
  const size_t lf = line.size() - 1;
  return lf > 0 && line[lf - 1] == '\r' ? lf - 1 : lf;
}

}  // namespace

// Text is UTF-8, where the bytes of a multibyte character never equal an ASCII byte nor
// start a match of a whole character, so a byte search only finds whole characters.
std::string SwapOperandsInLine(const std::string& line, const std::string& op) {
  if (op.empty()) return line;
  const size_t at = line.find(op);
  if (at == std::string::npos) return line;

  std::string left = line.substr(0, at);
  std::string right = line.substr(at + op.size());

  size_t cut = left.size();
  while (cut > 0 && !EndsOperand(left[cut - 1])) --cut;
  const std::string a = left.substr(cut);
  left.resize(cut);

  const size_t line_break = LineBreakStart(right);
  size_t end = 0;
  while (end < line_break && !EndsOperand(right[end])) ++end;
  const std::string b = right.substr(0, end);
  right.erase(0, end);

  return left + b + op + a + right;
}

std::string SwapOperands(const std::string& text, const std::string& op) {
  const std::string trimmed = base::Trim(op);
  std::string result;
  result.reserve(text.size());
  size_t start = 0;
  while (start < text.size()) {
    const size_t lf = text.find('\n', start);
    const size_t end = lf == std::string::npos ? text.size() : lf + 1;
    result += SwapOperandsInLine(text.substr(start, end - start), trimmed);
    start = end;
  }
  return result;
}

}  // namespace protocol
