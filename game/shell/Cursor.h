// SUPER_MODULE's cursor readings for the mouse fighter.
#pragma once

#include <cstdint>

namespace SUPER_MODULE {
inline int32_t MouseX = 0;
inline int16_t MouseY = 0;  // low 16 bits of the cursor's Y

// Reads the cursor into MouseX, MouseY (a failed read leaves them as they were).
void GetMousePos();
// Moves the cursor, then reads it back.
void SetMousePos(int32_t x, int32_t y);
}  // namespace SUPER_MODULE
