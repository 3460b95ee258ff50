#include "tools/mcu/CFontCode.h"

#include "base/format.h"
#include "base/tr.h"
#include "winsys/Prompt.h"

namespace {
constexpr int kOutput = 1001;
constexpr int kInput = 1002;
constexpr int kUp = 1006;
constexpr int kDown = 1007;
constexpr int kLeft = 1008;
constexpr int kRight = 1009;
constexpr int kFont = 1010;
constexpr int kPreview = 1011;
constexpr int kThreshold = 1028;
constexpr int kRegion = 1029;
constexpr int kThresholdText = 1030;
constexpr int kReverse = 1036;
constexpr int kWidth = 1043;
constexpr int kCanvas = 1061;
constexpr int kHeight = 1064;
constexpr int kGenerate = winsys::kIdOk;

constexpr int kAsciiText = 32816;
constexpr int kAscii8x8Text = 32820;
constexpr int kAsciiBinary = 32815;
constexpr int kGb2312Binary = 1062;

constexpr int kBusyControls[] = {kFont,  kWidth, kHeight,  kUp,      kLeft,
                                 kRight, kDown,  kPreview, kGenerate};

constexpr char kHelp[] =
    BASE_TR_NOOP("quorkit",
                 "本程序提取点阵方式:\r\n1.上下8个点为一个字节，上面的点对应字节中低位\r\n2."
                 "上下方向每8个点为一行\r\n"
                 "3.每行从左到右方向提取到连续的字节缓冲区\r\n4.行按上下的顺序提取并存储.");
}  // namespace

CFontCode::CFontCode() : Dialog(149) {
  OnSelChange(kWidth, [this] {
    sampler_.SetWidthIndex(GetCurSel(kWidth));
    Preview();
  });
  OnChange(kWidth, [this] {
    sampler_.SetWidth(mcu::ReadWidth(GetText(kWidth)));
    Preview();
  });
  OnSelChange(kHeight, [this] {
    sampler_.SetHeightIndex(GetCurSel(kHeight));
    Preview();
  });
  OnClicked(kUp, [this] { Move(mcu::Move::kUp); });
  OnClicked(kDown, [this] { Move(mcu::Move::kDown); });
  OnClicked(kLeft, [this] { Move(mcu::Move::kLeft); });
  OnClicked(kRight, [this] { Move(mcu::Move::kRight); });
  OnClicked(kRegion, [this] { Preview(); });
  OnClicked(kFont, [this] { OnChooseFont(); });
  OnClicked(kPreview, [this] { ThresholdedPreview(); });
  OnChange(kThreshold, [this] { OnThreshold(); });
}

void CFontCode::OnInitDialog() {
  ResetContent(kHeight);
  for (int height : mcu::kHeights) AddString(kHeight, base::Format("%d", height));
  ResetContent(kWidth);
  for (int width : mcu::kWidths) AddString(kWidth, base::Format("%d", width));
  SetCurSel(kHeight, 1);
  SetCurSel(kWidth, 2);
  sampler_.region() = mcu::Region{};
  canvas_.SetFont(InitialGlyphFont());
  SetText(kOutput, base::Tr("quorkit", kHelp));
  SetControlPainter(kCanvas, [this](winsys::WindowPainter& painter) {
    painter.DrawCanvas(canvas_.canvas(), 0, 0);
  });
  Preview();
  SetRange(kThreshold, 1, 255);
  SetPos(kThreshold, 200);
  OnThreshold();
}

void CFontCode::OnThreshold() {
  sampler_.set_threshold(GetPos(kThreshold));
  SetText(kThresholdText, base::Format("%d", sampler_.threshold()));
}

void CFontCode::Preview() {
  sampler_.DrawPreview(mcu::GlyphSampler::PreviewCharacter(GetText(kInput)));
  InvalidateControl(kCanvas);
}

void CFontCode::ThresholdedPreview() {
  sampler_.DrawThresholdedPreview(mcu::GlyphSampler::PreviewCharacter(GetText(kInput)));
  InvalidateControl(kCanvas);
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
  SetText(kOutput, sampler_.CodeText(GetText(kInput), IsChecked(kReverse)));
  InvalidateControl(kCanvas);
}

bool CFontCode::OnMenuCommand(int id) {
  switch (id) {
    case kAsciiText:
      Generate(mcu::FontLibrary::kAsciiText);
      return true;
    case kAscii8x8Text:
      Generate(mcu::FontLibrary::kAscii8x8Text);
      return true;
    case kAsciiBinary:
      Generate(mcu::FontLibrary::kAsciiBinary);
      return true;
    case kGb2312Binary:
      Generate(mcu::FontLibrary::kGb2312Binary);
      return true;
    default:
      return false;
  }
}

void CFontCode::Lock(bool busy) {
  for (int id : kBusyControls) Enable(id, !busy);
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
  SetText(kOutput, texts.start);
  MessageBox(texts.warning, base::Tr("quorkit", "提示"));
  const bool written = mcu::WriteFontLibrary(library, sampler_, file);
  InvalidateControl(kCanvas);
  if (!file.Commit(&error) || !written) {
    MessageBox(error, "");
  } else {
    SetText(kOutput, GetText(kOutput) + texts.end);
  }
  Lock(false);
}
