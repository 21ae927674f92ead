// Small drawing helpers shared by the backdrop, menu, opening and credits pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "font.h"

namespace scenes {

// Deterministic pixel noise: the same (x, y, seed) always gives the same value.
inline uint32_t Hash(int x, int y, uint32_t seed = 0) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}
// Noise in [0, n).
inline int Noise(int x, int y, int n, uint32_t seed = 0) { return int(Hash(x, y, seed) % uint32_t(n)); }

// A rounded panel: dark outline, body, light bevel on top and left, shadow at the bottom.
inline void Panel(art::Canvas& c, art::Rect r, uint8_t outline, uint8_t body, uint8_t light, uint8_t dark) {
  c.Fill({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, body);
  c.HLine(r.x + 2, r.x + r.w - 3, r.y, outline);
  c.HLine(r.x + 2, r.x + r.w - 3, r.y + r.h - 1, outline);
  c.VLine(r.x, r.y + 2, r.y + r.h - 3, outline);
  c.VLine(r.x + r.w - 1, r.y + 2, r.y + r.h - 3, outline);
  c.Set(r.x + 1, r.y + 1, outline);
  c.Set(r.x + r.w - 2, r.y + 1, outline);
  c.Set(r.x + 1, r.y + r.h - 2, outline);
  c.Set(r.x + r.w - 2, r.y + r.h - 2, outline);
  c.HLine(r.x + 2, r.x + r.w - 3, r.y + 1, light);
  c.VLine(r.x + 1, r.y + 2, r.y + r.h - 3, light);
  c.HLine(r.x + 2, r.x + r.w - 3, r.y + r.h - 2, dark);
  c.VLine(r.x + r.w - 2, r.y + 2, r.y + r.h - 3, dark);
}

// Text with a one-pixel outline and a two-tone body, the look of every caption in the menus.
inline void Caption(art::Canvas& c, int x, int y, const std::string& s, int scale, uint8_t top, uint8_t bottom,
                    uint8_t outline) {
  art::DrawText(c, x, y, s, top, {scale, -1, outline, bottom});
}
inline void CaptionCentred(art::Canvas& c, int cx, int y, const std::string& s, int scale, uint8_t top,
                           uint8_t bottom, uint8_t outline) {
  art::DrawTextCentred(c, cx, y, s, top, {scale, -1, outline, bottom});
}

// A balloon: round body with a highlight, knot and a string hanging down `string` pixels.
void Balloon(art::Canvas& c, int cx, int cy, int r, uint8_t dark, uint8_t body, uint8_t light, uint8_t line,
             int string);

// Big chunky letters: the pixel font scaled up, with a lit top edge, a two-tone face, a
// down-right extrusion `depth` pixels deep and a black edge `edge` pixels wide. `shine` >= 0
// puts a white diagonal band across the face starting at that x.
struct BigStyle {
  int scale = 8;
  uint8_t top, mid, bottom, lit;
  uint8_t depthLight, depthDark;
  int depth = 6, edge = 3;
  int shine = -1;
};
void BigLetters(art::Canvas& c, int x, int y, const std::string& text, const BigStyle& s);
int BigWidth(const std::string& text, int scale);

// Copies of the game palette entries used by a 4-bit picture, to keep it within 16.
std::vector<uint8_t> UsedColours(const art::Canvas& c);

}  // namespace scenes
