// The font library menu when the disk refuses the file part-way.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/mcu/CFontCode.h"
#include "winsys/Prompt.h"

namespace {

namespace fs = std::filesystem;

constexpr int kBusyControls[] = {1010, 1043, 1064, 1006, 1008, 1009, 1007, 1011, 1};

class FontCodeDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    winsys::InstallPrompter(&prompter);
    dir = fs::temp_directory_path() / ("quorkit_fontcode_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_TRUE(dialog.Create(nullptr));
  }
  void TearDown() override {
    winsys::InstallPrompter(nullptr);
    fs::remove_all(dir);
  }

  winsys::ScriptedPrompter prompter;
  CFontCode dialog;
  fs::path dir;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(FontCodeDialogTest, WriteErrorNamesTheFileAndReleasesTheLock) {
  const fs::path target = dir / "ascii.bin";
  std::ofstream(target) << "earlier";
  prompter.QueueSave(target.string());

  // Files beyond 1000 bytes fail with EFBIG instead of stopping the test.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ran = dialog.RunMenuCommand(32815);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);

  ASSERT_TRUE(ran);
  ASSERT_EQ(prompter.messages().size(), 2u);
  EXPECT_EQ(prompter.messages()[0].title, "提示");
  EXPECT_EQ(prompter.messages()[1].text, "Disk full while accessing " + target.string() + ".");
  EXPECT_EQ(ReadAll(target), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  for (int id : kBusyControls) EXPECT_TRUE(dialog.IsEnabled(id)) << id;
  EXPECT_EQ(dialog.GetText(1001), "正在生成...\r\n(这可能需要较长的时间，请耐心等待！)\r\n");
}

TEST_F(FontCodeDialogTest, ControlsAreLockedWhileTheFileIsWritten) {
  // The warning box is shown after the lock is set and before the first record.
  std::vector<std::vector<bool>> seen;
  prompter.on_message = [&](const winsys::ScriptedPrompter::Message&) {
    std::vector<bool> states;
    for (int id : {1010, 1043, 1064, 1006, 1008, 1009, 1007, 1011, 1, 1002, 1028, 1029, 1036}) {
      states.push_back(dialog.IsEnabled(id));
    }
    seen.push_back(states);
  };
  prompter.QueueSave((dir / "lib.txt").string());
  ASSERT_TRUE(dialog.RunMenuCommand(32820));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], (std::vector<bool>{false, false, false, false, false, false, false, false,
                                        false, true, true, true, true}));
  for (int id : kBusyControls) EXPECT_TRUE(dialog.IsEnabled(id)) << id;
  EXPECT_EQ(fs::file_size(dir / "lib.txt"), 31u * 51u + 96u * 53u);
}

}  // namespace
