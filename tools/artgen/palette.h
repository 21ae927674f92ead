// The one 256-colour game palette. Every picture takes its colours from it by index.
#pragma once

#include <array>
#include <cstdint>

namespace pal {

struct RGB {
  uint8_t r, g, b;
  bool operator==(const RGB&) const = default;
};

// A ramp of eight entries, dark (0) to light (7).
struct Ramp {
  uint8_t base;
  constexpr uint8_t operator[](int i) const { return uint8_t(base + (i < 0 ? 0 : i > 7 ? 7 : i)); }
};

inline constexpr uint8_t Black = 0;
inline constexpr uint8_t White = 1;
inline constexpr uint8_t Red = 2;        // pure red (255,0,0)
inline constexpr uint8_t KeyChar = 3;    // (0,84,80): key of the character sheet
inline constexpr uint8_t KeyVS = 4;      // (96,184,0): key of the special opponent's sheet
inline constexpr uint8_t Magenta = 5;    // (255,0,255): handy key for other pictures
inline constexpr uint8_t PureBlue = 6;   // (0,0,255)
inline constexpr uint8_t PureYellow = 7; // (255,255,0)

inline constexpr Ramp Grey{8};
inline constexpr Ramp SkyDay{16};
inline constexpr Ramp SkyNight{24};
inline constexpr Ramp Sea{32};
inline constexpr Ramp Green{40};
inline constexpr Ramp Brown{48};
inline constexpr Ramp Rock{56};
inline constexpr Ramp Skin{64};
inline constexpr Ramp Scarlet{72};   // warm reds
inline constexpr Ramp Orange{80};
inline constexpr Ramp Yellow{88};
inline constexpr Ramp Purple{96};
inline constexpr Ramp Gold{104};
inline constexpr Ramp Pink{112};
inline constexpr Ramp Blue{120};
inline constexpr Ramp Cyan{128};
inline constexpr Ramp Teal{136};
inline constexpr Ramp Navy{144};     // UI panels
inline constexpr Ramp Ice{152};
inline constexpr Ramp Sand{160};
inline constexpr Ramp Wood{168};
inline constexpr Ramp Olive{176};
inline constexpr Ramp Maroon{184};
inline constexpr Ramp Mint{192};
inline constexpr Ramp Lavender{200};
inline constexpr Ramp Peach{208};
inline constexpr Ramp Steel{216};
inline constexpr Ramp Dusk{224};     // sunset pinks and oranges
inline constexpr Ramp Lime{232};
inline constexpr Ramp Wine{240};
inline constexpr Ramp Cream{248};

// Fighter colour schemes: slot 0 red pilot, slot 1 blue knight, slot 2 green cat girl,
// slot 3 gold robot. The panel labels and life icons use the same hues.
inline constexpr Ramp SlotRamp[4] = {Scarlet, Blue, Green, Gold};

const std::array<RGB, 256>& Colours();

// Index of the entry nearest to c (exact when c is in the palette).
uint8_t Nearest(RGB c);

}  // namespace pal
