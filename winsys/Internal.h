// Shared between the winsys sources only.
#pragma once

namespace winsys {

class Dialog;
class DialogWindow;

namespace internal {

void WindowDestroyed(Dialog* dialog, DialogWindow* window);
bool ManualTimers();

}  // namespace internal
}  // namespace winsys
