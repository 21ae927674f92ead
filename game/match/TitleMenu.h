// The title screen and its menu pages.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace Main_Module {
inline uint8_t TitleFrame = 0;   // logo frame 1..5
inline int32_t ScrollX = 0;      // source corner of the scrolling backdrop, 64 down to 0
inline int16_t ScrollY = 0;
inline uint8_t OptionBlink = 0;  // 1 shows the options cursor highlight
inline Flag WarmedUp = False;

// Runs the title screen until a match is to start or the player has quit (then the display
// and the sounds are already shut down and the settings written).
void TitleMenu();
// Draws and presents one frame of the current page (pages 4 and 5 only switch page).
void DrawMenu();
}  // namespace Main_Module
