// The HEX to BIN menu entry: Intel HEX to a binary image, through file dialogs and message
// boxes over the main window; no window of its own.
#pragma once

#include "tools/protocol/ihexfile.h"
#include "winsys/Dialog.h"

void RunHexToBin(winsys::Dialog& owner, CIHexFile& reader);

// The menu entry's flow, with a reader of its own for each conversion.
void RunHexToBinCommand(winsys::Dialog& owner);
