// A picture being drawn: palette indices, row-major, (0,0) top-left.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "palette.h"

namespace art {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Overlaps(const Rect& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
  bool operator==(const Rect&) const = default;
};

// 4x4 ordered dither thresholds 0..15.
inline constexpr uint8_t kBayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

struct Canvas {
  int w = 0, h = 0;
  std::vector<uint8_t> px;
  // Optional clip rectangle: drawing stays inside it (set by the cell helpers).
  Rect clip{0, 0, 0, 0};

  Canvas() = default;
  Canvas(int width, int height, uint8_t fill = pal::Black)
      : w(width), h(height), px(size_t(width) * size_t(height), fill), clip{0, 0, width, height} {}

  bool In(int x, int y) const { return x >= clip.x && y >= clip.y && x < clip.x + clip.w && y < clip.y + clip.h; }
  void Set(int x, int y, uint8_t c) {
    if (In(x, y)) px[size_t(y) * w + x] = c;
  }
  uint8_t Get(int x, int y) const {
    return (x >= 0 && y >= 0 && x < w && y < h) ? px[size_t(y) * w + x] : pal::Black;
  }
  void SetClip(Rect r) {
    int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    int x1 = std::min(w, r.x + r.w), y1 = std::min(h, r.y + r.h);
    clip = {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
  }
  void ResetClip() { clip = {0, 0, w, h}; }

  void Fill(Rect r, uint8_t c) {
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x) Set(x, y, c);
  }
  void Clear(uint8_t c) { Fill({0, 0, w, h}, c); }
  void HLine(int x0, int x1, int y, uint8_t c) {
    if (x0 > x1) std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x) Set(x, y, c);
  }
  void VLine(int x, int y0, int y1, uint8_t c) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) Set(x, y, c);
  }
  void Frame(Rect r, uint8_t c) {
    HLine(r.x, r.x + r.w - 1, r.y, c);
    HLine(r.x, r.x + r.w - 1, r.y + r.h - 1, c);
    VLine(r.x, r.y, r.y + r.h - 1, c);
    VLine(r.x + r.w - 1, r.y, r.y + r.h - 1, c);
  }
  void Line(int x0, int y0, int x1, int y1, uint8_t c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
      Set(x0, y0, c);
      if (x0 == x1 && y0 == y1) break;
      int e2 = 2 * err;
      if (e2 >= dy) err += dy, x0 += sx;
      if (e2 <= dx) err += dx, y0 += sy;
    }
  }
  // Thick line: a filled disc of radius r swept along the segment.
  void ThickLine(int x0, int y0, int x1, int y1, int r, uint8_t c) {
    int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= n; ++i) {
      int x = n ? x0 + (x1 - x0) * i / n : x0, y = n ? y0 + (y1 - y0) * i / n : y0;
      FillCircle(x, y, r, c);
    }
  }
  // Ellipse centred at (cx, cy) with radii rx, ry; works for half-pixel centres via the 2x forms.
  void FillEllipse(int cx, int cy, int rx, int ry, uint8_t c) {
    for (int y = -ry; y <= ry; ++y)
      for (int x = -rx; x <= rx; ++x)
        if (InEllipse(x, y, rx, ry)) Set(cx + x, cy + y, c);
  }
  void Ellipse(int cx, int cy, int rx, int ry, uint8_t c) {
    for (int y = -ry; y <= ry; ++y)
      for (int x = -rx; x <= rx; ++x)
        if (InEllipse(x, y, rx, ry) &&
            (!InEllipse(x - 1, y, rx, ry) || !InEllipse(x + 1, y, rx, ry) || !InEllipse(x, y - 1, rx, ry) ||
             !InEllipse(x, y + 1, rx, ry)))
          Set(cx + x, cy + y, c);
  }
  void FillCircle(int cx, int cy, int r, uint8_t c) { FillEllipse(cx, cy, r, r, c); }
  void Circle(int cx, int cy, int r, uint8_t c) { Ellipse(cx, cy, r, r, c); }

  // Vertical gradient through ramp entries [from..to] (either order), dithered.
  void GradientV(Rect r, pal::Ramp ramp, int from, int to) { Gradient(r, ramp, from, to, true); }
  void GradientH(Rect r, pal::Ramp ramp, int from, int to) { Gradient(r, ramp, from, to, false); }
  // Gradient through an explicit list of indices (top/left first).
  void GradientList(Rect r, const std::vector<uint8_t>& cols, bool vertical) {
    if (cols.empty()) return;
    int len = vertical ? r.h : r.w;
    for (int y = 0; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x) {
        int t = vertical ? y : x;
        int steps = int(cols.size()) - 1;
        int pos16 = len > 1 ? t * steps * 16 / (len - 1) : 0;  // position in 1/16 steps
        int i = pos16 / 16, frac = pos16 % 16;
        if (i >= steps) i = steps, frac = 0;
        int px = r.x + x, py = r.y + y;
        uint8_t c = (frac > kBayer4[py & 3][px & 3] && i < steps) ? cols[i + 1] : cols[i];
        Set(px, py, c);
      }
  }
  // Dither between two colours: level 0 = all a, 16 = all b.
  void Dither(Rect r, uint8_t a, uint8_t b, int level) {
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x) Set(x, y, level > kBayer4[y & 3][x & 3] ? b : a);
  }

  // Flood fill of the 4-connected region of the colour at (x, y).
  void FloodFill(int x, int y, uint8_t c) {
    if (!In(x, y)) return;
    uint8_t target = Get(x, y);
    if (target == c) return;
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
      auto [px0, py0] = stack.back();
      stack.pop_back();
      if (!In(px0, py0) || Get(px0, py0) != target) continue;
      Set(px0, py0, c);
      stack.push_back({px0 + 1, py0});
      stack.push_back({px0 - 1, py0});
      stack.push_back({px0, py0 + 1});
      stack.push_back({px0, py0 - 1});
    }
  }

  // Paints colour c on every pixel of r that is `background` and touches (4-way) a
  // non-background pixel: a one-pixel outline around whatever was drawn on the background.
  void Outline(Rect r, uint8_t background, uint8_t c, bool diagonals = false) {
    std::vector<uint8_t> mark(size_t(r.w) * r.h, 0);
    auto solid = [&](int x, int y) {
      return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h && Get(x, y) != background && Get(x, y) != c;
    };
    for (int y = 0; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x) {
        int gx = r.x + x, gy = r.y + y;
        if (Get(gx, gy) != background) continue;
        bool n = solid(gx - 1, gy) || solid(gx + 1, gy) || solid(gx, gy - 1) || solid(gx, gy + 1);
        if (diagonals)
          n = n || solid(gx - 1, gy - 1) || solid(gx + 1, gy - 1) || solid(gx - 1, gy + 1) || solid(gx + 1, gy + 1);
        mark[size_t(y) * r.w + x] = n;
      }
    for (int y = 0; y < r.h; ++y)
      for (int x = 0; x < r.w; ++x)
        if (mark[size_t(y) * r.w + x]) Set(r.x + x, r.y + y, c);
  }

  // Copies a rectangle of another canvas; pixels equal to `key` (if >= 0) are left out.
  void Blit(const Canvas& src, Rect from, int dx, int dy, bool mirror = false, int key = -1) {
    for (int y = 0; y < from.h; ++y)
      for (int x = 0; x < from.w; ++x) {
        int sx = mirror ? from.x + from.w - 1 - x : from.x + x;
        uint8_t c = src.Get(sx, from.y + y);
        if (key >= 0 && c == key) continue;
        Set(dx + x, dy + y, c);
      }
  }
  // Replaces every pixel of colour `from` by `to` inside r.
  void Replace(Rect r, uint8_t from, uint8_t to) {
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x)
        if (In(x, y) && Get(x, y) == from) Set(x, y, to);
  }

 private:
  static bool InEllipse(int x, int y, int rx, int ry) {
    if (rx <= 0 || ry <= 0) return (rx <= 0 ? x == 0 : std::abs(x) <= rx) && (ry <= 0 ? y == 0 : std::abs(y) <= ry);
    // +0.5 so small circles look round rather than diamond-shaped.
    double fx = (x) / (rx + 0.5), fy = (y) / (ry + 0.5);
    return fx * fx + fy * fy <= 1.0;
  }
  void Gradient(Rect r, pal::Ramp ramp, int from, int to, bool vertical) {
    std::vector<uint8_t> cols;
    int step = from <= to ? 1 : -1;
    for (int i = from;; i += step) {
      cols.push_back(ramp[i]);
      if (i == to) break;
    }
    GradientList(r, cols, vertical);
  }
};

}  // namespace art
