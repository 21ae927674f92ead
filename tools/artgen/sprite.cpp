#include "sprite.h"

#include <stdexcept>

namespace art {

Sprite ParseSprite(const std::vector<std::string>& rows, const Legend& legend, const char* name) {
  Sprite s;
  s.h = int(rows.size());
  for (const auto& r : rows) s.w = std::max(s.w, int(r.size()));
  s.px.assign(size_t(s.w) * s.h, -1);
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < int(rows[y].size()); ++x) {
      unsigned char ch = static_cast<unsigned char>(rows[y][x]);
      int v = ch < 128 ? legend.map[ch] : -2;
      if (v == -2)
        throw std::runtime_error(std::string("sprite '") + name + "': character '" + char(ch) +
                                 "' at row " + std::to_string(y) + " is not in the legend");
      s.px[size_t(y) * s.w + x] = int16_t(v);
    }
  return s;
}

void Stamp(Canvas& c, const Sprite& s, int x, int y, bool mirror) { StampScaled(c, s, x, y, 1, mirror); }

void StampScaled(Canvas& c, const Sprite& s, int x, int y, int scale, bool mirror) {
  for (int sy = 0; sy < s.h; ++sy)
    for (int sx = 0; sx < s.w; ++sx) {
      int v = s.At(mirror ? s.w - 1 - sx : sx, sy);
      if (v < 0) continue;
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) c.Set(x + sx * scale + dx, y + sy * scale + dy, uint8_t(v));
    }
}

}  // namespace art
