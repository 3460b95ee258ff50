#include "tools/protocol/eqswitch.h"

#include <gtest/gtest.h>

namespace {

TEST(SwapOperands, Table) {
  const struct {
    const char* text;
    const char* op;
    const char* result;
  } cases[] = {
      {"PORTA=buf[0];", "=", "buf[0]=PORTA;"},
      {"\tx=y;\r\n", "=", "\ty=x;\r\n"},
      {"a=b\r\nc=d", "=", "b=a\r\nd=c"},
      {"a=b\r\nc=d\r\n", "=", "b=a\r\nd=c\r\n"},
      {"a=b=c;", "=", "b=c=a;"},
      {"x += 1;", "=", "x =+ 1;"},
      {"a = b;", "=", "a = b;"},
      {"no operator here;\r\n", "=", "no operator here;\r\n"},
      {"a=b;", "   ", "a=b;"},
      {"a=b;", "", "a=b;"},
      {"if(a==b)", "==", "b)==if(a"},
      {"  save[1]=x; y=z;  // keep\r\n", " = ", "  x=save[1]; y=z;  // keep\r\n"},
      {"    r0=PORTB; // 端口\r\n\r\nr1=PORTC;", "=", "    PORTB=r0; // 端口\r\n\r\nPORTC=r1;"},
      {"a=\r\n", "=", "=a\r\n"},
      {"=b\r\n", "=", "b=\r\n"},
      {"=", "=", "="},
      {"", "=", ""},
      {"\r\n\r\n", "=", "\r\n\r\n"},
      {"a<<b;", "<<", "b<<a;"},
      {"x;y=z w", "=", "x;z=y w"},
      // A lone LF ends a line as well.
      {"a=b\nc=d\n", "=", "b=a\nd=c\n"},
      // Whole characters only: 癮 is B0 61 in code page 936 and holds no 'a'.
      {"癮=中", "a", "癮=中"},
      {"数据=值;", "=", "值=数据;"},
      {"甲＝乙", "＝", "乙＝甲"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::SwapOperands(c.text, c.op), c.result) << c.text << " op " << c.op;
  }
}

TEST(SwapOperands, SwappingTwiceRestoresSimpleLines) {
  const std::string text = "\tTL0=save_tl0;\r\n\tTH0=save_th0;\r\n";
  EXPECT_EQ(protocol::SwapOperands(protocol::SwapOperands(text, "="), "="), text);
}

TEST(SwapOperands, ManyLinesAndInvalidBytes) {
  std::string text, expected;
  for (int i = 0; i < 20000; ++i) {
    text += "a" + std::to_string(i) + "=b;\r\n";
    expected += "b=a" + std::to_string(i) + ";\r\n";
  }
  EXPECT_EQ(protocol::SwapOperands(text, "="), expected);
  EXPECT_EQ(protocol::SwapOperands("\xff=\xfe;", "="), "\xfe=\xff;");
}

}  // namespace
