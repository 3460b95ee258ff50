#include "tools/protocol/HexToBin.h"

#include "base/tr.h"
#include "winsys/Prompt.h"

void RunHexToBin(winsys::Dialog& owner, CIHexFile& reader) {
  winsys::Prompter& prompter = winsys::CurrentPrompter();
  std::string hex_path;
  if (!prompter.OpenFile(&owner, base::Tr("quorkit", "请选择要转换的HEX格式文件"),
                         {{"Intel HEX File(*.hex)", "*.hex"}}, &hex_path)) {
    return;
  }
  CIHexFile::Conversion read = reader.ReadForConversion(hex_path);
  if (!read.ok) {
    owner.MessageBox(read.text, read.title);
    return;
  }
  if (!read.offset_text.empty()) owner.MessageBox(read.offset_text, protocol::kHexTitle);

  std::string bin_path;
  if (!prompter.SaveFile(&owner, base::Tr("quorkit", "请指定BIN格式文件名"),
                         {{"Binary File(*.bin)", "*.bin"}, {"All", "*.*"}}, "bin", true,
                         &bin_path)) {
    owner.MessageBox(protocol::kHexCancelledText, protocol::kHexTitle);
    return;
  }
  const bool written = reader.WriteImage(protocol::BinFileName(bin_path), read.image);
  owner.MessageBox(written ? protocol::kHexSucceededText : protocol::kHexWriteFailedText,
                   protocol::kHexTitle);
}

void RunHexToBinCommand(winsys::Dialog& owner) {
  CIHexFile reader;
  RunHexToBin(owner, reader);
}
