// The look the dialog templates were drawn for: check boxes and radio buttons with the
// desktop's small indicator and narrow gap, so that their texts keep the room the templates
// give them.
#pragma once

namespace winsys {

// Wraps the application's style once; later calls do nothing. Call after QApplication exists.
void InstallDialogStyle();

}  // namespace winsys
