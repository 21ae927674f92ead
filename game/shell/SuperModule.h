// SUPER_MODULE: the frame pause and the cursor switch every screen uses.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace SUPER_MODULE {

// Returns once at least ms milliseconds have passed by GetTickCount (survives the tick
// count's wrap). Window events do not run meanwhile. ms <= 0 returns at once.
void WaitMs(int32_t ms);

// True hides the cursor (ShowCursor(false)), False shows it (ShowCursor(true)). Counted:
// every hide must be matched by one show.
void HideCursor(Flag hide);

}  // namespace SUPER_MODULE
