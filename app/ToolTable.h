// Menu 136 and the tool dialog behind each entry.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "winsys/Dialog.h"

namespace app {

constexpr int kHexToBinCommand = 32803;

struct ToolEntry {
  int command;  // menu command ID
  // Makes the tool's dialog object.
  std::function<std::unique_ptr<winsys::Dialog>()> make;
};

// Every command of menu 136 that opens a tool window, with its dialog.
const std::vector<ToolEntry>& ToolTable();

}  // namespace app
