// Mifare S50 access bits window (res/dialogs/mifare_access.json).
#pragma once

#include "tools/mcu/mifare.h"
#include "ui/mifare_access.h"
#include "winsys/DialogOf.h"

class CMifareCode : public winsys::DialogOf<ui::mifare_access::Window> {
 public:
  CMifareCode();

 protected:
  void OnInitDialog() override;

 private:
  void Encode();
  // Reads the access bytes field into the lists and the table; on failure the message goes
  // to the error line and everything else stays as it was.
  bool Decode();
  void OnManual();
  void FillTable(const mcu::AccessConditions& conditions);
  mcu::AccessConditions Conditions() const;

  bool manual_ = false;
};
