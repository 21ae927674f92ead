// The game's pixel font: 5x7 glyphs (with descenders) drawn at any integer scale.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

struct TextStyle {
  int scale = 1;        // 1 = small font (line height 9), 2 = big font, 3, 4 ... larger still
  int shadow = -1;      // palette index of a drop shadow one (scaled) pixel down-right, or -1
  int outline = -1;     // palette index of a one-pixel outline all round, or -1
  int shade = -1;       // palette index for the lower half of each glyph (two-tone letters), or -1
};

inline constexpr int kFontHeight = 7;  // cap height; descenders go two rows below
inline constexpr int kLineHeight = 10;

// Width in pixels of text at the given scale (no outline/shadow included).
int TextWidth(const std::string& text, int scale = 1);

// Draws text with its top-left at (x, y). '\n' starts a new line. Characters the font lacks
// are drawn as a small box. Returns the width of the longest line.
int DrawText(Canvas& c, int x, int y, const std::string& text, uint8_t colour, TextStyle style = {});

// The same, centred horizontally on cx.
int DrawTextCentred(Canvas& c, int cx, int y, const std::string& text, uint8_t colour, TextStyle style = {});

}  // namespace art
