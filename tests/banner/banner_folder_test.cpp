// The banner folder: made when missing, and cleared of downloads that a killed run left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "banner/BannerFolder.h"

namespace {

namespace fs = std::filesystem;

class BannerFolder : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/banner-folder-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    home_ = pattern;
    const char* before = std::getenv("XDG_DATA_HOME");
    had_data_home_ = before != nullptr;
    if (before) data_home_before_ = before;
    setenv("XDG_DATA_HOME", home_.c_str(), 1);
  }
  void TearDown() override {
    if (had_data_home_) {
      setenv("XDG_DATA_HOME", data_home_before_.c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    fs::remove_all(home_);
  }
  std::set<std::string> Entries(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
  }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  std::string home_;
  bool had_data_home_ = false;
  std::string data_home_before_;
};

TEST_F(BannerFolder, IsMadeWhenMissing) {
  const std::string folder = banner::PrepareBannerFolder();
  EXPECT_EQ(folder, home_ + "/QuorKit");
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(banner::PrepareBannerFolder(), folder);  // used as it is the second time
}

TEST_F(BannerFolder, TemporaryNames) {
  EXPECT_EQ(banner::TemporaryPattern(), ".veytoolad.gif-XXXXXX");
  for (const char* name :
       {".veytoolad.gif-AbC123", ".veytoolad.gif-000000", ".veytoolad.gif-zzzzzz"}) {
    EXPECT_TRUE(banner::IsTemporaryName(name)) << name;
  }
  for (const char* name :
       {"veytoolad.gif", ".veytoolad.gif-", ".veytoolad.gif-AbC12", ".veytoolad.gif-AbC1234",
        ".veytoolad.gif-AbC12.", ".veytoolad.gif_AbC123", "x.veytoolad.gif-AbC123",
        ".veytoolad.gif-AbC/23", ".VEYTOOLAD.GIF-AbC123"}) {
    EXPECT_FALSE(banner::IsTemporaryName(name)) << name;
  }
}

TEST_F(BannerFolder, LeftoverDownloadsGoAndNothingElse) {
  const std::string folder = home_ + "/QuorKit";
  ASSERT_TRUE(fs::create_directory(folder));
  const std::string outside = home_ + "/outside.gif";
  Write(outside, "kept");
  Write(folder + "/veytoolad.gif", "banner");
  Write(folder + "/.veytoolad.gif-AbC123", "left by a killed run");
  Write(folder + "/.veytoolad.gif-q9Z0x1", "");
  Write(folder + "/.veytoolad.gif-AbC12", "not our name");
  Write(folder + "/notes.txt", "the user's");
  fs::create_symlink(outside, folder + "/.veytoolad.gif-Link01");
  fs::create_symlink(home_ + "/nowhere", folder + "/.veytoolad.gif-Link02");
  fs::create_directory(folder + "/.veytoolad.gif-Dir123");
  Write(folder + "/.veytoolad.gif-Dir123/inside", "kept");
  ASSERT_EQ(mkfifo((folder + "/.veytoolad.gif-Fifo12").c_str(), 0600), 0);
  // A download of another run still writing: it holds its file locked.
  const std::string running = folder + "/.veytoolad.gif-Run123";
  Write(running, "being written");
  const int held = open(running.c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  EXPECT_EQ(banner::PrepareBannerFolder(), folder);
  const std::set<std::string> expected = {
      "veytoolad.gif",         ".veytoolad.gif-AbC12",  "notes.txt",
      ".veytoolad.gif-Link01", ".veytoolad.gif-Link02", ".veytoolad.gif-Dir123",
      ".veytoolad.gif-Fifo12", ".veytoolad.gif-Run123",
  };
  EXPECT_EQ(Entries(folder), expected);
  std::ifstream kept(outside);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
  EXPECT_TRUE(fs::exists(folder + "/.veytoolad.gif-Dir123/inside"));

  // Once that run is gone, its file goes at the next start.
  close(held);
  EXPECT_EQ(banner::RemoveLeftoverTemporaries(folder), 1);
  EXPECT_FALSE(fs::exists(running));
  EXPECT_EQ(banner::RemoveLeftoverTemporaries(folder), 0);
}

TEST_F(BannerFolder, AFolderThatCannotBeReadIsLeftAlone) {
  EXPECT_EQ(banner::RemoveLeftoverTemporaries(home_ + "/missing"), 0);
  Write(home_ + "/file", "x");
  EXPECT_EQ(banner::RemoveLeftoverTemporaries(home_ + "/file"), 0);
}

}  // namespace
