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
  // First showing of a modeless window: below its owner, cascaded, fully on the screen.
  // Later showings keep where the user left it.
  void PlaceBelowOwner();
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

 private:
  void Build(const DialogTemplate& tmpl);
  void Notify(int id, ControlEvent event);

  Dialog* owner_;
  bool modal_ = false;
  bool placed_ = false;
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

// Font that stands in for a face named in a template, at `points` on a 96 dpi display.
QFont TemplateFont(const std::string& face, int points);

}  // namespace winsys
