#include "app/version.h"

#include <gtest/gtest.h>

#include "app/history.h"

namespace {

class VersionRecordTest : public testing::Test {
 protected:
  void TearDown() override { app::UseProgramVersionRecord(); }
};

TEST_F(VersionRecordTest, ReadsTheFiveKeysOfThisRelease) {
  const struct {
    const char* key;
    const char* value;
  } cases[] = {
      {"ProductName", "QuorKit"}, {"ProductVersion", "V2.7.4"}, {"FileVersion", "20241001"}};
  for (const auto& c : cases) {
    std::string text = "old";
    EXPECT_TRUE(app::ReadVersionString(c.key, text));
    EXPECT_EQ(text, c.value);
  }
  std::string company, copyright;
  EXPECT_TRUE(app::ReadVersionString("CompanyName", company));
  EXPECT_TRUE(app::ReadVersionString("LegalCopyright", copyright));
  EXPECT_FALSE(company.empty());
  EXPECT_FALSE(copyright.empty());
}

TEST_F(VersionRecordTest, FailureLeavesTheTextAsItWas) {
  std::string text = "kept";
  EXPECT_FALSE(app::ReadVersionString("NoSuchKey", text));
  EXPECT_EQ(text, "kept");

  app::UseVersionRecord(nullptr);
  EXPECT_FALSE(app::ReadVersionString("ProductName", text));
  EXPECT_EQ(text, "kept");

  app::VersionRecord no_translation = app::ProgramVersionRecord();
  no_translation.translations.clear();
  app::UseVersionRecord(&no_translation);
  EXPECT_FALSE(app::ReadVersionString("ProductName", text));
  EXPECT_EQ(text, "kept");
}

TEST_F(VersionRecordTest, LooksUpTheTableOfTheFirstTranslationOnly) {
  app::VersionRecord record = app::ProgramVersionRecord();
  record.translations.insert(record.translations.begin(), {0x0409, 0x04B0});
  app::UseVersionRecord(&record);
  std::string text;
  EXPECT_FALSE(app::ReadVersionString("ProductName", text));
  record.strings["\\StringFileInfo\\040904b0\\ProductName"] = "Other";
  EXPECT_TRUE(app::ReadVersionString("ProductName", text));
  EXPECT_EQ(text, "Other");
}

TEST_F(VersionRecordTest, CaptionAndAboutLineSkipWhatCannotBeRead) {
  EXPECT_EQ(app::MainCaption().rfind("QuorKit V2.7.4 - ", 0), 0u);
  EXPECT_EQ(app::AboutVersionLine(), "QuorKit V2.7.4(20241001)");

  app::VersionRecord lacking = app::ProgramVersionRecord();
  lacking.strings.erase("\\StringFileInfo\\080403a8\\FileVersion");
  lacking.strings.erase("\\StringFileInfo\\080403a8\\CompanyName");
  app::UseVersionRecord(&lacking);
  EXPECT_EQ(app::AboutVersionLine(), "QuorKit V2.7.4()");
  EXPECT_EQ(app::MainCaption(), "QuorKit V2.7.4 - ");

  app::UseVersionRecord(nullptr);
  EXPECT_EQ(app::AboutVersionLine(), " ()");
  EXPECT_EQ(app::MainCaption(), "  - ");
}

TEST(VersionHistory, NineteenLinesNewestFirstWithoutATrailingBreak) {
  const std::string history = app::VersionHistory();
  size_t breaks = 0;
  for (size_t at = history.find("\r\n"); at != std::string::npos;
       at = history.find("\r\n", at + 2)) {
    ++breaks;
  }
  EXPECT_EQ(breaks, 18u);
  EXPECT_EQ(history.rfind("V2.7.4(20241001):增加水加热计算器\r\n", 0), 0u);
  EXPECT_EQ(history.substr(history.size() - 24), "V2.3.0(20140912):2014版");
}

}  // namespace
