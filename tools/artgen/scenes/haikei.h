// The stage tile sheet and a full battlefield composed from it (used for the stage previews).
#pragma once

#include "canvas.h"

namespace scenes {

// Colour key of the tile sheet: the plain night sky.
inline constexpr uint8_t kNightSky = pal::SkyNight[1];
inline constexpr uint8_t kDaySky = pal::SkyDay[4];

void DrawHaikei(art::Canvas& c);

// Battlefield `stage` (0, 1, 3, 4 or 5) as a match shows it: the built background, the
// drifting scenery at its start positions and the foreground pieces. 640x480.
art::Canvas ComposeStage(int stage);

}  // namespace scenes
