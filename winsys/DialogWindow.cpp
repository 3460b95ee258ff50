#include "winsys/DialogWindow.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "winsys/Canvas.h"
#include "winsys/Dialog.h"
#include "winsys/Internal.h"

namespace winsys {

QFont TemplateFont(const std::string& face, int points) {
  // Both faces of the templates ("宋体" and "MS Shell Dlg", which a Chinese desktop maps to
  // the same Song face) are served by the Song-style face that Debian ships.
  (void)face;
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  return font;
}

DialogWindow::DialogWindow(Dialog* owner, const DialogTemplate& tmpl, QWidget* parent)
    : QDialog(parent), owner_(owner) {
  Build(tmpl);
}

DialogWindow::~DialogWindow() {
  if (owner_) internal::WindowDestroyed(owner_, this);
}

void DialogWindow::Build(const DialogTemplate& tmpl) {
  setWindowTitle(QString::fromStdString(tmpl.caption));
  const QFont font = TemplateFont(tmpl.font_face, tmpl.font_points);
  setFont(font);
  const QFontMetrics metrics(font);
  const int letters_width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  units_.base_x = (letters_width / 26 + 1) / 2;
  units_.base_y = metrics.height();

  // A window with a task-bar entry of its own must not be a transient dialog of its owner.
  Qt::WindowFlags flags = (tmpl.Has("appwindow") ? Qt::Window : Qt::Dialog) |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (tmpl.Has("minimizebox")) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  has_system_menu_ = tmpl.Has("sysmenu");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (tmpl.menu != 0) {
    menu_bar_ = new QMenuBar(this);
    for (const MenuPopup& popup : LoadMenu(tmpl.menu)) {
      QMenu* menu = menu_bar_->addMenu(QString::fromStdString(popup.text));
      for (const MenuItem& item : popup.items) {
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        const int id = item.id;
        menu_actions_[id] = action;
        menu_commands_.push_back(id);
        connect(action, &QAction::triggered, this, [this, id] {
          if (owner_) owner_->RunMenuCommand(id);
        });
      }
    }
    layout->setMenuBar(menu_bar_);
  }
  client_ = new QWidget(this);
  client_->setFixedSize(units_.X(tmpl.width), units_.Y(tmpl.height));
  layout->addWidget(client_);

  QObject* radio_group = nullptr;
  BuildContext context{client_, units_, [this](int id, ControlEvent event) { Notify(id, event); },
                       &radio_group};
  for (const ControlTemplate& row : tmpl.controls) {
    if (row.kind != "radio") radio_group = nullptr;
    const ControlKind* kind = FindControlKind(row.kind);
    if (kind == nullptr) continue;  // the template reader refuses such rows
    std::unique_ptr<winsys::Control> control = kind->build(row, context);
    control->widget()->setProperty("winsys_kind", QString::fromStdString(row.kind));
    if (row.id >= 0) {
      control->widget()->setProperty("winsys_id", row.id);
      controls_[row.id] = std::move(control);
    } else {
      unnamed_.push_back(std::move(control));
    }
  }
}

void DialogWindow::PlaceBelowOwner() {
  QWidget* owner = parentWidget();
  if (placed_ || owner == nullptr) return;
  placed_ = true;
  // Below the owner, left-aligned with it; each further window one title bar lower, so a
  // new tool never hides the owner's menu or the tool opened before it.
  const int order = owner->property("winsys_cascade").toInt();
  owner->setProperty("winsys_cascade", order + 1);
  const QRect owner_frame = owner->frameGeometry();
  const QSize decoration = owner_frame.size() - owner->geometry().size();
  int title_height = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  if (decoration.height() > decoration.width()) {
    title_height = decoration.height() - decoration.width();
  }
  adjustSize();
  const QSize frame = size() + decoration;
  QPoint at(owner_frame.left(), owner_frame.bottom() + 1 + order * title_height);
  if (QScreen* screen = owner->screen()) {
    const QRect room = screen->availableGeometry();
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - frame.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - frame.height())));
  }
  move(at);
}

QWidget* DialogWindow::Control(int id) const {
  winsys::Control* control = Find(id);
  return control ? control->widget() : nullptr;
}

winsys::Control* DialogWindow::Find(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.get();
}

QAction* DialogWindow::MenuAction(int id) const {
  auto found = menu_actions_.find(id);
  return found == menu_actions_.end() ? nullptr : found->second;
}

void DialogWindow::AppendSystemMenu(int id, const QString& text) {
  if (has_system_menu_) system_menu_.emplace_back(id, text);
}

void DialogWindow::StartTimer(int id, int period_ms) {
  if (internal::ManualTimers()) {
    manual_timers_.insert(id);
    return;
  }
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, id] {
      if (owner_) owner_->TickTimer(id);
    });
  }
  timer->start(period_ms);
}

void DialogWindow::StopTimer(int id) {
  manual_timers_.erase(id);
  auto found = timers_.find(id);
  if (found != timers_.end()) found->second->stop();
}

bool DialogWindow::HasTimer(int id) const {
  if (manual_timers_.count(id)) return true;
  auto found = timers_.find(id);
  return found != timers_.end() && found->second->isActive();
}

void DialogWindow::Notify(int id, ControlEvent event) {
  if (owner_) owner_->Dispatch(id, static_cast<int>(event));
}

void DialogWindow::reject() {
  // Esc and the close box mean Cancel, which the dialog object decides about.
  if (owner_) {
    owner_->Dispatch(kIdCancel, static_cast<int>(ControlEvent::kClicked));
  } else {
    QDialog::reject();
  }
}

void DialogWindow::accept() {
  if (owner_) {
    owner_->Dispatch(kIdOk, static_cast<int>(ControlEvent::kClicked));
  } else {
    QDialog::accept();
  }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (system_menu_.empty() || owner_ == nullptr) return;
  QMenu menu(this);
  for (const auto& [id, text] : system_menu_) {
    QAction* action = menu.addAction(text);
    action->setData(id);
  }
  if (QAction* chosen = menu.exec(event->globalPos())) {
    if (owner_) owner_->SysCommand(chosen->data().toInt());
  }
}

}  // namespace winsys
