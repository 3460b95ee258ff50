#include "tools/circuit/ntctable.h"

#include <cmath>
#include <functional>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"

namespace circuit {

namespace {

constexpr const char* kRangeMessage = BASE_TR_NOOP("quorkit", "输入值范围超限!");

std::string Table(const char* header, const std::function<double(int)>& value,
                  const NtcOptions& options) {
  std::string text = header;
  int in_line = 0;
  for (int t = kNtcFirstCelsius; t <= kNtcLastCelsius; ++t) {
    text += NtcEntry(value(t), options);
    if (++in_line == 10) {
      text += base::Format("//%d℃ ~ %d℃\r\n", t - 9, t);
      in_line = 0;
    }
  }
  return text;
}

}  // namespace

double NtcResistance(double r25, double b, int celsius) {
  return r25 * std::exp(b * (1 / (celsius + 273.15) - 1 / 298.15));
}

double NtcAdcReading(double r25, double b, double rd, double full_scale, NtcDivider divider,
                     int celsius) {
  const double rt = NtcResistance(r25, b, celsius);
  const double share = full_scale * rt / (rt + rd);
  return divider == NtcDivider::kUpper ? share : full_scale - share;
}

std::string NtcEntry(double value, const NtcOptions& options) {
  if (options.tenfold) value = value * 10;
  if (options.hex) {
    // Beyond 16 bits, and values that are no number at all (an overflowing resistance),
    // show the limit.
    unsigned code = 0xFFFF;
    if (std::isfinite(value) && value < 65535) {
      double low = std::fmod(std::trunc(value), 65536.0);
      if (low < 0) low += 65536;
      code = static_cast<unsigned>(low);
    }
    std::string entry = base::Format("0x%4X,", code);
    for (char& ch : entry) {
      if (ch == ' ') ch = '0';
    }
    return entry;
  }
  return base::Format(options.integer ? "%.0f," : "%.2f,", value);
}

std::string NtcResistanceTable(double r25, double b, const NtcOptions& options) {
  return Table(
      base::Tr("quorkit", "//-40℃ ~ 119℃对应阻值(Ω):\r\n"),
      [&](int t) { return NtcResistance(r25, b, t); }, options);
}

std::string NtcAdcTable(double r25, double b, double rd, double full_scale, NtcDivider divider,
                        const NtcOptions& options) {
  return Table(
      base::Tr("quorkit", "//-40℃ ~ 119℃对应AD值:\r\n"),
      [&](int t) { return NtcAdcReading(r25, b, rd, full_scale, divider, t); }, options);
}

NtcResult NtcResistanceTableFromFields(const std::string& r25_field, const std::string& b_field,
                                       const NtcOptions& options) {
  const double r25 = base::ReadDecimalDouble(r25_field);
  const double b = base::ReadDecimalDouble(b_field);
  if (r25 < 10 || b < 10) return {base::Tr("quorkit", kRangeMessage), ""};
  return {"", NtcResistanceTable(r25, b, options)};
}

NtcResult NtcAdcTableFromFields(const std::string& r25_field, const std::string& b_field,
                                const std::string& rd_field, int resolution_index,
                                NtcDivider divider, const NtcOptions& options) {
  const double r25 = base::ReadDecimalDouble(r25_field);
  const double b = base::ReadDecimalDouble(b_field);
  const double rd = base::ReadDecimalDouble(rd_field);
  if (r25 < 10 || b < 10 || rd < 10) return {base::Tr("quorkit", kRangeMessage), ""};
  const double full_scale = resolution_index == 0 ? 1024 : 4096;
  return {"", NtcAdcTable(r25, b, rd, full_scale, divider, options)};
}

std::string NtcHelpText() {
  return base::Tr("quorkit",
                  "NTC阻值计算公式:\r\n"
                  "Rt = R *EXP(B*(1/T1-1/T2))\r\n"
                  "公式中：\r\n"
                  "Rt 是热敏电阻在T1温度下的阻值；\r\n"
                  "R是热敏电阻在T2常温下的标称阻值；\r\n"
                  "B值是热敏电阻的重要参数；\r\n"
                  "EXP是e的n次方；\r\n"
                  "T1和T2指的是K度即开尔文温度，K度=273.15(绝对温度)+摄氏度；");
}

}  // namespace circuit
