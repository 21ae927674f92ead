// Pixel loops behind the blits, fills and presentation. Callers pass rectangles that lie
// inside both surfaces and source and destination that do not overlap.
#pragma once

#include <cstdint>

#include "internal.h"

namespace lb {

// Effects of the general blit, reduced to mirrors of the source and then a rotation.
struct Transform {
    bool mirrorX = false, mirrorY = false;
    int rotate = 0;  // 0, 90 or 270 degrees counter-clockwise
    bool Identity() const { return !mirrorX && !mirrorY && rotate == 0; }
};
Transform TransformFromFx(int32_t fx);

void CopyRect(Surface& dst, int32_t dx, int32_t dy, const Surface& src, int32_t sx, int32_t sy,
              int32_t w, int32_t h, bool keyed, uint32_t key);

void StretchRect(Surface& dst, const LumablitRect& dr, const Surface& src, const LumablitRect& sr,
                 bool keyed, uint32_t key, const Transform& t);

void FillRect(Surface& dst, int32_t left, int32_t top, int32_t right, int32_t bottom,
              uint32_t value);

// 256-entry palette to 0xFFRRGGBB.
void PaletteToArgb(const LumablitPaletteEntry* palette, uint32_t lut[256]);
// Converts w x h pixels of the given depth to ARGB8888 rows (dstPitch in bytes).
void ConvertToArgb(const uint8_t* src, int32_t srcPitch, int32_t bits, int32_t w, int32_t h,
                   const uint32_t lut[256], uint8_t* dst, int32_t dstPitch);

}  // namespace lb
