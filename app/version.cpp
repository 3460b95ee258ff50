#include "app/version.h"

#include "app/release.h"
#include "base/format.h"

namespace app {

namespace {

VersionRecord MakeProgramRecord() {
  VersionRecord record;
  record.translations.push_back({0x0804, 0x03A8});
  const std::string table = "\\StringFileInfo\\080403a8\\";
  record.strings[table + "ProductName"] = release::kProductName;
  record.strings[table + "ProductVersion"] = std::string("V") + release::kVersion;
  record.strings[table + "FileVersion"] = release::kDate;
  record.strings[table + "CompanyName"] = "www.quorkit.example";
  record.strings[table + "LegalCopyright"] = "Copyright (C) 2014-2024 quorkit.example";
  record.strings[table + "FileDescription"] = release::kProductName;
  record.strings[table + "InternalName"] = "quorkit";
  record.strings[table + "OriginalFilename"] = "quorkit";
  return record;
}

const VersionRecord* g_record = &ProgramVersionRecord();

}  // namespace

const VersionRecord& ProgramVersionRecord() {
  static const VersionRecord record = MakeProgramRecord();
  return record;
}

void UseVersionRecord(const VersionRecord* record) {
  g_record = record;
}
void UseProgramVersionRecord() {
  g_record = &ProgramVersionRecord();
}

bool ReadVersionString(const std::string& key, std::string& text) {
  const VersionRecord* record = g_record;
  if (record == nullptr || record->translations.empty()) return false;
  const auto [language, code_page] = record->translations.front();
  const std::string name = base::Format("\\StringFileInfo\\%04x%04x\\", language, code_page) + key;
  auto found = record->strings.find(name);
  if (found == record->strings.end()) return false;
  text = found->second;
  return true;
}

}  // namespace app
