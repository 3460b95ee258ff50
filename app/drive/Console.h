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
  void ScheduleStep();
  void Step();
  void Execute(const std::string& line);
  void Error(const std::string& what);
  bool RequireControl(int id);
  bool RequireWindow();
  bool Blocked(winsys::Dialog* dialog, const std::string& command);
  void ReturnToPrevious();
  void Finish();

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
