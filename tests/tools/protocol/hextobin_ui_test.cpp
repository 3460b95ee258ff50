// Menu command 32803 through the prompt seam: each dialog and message box in order, with
// its title, filters and answers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/CQuorDlg.h"
#include "tools/protocol/HexToBin.h"
#include "winsys/Prompt.h"

namespace {

// Records every prompt as one line and answers file dialogs from a queue (empty: cancel).
class RecordingPrompter : public winsys::Prompter {
 public:
  std::vector<std::string> log;
  std::deque<std::string> answers;

  void MessageBox(winsys::Dialog*, const std::string& text, const std::string& title) override {
    log.push_back("message [" + title + "] " + text);
  }
  bool OpenFile(winsys::Dialog*, const std::string& title,
                const std::vector<winsys::FileFilter>& filters, std::string* path) override {
    log.push_back("open [" + title + "]" + Filters(filters));
    return Answer(path);
  }
  bool SaveFile(winsys::Dialog*, const std::string& title,
                const std::vector<winsys::FileFilter>& filters, const std::string& default_ext,
                bool confirm_overwrite, std::string* path) override {
    log.push_back("save [" + title + "]" + Filters(filters) + " ext " + default_ext +
                  (confirm_overwrite ? " confirm" : " no-confirm"));
    return Answer(path);
  }
  bool ChooseFont(winsys::Dialog*, const std::string&, winsys::FontChoice*) override {
    log.push_back("font");
    return false;
  }

 private:
  static std::string Filters(const std::vector<winsys::FileFilter>& filters) {
    std::string text;
    for (const auto& filter : filters)
      text += " {" + filter.description + " " + filter.pattern + "}";
    return text;
  }
  bool Answer(std::string* path) {
    if (answers.empty()) return false;
    *path = answers.front();
    answers.pop_front();
    return !path->empty();
  }
};

const char kOpen[] = "open [请选择要转换的HEX格式文件] {Intel HEX File(*.hex) *.hex}";
const char kSave[] =
    "save [请指定BIN格式文件名] {Binary File(*.bin) *.bin} {All *.*} ext bin confirm";

class HexToBinTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/hextobin_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    winsys::InstallPrompter(&prompter_);
  }
  void TearDown() override {
    winsys::InstallPrompter(nullptr);
    std::system(("rm -rf '" + dir_ + "'").c_str());
  }
  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
    return dir_ + "/" + name;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ + "/" + name, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
  }

  RecordingPrompter prompter_;
  winsys::Dialog owner_{102};
  CIHexFile reader_;
  std::string dir_;
};

TEST_F(HexToBinTest, ConvertsWithTheOffsetNoticeFirst) {
  const std::string hex = Write("fw.hex", ":020000040001F9\n:0400000001020304F2\n:00000001FF\n");
  prompter_.answers = {hex, dir_ + "/fw"};
  RunHexToBin(owner_, reader_);
  EXPECT_EQ(
      prompter_.log,
      (std::vector<std::string>{
          kOpen, "message [提示] HEX文件指定的绝对偏移地址是:0x00010000,转换BIN文件后此信息将丢失!",
          kSave, "message [提示] 转换文件成功!"}));
  EXPECT_EQ(Read("fw.bin"), "\x01\x02\x03\x04");
  EXPECT_EQ(Read("fw"), "<none>");
}

TEST_F(HexToBinTest, EachWayOut) {
  const std::string good = Write("good.hex", ":0400000001020304F2\n:00000001FF\n");
  const struct {
    std::deque<std::string> answers;
    std::vector<std::string> log;
  } cases[] = {
      {{}, {kOpen}},
      {{dir_ + "/missing.hex"},
       {kOpen, "message [操作未完成] 打开文件:\n" + dir_ + "/missing.hex\n失败!"}},
      {{Write("bad.hex", ":0400000001020304F3\n:00000001FF\n")},
       {kOpen, "message [提示] 第1行发现沉余校验错误"}},
      {{Write("empty.hex", ":00000001FF\n")}, {kOpen, "message [提示] HEX文件中没有数据记录!"}},
      {{good}, {kOpen, kSave, "message [提示] 转换被取消!"}},
      {{good, dir_ + "/no/folder.bin"}, {kOpen, kSave, "message [提示] 创建或打开文件失败!"}},
      {{good, dir_ + "/out.BIN"}, {kOpen, kSave, "message [提示] 转换文件成功!"}},
      {{good, dir_ + "/out.hex"}, {kOpen, kSave, "message [提示] 转换文件成功!"}},
  };
  for (const auto& c : cases) {
    prompter_.log.clear();
    prompter_.answers = c.answers;
    RunHexToBin(owner_, reader_);
    EXPECT_EQ(prompter_.log, c.log);
  }
  EXPECT_EQ(Read("out.BIN"), "\x01\x02\x03\x04");
  EXPECT_EQ(Read("out.hex.bin"), "\x01\x02\x03\x04");
  EXPECT_EQ(Read("good.hex"), ":0400000001020304F2\n:00000001FF\n");
}

TEST_F(HexToBinTest, LinkKeepsPointingAndAFifoWithoutReaderFails) {
  const std::string good = Write("good.hex", ":0400000001020304F2\n:00000001FF\n");
  ASSERT_EQ(mkdir((dir_ + "/images").c_str(), 0755), 0);
  Write("images/real.bin", "earlier");
  ASSERT_EQ(symlink("images/real.bin", (dir_ + "/out.bin").c_str()), 0);
  ASSERT_EQ(mkfifo((dir_ + "/pipe.bin").c_str(), 0644), 0);
  prompter_.answers = {good, dir_ + "/out.bin"};
  RunHexToBin(owner_, reader_);
  prompter_.answers = {good, dir_ + "/pipe.bin"};
  RunHexToBin(owner_, reader_);
  EXPECT_EQ(prompter_.log,
            (std::vector<std::string>{kOpen, kSave, "message [提示] 转换文件成功!", kOpen, kSave,
                                      "message [提示] 创建或打开文件失败!"}));
  struct stat info {};
  ASSERT_EQ(lstat((dir_ + "/out.bin").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(Read("images/real.bin"), "\x01\x02\x03\x04");
  ASSERT_EQ(lstat((dir_ + "/pipe.bin").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A FIFO without a writer, a device or a folder picked in the open dialog gets the open
// failure at once instead of a window frozen on the open.
TEST_F(HexToBinTest, WhatIsNotAFileFailsAtOnce) {
  const std::string fifo = dir_ + "/fifo.hex";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), dir_}) {
    prompter_.log.clear();
    prompter_.answers = {path};
    RunHexToBin(owner_, reader_);
    EXPECT_EQ(prompter_.log, (std::vector<std::string>{
                                 kOpen, "message [操作未完成] 打开文件:\n" + path + "\n失败!"}));
  }
}

TEST_F(HexToBinTest, MainWindowRunsItFromItsMenu) {
  setenv("XDG_DATA_HOME", dir_.c_str(), 1);
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  EXPECT_TRUE(main.IsMenuCommandEnabled(32803));
  prompter_.answers = {Write("m.hex", ":0100000041BE\n:00000001FF"), dir_ + "/m.bin"};
  EXPECT_TRUE(main.RunMenuCommand(32803));
  EXPECT_EQ(prompter_.log,
            (std::vector<std::string>{kOpen, kSave, "message [提示] 转换文件成功!"}));
  EXPECT_EQ(Read("m.bin"), "A");
}

}  // namespace
