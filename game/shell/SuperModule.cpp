#include "shell/SuperModule.h"

#include "platform/platform.h"

namespace SUPER_MODULE {

void WaitMs(int32_t ms) {
    if (ms <= 0) return;
    const uint32_t wanted = static_cast<uint32_t>(ms);
    const uint32_t start = GetTickCount();
    for (;;) {
        const uint32_t elapsed = GetTickCount() - start;  // unsigned: right across the wrap
        if (elapsed >= wanted) return;
        PlatformWait(wanted - elapsed);
    }
}

void HideCursor(Flag hide) { ShowCursor(!IsTrue(hide)); }

}  // namespace SUPER_MODULE
