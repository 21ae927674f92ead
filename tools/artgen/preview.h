// Composed views for looking at the art as the game shows it: the two built sheets and
// frames with every fighter pose, the super-move effects and the HUD.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

// The character sheet / special opponent's sheet as the game builds them from CHR_1 and
// Tukkomi_VS (mirrored strips of every band, 128 / 256 rows lower).
Canvas ComposeCharSheet(const Canvas& chr1);
Canvas ComposeTukkomiSheet(const Canvas& vs);

// Writes sheets.png and frames-*.png into dir. Returns false if a needed picture is missing.
bool WriteCompositions(const std::string& dir);

}  // namespace art
