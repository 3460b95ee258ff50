// Fixed resistor selector: the standard-value pairs R1, R2 that come closest to a wanted
// ratio, divider, series or parallel value, ten of them ranked by absolute error.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "tools/circuit/eseries.h"

namespace circuit {

struct ResistorPair {
  double r1;  // ohms
  double r2;
};

constexpr int kProposalCount = 10;
using Proposals = std::array<ResistorPair, kProposalCount>;

// Every search tries all combinations over the decades 10^0..10^6 and keeps the ten best by
// |value - target|, earlier candidates first among equal errors. Places no candidate
// reached keep R1 = R2 = 1.

// R1/R2 close to `ratio`. R2 stays a plain mantissa; a ratio below 1 is searched as its
// inverse and the pairs are given back exchanged.
Proposals FindRatio(Series series, double ratio);
// R1 + R2 close to `target`.
Proposals FindSeriesPair(Series series, double target);
// R1 * R2 / (R1 + R2) close to `target`.
Proposals FindParallelPair(Series series, double target);

// The result texts, one block per proposal.
std::string RatioText(const Proposals& pairs, double ratio);
std::string DividerText(const Proposals& pairs, double total, double part);
std::string SeriesText(const Proposals& pairs, double target);
std::string ParallelText(const Proposals& pairs, double target);

// What the result field shows after each search button, given the fields as typed;
// nullopt leaves the field as it was.
// Empty ratio (after trimming): nullopt.
std::optional<std::string> RatioSearch(Series series, const std::string& ratio_field);
// `part_field` is the voltage wanted across R2. A total below it, or 0 for it: nullopt.
std::optional<std::string> DividerSearch(Series series, const std::string& total_field,
                                         const std::string& part_field);
std::string SeriesSearch(Series series, const std::string& target_field);
std::string ParallelSearch(Series series, const std::string& target_field);

}  // namespace circuit
