#include "tools/protocol/CModBusDlg.h"

#include "tools/protocol/modbus.h"

namespace id = ui::modbus;

namespace {

protocol::ModbusFields ReadFields(const CModBusDlg& dialog) {
  return {dialog.GetText(id::slave_address), dialog.GetText(id::function_code),
          dialog.GetText(id::start_address), dialog.GetText(id::register_count)};
}
}  // namespace

CModBusDlg::CModBusDlg() {
  OnClicked(id::generate_read, [this] { OnReadRequest(); });
  OnClicked(id::generate_write, [this] { OnWriteRequest(); });
  OnClicked(id::dec_to_hex, [this] { OnDecToHex(); });
  OnClicked(id::add_crc, [this] { OnAddCrc(); });
}

void CModBusDlg::OnReadRequest() {
  SetText(id::request, protocol::ReadRequestText(ReadFields(*this)));
}

void CModBusDlg::OnWriteRequest() {
  SetText(id::request, protocol::WriteRequestText(ReadFields(*this), GetText(id::write_data)));
}

void CModBusDlg::OnDecToHex() {
  if (const auto hex = protocol::DecimalRunsToHex(GetText(id::decimal_input)))
    SetText(id::hex_output, *hex);
}

void CModBusDlg::OnAddCrc() {
  SetText(id::crc_input, protocol::AppendModbusCrc(GetText(id::crc_input)));
}
