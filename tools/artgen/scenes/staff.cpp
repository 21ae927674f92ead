// The staff roll: the credits strip (headings and team roles at the rows the roll copies) and
// the frame laid over it, transparent where the credits show, fading them in and out.
#include <cmath>

#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

enum class Kind { Heading, Name, Big, Small };

struct Line {
  const char* text;
  Kind kind;
  uint8_t colour = 0;  // names only: 0 = gold, otherwise this colour
};

// One source rectangle of the strip: x 0, rows [y, y + h), width w; `centre` is the x within the
// strip that lands on the middle of the screen at the piece's screen X. The text keeps `margin`
// rows clear at both ends, because neighbouring rectangles share a few rows.
struct Piece {
  int y, w, h, centre;
  std::vector<Line> lines;
  const char* meaning;
};

const std::vector<Piece>& Pieces() {
  static const std::vector<Piece> p = {
      {0, 274, 54, 145, {{"GAME DESIGN", Kind::Heading}}, "heading: game design (piece 0)"},
      {50, 300, 89, 140, {{"THE AEROTUSSLE", Kind::Name}, {"TEAM", Kind::Name}},
       "name: the team, under three headings (pieces 1, 4, 9)"},
      {138, 270, 58, 130, {{"PROGRAM", Kind::Heading}}, "heading: program (piece 2)"},
      {194, 286, 95, 130, {{"THE TOOLS AND", Kind::Name}, {"BUILD CREW", Kind::Name}},
       "name: the tools and build crew (pieces 3 and 13)"},
      {289, 267, 58, 130, {{"SPECIAL THANKS", Kind::Heading}}, "heading: special thanks (piece 12)"},
      {347, 228, 81, 140, {{"SOUND", Kind::Heading}}, "heading: sound (piece 7)"},
      {428, 372, 109, 170, {{"THE SOUND", Kind::Name}, {"WORKSHOP", Kind::Name}}, "name: the sound workshop (piece 8)"},
      {537, 268, 68, 140, {{"TEST PLAY", Kind::Heading}}, "heading: test play (piece 10)"},
      {605, 288, 192, 140,
       {{"THE RED TEAM", Kind::Name, P::Scarlet[5]},
        {"THE BLUE TEAM", Kind::Name, P::Blue[6]},
        {"THE GREEN TEAM", Kind::Name, P::Green[5]},
        {"THE GOLD TEAM", Kind::Name, P::Gold[6]}},
       "names: the four test teams (piece 11)"},
      {797, 315, 64, 155, {{"GRAPHICS", Kind::Heading}}, "heading: graphics (piece 5)"},
      {861, 266, 106, 150, {{"THE PIXEL", Kind::Name}, {"STUDIO", Kind::Name}}, "name: the pixel studio (piece 6)"},
      {967, 338, 62, 150, {{"DIRECTOR", Kind::Heading}}, "heading: director (piece 14)"},
      {1029, 436, 56, 190, {{"THE AEROTUSSLE LEAD", Kind::Name}}, "name: the lead (piece 15)"},
      {1085, 436, 63, 160, {{"AND YOU, THE PLAYER!", Kind::Name}}, "closing piece at 110 below piece 15"},
      {1148, 436, 65, 165, {{"PRESENTED BY", Kind::Heading}}, "closing piece at 440"},
      {1213, 436, 70, 165, {{"TAMBERLYN", Kind::Big}}, "closing piece at 550: the maker"},
      {1283, 436, 67, 165, {{"SEE YOU IN THE SKY!", Kind::Name}}, "closing piece at 770"},
      {1360, 436, 80, 165, {{"THANK YOU", Kind::Name}, {"FOR PLAYING", Kind::Name}}, "closing piece at 980"},
      {1438, 436, 90, 195, {{"AEROTUSSLE", Kind::Big}}, "closing piece at 1350: the game's name"},
      {1528, 436, 86, 195, {{"THE END", Kind::Big}}, "closing piece at 1500"},
  };
  return p;
}

int LineHeight(Kind k) { return k == Kind::Big ? 48 : k == Kind::Heading ? 21 : k == Kind::Name ? 24 : 9; }

void DrawPiece(Canvas& c, const Piece& p) {
  int total = 0;
  for (const Line& l : p.lines) total += LineHeight(l.kind) + 8;
  total -= 8;
  int y = p.y + (p.h - total) / 2;
  c.SetClip({0, p.y + 3, p.w, p.h - 6});  // keep the shared rows at both ends clear
  for (const Line& l : p.lines) {
    switch (l.kind) {
      case Kind::Heading: {
        int w = art::TextWidth(l.text, 3);
        c.HLine(p.centre - w / 2 - 30, p.centre - w / 2 - 10, y + 10, P::Cyan[4]);
        c.HLine(p.centre + w / 2 + 10, p.centre + w / 2 + 30, y + 10, P::Cyan[4]);
        CaptionCentred(c, p.centre, y, l.text, 3, P::Cyan[6], P::Cyan[4], P::Navy[2]);
        break;
      }
      case Kind::Name: {
        uint8_t top = l.colour ? l.colour : P::Gold[7];
        uint8_t bottom = l.colour ? l.colour : P::Gold[5];
        art::DrawTextCentred(c, p.centre, y + 2, l.text, top, {3, P::Maroon[1], P::Wine[0], bottom});
        break;
      }
      case Kind::Big: {
        BigStyle st{6, P::Yellow[7], P::Yellow[5], P::Orange[4], P::White, P::Scarlet[3], P::Maroon[1], 5, 2};
        BigLetters(c, p.centre - BigWidth(l.text, 6) / 2, y, l.text, st);
        break;
      }
      case Kind::Small:
        art::DrawTextCentred(c, p.centre, y, l.text, P::Ice[5]);
        break;
    }
    y += LineHeight(l.kind) + 8;
  }
  c.ResetClip();
}

void DrawStaff(Canvas& c) {
  for (const Piece& p : Pieces()) DrawPiece(c, p);
  // A balloon pair rising beside the game's name.
  Balloon(c, 40, 1460, 12, P::Scarlet[2], P::Scarlet[5], P::White, P::Grey[4], 14);
  Balloon(c, 350, 1456, 12, P::Blue[2], P::Blue[5], P::White, P::Grey[4], 14);
}

// ---- STAFF_BACK: 1-bit frame ----

constexpr uint8_t kFrame = P::Navy[2];

void DrawStaffBack(Canvas& c) {
  // Colour 0 (the key, black here) is transparent.
  const int left = 112, right = 576;  // credits run between x 125 and 566
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      bool side = x < left || x >= right;
      int fade = 0;  // 0 clear .. 16 solid
      if (y < 56) fade = 16 - std::max(0, y - 24) / 2;
      if (y >= 424) fade = 16 - std::max(0, 455 - y) / 2;
      fade = std::clamp(fade, 0, 16);
      bool solid = side || fade > art::kBayer4[y & 3][x & 3];
      if (solid) c.Set(x, y, kFrame);
    }
  // Balloon cut-outs climbing the side panels.
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < 6; ++i) {
      int cx = side ? 608 - (i % 2) * 12 : 44 + (i % 2) * 18, cy = 40 + i * 78;
      c.Ellipse(cx, cy, 13, 16, P::Black);
      c.Ellipse(cx, cy, 12, 15, P::Black);
      c.FillEllipse(cx - 5, cy - 6, 2, 3, P::Black);
      for (int s = 0; s < 22; ++s) c.Set(cx + ((s / 5) % 2), cy + 17 + s, P::Black);
    }
  // Inner edge lines.
  c.VLine(left - 4, 0, 479, P::Black);
  c.VLine(right + 3, 0, 479, P::Black);
  c.Set(0, 0, P::Black);
}

const bool kPictures = [] {
  art::RegisterPicture({"STAFF", 436, 1612, 8, P::Black, &DrawStaff});
  art::RegisterPicture({"STAFF_BACK", 640, 480, 1, P::Black, &DrawStaffBack});
  return true;
}();

const bool kCells = [] {
  std::vector<art::Cell> cells;
  for (const Piece& p : Pieces())
    cells.push_back({"STAFF", {0, p.y, p.w, p.h}, p.meaning, "credit pieces share a few blank rows at their ends"});
  // Piece 13 reads the tools crew 14 pixels wider than piece 3 does.
  cells.push_back({"STAFF", {0, 194, 300, 95}, "name: the tools and build crew, wide copy (piece 13)",
                   "credit pieces share a few blank rows at their ends"});
  cells.push_back({"STAFF_BACK", {0, 0, 640, 480}, "staff roll frame, transparent where the credits show"});
  art::RegisterCells(std::move(cells));
  return true;
}();

}  // namespace
}  // namespace scenes
