// Seven-segment code generator window (res/dialogs/segment_code.json).
#pragma once

#include <cstdint>
#include <optional>

#include "tools/mcu/segcode.h"
#include "ui/segment_code.h"
#include "winsys/DialogOf.h"

class CSegCodeDlg : public winsys::DialogOf<ui::segment_code::Window> {
 public:
  CSegCodeDlg();

 protected:
  void OnInitDialog() override;
  void OnOK() override;  // "常规码"

 private:
  void OnCustomCode();
  void OnPictureClick(int x, int y);
  // The wiring chosen in the eight lists; nullopt (after telling the user) when two
  // segments share a bit.
  std::optional<mcu::SegmentBitMap> ReadBitMap();

  // Bit k set: segment k lit in the custom pattern. Lives as long as the object, so the
  // pattern survives hiding the window.
  uint8_t lit_ = 0;
};
