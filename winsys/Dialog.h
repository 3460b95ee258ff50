// A dialog built from a template held in res/: controls are addressed by their numeric IDs,
// notifications are bound per control. The object lives on while its window comes and goes
// (created on first use, hidden on close), so bindings keep no Qt types of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "winsys/Ids.h"
#include "winsys/WindowLink.h"

class QWidget;

namespace winsys {

class Dialog;
class DialogWindow;
class WindowPainter;

namespace internal {
void WindowDestroyed(Dialog* dialog, DialogWindow* window);
}

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

class Dialog {
 public:
  explicit Dialog(int template_id);
  explicit Dialog(winsys::TemplateId template_id) : Dialog(template_id.value) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int TemplateId() const { return template_id_; }

  // Window life. Create builds the window (modeless, owned by `owner`) and runs
  // OnInitDialog; it shows the window at once only when the template is marked visible.
  bool Create(Dialog* owner);
  // Builds the window and runs it modally over `owner` until EndDialog; returns its result.
  int DoModal(Dialog* owner);
  bool HasWindow() const;
  void ShowWindow(bool show = true);
  bool IsWindowVisible() const;
  // Modal: ends the run with `result`. Modeless: hides the window.
  void EndDialog(int result);

  // Control verbs below name controls by ID. An ID the window does not have, or a verb the
  // control's kind does not support, is reported through the misuse handler (see
  // SetMisuseHandler) and then reads as empty and ignores writes. Control text is UTF-8;
  // GetText of a progress bar or track bar gives its position.
  std::string GetText(int id) const;
  void SetText(int id, const std::string& text);
  std::string GetCaption() const;
  void SetCaption(const std::string& caption);
  bool HasControl(int id) const;

  // Buttons and edits.
  bool IsChecked(int id) const;
  void SetCheck(int id, bool checked);
  void Enable(int id, bool enable = true);
  bool IsEnabled(int id) const;
  void SetReadOnly(int id, bool read_only);
  bool IsReadOnly(int id) const;
  void SetFocus(int id);

  // Drop-down lists and combo boxes (never sorted). GetCurSel gives -1 for no selection.
  void ResetContent(int id);
  void AddString(int id, const std::string& item);
  void SetCurSel(int id, int index);
  int GetCurSel(int id) const;
  std::vector<std::string> GetItems(int id) const;

  // Progress bars and track bars.
  void SetRange(int id, int low, int high);
  void SetPos(int id, int pos);
  int GetPos(int id) const;

  // Report-view lists: columns (width in pixels) and rows of cells, all counted from 0.
  void InsertColumn(int id, int column, const std::string& heading, int width);
  void DeleteAllItems(int id);
  int InsertItem(int id, int row, const std::string& text);  // the new row's index
  void SetItemText(int id, int row, int column, const std::string& text);
  std::string GetItemText(int id, int row, int column) const;
  int GetItemCount(int id) const;

  // The tip shown while the mouse rests on control `id` (any kind).
  void SetToolTip(int id, const std::string& text);

  // Text colour of a static text control.
  void SetTextColour(int id, uint32_t rgb);

  // What a user does, for the automation console and dialog tests. Each returns false
  // when the control does not exist or cannot take the action.
  bool Click(int id);
  // A list's item INDEX as a user picks it; on a report-view list, row INDEX as a click.
  bool Select(int id, int index);
  // The ID of the control that has the keyboard focus in this window; 0 when none has it.
  int FocusedControl() const;
  bool TypeText(int id, const std::string& text);
  // A left click at pixel (x, y) of a frame or picture (origin: its top-left pixel).
  bool ClickAt(int id, int x, int y);
  // Return, Escape or Tab pressed with the focus in control `id`.
  bool PressKey(int id, const std::string& name);
  bool RunMenuCommand(int id);
  bool IsMenuCommandEnabled(int id) const;
  // The command IDs of the window's own menu, in menu order.
  std::vector<int> MenuCommands() const;
  void EnableMenuCommand(int id, bool enable);
  void SysCommand(int id);
  // Closes the window as its close box does (Cancel).
  void Close();

  // Message box over this window through the prompt seam; OK only.
  void MessageBox(const std::string& text, const std::string& title = "提示");

  // Periodic timers on this window. In manual-timer mode (console, tests) nothing fires by
  // itself; TickTimer delivers one tick of a running timer.
  void SetTimer(int id, int period_ms);
  void KillTimer(int id);
  bool HasTimer(int id) const;
  void TickTimer(int id);

  // User-interface thread: runs OnMessage now and gives its result; 0 without a window.
  intptr_t SendMessage(unsigned message, uintptr_t wparam, intptr_t lparam);
  // Queue OnMessage (result dropped) or `call` for the user-interface thread, after every
  // call queued to this window before; dropped when the window has gone by then. From the
  // user-interface thread, or from a worker that is joined before the window goes.
  void PostMessage(unsigned message, uintptr_t wparam, intptr_t lparam);
  void PostCall(std::function<void()> call);
  // What a worker thread holds to report to this window (see WindowLink.h for the pattern).
  // Taken on the user-interface thread while the window exists (without one it reaches
  // nothing); valid until the window goes, so the worker is stopped and joined before that,
  // in OnDestroy or in the owner's destructor.
  WindowLink Link() const;

  // Geometry and painting of controls, in pixels.
  void MoveControl(int id, int x, int y, int width, int height);
  void ResizeControl(int id, int width, int height);
  int ControlWidth(int id) const;
  void SetControlPainter(int id, std::function<void(WindowPainter&)> paint);
  void InvalidateControl(int id);  // repaints later; workers post it through Link()

  // Fixed client size in pixels (below the menu bar, if any).
  void SetClientSize(int width, int height);
  // Writes what control `id` (0: the whole window) shows into a PNG file.
  bool GrabToPng(int id, const std::string& path);

  // Every dialog with a live window, oldest first.
  static std::vector<Dialog*> LiveDialogs();

  DialogWindow* Window() const { return window_; }

 protected:
  // Notifications. Bind them in the constructor; they fire once the window exists.
  void OnClicked(int id, std::function<void()> handler);
  void OnChange(int id, std::function<void()> handler);     // edit text, combo typing, slider
  void OnSelChange(int id, std::function<void()> handler);  // list selection
  // Left mouse button pressed on a frame or picture; x, y in its own pixels.
  void OnLButtonDown(int id, std::function<void(int x, int y)> handler);

  virtual void OnInitDialog() {}
  // Whether Esc closes the window (Cancel); the close box always does.
  virtual bool EscapeCloses() const { return true; }
  // The window is about to go while the dialog object stays (its modal run ended, or the
  // window of its owner went): stop and join the workers that report to it. A dialog that
  // is destroyed with its window does that in its own destructor instead.
  virtual void OnDestroy() {}
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }
  virtual void OnTimer(int /*id*/) {}
  virtual intptr_t OnMessage(unsigned /*message*/, uintptr_t /*wparam*/, intptr_t /*lparam*/) {
    return 0;
  }
  // Commands of the window's own menu. Return false for commands not handled.
  virtual bool OnMenuCommand(int /*id*/) { return false; }
  // Entries of the window-level menu (context menu); see AppendSystemMenu.
  virtual void OnSysCommand(int /*id*/) {}
  // Adds an entry to the window-level menu (the context menu of the window).
  void AppendSystemMenu(int id, const std::string& text);

 private:
  friend class DialogWindow;
  friend void internal::WindowDestroyed(Dialog* dialog, DialogWindow* window);
  struct Handlers;

  bool Build(Dialog* owner, bool modal);
  void Dispatch(int id, int event);
  void CheckHandlers() const;
  void ReportMisuse(const char* verb, int id, const std::string& what) const;
  // The control `id` as the interface that `verb` needs; nullptr (reported) when the window
  // has no such control or its kind does not support the verb.
  template <typename Kind>
  Kind* Lookup(int id, const char* verb) const;
  QWidget* Widget(int id, const char* verb) const;

  int template_id_;
  DialogWindow* window_ = nullptr;
  std::unique_ptr<Handlers> handlers_;
};

}  // namespace winsys

namespace winsys {

// Told of every verb that names a control its window does not have, or one whose kind does
// not support it. By default a line on standard error.
void SetMisuseHandler(std::function<void(const std::string&)> handler);

// Timers that fire only through Dialog::TickTimer (automation console, tests).
void SetManualTimers(bool manual);

// Told when a modal dialog's window opens (true) and when its run ends (false).
void SetModalObserver(std::function<void(Dialog*, bool)> observer);

}  // namespace winsys
