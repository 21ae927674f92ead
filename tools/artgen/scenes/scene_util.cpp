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

int BigWidth(const std::string& text, int scale) { return art::TextWidth(text) * scale; }

void BigLetters(art::Canvas& c, int x0, int y0, const std::string& text, const BigStyle& s) {
  art::Canvas mask(art::TextWidth(text) + 2, 10, 0);
  art::DrawText(mask, 0, 0, text, 1);
  const int k = s.scale, w = mask.w * k, h = 7 * k;
  auto ink = [&](int x, int y) {
    int gx = x - x0, gy = y - y0;
    if (gx < 0 || gy < 0 || gy >= h) return false;
    return mask.Get(gx / k, gy / k) == 1;
  };
  const int reach = s.edge;
  for (int y = y0 - reach; y < y0 + h + s.depth + reach; ++y)
    for (int x = x0 - reach; x < x0 + w + s.depth + reach; ++x) {
      if (ink(x, y)) continue;
      bool depth = false, edge = false;
      for (int d = 1; d <= s.depth && !depth; ++d) depth = ink(x - d, y - d);
      if (depth) {
        c.Set(x, y, (!ink(x - 1, y - 1) && !ink(x, y - 1)) ? s.depthDark : s.depthLight);
        continue;
      }
      for (int oy = -reach; oy <= reach && !edge; ++oy)
        for (int ox = -reach; ox <= reach && !edge; ++ox) {
          edge = ink(x + ox, y + oy);
          for (int d = 1; d <= s.depth && !edge; ++d) edge = ink(x + ox - d, y + oy - d);
        }
      if (edge) c.Set(x, y, pal::Black);
    }
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      if (!ink(x, y)) continue;
      int gy = y - y0;
      uint8_t col = gy < h * 3 / 8 ? s.top : gy < h * 5 / 8 ? s.mid : s.bottom;
      if (!ink(x, y - (k > 3 ? 2 : 1))) col = s.lit;
      if (s.shine >= 0) {
        int d = x - s.shine + gy / 2;
        if (d >= 0 && d < std::max(4, k + 2)) col = s.lit;
      }
      c.Set(x, y, col);
    }
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
