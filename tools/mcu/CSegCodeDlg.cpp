#include "tools/mcu/CSegCodeDlg.h"

#include <string>

#include "base/tr.h"
#include "winsys/Canvas.h"

namespace {
constexpr int kPicture = 1026;
constexpr int kFirstBitList = 1051;  // segment a; dp is 1058
constexpr int kInvert = 1046;
constexpr int kResult = 1001;
constexpr int kCustom = 1000;
constexpr winsys::Rgb kLit = 0xff0000;
constexpr winsys::Rgb kDark = 0x000000;
}  // namespace

CSegCodeDlg::CSegCodeDlg() : Dialog(142) {
  OnClicked(kCustom, [this] { OnCustomCode(); });
  OnLButtonDown(kPicture, [this](int x, int y) { OnPictureClick(x, y); });
}

void CSegCodeDlg::OnInitDialog() {
  for (int segment = 0; segment < mcu::kSegmentCount; ++segment) {
    const int list = kFirstBitList + segment;
    ResetContent(list);
    for (int bit = 0; bit < 8; ++bit) AddString(list, std::to_string(bit));
    SetCurSel(list, segment);
  }
  SetText(kResult, base::Tr("quorkit", mcu::kSegmentUsageText));
  // Painted over the picture each time it is drawn, so the pattern shows after the window
  // has been covered or hidden.
  SetControlPainter(kPicture, [this](winsys::WindowPainter& painter) {
    const auto& areas = mcu::SegmentAreas();
    for (int segment = 0; segment < mcu::kSegmentCount; ++segment) {
      const mcu::PixelArea& area = areas[segment];
      painter.Fill(area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1,
                   (lit_ >> segment) & 1 ? kLit : kDark);
    }
  });
}

std::optional<mcu::SegmentBitMap> CSegCodeDlg::ReadBitMap() {
  mcu::SegmentBitMap map{};
  for (int segment = 0; segment < mcu::kSegmentCount; ++segment) {
    map[segment] = GetCurSel(kFirstBitList + segment);
  }
  if (!mcu::IsSegmentBitMapValid(map)) {
    MessageBox(mcu::kSegmentBitClashMessage, base::Tr("quorkit", "提示"));
    return std::nullopt;
  }
  return map;
}

void CSegCodeDlg::OnOK() {
  if (const auto map = ReadBitMap()) {
    SetText(kResult, mcu::StandardCodeTable(*map, IsChecked(kInvert)));
  }
}

void CSegCodeDlg::OnCustomCode() {
  if (const auto map = ReadBitMap()) {
    SetText(kResult, mcu::CustomCodeLine(lit_, *map, IsChecked(kInvert)));
  }
}

void CSegCodeDlg::OnPictureClick(int x, int y) {
  const int segment = mcu::SegmentAt(x, y);
  if (segment < 0) return;
  lit_ ^= static_cast<uint8_t>(1u << segment);
  InvalidateControl(kPicture);
}
