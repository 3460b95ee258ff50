#include "tools/circuit/eseries.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using circuit::Mantissas;
using circuit::Series;

TEST(ESeries, SizesAndOrder) {
  const struct {
    Series series;
    size_t size;
    double last;
  } cases[] = {{Series::kE12, 12, 8.2}, {Series::kE24, 24, 9.1}, {Series::kE96, 96, 9.76}};
  for (const auto& c : cases) {
    const auto t = Mantissas(c.series);
    ASSERT_EQ(t.size(), c.size);
    EXPECT_EQ(t.front(), 1.0);
    EXPECT_EQ(t.back(), c.last);
    for (size_t i = 1; i < t.size(); ++i) EXPECT_LT(t[i - 1], t[i]) << c.size << " " << i;
  }
}

TEST(ESeries, E96IsTheRoundedGeometricSeries) {
  const auto t = Mantissas(Series::kE96);
  for (int i = 0; i < 96; ++i) {
    EXPECT_EQ(t[static_cast<size_t>(i)], std::round(100 * std::pow(10.0, i / 96.0)) / 100) << i;
  }
}

TEST(ESeries, E24IsTheRoundedSeriesWithItsHistoricalExceptions) {
  // These eight values of the standard depart from the rounded geometric series.
  const struct {
    int index;
    double value;
  } exceptions[] = {{10, 2.7}, {11, 3.0}, {12, 3.3}, {13, 3.6},
                    {14, 3.9}, {15, 4.3}, {16, 4.7}, {22, 8.2}};
  const auto t = Mantissas(Series::kE24);
  for (int i = 0; i < 24; ++i) {
    double expected = std::round(10 * std::pow(10.0, i / 24.0)) / 10;
    for (const auto& e : exceptions) {
      if (e.index == i) expected = e.value;
    }
    EXPECT_EQ(t[static_cast<size_t>(i)], expected) << i;
  }
}

TEST(ESeries, E12IsEveryOtherE24Value) {
  const auto e12 = Mantissas(Series::kE12);
  const auto e24 = Mantissas(Series::kE24);
  for (size_t i = 0; i < 12; ++i) EXPECT_EQ(e12[i], e24[2 * i]) << i;
}

TEST(ESeries, ValuesAreBuiltByRepeatedMultiplication) {
  // Repeated multiplication and one multiplication by the power differ in the last bit for
  // these, and the search results are defined on the former.
  EXPECT_EQ(circuit::ScaleByDecades(1.1, 2), 110.0);
  EXPECT_NE(1.1 * 100, 110.0);
  EXPECT_EQ(circuit::ScaleByDecades(9.76, 6), 9760000.0);
  EXPECT_EQ(circuit::ScaleByDecades(1.13, 3), 1129.9999999999998);
  EXPECT_EQ(circuit::ScaleByDecades(2.21, 0), 2.21);
}

}  // namespace
