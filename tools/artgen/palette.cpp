#include "palette.h"

#include <climits>

namespace pal {
namespace {

// Each ramp is dark, middle and light anchors; entries 0..7 interpolate through them.
struct Anchors {
  RGB dark, mid, light;
};

constexpr Anchors kRamps[31] = {
    {{24, 24, 32}, {120, 120, 132}, {236, 236, 244}},    // Grey
    {{40, 96, 200}, {96, 160, 240}, {200, 232, 255}},    // SkyDay
    {{4, 6, 24}, {24, 32, 88}, {72, 88, 160}},           // SkyNight
    {{4, 28, 72}, {16, 88, 168}, {120, 200, 240}},       // Sea
    {{8, 40, 16}, {48, 152, 40}, {176, 240, 120}},       // Green
    {{36, 20, 8}, {120, 72, 32}, {216, 168, 112}},       // Brown
    {{32, 28, 36}, {104, 96, 100}, {200, 192, 184}},     // Rock
    {{112, 56, 40}, {224, 152, 112}, {255, 224, 196}},   // Skin
    {{64, 4, 12}, {200, 24, 32}, {255, 140, 128}},       // Scarlet
    {{96, 32, 0}, {240, 120, 16}, {255, 208, 144}},      // Orange
    {{112, 80, 0}, {248, 208, 24}, {255, 252, 176}},     // Yellow
    {{32, 8, 56}, {128, 48, 184}, {216, 168, 248}},      // Purple
    {{80, 48, 8}, {208, 152, 24}, {255, 236, 136}},      // Gold
    {{96, 16, 56}, {232, 88, 160}, {255, 200, 228}},     // Pink
    {{8, 16, 80}, {32, 80, 216}, {152, 192, 255}},       // Blue
    {{0, 56, 72}, {24, 184, 216}, {176, 248, 255}},      // Cyan
    {{0, 40, 40}, {24, 128, 120}, {136, 224, 208}},      // Teal
    {{6, 10, 32}, {28, 44, 104}, {96, 120, 192}},        // Navy
    {{72, 112, 160}, {168, 208, 240}, {244, 252, 255}},  // Ice
    {{112, 88, 40}, {216, 184, 112}, {255, 244, 200}},   // Sand
    {{48, 24, 12}, {144, 88, 48}, {224, 176, 120}},      // Wood
    {{40, 44, 8}, {120, 128, 40}, {208, 216, 128}},      // Olive
    {{40, 8, 8}, {128, 40, 40}, {208, 128, 120}},        // Maroon
    {{16, 72, 56}, {88, 208, 160}, {208, 255, 232}},     // Mint
    {{64, 48, 112}, {152, 136, 216}, {232, 224, 255}},   // Lavender
    {{128, 72, 56}, {240, 160, 128}, {255, 228, 212}},   // Peach
    {{28, 36, 52}, {112, 132, 160}, {216, 228, 240}},    // Steel
    {{72, 24, 64}, {224, 96, 104}, {255, 200, 136}},     // Dusk
    {{40, 72, 0}, {152, 216, 16}, {232, 255, 160}},      // Lime
    {{48, 4, 32}, {152, 24, 88}, {232, 128, 176}},       // Wine
    {{136, 120, 96}, {232, 220, 192}, {255, 252, 240}},  // Cream
};

uint8_t Lerp(uint8_t a, uint8_t b, int num, int den) { return uint8_t(a + (int(b) - int(a)) * num / den); }

RGB RampEntry(const Anchors& a, int i) {
  // 0..3 dark->mid, 4..7 mid->light (entry 3 sits near mid, entry 7 is light).
  if (i <= 3) {
    return {Lerp(a.dark.r, a.mid.r, i, 3), Lerp(a.dark.g, a.mid.g, i, 3), Lerp(a.dark.b, a.mid.b, i, 3)};
  }
  int j = i - 3;
  return {Lerp(a.mid.r, a.light.r, j, 4), Lerp(a.mid.g, a.light.g, j, 4), Lerp(a.mid.b, a.light.b, j, 4)};
}

std::array<RGB, 256> Build() {
  std::array<RGB, 256> p{};
  p[Black] = {0, 0, 0};
  p[White] = {255, 255, 255};
  p[Red] = {255, 0, 0};
  p[KeyChar] = {0, 84, 80};
  p[KeyVS] = {96, 184, 0};
  p[Magenta] = {255, 0, 255};
  p[PureBlue] = {0, 0, 255};
  p[PureYellow] = {255, 255, 0};
  for (int r = 0; r < 31; ++r)
    for (int i = 0; i < 8; ++i) p[8 + r * 8 + i] = RampEntry(kRamps[r], i);
  // Every entry distinct, so a colour names exactly one index.
  for (int i = 8; i < 256; ++i) {
    for (bool clash = true; clash;) {
      clash = false;
      for (int j = 0; j < i; ++j)
        if (p[j] == p[i]) {
          p[i].b = uint8_t(p[i].b < 255 ? p[i].b + 1 : p[i].b - 1);
          clash = true;
        }
    }
  }
  return p;
}

}  // namespace

const std::array<RGB, 256>& Colours() {
  static const std::array<RGB, 256> p = Build();
  return p;
}

uint8_t Nearest(RGB c) {
  const auto& p = Colours();
  int best = 0, bestD = INT_MAX;
  for (int i = 0; i < 256; ++i) {
    int dr = p[i].r - c.r, dg = p[i].g - c.g, db = p[i].b - c.b;
    int d = dr * dr + dg * dg + db * db;
    if (d < bestD) bestD = d, best = i;
  }
  return uint8_t(best);
}

}  // namespace pal
