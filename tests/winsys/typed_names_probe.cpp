// Compiled once per PROBE by typed_names.cmake: probe 0 must compile, every other must not.
#include "ui/checksum.h"
#include "ui/modbus.h"
#include "winsys/DialogOf.h"

namespace id = ui::modbus;

class CProbe : public winsys::DialogOf<ui::modbus::Window> {
 public:
  void Run() {
#if PROBE == 0
    SetText(id::request, GetText(id::slave_address));
    OnClicked(id::generate_read, [] {});
#elif PROBE == 1
    SetText(1001, "");  // a bare number
#elif PROBE == 2
    SetText(ui::checksum::result, "");  // another window's control
#elif PROBE == 3
    SetText(id::no_such_control, "");  // a name the template lacks
#elif PROBE == 4
    OnClicked(1004, [] {});  // a notification by number
#elif PROBE == 5
    const id::Control control = {1001};  // a number made into a name
    SetText(control, "");
#endif
  }
};
