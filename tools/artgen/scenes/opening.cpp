// The opening: the maker's logo in five variants (a flash that settles) and the thirteen cells
// of the little jester who walks in and strikes it onto the screen with his mallet.
#include <cmath>

#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

constexpr uint8_t kKey = P::Magenta;

// ---- Tukkomi: 13 cells of 64x64, one column ----

constexpr double kNone = -1000;  // no mallet in hand

struct Pose {
  int bob = 0;           // body offset (down positive)
  int legs = 0;          // 0 standing, 1 stride, 2 passing
  bool front = false;    // facing the viewer instead of left
  int eyes = 0;          // 0 open, 1 closed (blink), 2 wide
  int mouth = 0;         // 0 smile, 1 open shout, 2 grin
  int handX = -8, handY = 40;   // near hand, relative to the cell
  int backX = 40, backY = 40;   // far hand
  double mallet = kNone;  // angle of the mallet handle in degrees (0 = straight up, 90 = left)
  bool impact = false;
  bool sweat = false;
};

void Mallet(Canvas& c, int hx, int hy, double deg) {
  const double a = deg * M_PI / 180.0;
  const double dx = -std::sin(a), dy = -std::cos(a);  // handle direction
  int ex = hx + int(std::lround(dx * 13)), ey = hy + int(std::lround(dy * 13));
  c.ThickLine(hx, hy, ex, ey, 1, P::Wood[3]);
  // The head: a short fat barrel across the handle's end.
  const double px = -dy, py = dx;
  for (int t = -7; t <= 7; ++t) {
    int cx = ex + int(std::lround(px * t + dx * 3)), cy = ey + int(std::lround(py * t + dy * 3));
    c.FillCircle(cx, cy, 4, std::abs(t) >= 6 ? P::Wood[3] : P::Wood[5]);
  }
  int sx = ex + int(std::lround(dx * 5 - px * 3)), sy = ey + int(std::lround(dy * 5 - py * 3));
  c.Set(sx, sy, P::White);
}

void Jester(Canvas& c, int oy, const Pose& p) {
  const int cx = 32, top = oy + 8 + p.bob;
  // Legs and shoes.
  auto leg = [&](int hip, int foot, uint8_t col) {
    c.ThickLine(cx + hip, top + 38, cx + foot, top + 48, 1, col);
    c.FillEllipse(cx + foot - 2, oy + 57, 3, 2, P::Gold[6]);
  };
  const int strideA = p.legs == 1 ? -6 : p.legs == 2 ? -2 : -3, strideB = p.legs == 1 ? 5 : p.legs == 2 ? 1 : 3;
  leg(2, strideB, P::Purple[2]);
  leg(-2, strideA, P::Purple[5]);
  // Far arm behind the body.
  c.ThickLine(cx + 4, top + 27, p.backX, oy + p.backY, 1, P::Purple[2]);
  c.FillCircle(p.backX, oy + p.backY, 2, P::Cream[4]);
  // Body: a checked tunic.
  for (int y = -9; y <= 9; ++y)
    for (int x = -8; x <= 8; ++x) {
      if (x * x * 81 + y * y * 64 > 64 * 81) continue;
      bool check = (((x + 16) / 3) + ((y + 16) / 3)) % 2 == 0;
      c.Set(cx + x, top + 31 + y, check ? P::Purple[5] : P::Purple[2]);
    }
  // A raised arm goes behind the head, so the face stays clear.
  const bool raised = p.handY < 30;
  if (raised) {
    c.ThickLine(cx - 4, top + 24, cx + p.handX, oy + p.handY, 1, P::Purple[5]);
    if (p.mallet != kNone) Mallet(c, cx + p.handX, oy + p.handY, p.mallet);
  }
  // Ruff collar.
  for (int x = -9; x <= 9; ++x) c.VLine(cx + x, top + 22, top + 24 + (x & 1), P::Gold[6]);
  // Head and hat.
  const int hx = cx + (p.front ? 0 : -2), hy = top + 14;
  c.ThickLine(hx - 4, hy - 6, hx - 13, hy - 13, 2, P::Purple[5]);
  c.ThickLine(hx + 4, hy - 6, hx + 12, hy - 14, 2, P::Purple[2]);
  c.FillCircle(hx - 14, hy - 14, 2, P::Gold[6]);
  c.FillCircle(hx + 13, hy - 15, 2, P::Gold[6]);
  c.FillEllipse(hx, hy - 5, 8, 4, P::Purple[5]);
  c.HLine(hx - 8, hx + 8, hy - 2, P::Gold[6]);
  c.FillEllipse(hx, hy + 3, 8, 6, P::Cream[6]);
  c.HLine(hx - 6, hx + 6, hy + 9, P::Cream[4]);
  const int ex = p.front ? 0 : -3;
  if (p.eyes == 1) {
    c.HLine(hx + ex - 4, hx + ex - 2, hy + 2, P::Black);
    c.HLine(hx + ex + 2, hx + ex + 4, hy + 2, P::Black);
  } else {
    int r = p.eyes == 2 ? 1 : 0;
    c.Fill({hx + ex - 4 - r, hy + 1 - r, 2 + r, 3 + r}, P::Black);
    c.Fill({hx + ex + 2, hy + 1 - r, 2 + r, 3 + r}, P::Black);
  }
  if (p.mouth == 1) c.FillEllipse(hx + ex, hy + 6, 2, 2, P::Scarlet[4]);
  else if (p.mouth == 2) c.HLine(hx + ex - 3, hx + ex + 3, hy + 6, P::Scarlet[4]);
  else c.HLine(hx + ex - 2, hx + ex + 2, hy + 6, P::Scarlet[4]);
  if (p.mouth != 1) c.Set(hx + ex + (p.front ? 3 : -3), hy + 5, P::Scarlet[4]);
  c.Outline({0, oy, 64, 64}, kKey, P::Black);
  // Near arm and the mallet in that hand, over the outline so they read against the body.
  if (!raised) {
    c.ThickLine(cx - 4, top + 27, cx + p.handX, oy + p.handY, 1, P::Purple[5]);
    if (p.mallet != kNone) Mallet(c, cx + p.handX, oy + p.handY, p.mallet);
  }
  c.FillCircle(cx + p.handX, oy + p.handY, 2, P::Cream[6]);
  if (p.sweat) {
    c.Set(hx + 10, hy - 2, P::Ice[6]);
    c.VLine(hx + 10, hy - 1, hy, P::Ice[6]);
  }
  if (p.impact) {  // a star burst where the mallet lands
    int ix = 6, iy = oy + 52;
    for (int i = 0; i < 8; ++i) {
      double a = i * M_PI / 4;
      c.Line(ix, iy, ix + int(std::lround(std::cos(a) * 6)), iy + int(std::lround(std::sin(a) * 6)), P::Yellow[7]);
    }
    c.FillCircle(ix, iy, 2, P::White);
  }
}

void DrawTukkomi(Canvas& c) {
  // Hand positions are relative to the body centre x 32: handX is an offset from it.
  Pose walk0{.bob = 0, .legs = 1, .handX = -6, .handY = 40, .backX = 40, .backY = 38, .mallet = 150};
  Pose walk1{.bob = -1, .legs = 2, .handX = -3, .handY = 41, .backX = 38, .backY = 40, .mallet = 160};
  Pose poses[13] = {
      walk0,
      walk1,
      {.handX = -5, .handY = 42, .backX = 39, .backY = 40, .mallet = 170},                     // 2 stops
      {.front = true, .handX = -9, .handY = 42, .backX = 41, .backY = 41, .mallet = 175},      // 3 turns round
      {.front = true, .eyes = 1, .handX = -9, .handY = 42, .backX = 41, .backY = 41, .mallet = 175},  // 4 blinks
      {.front = true, .eyes = 2, .mouth = 2, .handX = -10, .handY = 36, .backX = 41, .backY = 41, .mallet = 40},  // 5
      {.bob = 1, .eyes = 2, .mouth = 2, .handX = -6, .handY = 30, .backX = 40, .backY = 32, .mallet = 55},  // 6 raises
      {.bob = 1, .eyes = 2, .handX = 0, .handY = 22, .backX = 38, .backY = 26, .mallet = -25, .sweat = true},  // 7 takes aim
      {.bob = 2, .eyes = 1, .handX = 5, .handY = 21, .backX = 37, .backY = 24, .mallet = -80},   // 8 winds up
      {.bob = -1, .legs = 1, .mouth = 1, .handX = -14, .handY = 40, .backX = 40, .backY = 34, .mallet = 120,
       .impact = true},                                                                         // 9 strikes
      {.bob = 0, .legs = 1, .mouth = 2, .handX = -14, .handY = 42, .backX = 40, .backY = 36, .mallet = 130},  // 10
      {.front = true, .mouth = 2, .handX = -4, .handY = 34, .backX = 42, .backY = 38, .mallet = -55},  // 11 proud
      {.front = true, .eyes = 1, .mouth = 2, .handX = -4, .handY = 34, .backX = 46, .backY = 18, .mallet = -55},  // 12 waves
  };
  for (int i = 0; i < 13; ++i) {
    c.SetClip({0, i * 64, 64, 64});
    Jester(c, i * 64, poses[i]);
    c.ResetClip();
  }
}

// ---- Tamberlyn 0..4: the logo ----

constexpr const char* kMaker = "TAMBERLYN";
constexpr int kLW = 613, kLH = 420;

// A tambourine emblem: a ring with jingles and a balloon rising out of it.
void Emblem(Canvas& c, int cx, int cy, bool white) {
  auto col = [&](uint8_t normal) { return white ? P::White : normal; };
  c.FillCircle(cx, cy, 52, col(P::Black));
  c.FillCircle(cx, cy, 50, col(P::Wood[3]));
  c.FillCircle(cx, cy, 44, col(P::Wood[5]));
  c.FillCircle(cx, cy, 40, col(P::Cream[6]));
  c.FillCircle(cx - 6, cy - 6, 26, col(P::Cream[7]));
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 + M_PI / 8;
    int jx = cx + int(std::lround(std::cos(a) * 47)), jy = cy + int(std::lround(std::sin(a) * 47));
    c.FillEllipse(jx, jy, 6, 4, col(P::Black));
    c.FillEllipse(jx, jy, 5, 3, col(P::Gold[5]));
    c.HLine(jx - 3, jx, jy - 1, col(P::Gold[7]));
  }
  Balloon(c, cx + 4, cy - 8, 18, col(P::Scarlet[2]), col(P::Scarlet[5]), P::White, col(P::Grey[4]), 26);
}

void Rays(Canvas& c, int cx, int cy, uint8_t a, uint8_t b) {
  for (int y = 0; y < kLH; ++y)
    for (int x = 0; x < kLW; ++x) {
      double ang = std::atan2(y - cy, x - cx);
      int sector = int(std::floor((ang + M_PI) / (M_PI / 12)));
      c.Set(x, y, sector % 2 ? a : b);
    }
}

void Logo(Canvas& c, int variant) {
  const int cx = kLW / 2, emblemY = 110, nameY = 196;
  const int scale = 10, nameX = cx - BigWidth(kMaker, scale) / 2;
  c.Clear(P::Black);
  BigStyle st{scale, P::Gold[7], P::Gold[5], P::Orange[4], P::White, P::Scarlet[3], P::Maroon[1], 8, 3};
  switch (variant) {
    case 1:  // the strike: a white flash with the name burnt in
      c.Clear(P::White);
      st = {scale, P::Yellow[7], P::Yellow[6], P::Yellow[5], P::White, P::Gold[6], P::Gold[4], 8, 3};
      break;
    case 2:  // the flash fades to yellow rays
      Rays(c, cx, emblemY + 40, P::Yellow[5], P::Orange[4]);
      st = {scale, P::White, P::White, P::Yellow[7], P::White, P::Orange[2], P::Scarlet[2], 8, 3};
      break;
    case 3:  // rays dim to red
      Rays(c, cx, emblemY + 40, P::Scarlet[2], P::Maroon[1]);
      st.shine = nameX + 40;
      break;
    case 4:  // last glow
      Rays(c, cx, emblemY + 40, P::Maroon[0], P::Black);
      st.shine = nameX + 300;
      break;
    default:
      break;
  }
  Emblem(c, cx, emblemY, variant == 1);
  BigLetters(c, nameX, nameY, kMaker, st);
  if (variant != 1) {
    art::DrawTextCentred(c, cx, 300, "- PRESENTS -", P::Cream[6], {3, -1, P::Black, P::Cream[4]});
    if (variant == 0 || variant == 4)
      for (int i = 0; i < 18; ++i) {  // a few sparkles in the dark
        int x = 20 + Noise(i, 1, kLW - 40), y = 10 + Noise(i, 2, 360);
        if (std::abs(x - cx) < 300 && y > nameY - 20 && y < nameY + 90) continue;
        c.Set(x, y, P::Gold[7]);
        if (i % 3 == 0) {
          c.Set(x - 1, y, P::Gold[4]);
          c.Set(x + 1, y, P::Gold[4]);
          c.Set(x, y - 1, P::Gold[4]);
          c.Set(x, y + 1, P::Gold[4]);
        }
      }
  }
  c.Set(0, 0, variant == 1 ? P::White : P::Black);
}

template <int V>
void DrawLogo(Canvas& c) {
  Logo(c, V);
}

const bool kPictures = [] {
  art::RegisterPicture({"Tamberlyn0", kLW, kLH, 8, P::Black, &DrawLogo<0>});
  art::RegisterPicture({"Tamberlyn1", kLW, kLH, 8, P::White, &DrawLogo<1>});
  art::RegisterPicture({"Tamberlyn2", kLW, kLH, 8, P::Black, &DrawLogo<2>});
  art::RegisterPicture({"Tamberlyn3", kLW, kLH, 8, P::Black, &DrawLogo<3>});
  art::RegisterPicture({"Tamberlyn4", kLW, kLH, 8, P::Black, &DrawLogo<4>});
  art::RegisterPicture({"Tukkomi", 64, 832, 4, kKey, &DrawTukkomi});
  return true;
}();

const bool kCells = [] {
  std::vector<art::Cell> cells;
  const char* meaning[5] = {"maker logo, final", "maker logo, strike flash", "maker logo, flash fading",
                            "maker logo, glow", "maker logo, last glow"};
  for (int i = 0; i < 5; ++i) cells.push_back({"Tamberlyn" + std::to_string(i), {0, 0, kLW, kLH}, meaning[i]});
  const char* step[13] = {"walk 1",   "walk 2",        "stops",          "turns to the viewer", "blinks",
                          "grins",    "raises mallet", "takes aim",      "winds up",            "strikes",
                          "follows through", "stands proud", "waves"};
  for (int i = 0; i < 13; ++i)
    cells.push_back({"Tukkomi", {0, 64 * i, 64, 64}, "opening jester cell " + std::to_string(i) + ", " + step[i]});
  art::RegisterCells(std::move(cells));
  return true;
}();

}  // namespace
}  // namespace scenes
