// Swapping the operands on both sides of an operator, line by line.
#pragma once

#include <string>

namespace protocol {

// Rewrites one line (which may end in its line break): the operand just left of the first
// `op` and the one just right of it change places. Operands end at a blank, a semicolon, a
// tab or the line break. A line without `op`, and every line when `op` is empty, stays.
std::string SwapOperandsInLine(const std::string& line, const std::string& op);

// Every line of `text` rewritten with the operator `op` trimmed of white space. Lines end
// in CR LF (a lone LF is taken as a line end too); line breaks stay as they are.
std::string SwapOperands(const std::string& text, const std::string& op);

}  // namespace protocol
