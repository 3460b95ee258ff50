// Dot-matrix glyph generator window (res/dialogs/glyph_code.json) with its font library menu
// (res/menus/font_library_menu.json).
#pragma once

#include "tools/mcu/CGlyphCanvas.h"
#include "tools/mcu/fontlib.h"
#include "tools/mcu/glyph.h"
#include "ui/glyph_code.h"
#include "winsys/DialogOf.h"

class CFontCode : public winsys::DialogOf<ui::glyph_code::Window> {
 public:
  CFontCode();

 protected:
  void OnInitDialog() override;
  void OnOK() override;
  bool OnMenuCommand(int command) override;

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
