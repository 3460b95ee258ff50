// The main menu's tools (res/menus/main_menu.json): one row per entry, with what the entry
// runs. tools/README.md lists them with their files.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "winsys/Dialog.h"
#include "winsys/Ids.h"

namespace app {

struct ToolEntry {
  winsys::CommandId command;  // a name of ui::main_menu
  // A tool with a window of its own: makes its dialog, which names its own template. The
  // main window makes it once and keeps it for the run.
  std::function<std::unique_ptr<winsys::Dialog>()> make;
  // A tool without a window of its own: runs its flow over `owner`, the main window.
  std::function<void(winsys::Dialog& owner)> run;
};

// Every entry of the main menu that does something; an entry without a row is shown
// disabled.
const std::vector<ToolEntry>& ToolTable();

// The row of menu command `command`, or nullptr.
const ToolEntry* FindTool(int command);

}  // namespace app
