// The base of every binding: a dialog built from the template that `WindowTag` (the tag of
// a generated header, ui::NAME::Window) names, whose control verbs take that window's typed
// control names only. The number-taking verbs of Dialog stay for the console and the tests
// (the outside contract): those that read stay public; those that write or bind are hidden
// here, so a binding cannot write to a control by number.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "winsys/Dialog.h"
#include "winsys/Ids.h"

namespace winsys {

// (The parameter is not called Window: Dialog::Window() would hide it in here.)
template <typename WindowTag>
class DialogOf : public Dialog {
 public:
  using Control = ControlId<WindowTag>;

  DialogOf() : Dialog(WindowTag::kTemplate) {}

  using Dialog::ControlWidth;
  using Dialog::GetCurSel;
  using Dialog::GetItemCount;
  using Dialog::GetItems;
  using Dialog::GetItemText;
  using Dialog::GetPos;
  using Dialog::GetText;
  using Dialog::IsChecked;
  using Dialog::IsEnabled;
  using Dialog::IsReadOnly;

  std::string GetText(Control id) const { return Dialog::GetText(id.value); }
  void SetText(Control id, const std::string& text) { Dialog::SetText(id.value, text); }

  bool IsChecked(Control id) const { return Dialog::IsChecked(id.value); }
  void SetCheck(Control id, bool checked) { Dialog::SetCheck(id.value, checked); }
  void Enable(Control id, bool enable = true) { Dialog::Enable(id.value, enable); }
  bool IsEnabled(Control id) const { return Dialog::IsEnabled(id.value); }
  void SetReadOnly(Control id, bool read_only) { Dialog::SetReadOnly(id.value, read_only); }
  bool IsReadOnly(Control id) const { return Dialog::IsReadOnly(id.value); }
  void SetFocus(Control id) { Dialog::SetFocus(id.value); }

  void ResetContent(Control id) { Dialog::ResetContent(id.value); }
  void AddString(Control id, const std::string& item) { Dialog::AddString(id.value, item); }
  void SetCurSel(Control id, int index) { Dialog::SetCurSel(id.value, index); }
  int GetCurSel(Control id) const { return Dialog::GetCurSel(id.value); }
  std::vector<std::string> GetItems(Control id) const { return Dialog::GetItems(id.value); }

  void SetRange(Control id, int low, int high) { Dialog::SetRange(id.value, low, high); }
  void SetPos(Control id, int pos) { Dialog::SetPos(id.value, pos); }
  int GetPos(Control id) const { return Dialog::GetPos(id.value); }

  void InsertColumn(Control id, int column, const std::string& heading, int width) {
    Dialog::InsertColumn(id.value, column, heading, width);
  }
  void DeleteAllItems(Control id) { Dialog::DeleteAllItems(id.value); }
  int InsertItem(Control id, int row, const std::string& text) {
    return Dialog::InsertItem(id.value, row, text);
  }
  void SetItemText(Control id, int row, int column, const std::string& text) {
    Dialog::SetItemText(id.value, row, column, text);
  }
  std::string GetItemText(Control id, int row, int column) const {
    return Dialog::GetItemText(id.value, row, column);
  }
  int GetItemCount(Control id) const { return Dialog::GetItemCount(id.value); }

  void SetToolTip(Control id, const std::string& text) { Dialog::SetToolTip(id.value, text); }
  void SetTextColour(Control id, uint32_t rgb) { Dialog::SetTextColour(id.value, rgb); }

  void MoveControl(Control id, int x, int y, int width, int height) {
    Dialog::MoveControl(id.value, x, y, width, height);
  }
  void ResizeControl(Control id, int width, int height) {
    Dialog::ResizeControl(id.value, width, height);
  }
  int ControlWidth(Control id) const { return Dialog::ControlWidth(id.value); }
  void SetControlPainter(Control id, std::function<void(WindowPainter&)> paint) {
    Dialog::SetControlPainter(id.value, std::move(paint));
  }
  void InvalidateControl(Control id) { Dialog::InvalidateControl(id.value); }

 protected:
  void OnClicked(Control id, std::function<void()> handler) {
    Dialog::OnClicked(id.value, std::move(handler));
  }
  void OnChange(Control id, std::function<void()> handler) {
    Dialog::OnChange(id.value, std::move(handler));
  }
  void OnSelChange(Control id, std::function<void()> handler) {
    Dialog::OnSelChange(id.value, std::move(handler));
  }
  void OnLButtonDown(Control id, std::function<void(int x, int y)> handler) {
    Dialog::OnLButtonDown(id.value, std::move(handler));
  }
};

}  // namespace winsys
