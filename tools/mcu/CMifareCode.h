// Mifare S50 access bits window (template 173).
#pragma once

#include "tools/mcu/mifare.h"
#include "winsys/Dialog.h"

class CMifareCode : public winsys::Dialog {
 public:
  CMifareCode();

 protected:
  void OnInitDialog() override;

 private:
  void Encode();
  // Reads field 1043 into the lists and the table; on failure the message goes to 1045
  // and everything else stays as it was.
  bool Decode();
  void OnManual();
  void FillTable(const mcu::AccessConditions& conditions);
  mcu::AccessConditions Conditions() const;

  bool manual_ = false;
};
