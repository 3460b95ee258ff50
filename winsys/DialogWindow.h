// The Qt window behind a winsys::Dialog: built from its template, forwarding notifications
// to the dialog object by control ID.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "winsys/Controls.h"
#include "winsys/Template.h"

class QAction;
class QMenuBar;
class QTimer;

namespace winsys {

class Dialog;
class WindowPainter;

// Pixel size of the font a template names, and the mapping of dialog units to pixels.
struct DialogUnits {
  int base_x = 6;   // average character width
  int base_y = 12;  // line height
  int X(int units) const { return (units * base_x + 2) / 4; }
  int Y(int units) const { return (units * base_y + 4) / 8; }
};

class DialogWindow : public QDialog {
  Q_OBJECT

 public:
  DialogWindow(Dialog* owner, const DialogTemplate& tmpl, QWidget* parent);
  ~DialogWindow() override;

  QWidget* Control(int id) const;
  // The adapter of control `id`, or nullptr.
  winsys::Control* Find(int id) const;
  QWidget* Client() const { return client_; }
  bool IsModal() const { return modal_; }
  void SetModal(bool modal) { modal_ = modal; }
  // Shows a modeless window. The first showing places it beside its owner (see
  // PlaceNewWindow) and gives the focus to its first input control; later showings keep
  // where the user left it and the focus it had, if that control can still take it.
  void ShowModeless();
  // The ID of the control that has the focus in this window, 0 when none.
  int FocusedControl() const;
  // The dialog object is going away: no more calls into it.
  void Detach() { owner_ = nullptr; }

  QAction* MenuAction(int id) const;
  const std::vector<int>& MenuCommands() const { return menu_commands_; }
  void AppendSystemMenu(int id, const QString& text);

  // Timers (a QTimer each, or only a record in manual-timer mode).
  void StartTimer(int id, int period_ms);
  void StopTimer(int id);
  bool HasTimer(int id) const;

  const DialogUnits& units() const { return units_; }

 protected:
  void reject() override;
  void accept() override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Build(const DialogTemplate& tmpl);
  void PlaceBesideOwner();
  void FocusFirstInput();
  void Notify(int id, ControlEvent event);

  Dialog* owner_;
  bool modal_ = false;
  bool placed_ = false;
  bool shown_before_ = false;
  DialogUnits units_;
  QWidget* client_ = nullptr;
  QMenuBar* menu_bar_ = nullptr;
  bool has_system_menu_ = false;
  std::map<int, std::unique_ptr<winsys::Control>> controls_;
  std::vector<std::unique_ptr<winsys::Control>> unnamed_;  // labels and group boxes
  std::map<int, QAction*> menu_actions_;
  std::vector<int> menu_commands_;
  std::vector<std::pair<int, QString>> system_menu_;
  std::map<int, QTimer*> timers_;
  std::set<int> manual_timers_;
};

// Where a new window with a frame of `size` goes, given its owner's frame `owner` (whose
// top `owner_header` pixels are its title and menu bars), the frames of the owner's other
// windows and the screen's available area: below the owner, else right of it, else left of
// it, else above it, the first side where it fits on the screen; from there one title bar on
// (away from the owner) while it would cover the owner's menu bar or another window's title
// bar. Always fully on the screen where the screen can hold it.
QPoint PlaceNewWindow(const QRect& owner, int owner_header, const QSize& size,
                      const std::vector<QRect>& others, int title_height, const QRect& screen);

// Font that stands in for a face named in a template, at `points` on a 96 dpi display.
QFont TemplateFont(const std::string& face, int points);

}  // namespace winsys
