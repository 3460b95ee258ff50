#include "tools/protocol/CModBusDlg.h"

#include "tools/protocol/modbus.h"

namespace {
constexpr int kOutput = 1001;
constexpr int kAddress = 1007;
constexpr int kFunction = 1020;
constexpr int kStart = 1005;
constexpr int kCount = 1006;
constexpr int kData = 1002;
constexpr int kReadButton = 1004;
constexpr int kWriteButton = 1000;
constexpr int kDecimal = 1011;
constexpr int kDecToHexButton = 1009;
constexpr int kHex = 1012;
constexpr int kCrcField = 1018;
constexpr int kAddCrcButton = 1019;

protocol::ModbusFields ReadFields(const winsys::Dialog& dialog) {
  return {dialog.GetText(kAddress), dialog.GetText(kFunction), dialog.GetText(kStart),
          dialog.GetText(kCount)};
}
}  // namespace

CModBusDlg::CModBusDlg() : Dialog(103) {
  OnClicked(kReadButton, [this] { OnReadRequest(); });
  OnClicked(kWriteButton, [this] { OnWriteRequest(); });
  OnClicked(kDecToHexButton, [this] { OnDecToHex(); });
  OnClicked(kAddCrcButton, [this] { OnAddCrc(); });
}

void CModBusDlg::OnReadRequest() {
  SetText(kOutput, protocol::ReadRequestText(ReadFields(*this)));
}

void CModBusDlg::OnWriteRequest() {
  SetText(kOutput, protocol::WriteRequestText(ReadFields(*this), GetText(kData)));
}

void CModBusDlg::OnDecToHex() {
  if (const auto hex = protocol::DecimalRunsToHex(GetText(kDecimal))) SetText(kHex, *hex);
}

void CModBusDlg::OnAddCrc() {
  SetText(kCrcField, protocol::AppendModbusCrc(GetText(kCrcField)));
}
