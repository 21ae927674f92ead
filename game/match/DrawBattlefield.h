// The battlefield renderer: one whole match frame into the back surface, then presented.
#pragma once

#include <cstdint>

namespace Main_Module {

// Draws and presents one frame; while Paused it keeps drawing until the pause is lifted.
void DrawBattlefield();
// The drifting scenery of the current stage, moved one step.
void DrawScenery();
// Fills the whole back surface with the colour nearest to rgb (0x00BBGGRR) and presents it.
void FlashFrame(int32_t rgb);

}  // namespace Main_Module
