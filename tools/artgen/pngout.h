// PNG output of canvases, for looking at the art.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

// Writes c as an RGB PNG, each pixel scaled up by `scale`. Returns false on failure.
bool WritePng(const Canvas& c, const std::string& path, int scale = 1);

}  // namespace art
