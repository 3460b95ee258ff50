#include "tools/circuit/findres.h"

#include <cmath>
#include <limits>
#include <vector>

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"
#include "base/tr.h"

namespace circuit {

namespace {

// Error of an untouched place; a candidate this far off never enters.
constexpr double kResetError = 1000000.0;

struct Slot {
  int r1_index = 0;
  int r2_index = 0;
  int r1_exponent = 0;
  int r2_exponent = 0;
  double error = kResetError;
};

// The ten best candidates in ascending order of error. Offer is the hot path of every
// search, so it rejects against the last place before anything else.
class RankedList {
 public:
  double worst() const { return slots_.back().error; }

  void Offer(double value, double target, int r1_index, int r2_index, int r1_exponent,
             int r2_exponent) {
    const double error = std::fabs(value - target);
    if (!(error < worst())) return;  // also drops NaN
    size_t place = 0;
    while (!(slots_[place].error > error)) ++place;  // ends at the last place at the latest
    for (size_t i = slots_.size() - 1; i > place; --i) slots_[i] = slots_[i - 1];
    slots_[place] = {r1_index, r2_index, r1_exponent, r2_exponent, error};
  }

  const std::array<Slot, kProposalCount>& slots() const { return slots_; }

 private:
  std::array<Slot, kProposalCount> slots_{};
};

// value[index * kDecades + exponent], each built by repeated multiplication by ten.
std::vector<double> ScaledValues(std::span<const double> mantissas) {
  std::vector<double> values;
  values.reserve(mantissas.size() * kDecades);
  for (double mantissa : mantissas) {
    double value = mantissa;
    for (int k = 0; k < kDecades; ++k, value *= 10) values.push_back(value);
  }
  return values;
}

Proposals ToPairs(std::span<const double> mantissas, const RankedList& list) {
  Proposals pairs;
  for (size_t n = 0; n < pairs.size(); ++n) {
    const Slot& slot = list.slots()[n];
    pairs[n] = {ScaleByDecades(mantissas[static_cast<size_t>(slot.r1_index)], slot.r1_exponent),
                ScaleByDecades(mantissas[static_cast<size_t>(slot.r2_index)], slot.r2_exponent)};
  }
  return pairs;
}

template <typename Combine>
Proposals FindPair(Series series, double target, Combine combine) {
  const std::span<const double> t = Mantissas(series);
  const std::vector<double> values = ScaledValues(t);
  const int n = static_cast<int>(t.size());
  RankedList list;
  double worst = list.worst();
  for (int i = 0; i < n; ++i) {
    for (int m = 0; m < kDecades; ++m) {
      const double a = values[static_cast<size_t>(i * kDecades + m)];
      const double* b = &values[0];
      for (int j = 0; j < n; ++j) {
        for (int k = 0; k < kDecades; ++k, ++b) {
          const double value = combine(a, *b);
          if (std::fabs(value - target) < worst) {
            list.Offer(value, target, j, i, k, m);
            worst = list.worst();
          }
        }
      }
    }
  }
  return ToPairs(t, list);
}

std::string PairText(const Proposals& pairs, double target, bool parallel) {
  std::string text;
  for (int n = 0; n < kProposalCount; ++n) {
    const ResistorPair& pair = pairs[static_cast<size_t>(n)];
    const double r1 = pair.r1;
    const double r2 = pair.r2;
    const double value = parallel ? r1 * r2 / (r1 + r2) : r1 + r2;
    text += base::Format(
        base::Tr("quorkit", "方案%d: R1=%f  R2=%f\r\n        等效值:%f  误差:%f\r\n\r\n"), n, r1,
        r2, value, std::fabs(target - value));
  }
  return text;
}

}  // namespace

Proposals FindRatio(Series series, double ratio) {
  const bool swapped = ratio < 1;
  if (swapped) {
    // The inverse of 0 is infinite: no candidate comes near it.
    ratio = ratio == 0 ? std::numeric_limits<double>::infinity() : 1 / ratio;
  }
  const std::span<const double> t = Mantissas(series);
  const std::vector<double> values = ScaledValues(t);
  const int n = static_cast<int>(t.size());
  RankedList list;
  for (int i = 0; i < n; ++i) {
    const double r2 = t[static_cast<size_t>(i)];
    const double* r1 = &values[0];
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < kDecades; ++k, ++r1) list.Offer(*r1 / r2, ratio, j, i, k, 0);
    }
  }
  Proposals pairs = ToPairs(t, list);
  if (swapped) {
    for (ResistorPair& pair : pairs) std::swap(pair.r1, pair.r2);
  }
  return pairs;
}

Proposals FindSeriesPair(Series series, double target) {
  return FindPair(series, target, [](double a, double b) { return a + b; });
}

Proposals FindParallelPair(Series series, double target) {
  return FindPair(series, target, [](double a, double b) { return a * b / (a + b); });
}

std::string RatioText(const Proposals& pairs, double ratio) {
  std::string text;
  for (int n = 0; n < kProposalCount; ++n) {
    const ResistorPair& pair = pairs[static_cast<size_t>(n)];
    const double r1 = pair.r1;
    const double r2 = pair.r2;
    text += base::Format(base::Tr("quorkit", "方案%d: R1=%f  R2=%f\r\n误差:%f\r\n\r\n"), n + 1, r1,
                         r2, std::fabs(ratio - r1 / r2));
  }
  return text;
}

std::string DividerText(const Proposals& pairs, double total, double part) {
  std::string text;
  for (int n = 0; n < kProposalCount; ++n) {
    const ResistorPair& pair = pairs[static_cast<size_t>(n)];
    const double r1 = pair.r1;
    const double r2 = pair.r2;
    const double part_given = total * r2 / (r1 + r2);   // across R2 with the total as given
    const double total_needed = part * (r1 + r2) / r2;  // total that gives the part exactly
    text += base::Format(
        base::Tr("quorkit",
                 "方案%d: R1=%f  R2=%f\r\n 电压:%f(V)/%f(V)或\r\n      %f(V)/%f(V)\r\n "
                 "误差:%f(V)/%f(V)\r\n\r\n"),
        n + 1, r1, r2, part_given, total, part, total_needed, std::fabs(part - part_given),
        std::fabs(total - total_needed));
  }
  return text;
}

std::string SeriesText(const Proposals& pairs, double target) {
  return PairText(pairs, target, false);
}

std::string ParallelText(const Proposals& pairs, double target) {
  return PairText(pairs, target, true);
}

std::optional<std::string> RatioSearch(Series series, const std::string& ratio_field) {
  const std::string trimmed = base::Trim(ratio_field);
  if (trimmed.empty()) return std::nullopt;
  const double ratio = base::ReadDecimalDouble(trimmed);
  return RatioText(FindRatio(series, ratio), ratio);
}

std::optional<std::string> DividerSearch(Series series, const std::string& total_field,
                                         const std::string& part_field) {
  const double total = base::ReadDecimalDouble(total_field);
  const double part = base::ReadDecimalDouble(part_field);
  if (total < part || part == 0) return std::nullopt;
  return DividerText(FindRatio(series, (total - part) / part), total, part);
}

std::string SeriesSearch(Series series, const std::string& target_field) {
  const double target = base::ReadDecimalDouble(target_field);
  return SeriesText(FindSeriesPair(series, target), target);
}

std::string ParallelSearch(Series series, const std::string& target_field) {
  const double target = base::ReadDecimalDouble(target_field);
  return ParallelText(FindParallelPair(series, target), target);
}

}  // namespace circuit
