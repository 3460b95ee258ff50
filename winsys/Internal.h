// Shared between the winsys sources only.
#pragma once

namespace winsys {

class Dialog;
class DialogWindow;

constexpr int kEventClicked = 0;
constexpr int kEventChange = 1;
constexpr int kEventSelChange = 2;

namespace internal {

void WindowDestroyed(Dialog* dialog, DialogWindow* window);
bool ManualTimers();

}  // namespace internal
}  // namespace winsys
