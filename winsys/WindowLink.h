// How worker threads report to windows. Every worker (the serial transfer, the banner
// download, the GIF animation) follows the same pattern:
// - it holds a WindowLink, never a pointer to the dialog, so a window or dialog that is gone
//   is never touched: once the link is cut, queued calls are dropped and sends return 0;
// - it reports only through Post (queued, run on the user-interface thread in the order
//   posted) or Send (the same, but it waits for the result);
// - the window side never waits for a worker: a closing window or the program's exit cuts
//   the link and goes on, and a worker blocked in Send on it is let go;
// - the data a worker works on is its own (a copy or a shared_ptr it holds), so the window
//   may change or drop its own copy at any time.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace winsys {

class WindowLink : public std::enable_shared_from_this<WindowLink> {
 public:
  // Made on the user-interface thread by the window's side (Dialog::Link()).
  explicit WindowLink(std::function<intptr_t(unsigned, uintptr_t, intptr_t)> on_message);
  ~WindowLink();

  // Any thread: runs `call` on the user-interface thread, after everything posted before.
  void Post(std::function<void()> call);
  // Any thread: runs the window's message handler on the user-interface thread and waits
  // for its result; 0 when the link is or becomes cut before it ran.
  intptr_t Send(unsigned message, uintptr_t wparam, intptr_t lparam);
  // User-interface thread: nothing reaches the window from now on; returns at once.
  void Cut();
  bool IsCut() const { return cut_; }

 private:
  struct PendingSend;
  std::function<intptr_t(unsigned, uintptr_t, intptr_t)> on_message_;
  std::atomic<bool> cut_{false};
  std::mutex mutex_;
  std::condition_variable released_;
  int waiting_ = 0;
};

}  // namespace winsys
