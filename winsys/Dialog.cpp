#include "winsys/Dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTextDocument>
#include <QThread>
#include <QTreeWidget>
#include <algorithm>
#include <map>

#include "winsys/DialogWindow.h"
#include "winsys/Internal.h"
#include "winsys/Prompt.h"

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

// Multi-line edits hold "\r\n" line ends, as their users expect to read them back.
QString ToEditText(const std::string& text) {
  QString out = ToQt(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}
// Raw text keeps non-breaking spaces, which plain-text export would turn into blanks.
std::string FromEditText(const QPlainTextEdit& edit) {
  QString out = edit.document()->toRawText();
  out.replace(QChar::ParagraphSeparator, QChar('\n'));
  out.replace(QChar::LineSeparator, QChar('\n'));
  out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQt(out);
}

}  // namespace

namespace internal {

void WindowDestroyed(Dialog* dialog, DialogWindow* window) {
  if (dialog->Window() == window) {
    auto& live = Registry();
    live.erase(std::remove(live.begin(), live.end(), dialog), live.end());
    dialog->window_ = nullptr;
  }
}

bool ManualTimers() {
  return g_manual_timers;
}

}  // namespace internal

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
  const DialogTemplate* tmpl = FindDialogTemplate(template_id_);
  if (tmpl == nullptr) return false;
  QWidget* parent = owner ? owner->window_ : nullptr;
  window_ = new DialogWindow(this, *tmpl, parent);
  window_->SetModal(modal);
  Registry().push_back(this);
  for (const auto& [id, text] : handlers_->system_menu) window_->AppendSystemMenu(id, ToQt(text));
  for (const auto& [id, handler] : handlers_->mouse) window_->SetClickHandler(id, handler);
  OnInitDialog();
  return window_ != nullptr;
}

bool Dialog::Create(Dialog* owner) {
  if (window_) return true;
  if (!Build(owner, false)) return false;
  const DialogTemplate* tmpl = FindDialogTemplate(template_id_);
  if (window_ && tmpl->Has("visible")) window_->show();
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
    window_->show();
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

#define CONTROL(type, name, id) \
  auto* name = window_ ? qobject_cast<type*>(window_->Control(id)) : nullptr

std::string Dialog::GetText(int id) const {
  if (!window_) return std::string();
  QWidget* widget = window_->Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return FromQt(edit->text());
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return FromEditText(*edit);
  if (auto* label = qobject_cast<QLabel*>(widget)) return FromQt(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return FromQt(button->text());
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return FromQt(box->title());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return FromQt(combo->currentText());
  if (auto* bar = qobject_cast<QProgressBar*>(widget)) return std::to_string(bar->value());
  if (auto* slider = qobject_cast<QSlider*>(widget)) return std::to_string(slider->value());
  return std::string();
}

void Dialog::SetText(int id, const std::string& text) {
  if (!window_) return;
  QWidget* widget = window_->Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(ToQt(text));
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    edit->setPlainText(ToEditText(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQt(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQt(text));
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    box->setTitle(ToQt(text));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->isEditable()) combo->setEditText(ToQt(text));
  }
}

std::string Dialog::GetCaption() const {
  return window_ ? FromQt(window_->windowTitle()) : "";
}
void Dialog::SetCaption(const std::string& caption) {
  if (window_) window_->setWindowTitle(ToQt(caption));
}

bool Dialog::HasControl(int id) const {
  return window_ && window_->Control(id);
}

bool Dialog::IsChecked(int id) const {
  CONTROL(QAbstractButton, button, id);
  return button && button->isChecked();
}

void Dialog::SetCheck(int id, bool checked) {
  CONTROL(QAbstractButton, button, id);
  if (button && button->isCheckable()) button->setChecked(checked);
}

void Dialog::Enable(int id, bool enable) {
  if (window_ && window_->Control(id)) window_->Control(id)->setEnabled(enable);
}

bool Dialog::IsEnabled(int id) const {
  return window_ && window_->Control(id) && window_->Control(id)->isEnabled();
}

void Dialog::SetReadOnly(int id, bool read_only) {
  if (!window_) return;
  QWidget* widget = window_->Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setReadOnly(read_only);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) edit->setReadOnly(read_only);
}

void Dialog::SetFocus(int id) {
  if (window_ && window_->Control(id)) window_->Control(id)->setFocus();
}

void Dialog::ResetContent(int id) {
  CONTROL(QComboBox, combo, id);
  if (combo) combo->clear();
}

void Dialog::AddString(int id, const std::string& item) {
  CONTROL(QComboBox, combo, id);
  if (combo) {
    const QString edit_text = combo->currentText();
    combo->addItem(ToQt(item));
    // A combo box with an edit field keeps what was typed; adding items selects nothing.
    if (combo->isEditable()) {
      combo->setCurrentIndex(-1);
      combo->setEditText(edit_text);
    } else if (combo->count() == 1) {
      combo->setCurrentIndex(-1);
    }
  }
}

void Dialog::SetCurSel(int id, int index) {
  CONTROL(QComboBox, combo, id);
  if (combo) combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int Dialog::GetCurSel(int id) const {
  CONTROL(QComboBox, combo, id);
  return combo ? combo->currentIndex() : -1;
}

std::vector<std::string> Dialog::GetItems(int id) const {
  std::vector<std::string> items;
  CONTROL(QComboBox, combo, id);
  if (combo) {
    for (int i = 0; i < combo->count(); ++i) items.push_back(FromQt(combo->itemText(i)));
  }
  return items;
}

void Dialog::SetRange(int id, int low, int high) {
  if (!window_) return;
  QWidget* widget = window_->Control(id);
  if (auto* bar = qobject_cast<QProgressBar*>(widget)) bar->setRange(low, high);
  if (auto* slider = qobject_cast<QSlider*>(widget)) slider->setRange(low, high);
}

void Dialog::SetPos(int id, int pos) {
  if (!window_) return;
  QWidget* widget = window_->Control(id);
  if (auto* bar = qobject_cast<QProgressBar*>(widget)) bar->setValue(pos);
  if (auto* slider = qobject_cast<QSlider*>(widget)) slider->setValue(pos);
}

int Dialog::GetPos(int id) const {
  if (!window_) return 0;
  QWidget* widget = window_->Control(id);
  if (auto* bar = qobject_cast<QProgressBar*>(widget)) return bar->value();
  if (auto* slider = qobject_cast<QSlider*>(widget)) return slider->value();
  return 0;
}

bool Dialog::Click(int id) {
  CONTROL(QAbstractButton, button, id);
  if (!button || !button->isEnabled() || !button->isVisible()) return false;
  button->click();
  return true;
}

bool Dialog::Select(int id, int index) {
  CONTROL(QComboBox, combo, id);
  if (!combo || !combo->isEnabled() || index < 0 || index >= combo->count()) return false;
  combo->setCurrentIndex(index);
  Dispatch(id, kEventSelChange);
  return true;
}

bool Dialog::TypeText(int id, const std::string& text) {
  if (!window_) return false;
  QWidget* widget = window_->Control(id);
  if (!widget || !widget->isEnabled()) return false;
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (!combo->isEditable()) return false;
    combo->setEditText(ToQt(text));
    Dispatch(id, kEventChange);
    return true;
  }
  if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
    SetText(id, text);  // the edit's own change notification follows
    return true;
  }
  if (auto* slider = qobject_cast<QSlider*>(widget)) {
    bool ok = false;
    const int pos = ToQt(text).trimmed().toInt(&ok);
    if (!ok) return false;
    slider->setValue(pos);  // the slider's own change notification follows
    return true;
  }
  return false;
}

bool Dialog::ClickAt(int id, int x, int y) {
  if (!window_) return false;
  QWidget* widget = window_->Control(id);
  if (!widget || !widget->isEnabled() || !widget->isVisible() || !widget->rect().contains(x, y)) {
    return false;
  }
  const QString kind = widget->property("winsys_kind").toString();
  if (kind != QLatin1String("frame") && kind != QLatin1String("bitmap")) return false;
  const QPointF at(x, y);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
  return true;
}

void Dialog::InsertColumn(int id, int column, const std::string& heading, int width) {
  CONTROL(QTreeWidget, list, id);
  if (!list || column < 0) return;
  if (list->columnCount() <= column) list->setColumnCount(column + 1);
  list->headerItem()->setText(column, ToQt(heading));
  list->setColumnWidth(column, width);
}

void Dialog::DeleteAllItems(int id) {
  CONTROL(QTreeWidget, list, id);
  if (list) list->clear();
}

int Dialog::InsertItem(int id, int row, const std::string& text) {
  CONTROL(QTreeWidget, list, id);
  if (!list) return -1;
  const int count = list->topLevelItemCount();
  const int at = row < 0 || row > count ? count : row;
  auto* item = new QTreeWidgetItem();
  item->setText(0, ToQt(text));
  list->insertTopLevelItem(at, item);
  return at;
}

void Dialog::SetItemText(int id, int row, int column, const std::string& text) {
  CONTROL(QTreeWidget, list, id);
  if (!list || column < 0 || column >= list->columnCount()) return;
  if (QTreeWidgetItem* item = list->topLevelItem(row)) item->setText(column, ToQt(text));
}

std::string Dialog::GetItemText(int id, int row, int column) const {
  CONTROL(QTreeWidget, list, id);
  if (!list || column < 0 || column >= list->columnCount()) return std::string();
  QTreeWidgetItem* item = list->topLevelItem(row);
  return item ? FromQt(item->text(column)) : std::string();
}

int Dialog::GetItemCount(int id) const {
  CONTROL(QTreeWidget, list, id);
  return list ? list->topLevelItemCount() : 0;
}

void Dialog::SetTextColour(int id, uint32_t rgb) {
  CONTROL(QLabel, label, id);
  if (!label) return;
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
  label->setPalette(palette);
}

bool Dialog::RunMenuCommand(int id) {
  if (window_) {
    QAction* action = window_->MenuAction(id);
    if (action && !action->isEnabled()) return false;
  }
  return OnMenuCommand(id);
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
  Dispatch(kIdCancel, kEventClicked);
}

void Dialog::AppendSystemMenu(int id, const std::string& text) {
  handlers_->system_menu.emplace_back(id, text);
  if (window_) window_->AppendSystemMenu(id, ToQt(text));
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
  DialogWindow* window = window_;
  if (!window) return 0;
  if (QThread::currentThread() == window->thread()) return OnMessage(message, wparam, lparam);
  intptr_t result = 0;
  QMetaObject::invokeMethod(
      window,
      [this, message, wparam, lparam, &result] {
        if (window_) result = OnMessage(message, wparam, lparam);
      },
      Qt::BlockingQueuedConnection);
  return result;
}

void Dialog::PostCall(std::function<void()> call) {
  DialogWindow* window = window_;
  if (!window) return;
  QMetaObject::invokeMethod(
      window,
      [this, call = std::move(call)] {
        if (window_) call();
      },
      Qt::QueuedConnection);
}

void Dialog::MoveControl(int id, int x, int y, int width, int height) {
  if (window_ && window_->Control(id)) window_->Control(id)->setGeometry(x, y, width, height);
}

void Dialog::ResizeControl(int id, int width, int height) {
  if (window_ && window_->Control(id)) window_->Control(id)->resize(width, height);
}

void Dialog::SetControlPainter(int id, std::function<void(WindowPainter&)> paint) {
  if (window_) window_->SetPainter(id, std::move(paint));
}

void Dialog::InvalidateControl(int id) {
  DialogWindow* window = window_;
  if (!window || !window->Control(id)) return;
  QMetaObject::invokeMethod(window->Control(id), "update", Qt::QueuedConnection);
}

void Dialog::SetClientSize(int width, int height) {
  if (window_) window_->Client()->setFixedSize(width, height);
}

bool Dialog::GrabToPng(int id, const std::string& path) {
  if (!window_) return false;
  QWidget* widget = id == 0 ? static_cast<QWidget*>(window_) : window_->Control(id);
  if (!widget) return false;
  return widget->grab().save(ToQt(path), "PNG");
}

void Dialog::OnClicked(int id, std::function<void()> handler) {
  handlers_->map[{id, kEventClicked}] = std::move(handler);
}

void Dialog::OnChange(int id, std::function<void()> handler) {
  handlers_->map[{id, kEventChange}] = std::move(handler);
}

void Dialog::OnSelChange(int id, std::function<void()> handler) {
  handlers_->map[{id, kEventSelChange}] = std::move(handler);
}

void Dialog::OnLButtonDown(int id, std::function<void(int x, int y)> handler) {
  handlers_->mouse[id] = handler;
  if (window_) window_->SetClickHandler(id, std::move(handler));
}

void Dialog::Dispatch(int id, int event) {
  auto found = handlers_->map.find({id, event});
  if (found != handlers_->map.end()) {
    found->second();
    return;
  }
  if (event == kEventClicked && id == kIdOk) OnOK();
  if (event == kEventClicked && id == kIdCancel) OnCancel();
}

}  // namespace winsys
