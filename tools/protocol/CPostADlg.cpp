#include "tools/protocol/CPostADlg.h"

#include "tools/protocol/telecom.h"

namespace id = ui::telecom;

CPostADlg::CPostADlg() {
  OnClicked(id::generate, [this] { OnGenerate(); });
  OnClicked(id::get_byte,
            [this] { SetText(id::decoded, protocol::TelecomGetByte(GetText(id::data))); });
  OnClicked(id::get_word,
            [this] { SetText(id::decoded, protocol::TelecomGetWord(GetText(id::data))); });
  OnClicked(id::get_float,
            [this] { SetText(id::decoded, protocol::TelecomGetFloat(GetText(id::data))); });
}

void CPostADlg::OnGenerate() {
  const protocol::TelecomFields fields = {GetText(id::version), GetText(id::address),
                                          GetText(id::cid1), GetText(id::cid2)};
  SetText(id::frame, protocol::TelecomFrameText(fields, GetText(id::data)));
}
