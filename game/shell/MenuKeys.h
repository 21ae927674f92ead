// Key events of the window BattleFiled: the entry screen's Esc, the title screen's menus,
// and pause and abort in a match.
#pragma once

#include <cstdint>

namespace Main2 {
void Form_KeyDown(int16_t keyCode, int16_t shift);
void MenuKeyDown(int16_t keyCode);
}  // namespace Main2
