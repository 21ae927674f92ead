// Sprite templates written as text: one string per row, one character per pixel, and a
// legend that maps characters to palette indices. ' ' and '.' are transparent.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"

namespace art {

// Character -> palette index. Characters missing from the legend are an error at parse time.
struct Legend {
  int map[128];
  Legend() {
    for (int& m : map) m = -2;
    map[int(' ')] = map[int('.')] = -1;
  }
  Legend(std::initializer_list<std::pair<char, int>> entries) : Legend() {
    for (auto [c, i] : entries) map[int(c) & 127] = i;
  }
  // A copy with some characters remapped (a recoloured scheme of the same template).
  Legend With(std::initializer_list<std::pair<char, int>> entries) const {
    Legend l = *this;
    for (auto [c, i] : entries) l.map[int(c) & 127] = i;
    return l;
  }
};

// Parsed sprite: -1 = transparent, otherwise a palette index.
struct Sprite {
  int w = 0, h = 0;
  std::vector<int16_t> px;
  int At(int x, int y) const { return (x >= 0 && y >= 0 && x < w && y < h) ? px[size_t(y) * w + x] : -1; }
};

// Parses rows of text; rows may differ in length (short rows are padded transparent).
// Throws std::runtime_error naming the template and character if the legend lacks a character.
Sprite ParseSprite(const std::vector<std::string>& rows, const Legend& legend, const char* name = "sprite");

// Draws s with its top-left at (x, y); mirror flips it left-right within its own width.
void Stamp(Canvas& c, const Sprite& s, int x, int y, bool mirror = false);

// Draws s scaled up by an integer factor.
void StampScaled(Canvas& c, const Sprite& s, int x, int y, int scale, bool mirror = false);

}  // namespace art
