// The four sprite routines every picture goes through: one argument order (source, destination,
// source rectangle, destination), clipping against both surfaces, and the wipe to black.
// Coordinates may be fractional; each is rounded at the call with RoundHalfEven.
// As a destination, surface 0 is the back surface; a source must be a real handle (the back
// surface as a source is ddGetBackSurface()).
#pragma once

#include <cstdint>

#include "match/Rounding.h"

namespace Lumablit_Declarations_Test {

// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dest, every pixel,
// cut to what lies inside both surfaces.
void BlitOpaque(int32_t src, int32_t dest, double sx, double sy, double w, double h, double dx,
                double dy);

// As BlitOpaque, but pixels of src's colour key are left out.
void BlitKeyed(int32_t src, int32_t dest, double sx, double sy, double w, double h, double dx,
               double dy);

// Stretches the sw x sh rectangle at (sx, sy) of src onto the dw x dh rectangle at (dx, dy)
// of dest. mode: 0 plain copy, 1 mirror left-right, 2 mirror up-down, 3 rotate 90,
// 4 rotate 180, 5 rotate 270, 6..9 the library's other effects; any other mode draws nothing.
void BlitFX(int32_t src, int32_t dest, double sx, double sy, double sw, double sh, double dw,
            double dh, double dx, double dy, uint8_t mode);

// Closes the screen (at most 640 x 480 of surface's size) to black from all four edges,
// presenting a frame and waiting FrameDelay ms per step; blocks until done.
// spare is ignored.
void WipeToBlack(int32_t surface, int16_t step, int16_t spare);

}  // namespace Lumablit_Declarations_Test
