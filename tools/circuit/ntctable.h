// NTC tables: the resistance of a B-parameter thermistor, or the ADC reading of it in a
// divider with a fixed resistor, for every whole degree from -40 to 119 Celsius, written
// as C array initializer text.
#pragma once

#include <string>

#include "base/tr.h"

namespace circuit {

struct NtcOptions {
  bool hex = false;      // "0x%4X," codes, values of 65535 or more as 0xFFFF
  bool tenfold = false;  // values times 10 (before the 0xFFFF limit)
  bool integer = false;  // "%.0f," instead of "%.2f," (no effect with hex)
};

// Upper: the fixed resistor from the reference to the tap, the thermistor to ground.
enum class NtcDivider { kUpper, kLower };

inline constexpr int kNtcFirstCelsius = -40;
inline constexpr int kNtcLastCelsius = 119;

// Rt(T) = R25 * exp(B * (1/(T + 273.15) - 1/298.15)).
double NtcResistance(double r25, double b, int celsius);
// FS * Rt / (Rt + Rd) for the upper connection, FS minus that for the lower one.
double NtcAdcReading(double r25, double b, double rd, double full_scale, NtcDivider divider,
                     int celsius);
// One table entry with its comma.
std::string NtcEntry(double value, const NtcOptions& options);

std::string NtcResistanceTable(double r25, double b, const NtcOptions& options);
std::string NtcAdcTable(double r25, double b, double rd, double full_scale, NtcDivider divider,
                        const NtcOptions& options);

// From the fields as typed: either a message (title "错误", the output keeps its text) or
// the table text.
struct NtcResult {
  std::string message;
  std::string text;
};
inline constexpr const char* kNtcMessageTitle = BASE_TR_NOOP("quorkit", "错误");

NtcResult NtcResistanceTableFromFields(const std::string& r25, const std::string& b,
                                       const NtcOptions& options);
// resolution_index 0 is 10 bits (full scale 1024), any other 12 bits (4096).
NtcResult NtcAdcTableFromFields(const std::string& r25, const std::string& b, const std::string& rd,
                                int resolution_index, NtcDivider divider,
                                const NtcOptions& options);

// Shown when the window opens.
std::string NtcHelpText();

}  // namespace circuit
