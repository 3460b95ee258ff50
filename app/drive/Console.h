// quorkit-drive: runs a script of user actions against the program on Qt's offscreen
// platform and prints what the windows show.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "base/json.h"
#include "winsys/Prompt.h"

class CQuorDlg;
namespace winsys {
class Dialog;
}

namespace drive {

// Error lines echo raw input: bytes that are not UTF-8 become U+FFFD there.
using base::JsonString;

// A script command and its forms, written as the README's command table writes them
// ("select ID INDEX"; `answer` has four).
struct CommandSyntax {
  std::string name;
  std::vector<std::string> forms;
};
// Every command the console runs, in the order of the README's table.
std::vector<CommandSyntax> CommandSyntaxes();

class Console : public QObject {
 public:
  Console(std::vector<std::string> lines, CQuorDlg* main_dialog);
  ~Console() override;

  // Queues the first command; the script then runs inside the main window's event loop.
  void Start();
  // The main window has closed: every command still to come is an error line.
  void RunAfterMainClosed();
  int exit_status() const { return failed_ ? 2 : 0; }

 private:
  friend std::vector<CommandSyntax> CommandSyntaxes();
  class Args;
  struct Row;  // one command: its name, forms, window rule and handler
  static const std::vector<Row>& Commands();

  void ScheduleStep();
  void Step();
  void Execute(const std::string& line);
  void Error(const std::string& what);
  bool RequireControl(int id);
  bool RequireWindow();
  bool Blocked(winsys::Dialog* dialog, const std::string& command);
  void ReturnToPrevious();
  void Finish();

  // One handler per command (the table in Console.cpp names them).
  void Menu(Args& args);
  void SysCommand(Args& args);
  void Window(Args& args);
  void Set(Args& args);
  void Click(Args& args);
  void Select(Args& args);
  void Get(Args& args);
  void Caption(Args& args);
  void Enabled(Args& args);
  void Checked(Args& args);
  void Items(Args& args);
  void Command(Args& args);
  void Answer(Args& args);
  void Wait(Args& args);
  void Tick(Args& args);
  void Close(Args& args);
  void Grab(Args& args);
  void Key(Args& args);
  void ClickAt(Args& args);
  void Cell(Args& args);
  void Sleep(Args& args);
  void Focus(Args& args);
  void Serial(Args& args);

  std::vector<std::string> lines_;
  size_t next_ = 0;
  bool pending_ = false;
  bool finished_ = false;
  bool failed_ = false;
  CQuorDlg* main_;
  winsys::Dialog* current_;
  bool main_closed_ = false;
  std::vector<winsys::Dialog*> modal_;     // open modal boxes, innermost last
  std::vector<winsys::Dialog*> previous_;  // windows current before the current one
  winsys::ScriptedPrompter prompter_;
};

}  // namespace drive
