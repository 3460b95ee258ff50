// How worker threads report to windows. Every worker (the serial transfer, the banner
// download, the GIF animation) follows the same pattern:
// - it holds a WindowLink to its window, never calls into the dialog itself, and reports
//   only by Post: the call runs later on the user-interface thread, after everything posted
//   to that window before it;
// - a call still queued when its window goes is dropped (Qt removes the pending calls of an
//   object that is destroyed), so nothing reaches a window that is gone;
// - nothing ever waits for the window, so the window side may always wait for the worker:
//   the worker honours a stop request within 200 ms, and whoever owns it requests the stop
//   and joins it before the window goes (Dialog::OnDestroy, the owner's destructor). A link
//   must not be used after that: it points at the window without owning it;
// - the data a worker works on is its own (a copy or a shared_ptr it holds), so the window
//   may change or drop its own copy at any time.
#pragma once

#include <functional>

class QObject;

namespace winsys {

class WindowLink {
 public:
  // A link to nothing: every post is dropped.
  WindowLink() = default;
  // Made on the user-interface thread; `window` lives on it.
  explicit WindowLink(QObject* window) : window_(window) {}

  // Any thread: runs `call` on the window's thread after every call posted to the same
  // window before it; dropped when the window is gone by then.
  void Post(std::function<void()> call) const;
  bool IsLinked() const { return window_ != nullptr; }

 private:
  QObject* window_ = nullptr;
};

}  // namespace winsys
