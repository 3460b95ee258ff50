#include "winsys/WindowLink.h"

#include <QCoreApplication>
#include <QThread>

namespace winsys {

namespace {

// Queues `call` to the user-interface thread; false when there is none any more.
bool Queue(std::function<void()> call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return false;
  return QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
}

bool OnUiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

}  // namespace

struct WindowLink::PendingSend {
  bool done = false;
  intptr_t result = 0;
};

WindowLink::WindowLink(std::function<intptr_t(unsigned, uintptr_t, intptr_t)> on_message)
    : on_message_(std::move(on_message)) {}

WindowLink::~WindowLink() = default;

void WindowLink::Post(std::function<void()> call) {
  if (cut_) return;
  Queue([self = shared_from_this(), call = std::move(call)] {
    if (!self->cut_) call();
  });
}

intptr_t WindowLink::Send(unsigned message, uintptr_t wparam, intptr_t lparam) {
  if (cut_) return 0;
  if (OnUiThread()) return on_message_(message, wparam, lparam);
  auto pending = std::make_shared<PendingSend>();
  auto self = shared_from_this();
  const bool queued = Queue([self, pending, message, wparam, lparam] {
    intptr_t result = 0;
    if (!self->cut_) result = self->on_message_(message, wparam, lparam);
    std::lock_guard<std::mutex> lock(self->mutex_);
    pending->result = result;
    pending->done = true;
    self->released_.notify_all();
  });
  if (!queued) return 0;
  std::unique_lock<std::mutex> lock(mutex_);
  released_.wait(lock, [&] { return pending->done || cut_; });
  return pending->done ? pending->result : 0;
}

void WindowLink::Cut() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    cut_ = true;
  }
  released_.notify_all();
}

}  // namespace winsys
