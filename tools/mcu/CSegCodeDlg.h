// Seven-segment code generator window (template 142).
#pragma once

#include <cstdint>
#include <optional>

#include "tools/mcu/segcode.h"
#include "winsys/Dialog.h"

class CSegCodeDlg : public winsys::Dialog {
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
