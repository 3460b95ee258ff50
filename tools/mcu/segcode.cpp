#include "tools/mcu/segcode.h"

#include "base/format.h"
#include "base/tr.h"

namespace mcu {

namespace {
constexpr uint8_t kA = 1 << 0, kB = 1 << 1, kC = 1 << 2, kD = 1 << 3, kE = 1 << 4, kF = 1 << 5,
                  kG = 1 << 6;
}  // namespace

const char kSegmentUsageText[] = BASE_TR_NOOP(
    "quorkit",
    "使用方法：\r\n  1.段名下的一行组合框设置数码管段与数据位对应关系，按[常规码]按钮可生成显示"
    "0,1,2,3,4,5,6,7,8,9,A,b,C,d,E,F所需的显示码;"
    "\r\n  2.数码管图片上点击选择各段的显示状态，再按[自定义码]按钮生成自定义显示码;");

const char kSegmentBitClashMessage[] =
    BASE_TR_NOOP("quorkit", "不同的段不能选择同一个位，请检查！");

SegmentBitMap DefaultSegmentBitMap() {
  return {0, 1, 2, 3, 4, 5, 6, 7};
}

bool IsSegmentBitMapValid(const SegmentBitMap& map) {
  unsigned used = 0;
  for (int bit : map) {
    if (bit < 0 || bit > 7 || (used & (1u << bit))) return false;
    used |= 1u << bit;
  }
  return true;
}

uint8_t SegmentCode(uint8_t lit, const SegmentBitMap& map, bool invert) {
  unsigned code = 0;
  for (size_t segment = 0; segment < map.size(); ++segment) {
    if (lit & (1u << segment)) code |= 1u << (map[segment] & 7);
  }
  if (invert) code = ~code;
  return static_cast<uint8_t>(code & 0xff);
}

const std::array<uint8_t, 16>& DigitPatterns() {
  static const std::array<uint8_t, 16> patterns = {
      kA | kB | kC | kD | kE | kF,       // 0
      kB | kC,                           // 1
      kA | kB | kD | kE | kG,            // 2
      kA | kB | kC | kD | kG,            // 3
      kB | kC | kF | kG,                 // 4
      kA | kC | kD | kF | kG,            // 5
      kA | kC | kD | kE | kF | kG,       // 6
      kA | kB | kC,                      // 7
      kA | kB | kC | kD | kE | kF | kG,  // 8
      kA | kB | kC | kD | kF | kG,       // 9
      kA | kB | kC | kE | kF | kG,       // A
      kC | kD | kE | kF | kG,            // b
      kA | kD | kE | kF,                 // C
      kB | kC | kD | kE | kG,            // d
      kA | kD | kE | kF | kG,            // E
      kA | kE | kF | kG,                 // F
  };
  return patterns;
}

std::string StandardCodeTable(const SegmentBitMap& map, bool invert) {
  std::string text = base::Tr("quorkit", "//0,1,2,...,d,E,F的显示码\r\nunsigned char 变量名[ ]={");
  bool first = true;
  for (uint8_t pattern : DigitPatterns()) {
    if (!first) text += ",";
    first = false;
    text += base::Format("0x%.2x", SegmentCode(pattern, map, invert));
  }
  return text + "};";
}

std::string CustomCodeLine(uint8_t lit, const SegmentBitMap& map, bool invert) {
  return base::Format("#define  XX_XX  0x%.2x", SegmentCode(lit, map, invert));
}

const std::array<PixelArea, kSegmentCount>& SegmentAreas() {
  static const std::array<PixelArea, kSegmentCount> areas = {{
      {28, 12, 53, 15},  // a
      {54, 17, 57, 37},  // b
      {54, 46, 57, 67},  // c
      {28, 69, 53, 72},  // d
      {24, 46, 27, 67},  // e
      {24, 17, 27, 37},  // f
      {28, 40, 53, 43},  // g
      {60, 72, 65, 77},  // dp
  }};
  return areas;
}

int SegmentAt(int x, int y) {
  const auto& areas = SegmentAreas();
  for (size_t segment = 0; segment < areas.size(); ++segment) {
    if (areas[segment].Contains(x, y)) return static_cast<int>(segment);
  }
  return -1;
}

}  // namespace mcu
