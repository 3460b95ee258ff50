#include "winsys/WindowLink.h"

#include <QMetaObject>
#include <QObject>

namespace winsys {

void WindowLink::Post(std::function<void()> call) const {
  if (window_ == nullptr || !call) return;
  // Queued on the window's own thread in posting order; Qt discards the call with the
  // window's other pending events when the window is destroyed first.
  QMetaObject::invokeMethod(window_, std::move(call), Qt::QueuedConnection);
}

}  // namespace winsys
