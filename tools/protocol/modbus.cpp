#include "tools/protocol/modbus.h"

#include <algorithm>

#include "base/format.h"
#include "tools/protocol/checksum.h"
#include "tools/protocol/dechex.h"
#include "tools/protocol/hexbytes.h"

namespace protocol {

namespace {

constexpr size_t kDecimalByteLimit = 1023;

void AppendHeader(std::vector<uint8_t>* frame, uint8_t address, uint8_t function, uint16_t start,
                  uint16_t count) {
  for (const uint8_t byte :
       {address, function, static_cast<uint8_t>(start >> 8), static_cast<uint8_t>(start & 0xFF),
        static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count & 0xFF)}) {
    frame->push_back(byte);
  }
}

void AppendCrc(std::vector<uint8_t>* frame) {
  const uint16_t crc = Crc16Modbus(frame->data(), frame->size());
  frame->push_back(static_cast<uint8_t>(crc & 0xFF));
  frame->push_back(static_cast<uint8_t>(crc >> 8));
}

}  // namespace

std::vector<uint8_t> BuildReadRequest(uint8_t address, uint8_t function, uint16_t start,
                                      uint16_t count) {
  std::vector<uint8_t> frame;
  AppendHeader(&frame, address, function, start, count);
  AppendCrc(&frame);
  return frame;
}

std::vector<uint8_t> BuildWriteRequest(uint8_t address, uint8_t function, uint16_t start,
                                       uint16_t count, const std::vector<uint8_t>& data) {
  const size_t n = std::min(data.size(), kModbusByteLimit);
  std::vector<uint8_t> frame;
  frame.reserve(9 + n);
  AppendHeader(&frame, address, function, start, count);
  frame.push_back(static_cast<uint8_t>(n));
  frame.insert(frame.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
  AppendCrc(&frame);
  return frame;
}

std::string ReadRequestText(const ModbusFields& fields) {
  return FormatHexBytes(BuildReadRequest(ReadHexByte(fields.address), ReadHexByte(fields.function),
                                         ReadHexWord(fields.start), ReadHexWord(fields.count)));
}

std::string WriteRequestText(const ModbusFields& fields, const std::string& data) {
  return FormatHexBytes(BuildWriteRequest(ReadHexByte(fields.address), ReadHexByte(fields.function),
                                          ReadHexWord(fields.start), ReadHexWord(fields.count),
                                          ReadHexBytes(data, kModbusByteLimit)));
}

std::optional<std::string> DecimalRunsToHex(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::string out;
  for (const int32_t value : DecimalRuns(text, kDecimalByteLimit)) {
    out += base::Format("%.2X ", static_cast<unsigned>(value));
  }
  return out;
}

std::string AppendModbusCrc(const std::string& text) {
  const std::vector<uint8_t> bytes = ReadHexBytes(text, kModbusByteLimit);
  const uint16_t crc = Crc16Modbus(bytes.data(), bytes.size());
  return text + base::Format(" %.2X %.2X", crc & 0xFF, crc >> 8);
}

}  // namespace protocol
