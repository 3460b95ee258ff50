#include "tools/mcu/CSegCodeDlg.h"

#include <iterator>
#include <string>

#include "base/tr.h"
#include "winsys/Canvas.h"

namespace id = ui::segment_code;

namespace {
// The bit of each segment, a to g and dp, in the order of mcu::SegmentBitMap.
constexpr id::Control kBitLists[] = {id::bit_a, id::bit_b, id::bit_c, id::bit_d,
                                     id::bit_e, id::bit_f, id::bit_g, id::bit_dp};
static_assert(std::size(kBitLists) == mcu::kSegmentCount);
constexpr winsys::Rgb kLit = 0xff0000;
constexpr winsys::Rgb kDark = 0x000000;
}  // namespace

CSegCodeDlg::CSegCodeDlg() {
  OnClicked(id::custom_code, [this] { OnCustomCode(); });
  OnLButtonDown(id::picture, [this](int x, int y) { OnPictureClick(x, y); });
}

void CSegCodeDlg::OnInitDialog() {
  for (int segment = 0; segment < mcu::kSegmentCount; ++segment) {
    const id::Control list = kBitLists[segment];
    ResetContent(list);
    for (int bit = 0; bit < 8; ++bit) AddString(list, std::to_string(bit));
    SetCurSel(list, segment);
  }
  SetText(id::result, base::Tr("quorkit", mcu::kSegmentUsageText));
  // Painted over the picture each time it is drawn, so the pattern shows after the window
  // has been covered or hidden.
  SetControlPainter(id::picture, [this](winsys::WindowPainter& painter) {
    const auto& areas = mcu::SegmentAreas();
    for (int segment = 0; segment < mcu::kSegmentCount; ++segment) {
      const mcu::PixelArea& area = areas[static_cast<size_t>(segment)];
      painter.Fill(area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1,
                   (lit_ >> segment) & 1 ? kLit : kDark);
    }
  });
}

std::optional<mcu::SegmentBitMap> CSegCodeDlg::ReadBitMap() {
  mcu::SegmentBitMap map{};
  for (int segment = 0; segment < mcu::kSegmentCount; ++segment) {
    map[static_cast<size_t>(segment)] = GetCurSel(kBitLists[segment]);
  }
  if (!mcu::IsSegmentBitMapValid(map)) {
    MessageBox(mcu::kSegmentBitClashMessage, base::Tr("quorkit", "提示"));
    return std::nullopt;
  }
  return map;
}

void CSegCodeDlg::OnOK() {
  if (const auto map = ReadBitMap()) {
    SetText(id::result, mcu::StandardCodeTable(*map, IsChecked(id::invert)));
  }
}

void CSegCodeDlg::OnCustomCode() {
  if (const auto map = ReadBitMap()) {
    SetText(id::result, mcu::CustomCodeLine(lit_, *map, IsChecked(id::invert)));
  }
}

void CSegCodeDlg::OnPictureClick(int x, int y) {
  const int segment = mcu::SegmentAt(x, y);
  if (segment < 0) return;
  lit_ ^= static_cast<uint8_t>(1u << segment);
  InvalidateControl(id::picture);
}
