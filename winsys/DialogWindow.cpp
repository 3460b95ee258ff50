#include "winsys/DialogWindow.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
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
  Build(LocalizedTemplate(tmpl));
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

QPoint PlaceNewWindow(const QRect& owner, int owner_header, const QSize& size,
                      const std::vector<QRect>& others, int title_height, const QRect& screen) {
  const QRect header(owner.left(), owner.top(), owner.width(), std::max(0, owner_header));
  const auto covers = [&](const QRect& frame) {
    if (frame.intersects(header)) return true;
    for (const QRect& other : others) {
      if (frame.intersects(QRect(other.left(), other.top(), other.width(), title_height))) {
        return true;
      }
    }
    return false;
  };
  const auto on_screen = [&](QRect frame) {
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - size.width())));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - size.height())));
    return frame;
  };
  struct Side {
    QPoint at;
    int step;  // cascading direction: away from the owner
  };
  const Side sides[] = {
      {{owner.left(), owner.bottom() + 1}, 1},
      {{owner.right() + 1, owner.top()}, 1},
      {{owner.left() - size.width(), owner.top()}, 1},
      {{owner.left(), owner.top() - size.height()}, -1},
  };
  const int step = std::max(1, title_height);
  for (const Side& side : sides) {
    QRect frame(side.at, size);
    if (!screen.contains(frame)) continue;
    while (covers(frame)) {
      const QRect next = on_screen(frame.translated(0, side.step * step));
      if (next == frame) break;  // at the screen's edge
      frame = next;
    }
    if (!covers(frame)) return frame.topLeft();
  }
  // No side has room: the first side pulled onto the screen that leaves the bars free,
  // else below the owner as far as the screen allows.
  for (const Side& side : sides) {
    const QRect frame = on_screen(QRect(side.at, size));
    if (!covers(frame)) return frame.topLeft();
  }
  return on_screen(QRect(sides[0].at, size)).topLeft();
}

void DialogWindow::PlaceBesideOwner() {
  QWidget* owner = parentWidget();
  if (placed_ || owner == nullptr) return;
  placed_ = true;
  const QRect owner_frame = owner->frameGeometry();
  const QSize decoration = owner_frame.size() - owner->geometry().size();
  int title_height = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  if (decoration.height() > decoration.width()) {
    title_height = decoration.height() - decoration.width();
  }
  int owner_header = owner->geometry().top() - owner_frame.top();
  if (auto* bar = owner->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (bar->isVisible()) owner_header += bar->height();
  }
  std::vector<QRect> others;
  for (auto* other : owner->findChildren<DialogWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (other != this && other->isVisible()) others.push_back(other->frameGeometry());
  }
  adjustSize();
  const QSize frame = size() + decoration;
  QRect room(-100000, -100000, 200000, 200000);
  if (QScreen* screen = owner->screen()) room = screen->availableGeometry();
  move(PlaceNewWindow(owner_frame, owner_header, frame, others, title_height, room));
}

void DialogWindow::ShowModeless() {
  const bool first = !shown_before_;
  shown_before_ = true;
  PlaceBesideOwner();
  show();
  QWidget* focused = focusWidget();
  if (first || focused == nullptr || !focused->isEnabled() || !focused->isVisibleTo(this)) {
    FocusFirstInput();
  }
}

namespace {

bool IsReadOnlyField(const QWidget* widget) {
  if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->isReadOnly();
  if (auto* text = qobject_cast<const QPlainTextEdit*>(widget)) return text->isReadOnly();
  return false;
}

bool TakesTyping(const QWidget* widget) {
  return (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) &&
         !IsReadOnlyField(widget);
}

}  // namespace

// The first control of the tab order that takes typing, else the first that takes any input
// (a list, a button); read-only fields are passed over.
void DialogWindow::FocusFirstInput() {
  QWidget* first_input = nullptr;
  for (QWidget* widget = nextInFocusChain(); widget != this && widget != nullptr;
       widget = widget->nextInFocusChain()) {
    if (!client_->isAncestorOf(widget) || !widget->isEnabled() || !widget->isVisibleTo(this) ||
        !(widget->focusPolicy() & Qt::TabFocus) || IsReadOnlyField(widget)) {
      continue;
    }
    if (TakesTyping(widget)) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
    if (first_input == nullptr) first_input = widget;
  }
  if (first_input) first_input->setFocus(Qt::TabFocusReason);
}

int DialogWindow::FocusedControl() const {
  for (QWidget* widget = focusWidget(); widget != nullptr && widget != this;
       widget = widget->parentWidget()) {
    const QVariant id = widget->property("winsys_id");
    if (id.isValid()) return id.toInt();
  }
  return 0;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // A window that Esc must not close keeps the key to itself (its close box still closes).
  if (event->matches(QKeySequence::Cancel) && owner_ && !owner_->EscapeCloses()) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
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
