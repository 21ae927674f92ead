// A headless 8-bit display with the game palette and the start-up surfaces made, for the tests
// of the picture set inside the program.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "lumablit.h"
#include "pictures/Pictures.h"

namespace picture_test {

inline std::vector<uint8_t> Pixels(int32_t surface) {
  std::vector<uint8_t> px(size_t(ddGetWidth(surface)) * size_t(ddGetHeight(surface)));
  EXPECT_EQ(ddGetSurfaceData(px.data(), int32_t(px.size()), surface), 1);
  return px;
}

// Call with ASSERT_NO_FATAL_FAILURE.
inline void OpenDisplayWithStartupSurfaces() {
  ddSetHost(nullptr);
  ddSetBitDepth(8);
  ASSERT_EQ(ddInit(1, 640, 480, 5), 1);
  int32_t palette = ddCreatePaletteFromFile(AEROTUSSLE_BIN_DIR "/pal.bmp");
  ASSERT_NE(palette, 0);
  ddSetPalette(0, palette);
  Main2::MakeStartupSurfaces(12);
  Main2::MakeStartupSurfaces(13);
}

}  // namespace picture_test
