#include "tools/mcu/CFontCode.h"

#include "base/format.h"
#include "base/tr.h"
#include "ui/font_library_menu.h"
#include "winsys/Prompt.h"

namespace id = ui::glyph_code;

namespace {
namespace menu = ui::font_library_menu;

constexpr id::Control kBusyControls[] = {id::font,      id::width,     id::height,
                                         id::move_up,   id::move_left, id::move_right,
                                         id::move_down, id::preview,   id::generate};

constexpr char kHelp[] =
    BASE_TR_NOOP("quorkit",
                 "本程序提取点阵方式:\r\n1.上下8个点为一个字节，上面的点对应字节中低位\r\n2."
                 "上下方向每8个点为一行\r\n"
                 "3.每行从左到右方向提取到连续的字节缓冲区\r\n4.行按上下的顺序提取并存储.");
}  // namespace

CFontCode::CFontCode() {
  OnSelChange(id::width, [this] {
    sampler_.SetWidthIndex(GetCurSel(id::width));
    Preview();
  });
  OnChange(id::width, [this] {
    sampler_.SetWidth(mcu::ReadWidth(GetText(id::width)));
    Preview();
  });
  OnSelChange(id::height, [this] {
    sampler_.SetHeightIndex(GetCurSel(id::height));
    Preview();
  });
  OnClicked(id::move_up, [this] { Move(mcu::Move::kUp); });
  OnClicked(id::move_down, [this] { Move(mcu::Move::kDown); });
  OnClicked(id::move_left, [this] { Move(mcu::Move::kLeft); });
  OnClicked(id::move_right, [this] { Move(mcu::Move::kRight); });
  OnClicked(id::region, [this] { Preview(); });
  OnClicked(id::font, [this] { OnChooseFont(); });
  OnClicked(id::preview, [this] { ThresholdedPreview(); });
  OnChange(id::threshold, [this] { OnThreshold(); });
}

void CFontCode::OnInitDialog() {
  ResetContent(id::height);
  for (int height : mcu::kHeights) AddString(id::height, base::Format("%d", height));
  ResetContent(id::width);
  for (int width : mcu::kWidths) AddString(id::width, base::Format("%d", width));
  SetCurSel(id::height, 1);
  SetCurSel(id::width, 2);
  sampler_.region() = mcu::Region{};
  canvas_.SetFont(InitialGlyphFont());
  SetText(id::output, base::Tr("quorkit", kHelp));
  SetControlPainter(id::canvas, [this](winsys::WindowPainter& painter) {
    painter.DrawCanvas(canvas_.canvas(), 0, 0);
  });
  Preview();
  SetRange(id::threshold, 1, 255);
  SetPos(id::threshold, 200);
  OnThreshold();
}

void CFontCode::OnThreshold() {
  sampler_.set_threshold(GetPos(id::threshold));
  SetText(id::threshold_value, base::Format("%d", sampler_.threshold()));
}

void CFontCode::Preview() {
  sampler_.DrawPreview(mcu::GlyphSampler::PreviewCharacter(GetText(id::input)));
  InvalidateControl(id::canvas);
}

void CFontCode::ThresholdedPreview() {
  sampler_.DrawThresholdedPreview(mcu::GlyphSampler::PreviewCharacter(GetText(id::input)));
  InvalidateControl(id::canvas);
}

void CFontCode::Move(mcu::Move move) {
  sampler_.MoveRegion(move);
  Preview();
}

void CFontCode::OnChooseFont() {
  winsys::FontChoice choice;
  if (winsys::CurrentPrompter().ChooseFont(this, "宋体", &choice)) {
    canvas_.SetFont(GlyphFontFromChoice(choice));
  }
  Preview();
}

void CFontCode::OnOK() {
  SetText(id::output, sampler_.CodeText(GetText(id::input), IsChecked(id::reverse_bits)));
  InvalidateControl(id::canvas);
}

bool CFontCode::OnMenuCommand(int command) {
  switch (command) {
    case menu::kAsciiText:
      Generate(mcu::FontLibrary::kAsciiText);
      return true;
    case menu::kAscii8x8Text:
      Generate(mcu::FontLibrary::kAscii8x8Text);
      return true;
    case menu::kAsciiBinary:
      Generate(mcu::FontLibrary::kAsciiBinary);
      return true;
    case menu::kGb2312Binary:
      Generate(mcu::FontLibrary::kGb2312Binary);
      return true;
    default:
      return false;
  }
}

void CFontCode::Lock(bool busy) {
  for (const id::Control control : kBusyControls) Enable(control, !busy);
}

void CFontCode::Generate(mcu::FontLibrary library) {
  const mcu::LibraryTexts& texts = mcu::TextsOf(library);
  std::string path;
  const std::vector<winsys::FileFilter> filters = {{texts.filter_description, texts.filter_pattern},
                                                   {"All files (*.*)", "*.*"}};
  if (!winsys::CurrentPrompter().SaveFile(this, "", filters, texts.default_extension, false,
                                          &path)) {
    return;
  }
  mcu::LibraryFile file;
  std::string error;
  if (!file.Open(path, &error)) {
    MessageBox(error, "");  // the framework's file-error box, titled with the program's name
    return;
  }
  Lock(true);
  SetText(id::output, texts.start);
  MessageBox(texts.warning, base::Tr("quorkit", "提示"));
  const bool written = mcu::WriteFontLibrary(library, sampler_, file);
  InvalidateControl(id::canvas);
  if (!file.Commit(&error) || !written) {
    MessageBox(error, "");
  } else {
    SetText(id::output, GetText(id::output) + texts.end);
  }
  Lock(false);
}
