#include "tools/circuit/resparallel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(ParallelResistance, Texts) {
  const struct {
    std::vector<std::string> fields;
    const char* text;
  } cases[] = {
      {{"100", "100", "", ""}, "并联等效电阻：\r\n50.000000(Ω)"},
      {{"1000", "2200", "4700", ""}, "并联等效电阻：\r\n599.767981(Ω)"},
      {{"", "", "10", ""}, "并联等效电阻：\r\n10.000000(Ω)"},
      {{"", "", "", " 47k "}, "并联等效电阻：\r\n47.000000(Ω)"},
      {{"1e3", "1e3", "1e3", "1e3"}, "并联等效电阻：\r\n250.000000(Ω)"},
      {{"-100", "", "", ""}, "并联等效电阻：\r\n-100.000000(Ω)"},
      {{"100", "-50", "", ""}, "并联等效电阻：\r\n-100.000000(Ω)"},
      // A short circuit wins over everything else, negative values included.
      {{"0", "", "", ""}, "并联等效电阻：\r\n0.000000(Ω)"},
      {{"1000", "abc", "", ""}, "并联等效电阻：\r\n0.000000(Ω)"},
      {{"-0", "0", "-100", ""}, "并联等效电阻：\r\n0.000000(Ω)"},
      {{"-0", "", "", ""}, "并联等效电阻：\r\n0.000000(Ω)"},
      {{"0", "-1e-320", "", ""}, "并联等效电阻：\r\n0.000000(Ω)"},
      {{"1e-320", "-0", "-1e-320", ""}, "并联等效电阻：\r\n0.000000(Ω)"},
      {{"1e999", "", "", ""}, "输入错误!"},
      {{"1e999", "100", "", ""}, "并联等效电阻：\r\n100.000000(Ω)"},
      // Conductances that cancel have no equivalent.
      {{"100", "-100", "", ""}, "输入错误!"},
      {{"100", "100", "-50", ""}, "输入错误!"},
      {{"1e-320", "-1e-320", "", ""}, "输入错误!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(circuit::ParallelResistance(c.fields), c.text)
        << c.fields[0] << "|" << c.fields[1] << "|" << c.fields[2] << "|" << c.fields[3];
  }
}

TEST(ParallelResistance, NoResistorChangesNothing) {
  EXPECT_EQ(circuit::ParallelResistance({"", "", "", ""}), std::nullopt);
  EXPECT_EQ(circuit::ParallelResistance({" ", "\t", "\r\n", "  "}), std::nullopt);
}

}  // namespace
