// The program's version record: named strings under the language and code page that the
// record declares, compiled into the program.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace app {

struct VersionRecord {
  // Translation list: pairs of (language, code page); the first one names the string table.
  std::vector<std::pair<uint16_t, uint16_t>> translations;
  // Sub-block name ("\StringFileInfo\080403a8\ProductName") to value.
  std::map<std::string, std::string> strings;
};

// This release's record.
const VersionRecord& ProgramVersionRecord();

// Replaces the record that lookups read; nullptr means the program has none. Tests only.
void UseVersionRecord(const VersionRecord* record);
void UseProgramVersionRecord();

// Looks `key` up in the program's version record. On success replaces `text` with the
// value; on any failure leaves `text` exactly as it was.
bool ReadVersionString(const std::string& key, std::string& text);

}  // namespace app
