// Modbus RTU request frames, with the two typing aids of the Modbus tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace protocol {

// Byte limit of every hex byte field of the tool.
constexpr size_t kModbusByteLimit = 100;

// address, function, start (big-endian), count (big-endian), CRC-16/MODBUS low byte first.
std::vector<uint8_t> BuildReadRequest(uint8_t address, uint8_t function, uint16_t start,
                                      uint16_t count);

// As the read request, then the data byte count and the data bytes (at most
// kModbusByteLimit; more are ignored), then the CRC.
std::vector<uint8_t> BuildWriteRequest(uint8_t address, uint8_t function, uint16_t start,
                                       uint16_t count, const std::vector<uint8_t>& data);

// The request fields as typed: hex byte text, one byte for address and function, a
// big-endian word for start and count; a field without a complete byte gives 0.
struct ModbusFields {
  std::string address;
  std::string function;
  std::string start;
  std::string count;
};

// The frames as hex byte text ("%.2X " per byte).
std::string ReadRequestText(const ModbusFields& fields);
std::string WriteRequestText(const ModbusFields& fields, const std::string& data);

// Every run of decimal digits among the first 1023 bytes of the code page 936 form of
// `text` as "%.2X ". nullopt for empty text (the result field keeps its text).
std::optional<std::string> DecimalRunsToHex(const std::string& text);

// `text` unchanged, followed by " %.2X %.2X": the CRC-16/MODBUS of its hex bytes (at most
// kModbusByteLimit), low byte first. Without bytes the CRC is its initial value FFFF.
std::string AppendModbusCrc(const std::string& text);

}  // namespace protocol
