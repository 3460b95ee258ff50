#include "tools/protocol/CPostADlg.h"

#include "tools/protocol/telecom.h"

namespace {
constexpr int kOutput = 1001;
constexpr int kAddress = 1010;
constexpr int kVersion = 1008;
constexpr int kCid1 = 1002;
constexpr int kCid2 = 1003;
constexpr int kGenerate = 1000;
constexpr int kData = 1013;
constexpr int kGetByte = 1014;
constexpr int kGetWord = 1015;
constexpr int kGetFloat = 1016;
constexpr int kDecoded = 1017;
}  // namespace

CPostADlg::CPostADlg() : Dialog(130) {
  OnClicked(kGenerate, [this] { OnGenerate(); });
  OnClicked(kGetByte, [this] { SetText(kDecoded, protocol::TelecomGetByte(GetText(kData))); });
  OnClicked(kGetWord, [this] { SetText(kDecoded, protocol::TelecomGetWord(GetText(kData))); });
  OnClicked(kGetFloat, [this] { SetText(kDecoded, protocol::TelecomGetFloat(GetText(kData))); });
}

void CPostADlg::OnGenerate() {
  const protocol::TelecomFields fields = {GetText(kVersion), GetText(kAddress), GetText(kCid1),
                                          GetText(kCid2)};
  SetText(kOutput, protocol::TelecomFrameText(fields, GetText(kData)));
}
