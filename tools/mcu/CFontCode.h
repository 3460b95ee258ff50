// Dot-matrix glyph generator window (template 149) with its font library menu (menu 168).
#pragma once

#include "tools/mcu/CGlyphCanvas.h"
#include "tools/mcu/fontlib.h"
#include "tools/mcu/glyph.h"
#include "winsys/Dialog.h"

class CFontCode : public winsys::Dialog {
 public:
  CFontCode();

 protected:
  void OnInitDialog() override;
  void OnOK() override;
  bool OnMenuCommand(int id) override;

 private:
  void Preview();
  void ThresholdedPreview();
  void Move(mcu::Move move);
  void OnChooseFont();
  void OnThreshold();
  void Generate(mcu::FontLibrary library);
  void Lock(bool busy);

  CGlyphCanvas canvas_;
  mcu::GlyphSampler sampler_{canvas_};
};
