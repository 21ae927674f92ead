#include "scene_util.h"

namespace scenes {

void Balloon(art::Canvas& c, int cx, int cy, int r, uint8_t dark, uint8_t body, uint8_t light, uint8_t line,
             int string) {
  int ry = r + r / 5;
  c.FillEllipse(cx, cy, r, ry, dark);
  c.FillEllipse(cx - 1, cy - 1, r - 1, ry - 1, body);
  c.FillEllipse(cx - r / 3, cy - ry / 3, std::max(1, r / 4), std::max(1, ry / 4), light);
  c.Set(cx, cy + ry + 1, dark);
  c.HLine(cx - 1, cx + 1, cy + ry + 2, dark);
  for (int i = 0; i < string; ++i) c.Set(cx + ((i / 4) % 2 ? 1 : 0), cy + ry + 3 + i, line);
}

std::vector<uint8_t> UsedColours(const art::Canvas& c) {
  bool used[256] = {};
  for (uint8_t v : c.px) used[v] = true;
  std::vector<uint8_t> out;
  for (int i = 0; i < 256; ++i)
    if (used[i]) out.push_back(uint8_t(i));
  return out;
}

}  // namespace scenes
