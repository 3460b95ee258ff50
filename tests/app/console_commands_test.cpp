// The console's command table and the README's: every form of every command the console runs
// is a row of the README's table and every form there is one the console runs, so the table
// stays the documentation. (install.man_drive_commands holds the man page to the README.)
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/drive/Console.h"

namespace {

std::string Join(const std::set<std::string>& forms) {
  std::string out;
  for (const std::string& form : forms) out += (out.empty() ? "" : ", ") + form;
  return out;
}

// The forms in backquotes in the first column of the console's command table.
std::set<std::string> ReadmeForms() {
  std::ifstream file(QUORKIT_SOURCE_DIR "/README.md");
  std::stringstream text;
  text << file.rdbuf();
  const std::string readme = text.str();
  const size_t start = readme.find("## The automation console");
  if (start == std::string::npos) return {};
  const size_t end = readme.find("\n## ", start);
  const std::string section = readme.substr(start, end - start);
  std::set<std::string> forms;
  const std::regex row(R"(^\| (`.*?) \|)", std::regex::multiline);
  const std::regex quoted("`([^`]+)`");
  for (std::sregex_iterator r(section.begin(), section.end(), row), none; r != none; ++r) {
    const std::string cell = (*r)[1];
    for (std::sregex_iterator q(cell.begin(), cell.end(), quoted); q != none; ++q) {
      forms.insert((*q)[1]);
    }
  }
  return forms;
}

TEST(ConsoleCommands, TableAndReadmeNameTheSameForms) {
  std::set<std::string> table;
  std::set<std::string> names;
  for (const drive::CommandSyntax& command : drive::CommandSyntaxes()) {
    EXPECT_TRUE(names.insert(command.name).second) << command.name << " twice in the table";
    EXPECT_FALSE(command.forms.empty()) << command.name;
    for (const std::string& form : command.forms) {
      EXPECT_TRUE(form == command.name || form.rfind(command.name + " ", 0) == 0)
          << form << " is not a form of " << command.name;
      table.insert(form);
    }
  }
  const std::set<std::string> readme = ReadmeForms();
  ASSERT_GE(readme.size(), 20u) << "the README's command table was not found";
  std::set<std::string> undocumented, unknown;
  for (const std::string& form : table) {
    if (!readme.count(form)) undocumented.insert(form);
  }
  for (const std::string& form : readme) {
    if (!table.count(form)) unknown.insert(form);
  }
  EXPECT_TRUE(undocumented.empty()) << "not in the README's table: " << Join(undocumented);
  EXPECT_TRUE(unknown.empty()) << "in the README's table, not run by the console: "
                               << Join(unknown);
}

}  // namespace
