// Control kinds. Each kind of template row (edit, button, droplist, ...) has one adapter
// here: it builds the widget from the row and implements the verbs that kind supports, as
// one of the small interfaces below. Dialog's verbs look the control up by ID and ask it for
// the interface; a control that lacks it does not support the verb.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "winsys/Template.h"

namespace winsys {

class WindowPainter;
struct DialogUnits;

// What a control can tell its window; the window forwards it to the dialog object.
enum class ControlEvent { kClicked, kChange, kSelChange };

class Control {
 public:
  Control(std::string kind, QWidget* widget) : kind_(std::move(kind)), widget_(widget) {}
  virtual ~Control() = default;
  const std::string& kind() const { return kind_; }
  QWidget* widget() const { return widget_; }
  // Whether the control can raise `event` (checked against the handlers a binding binds).
  virtual bool Raises(ControlEvent) const { return false; }

 private:
  std::string kind_;
  QWidget* widget_;
};

struct TextControl {
  virtual ~TextControl() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// Takes text as a user typing it would; false while it cannot (read-only).
struct TypingControl {
  virtual ~TypingControl() = default;
  virtual bool Type(const std::string& text) = 0;
  virtual void SetReadOnly(bool read_only) = 0;
  virtual bool IsReadOnly() const = 0;
};

struct ButtonControl {
  virtual ~ButtonControl() = default;
  virtual void Press() = 0;
  virtual bool IsChecked() const { return false; }
  virtual bool SetChecked(bool) { return false; }  // false: not a check box or radio button
};

struct ListControl {
  virtual ~ListControl() = default;
  virtual void Reset() = 0;
  virtual void Add(const std::string& item) = 0;
  virtual void SetCurrent(int index) = 0;
  virtual int Current() const = 0;
  virtual std::vector<std::string> Items() const = 0;
  virtual bool Select(int index) = 0;  // as a user picking it, with notification
  virtual bool Type(const std::string&) { return false; }
};

struct RangeControl {
  virtual ~RangeControl() = default;
  virtual void SetRange(int low, int high) = 0;
  virtual void SetPos(int pos) = 0;
  virtual int Pos() const = 0;
  virtual bool Drag(int) { return false; }  // as a user moving it
};

struct ReportControl {
  virtual ~ReportControl() = default;
  virtual void InsertColumn(int column, const std::string& heading, int width) = 0;
  virtual void DeleteAllItems() = 0;
  virtual int InsertItem(int row, const std::string& text) = 0;
  virtual void SetItemText(int row, int column, const std::string& text) = 0;
  virtual std::string ItemText(int row, int column) const = 0;
  virtual int ItemCount() const = 0;
  virtual bool SelectRow(int row) = 0;  // as a user clicking it
};

// Frames and pictures: painted by their owner, clicked at a pixel.
struct PaintControl {
  virtual ~PaintControl() = default;
  virtual void SetPainter(std::function<void(WindowPainter&)> paint) = 0;
  virtual void SetClickHandler(std::function<void(int, int)> click) = 0;
};

struct ColourControl {
  virtual ~ColourControl() = default;
  virtual void SetTextColour(uint32_t rgb) = 0;
};

// Everything a kind's builder gets besides its row.
struct BuildContext {
  QWidget* parent;
  const DialogUnits& units;
  std::function<void(int id, ControlEvent event)> notify;
  // Radio buttons of one group share this; any other kind ends the group.
  QObject** radio_group;
};

struct ControlKind {
  const char* name;
  std::vector<const char*> styles;  // the styles a row of this kind may carry
  std::unique_ptr<Control> (*build)(const ControlTemplate& row, BuildContext& context);
};

// The kind named `name`, or nullptr for a kind nobody builds.
const ControlKind* FindControlKind(const std::string& name);

// Window styles a template may carry.
bool IsWindowStyle(const std::string& style);

}  // namespace winsys
