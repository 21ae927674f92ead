// Readers for BMP bytes and palette tables. Pure functions over byte buffers: no files,
// no display, no handles, so they can be fuzzed on their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lumablit.h"

namespace lb {

struct DecodedBitmap {
    int32_t width = 0, height = 0;
    int32_t bits = 0;                 // 1, 4, 8 or 24
    LumablitPaletteEntry table[256]{};  // colour table (indexed bitmaps), black past its end
    int32_t tableSize = 0;
    // Top-down rows: one byte per pixel (palette index) or three (red, green, blue).
    std::vector<uint8_t> pixels;
};

// Limits on what the decoder accepts.
constexpr int32_t kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;

// BMP file bytes ("BM" header) or a bare information header followed by table and pixels.
bool DecodeBmp(const uint8_t* data, size_t size, DecodedBitmap& out);

// The 3-3-2 palette.
void DefaultPalette(LumablitPaletteEntry out[256]);

// Palette from the first bytes of a palette file (file header, information header, table).
// Bytes missing at the end leave the default palette in place.
void PaletteFromFileBytes(const uint8_t* data, size_t size, LumablitPaletteEntry out[256]);

// Palette from a bitmap resource: an information header and its colour table.
void PaletteFromDib(const uint8_t* data, size_t size, LumablitPaletteEntry out[256]);

}  // namespace lb
