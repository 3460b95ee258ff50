#include "winsys/Dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <map>

#include "base/tr.h"
#include "winsys/DialogWindow.h"
#include "winsys/Internal.h"
#include "winsys/Prompt.h"
#include "winsys/WindowLink.h"

namespace winsys {

namespace {

std::vector<Dialog*>& Registry() {
  static std::vector<Dialog*> live;
  return live;
}

bool g_manual_timers = false;
std::function<void(Dialog*, bool)> g_modal_observer;

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}
std::string FromQt(const QString& text) {
  return text.toStdString();
}

void PrintMisuse(const std::string& what) {
  std::fprintf(stderr, "winsys: %s\n", what.c_str());
}
std::function<void(const std::string&)> g_misuse_handler = PrintMisuse;

constexpr int Event(ControlEvent event) {
  return static_cast<int>(event);
}

}  // namespace

namespace internal {

void WindowDestroyed(Dialog* dialog, DialogWindow* window) {
  if (dialog->Window() == window) {
    auto& live = Registry();
    live.erase(std::remove(live.begin(), live.end(), dialog), live.end());
    dialog->OnDestroy();  // the workers that post to the window end before it goes
    dialog->window_ = nullptr;
  }
}

bool ManualTimers() {
  return g_manual_timers;
}

}  // namespace internal

void SetMisuseHandler(std::function<void(const std::string&)> handler) {
  g_misuse_handler = handler ? std::move(handler) : PrintMisuse;
}

void Dialog::ReportMisuse(const char* verb, int id, const std::string& what) const {
  g_misuse_handler(std::string(verb) + " " + std::to_string(id) + ": " + what);
}

void SetManualTimers(bool manual) {
  g_manual_timers = manual;
}
void SetModalObserver(std::function<void(Dialog*, bool)> observer) {
  g_modal_observer = std::move(observer);
}

struct Dialog::Handlers {
  std::map<std::pair<int, int>, std::function<void()>> map;
  std::map<int, std::function<void(int, int)>> mouse;
  std::vector<std::pair<int, std::string>> system_menu;
};

// Every handler a binding bound must belong to a control of the template that raises it.
void Dialog::CheckHandlers() const {
  static const char* const kVerbs[] = {"OnClicked", "OnChange", "OnSelChange"};
  for (const auto& [key, handler] : handlers_->map) {
    const auto [id, event] = key;
    winsys::Control* control = window_->Find(id);
    if (control == nullptr && (id == kIdOk || id == kIdCancel)) continue;  // Enter and Esc
    if (control == nullptr) {
      ReportMisuse(kVerbs[event], id,
                   "no such control in template " + std::to_string(template_id_));
    } else if (!control->Raises(static_cast<ControlEvent>(event))) {
      ReportMisuse(kVerbs[event], id, "a " + control->kind() + " never raises it");
    }
  }
}

Dialog::Dialog(int template_id)
    : template_id_(template_id), handlers_(std::make_unique<Handlers>()) {}

Dialog::~Dialog() {
  if (window_) {
    DialogWindow* window = window_;
    window->Detach();
    auto& live = Registry();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    window_ = nullptr;
    delete window;
  }
}

bool Dialog::Build(Dialog* owner, bool modal) {
  std::string error;
  const DialogTemplate* tmpl = FindDialogTemplate(template_id_, &error);
  if (tmpl == nullptr) {
    ReportMisuse("Create", template_id_, error);
    return false;
  }
  QWidget* parent = owner ? owner->window_ : nullptr;
  window_ = new DialogWindow(this, *tmpl, parent);
  window_->SetModal(modal);
  Registry().push_back(this);
  for (const auto& [id, text] : handlers_->system_menu) {
    window_->AppendSystemMenu(id, ToQt(base::Tr("quorkit", text)));
  }
  CheckHandlers();
  for (const auto& [id, handler] : handlers_->mouse) {
    if (auto* area = Lookup<PaintControl>(id, "OnLButtonDown")) area->SetClickHandler(handler);
  }
  OnInitDialog();
  return window_ != nullptr;
}

bool Dialog::Create(Dialog* owner) {
  if (window_) return true;
  if (!Build(owner, false)) return false;
  const DialogTemplate* tmpl = FindDialogTemplate(template_id_);
  if (window_ && tmpl->Has("visible")) window_->ShowModeless();
  return window_ != nullptr;
}

int Dialog::DoModal(Dialog* owner) {
  if (window_) return -1;
  if (!Build(owner, true)) return -1;
  DialogWindow* window = window_;
  window->setWindowModality(Qt::ApplicationModal);
  if (g_modal_observer) g_modal_observer(this, true);
  const int result = window->exec();
  if (g_modal_observer) g_modal_observer(this, false);
  if (window_ == window) {
    OnDestroy();
    window->Detach();
    auto& live = Registry();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    window_ = nullptr;
    delete window;
  }
  return result;
}

bool Dialog::HasWindow() const {
  return window_ != nullptr;
}

void Dialog::ShowWindow(bool show) {
  if (!window_) return;
  if (show) {
    if (window_->IsModal()) {
      window_->show();
    } else {
      window_->ShowModeless();
    }
    window_->raise();
    window_->activateWindow();
  } else {
    window_->hide();
  }
}

bool Dialog::IsWindowVisible() const {
  return window_ && window_->isVisible();
}

void Dialog::EndDialog(int result) {
  if (!window_) return;
  if (window_->IsModal()) {
    window_->done(result);
  } else {
    window_->hide();
  }
}

std::vector<Dialog*> Dialog::LiveDialogs() {
  return Registry();
}

template <typename Kind>
Kind* Dialog::Lookup(int id, const char* verb) const {
  if (!window_) return nullptr;  // no window: nothing to act on, as before it is created
  winsys::Control* control = window_->Find(id);
  if (control == nullptr) {
    ReportMisuse(verb, id, "no such control in template " + std::to_string(template_id_));
    return nullptr;
  }
  auto* kind = dynamic_cast<Kind*>(control);
  if (kind == nullptr) ReportMisuse(verb, id, "a " + control->kind() + " does not support it");
  return kind;
}

QWidget* Dialog::Widget(int id, const char* verb) const {
  auto* control = Lookup<winsys::Control>(id, verb);
  return control ? control->widget() : nullptr;
}

std::string Dialog::GetText(int id) const {
  if (!window_) return std::string();
  winsys::Control* control = window_->Find(id);
  if (auto* range = dynamic_cast<RangeControl*>(control)) return std::to_string(range->Pos());
  auto* text = Lookup<TextControl>(id, "GetText");
  return text ? text->Text() : std::string();
}

void Dialog::SetText(int id, const std::string& text) {
  if (auto* control = Lookup<TextControl>(id, "SetText")) control->SetText(text);
}

std::string Dialog::GetCaption() const {
  return window_ ? FromQt(window_->windowTitle()) : "";
}
void Dialog::SetCaption(const std::string& caption) {
  if (window_) window_->setWindowTitle(ToQt(base::Tr("quorkit", caption)));
}

bool Dialog::HasControl(int id) const {
  return window_ && window_->Find(id);
}

bool Dialog::IsChecked(int id) const {
  auto* button = Lookup<ButtonControl>(id, "IsChecked");
  return button && button->IsChecked();
}

void Dialog::SetCheck(int id, bool checked) {
  auto* button = Lookup<ButtonControl>(id, "SetCheck");
  if (button && !button->SetChecked(checked)) ReportMisuse("SetCheck", id, "not checkable");
}

void Dialog::Enable(int id, bool enable) {
  if (QWidget* widget = Widget(id, "Enable")) widget->setEnabled(enable);
}

bool Dialog::IsEnabled(int id) const {
  QWidget* widget = Widget(id, "IsEnabled");
  return widget && widget->isEnabled();
}

void Dialog::SetReadOnly(int id, bool read_only) {
  if (auto* edit = Lookup<TypingControl>(id, "SetReadOnly")) edit->SetReadOnly(read_only);
}

bool Dialog::IsReadOnly(int id) const {
  auto* edit = Lookup<TypingControl>(id, "IsReadOnly");
  return edit && edit->IsReadOnly();
}

void Dialog::SetToolTip(int id, const std::string& text) {
  if (QWidget* widget = Widget(id, "SetToolTip")) {
    widget->setToolTip(ToQt(base::Tr("quorkit", text)));
  }
}

void Dialog::SetFocus(int id) {
  if (QWidget* widget = Widget(id, "SetFocus")) widget->setFocus();
}

void Dialog::ResetContent(int id) {
  if (auto* list = Lookup<ListControl>(id, "ResetContent")) list->Reset();
}

void Dialog::AddString(int id, const std::string& item) {
  if (auto* list = Lookup<ListControl>(id, "AddString")) list->Add(base::Tr("quorkit", item));
}

void Dialog::SetCurSel(int id, int index) {
  if (auto* list = Lookup<ListControl>(id, "SetCurSel")) list->SetCurrent(index);
}

int Dialog::GetCurSel(int id) const {
  auto* list = Lookup<ListControl>(id, "GetCurSel");
  return list ? list->Current() : -1;
}

std::vector<std::string> Dialog::GetItems(int id) const {
  auto* list = Lookup<ListControl>(id, "GetItems");
  return list ? list->Items() : std::vector<std::string>();
}

void Dialog::SetRange(int id, int low, int high) {
  if (auto* range = Lookup<RangeControl>(id, "SetRange")) range->SetRange(low, high);
}

void Dialog::SetPos(int id, int pos) {
  if (auto* range = Lookup<RangeControl>(id, "SetPos")) range->SetPos(pos);
}

int Dialog::GetPos(int id) const {
  auto* range = Lookup<RangeControl>(id, "GetPos");
  return range ? range->Pos() : 0;
}

void Dialog::InsertColumn(int id, int column, const std::string& heading, int width) {
  if (auto* list = Lookup<ReportControl>(id, "InsertColumn")) {
    list->InsertColumn(column, base::Tr("quorkit", heading), width);
  }
}

void Dialog::DeleteAllItems(int id) {
  if (auto* list = Lookup<ReportControl>(id, "DeleteAllItems")) list->DeleteAllItems();
}

int Dialog::InsertItem(int id, int row, const std::string& text) {
  auto* list = Lookup<ReportControl>(id, "InsertItem");
  return list ? list->InsertItem(row, text) : -1;
}

void Dialog::SetItemText(int id, int row, int column, const std::string& text) {
  if (auto* list = Lookup<ReportControl>(id, "SetItemText")) list->SetItemText(row, column, text);
}

std::string Dialog::GetItemText(int id, int row, int column) const {
  auto* list = Lookup<ReportControl>(id, "GetItemText");
  return list ? list->ItemText(row, column) : std::string();
}

int Dialog::GetItemCount(int id) const {
  auto* list = Lookup<ReportControl>(id, "GetItemCount");
  return list ? list->ItemCount() : 0;
}

void Dialog::SetTextColour(int id, uint32_t rgb) {
  if (auto* text = Lookup<ColourControl>(id, "SetTextColour")) text->SetTextColour(rgb);
}

// The user's actions below answer false where a user could not do them; they are not misuse.
bool Dialog::Click(int id) {
  winsys::Control* control = window_ ? window_->Find(id) : nullptr;
  auto* button = dynamic_cast<ButtonControl*>(control);
  if (!button || !control->widget()->isEnabled() || !control->widget()->isVisible()) {
    return false;
  }
  button->Press();
  return true;
}

bool Dialog::Select(int id, int index) {
  winsys::Control* control = window_ ? window_->Find(id) : nullptr;
  if (auto* report = dynamic_cast<ReportControl*>(control)) return report->SelectRow(index);
  auto* list = dynamic_cast<ListControl*>(control);
  return list && list->Select(index);
}

int Dialog::FocusedControl() const {
  return window_ ? window_->FocusedControl() : 0;
}

bool Dialog::TypeText(int id, const std::string& text) {
  winsys::Control* control = window_ ? window_->Find(id) : nullptr;
  if (!control || !control->widget()->isEnabled()) return false;
  if (auto* edit = dynamic_cast<TypingControl*>(control)) return edit->Type(text);
  if (auto* list = dynamic_cast<ListControl*>(control)) return list->Type(text);
  if (auto* range = dynamic_cast<RangeControl*>(control)) {
    bool ok = false;
    const int pos = QString::fromStdString(text).trimmed().toInt(&ok);
    return ok && range->Drag(pos);
  }
  return false;
}

bool Dialog::ClickAt(int id, int x, int y) {
  winsys::Control* control = window_ ? window_->Find(id) : nullptr;
  if (!dynamic_cast<PaintControl*>(control)) return false;
  QWidget* widget = control->widget();
  if (!widget->isEnabled() || !widget->isVisible() || !widget->rect().contains(x, y)) {
    return false;
  }
  const QPointF at(x, y);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
  return true;
}

bool Dialog::PressKey(int id, const std::string& name) {
  winsys::Control* control = window_ ? window_->Find(id) : nullptr;
  static const std::map<std::string, int> keys = {
      {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab}};
  auto key = keys.find(name);
  if (!control || key == keys.end()) return false;
  QWidget* widget = control->widget();
  if (!widget->isEnabled() || !widget->isVisible()) return false;
  // QComboBox forwards keys to its edit field, which is where the focus would be.
  QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
  target->setFocus(Qt::OtherFocusReason);
  QKeyEvent press(QEvent::KeyPress, key->second, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key->second, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &release);
  return true;
}

bool Dialog::RunMenuCommand(int id) {
  if (window_) {
    QAction* action = window_->MenuAction(id);
    if (action && !action->isEnabled()) return false;
  }
  return OnMenuCommand(id);
}

std::vector<int> Dialog::MenuCommands() const {
  return window_ ? window_->MenuCommands() : std::vector<int>();
}

bool Dialog::IsMenuCommandEnabled(int id) const {
  QAction* action = window_ ? window_->MenuAction(id) : nullptr;
  return action && action->isEnabled();
}

void Dialog::EnableMenuCommand(int id, bool enable) {
  QAction* action = window_ ? window_->MenuAction(id) : nullptr;
  if (action) action->setEnabled(enable);
}

void Dialog::SysCommand(int id) {
  OnSysCommand(id);
}

void Dialog::Close() {
  Dispatch(kIdCancel, Event(ControlEvent::kClicked));
}

void Dialog::AppendSystemMenu(int id, const std::string& text) {
  handlers_->system_menu.emplace_back(id, text);
  if (window_) window_->AppendSystemMenu(id, ToQt(base::Tr("quorkit", text)));
}

void Dialog::MessageBox(const std::string& text, const std::string& title) {
  CurrentPrompter().MessageBox(this, text, title);
}

void Dialog::SetTimer(int id, int period_ms) {
  if (window_) window_->StartTimer(id, period_ms);
}

void Dialog::KillTimer(int id) {
  if (window_) window_->StopTimer(id);
}

bool Dialog::HasTimer(int id) const {
  return window_ && window_->HasTimer(id);
}

void Dialog::TickTimer(int id) {
  if (HasTimer(id)) OnTimer(id);
}

intptr_t Dialog::SendMessage(unsigned message, uintptr_t wparam, intptr_t lparam) {
  return window_ ? OnMessage(message, wparam, lparam) : 0;
}

void Dialog::PostMessage(unsigned message, uintptr_t wparam, intptr_t lparam) {
  Link().Post([this, message, wparam, lparam] { OnMessage(message, wparam, lparam); });
}

void Dialog::PostCall(std::function<void()> call) {
  Link().Post(std::move(call));
}

WindowLink Dialog::Link() const {
  return WindowLink(window_);
}

void Dialog::MoveControl(int id, int x, int y, int width, int height) {
  if (QWidget* widget = Widget(id, "MoveControl")) widget->setGeometry(x, y, width, height);
}

void Dialog::ResizeControl(int id, int width, int height) {
  if (QWidget* widget = Widget(id, "ResizeControl")) widget->resize(width, height);
}

int Dialog::ControlWidth(int id) const {
  QWidget* widget = Widget(id, "ControlWidth");
  return widget ? widget->width() : 0;
}

void Dialog::SetControlPainter(int id, std::function<void(WindowPainter&)> paint) {
  if (auto* area = Lookup<PaintControl>(id, "SetControlPainter"))
    area->SetPainter(std::move(paint));
}

void Dialog::InvalidateControl(int id) {
  // Any thread: the repaint is queued to the control's own thread.
  DialogWindow* window = window_;
  QWidget* widget = window ? window->Control(id) : nullptr;
  if (widget) QMetaObject::invokeMethod(widget, "update", Qt::QueuedConnection);
}

void Dialog::SetClientSize(int width, int height) {
  if (window_) window_->Client()->setFixedSize(width, height);
}

bool Dialog::GrabToPng(int id, const std::string& path) {
  if (!window_) return false;
  QWidget* widget = id == 0 ? static_cast<QWidget*>(window_) : Widget(id, "GrabToPng");
  if (!widget) return false;
  return widget->grab().save(ToQt(path), "PNG");
}

void Dialog::OnClicked(int id, std::function<void()> handler) {
  handlers_->map[{id, Event(ControlEvent::kClicked)}] = std::move(handler);
}

void Dialog::OnChange(int id, std::function<void()> handler) {
  handlers_->map[{id, Event(ControlEvent::kChange)}] = std::move(handler);
}

void Dialog::OnSelChange(int id, std::function<void()> handler) {
  handlers_->map[{id, Event(ControlEvent::kSelChange)}] = std::move(handler);
}

void Dialog::OnLButtonDown(int id, std::function<void(int x, int y)> handler) {
  handlers_->mouse[id] = handler;
  if (auto* area = Lookup<PaintControl>(id, "OnLButtonDown")) {
    area->SetClickHandler(std::move(handler));
  }
}

void Dialog::Dispatch(int id, int event) {
  auto found = handlers_->map.find({id, event});
  if (found != handlers_->map.end()) {
    found->second();
    return;
  }
  if (event == Event(ControlEvent::kClicked) && id == kIdOk) OnOK();
  if (event == Event(ControlEvent::kClicked) && id == kIdCancel) OnCancel();
}

}  // namespace winsys
