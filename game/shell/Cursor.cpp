#include "shell/Cursor.h"

#include "platform/platform.h"
#include "shell/StateDump.h"

namespace SUPER_MODULE {

void GetMousePos() {
    int32_t x = 0, y = 0;
    if (!::GetCursorPos(&x, &y)) return;
    MouseX = x;
    MouseY = static_cast<int16_t>(y);
}

void SetMousePos(int32_t x, int32_t y) {
    ::SetCursorPos(x, y);
    GetMousePos();
}

namespace {
void Reset() { MouseX = 0, MouseY = 0; }
void Dump(Main2::StateJson& out) {
    out.Int("MouseX", MouseX);
    out.Int("MouseY", MouseY);
}
const bool registered = Main2::RegisterModule({"SUPER_MODULE.Cursor", &Reset, &Dump});
}  // namespace

}  // namespace SUPER_MODULE
