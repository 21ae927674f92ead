// CHR_1: the fighter cells of the four slots, their super-move poses and the effect cells.
// BuildSheets mirrors every 32-pixel column of each 128-row band into the band below it, so
// the art faces left; cells that the game reads from a mirrored band are stored mirrored.
// Rows 256..511 are the white-flash copies of rows 0..255 that a blinking fighter shows.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "fighter_kit.h"
#include "picture.h"

namespace {

using art::Canvas;
using art::Rect;
using kit::Pose;

const char* const kPoseNames[6] = {"stand", "walk frame 1", "walk frame 2", "flap frame 1", "flap frame 2", "glide"};
const char* const kSlotNames[4] = {"slot 0 (pilot)", "slot 1 (knight)", "slot 2 (cat girl)", "slot 3 (robot)"};

struct Entry {
  art::Cell cell;
  std::function<void(Canvas&, Rect)> draw;
};

std::string Slot(int s) { return kSlotNames[s]; }

// Copies a drawn 32x64 cell into the picture with every 32-pixel column mirrored in place.
void PutMirrored(Canvas& c, const Canvas& cell, Rect src, int x, int y) { c.Blit(cell, src, x, y, true); }

Pose Hurt(int balloons) {
  Pose p{{-6, -6}, {5, -7}, {-2, 8}, {3, 7}};
  p.balloons = balloons;
  p.pop = true;
  p.face = kit::Face::Hurt;
  p.headDy = 1;
  return p;
}

Pose Fall(int frame) {
  Pose p = frame == 0 ? Pose{{-6, -7}, {6, -7}, {-3, 8}, {4, 6}} : Pose{{-8, -2}, {7, -3}, {0, 7}, {2, 9}};
  p.balloons = 0;
  p.face = kit::Face::Hurt;
  return p;
}

// Super-move poses.
Pose Charge() {
  Pose p{{-3, 5}, {3, 5}, {-3, 7}, {3, 7}};
  p.bodyDy = 2;
  p.face = kit::Face::Effort;
  return p;
}
Pose PowerUp(int frame) {
  Pose p{{-7, -11}, {6, -11}, {-2, 9}, {2, 9}};
  p.fist = true;
  p.face = kit::Face::Shout;
  p.aura = frame == 0 ? kit::GoldL : kit::White;
  p.wind = frame;
  return p;
}
Pose Dash() {
  Pose p{{-11, -1}, {6, 2}, {6, 6}, {9, 4}};
  p.headDx = -3;
  p.headDy = 2;
  p.bodyDx = -1;
  p.fist = true;
  p.face = kit::Face::Shout;
  p.wind = 1;
  return p;
}
Pose Uppercut() {
  Pose p{{-7, -13}, {4, 6}, {1, 9}, {3, 8}};
  p.headDy = -1;
  p.fist = true;
  p.face = kit::Face::Shout;
  p.aura = kit::White;
  return p;
}
Pose Crouch() {
  Pose p{{-6, 2}, {-4, 3}, {-3, 6}, {3, 6}};
  p.bodyDy = 3;
  p.face = kit::Face::Effort;
  p.aura = kit::Cyan;
  return p;
}
Pose Recoil(int frame) {
  Pose p{{-10, -1}, {-8, 1}, {3, 8}, {6, 7}};
  p.headDx = 1;
  p.fist = true;
  p.face = kit::Face::Shout;
  p.aura = frame == 0 ? kit::GoldL : kit::RedL;
  p.wind = 1;
  return p;
}
Pose Blast(int frame) {
  Pose p{{-10, 0}, {-9, 2}, {-2, 9}, {4, 8}};
  p.face = kit::Face::Shout;
  p.aura = frame == 0 ? kit::Cyan : kit::White;
  return p;
}
Pose Summon() {
  Pose p{{-7, -12}, {4, 5}, {-1, 9}, {2, 9}};
  p.fist = true;
  p.face = kit::Face::Shout;
  p.aura = kit::Cyan;
  return p;
}
Pose Cast() {
  Pose p{{-10, -2}, {-8, 0}, {-2, 9}, {3, 9}};
  p.face = kit::Face::Shout;
  p.aura = kit::BlueL;
  return p;
}
Pose Stance() {
  Pose p{{-6, -3}, {-2, 0}, {-4, 8}, {4, 8}};
  p.fist = true;
  p.face = kit::Face::Effort;
  p.bodyDy = 1;
  return p;
}
Pose Victory() {
  Pose p{{-7, -12}, {3, 4}, {-1, 9}, {2, 9}};
  p.fist = true;
  p.face = kit::Face::Shout;
  p.aura = kit::GoldL;
  return p;
}
Pose Rampage() {
  Pose p{{-10, -3}, {-9, 0}, {9, 2}, {10, -1}};
  p.headDx = -4;
  p.headDy = 3;
  p.bodyDx = 0;
  p.fist = true;
  p.face = kit::Face::Shout;
  p.aura = kit::RedL;
  p.wind = 1;
  return p;
}
Pose BeamUp() {
  Pose p{{-8, -8}, {-6, -9}, {-2, 9}, {3, 9}};
  p.face = kit::Face::Shout;
  p.aura = kit::Cyan;
  return p;
}

void Fighter(Canvas& c, Rect r, int slot, const Pose& p) { kit::DrawFighter(c, r.x, r.y, slot, p); }

// Speed lines trailing to the back (right) of a cell.
void SpeedLines(Canvas& c, Rect r) {
  for (int i = 0; i < 5; ++i) {
    int y = r.y + 34 + i * 5, x0 = r.x + 22 + (i % 2) * 3;
    for (int x = x0; x < r.x + 32; ++x)
      if (c.Get(x, y) == kit::Key) c.Set(x, y, i % 2 ? kit::Steel : kit::White);
  }
}

// ---- Effects -------------------------------------------------------------------------------

// Colour of a glowing band: t = 0 at the core, 1 at the rim; hot = fire colours, else ice.
int Glow(double t, bool hot, int x, int y) {
  static const uint8_t fire[5] = {kit::White, kit::GoldL, kit::GoldD, kit::RedL, kit::RedD};
  static const uint8_t ice[5] = {kit::White, kit::Cyan, kit::BlueL, kit::BlueD, kit::Ink};
  if (t >= 1.0) return -1;
  double f = t * 5.0;
  int i = int(f);
  if (i > 4) i = 4;
  double frac = f - i;
  if (i < 4 && frac * 16 > art::kBayer4[y & 3][x & 3] + 8) ++i;  // dithered edge between bands
  return (hot ? fire : ice)[i];
}

// A column of light 64 wide that tiles every 64 rows; opaque, so every pixel is filled.
void Pillar(Canvas& c, Rect r, int phase) {
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      double a = 2 * M_PI * (y / 64.0 * 2 + phase * 0.5);
      double w = 0.82 + 0.12 * std::sin(a + x * 0.05);
      double t = std::abs(x - 31.5) / 32.0 / w;
      int col = Glow(std::min(t, 0.99), true, x, y);
      if (t > 0.99) col = (x + y + phase) % 7 == 0 ? kit::GoldD : kit::RedD;
      c.Set(r.x + x, r.y + y, uint8_t(col));
    }
  // Rising sparks.
  for (int i = 0; i < 6; ++i) {
    int sx = r.x + 10 + (i * 23 + phase * 11) % 44, sy = r.y + (i * 19 + phase * 29) % 60;
    c.Set(sx, sy, kit::White);
    c.Set(sx, sy + 1, kit::GoldL);
  }
}

// A 32-wide beam column that tiles every 64 rows; opaque.
void BeamColumn(Canvas& c, Rect r) {
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 32; ++x) {
      double w = 0.85 + 0.1 * std::sin(2 * M_PI * y / 32.0);
      double t = std::abs(x - 15.5) / 16.0 / w;
      int col = t >= 0.99 ? kit::BlueD : Glow(t, false, x, y);
      if (col == kit::Ink) col = kit::BlueD;
      c.Set(r.x + x, r.y + y, uint8_t(col));
    }
}

// One 32x32 piece of the 45-degree beam: piece -1 left, 0 centre, 1 right.
void DiagonalPiece(Canvas& c, int dx, int dy, int piece, bool facingRight, bool alt) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int sx = x + 32 * piece;            // strip coordinate, centre cell at 0..31
      int xm = facingRight ? sx : 31 - sx;
      int u = std::abs(xm + y - 31);
      int col = Glow(u / 22.0, alt, dx + x, dy + y);
      if (col == kit::Ink) col = kit::BlueD;
      if (col >= 0) c.Set(dx + x, dy + y, uint8_t(col));
    }
}

// 32x128 slice of the horizontal energy wall; tiles every 32 columns.
void WallPillar(Canvas& c, Rect r, int phase) {
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 32; ++x) {
      double h = 46 + 6 * std::sin(2 * M_PI * (x / 32.0 + phase * 0.5)) + 3 * std::sin(2 * M_PI * (x / 16.0));
      double t = std::abs(y - 63.5) / h;
      int col = Glow(t, phase == 1, x, y);
      if (col == kit::Ink) col = kit::BlueD;
      if (col >= 0) c.Set(r.x + x, r.y + y, uint8_t(col));
    }
}

// The wall's origin at the fighter, 32x128 facing left; the game takes three 32x32 slices.
Canvas WallOrigin(int phase) {
  Canvas o(32, 128, kit::Key);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 32; ++x) {
      double ex = (x - 2) / 30.0, ey = (y - 63.5) / (50.0 + 6 * phase);
      double d = std::sqrt(ex * ex + ey * ey);
      // A crescent flare opening to the left.
      double ring = std::abs(d - 0.8) / 0.22;
      int col = Glow(ring, phase == 1, x, y);
      if (col == kit::Ink) col = kit::BlueD;
      if (col >= 0) o.Set(x, y, uint8_t(col));
    }
  return o;
}

// A 64x64 explosion.
Canvas Burst(int phase) {
  Canvas b(64, 64, kit::Key);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      double dx = x - 31.5, dy = y - 31.5;
      double a = std::atan2(dy, dx);
      double rim = (phase == 0 ? 24 : 29) + 4 * std::sin(a * 7 + phase) + 2 * std::sin(a * 13);
      double d = std::sqrt(dx * dx + dy * dy) / rim;
      double t = phase == 0 ? d : std::abs(d - 0.55) / 0.45;  // second frame: a ring
      if (d >= 1.0) continue;
      int col = Glow(t, true, x, y);
      if (col >= 0) b.Set(x, y, uint8_t(col));
    }
  if (phase == 1)
    for (int i = 0; i < 10; ++i) {
      double a = i * 0.63;
      b.Set(32 + int(29 * std::cos(a)), 32 + int(29 * std::sin(a)), kit::GoldL);
    }
  return b;
}

void Fireball(Canvas& c, Rect r) {
  // Diving down: flame trail above, white-hot ball below.
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 32; ++x) {
      double dx = x - 15.5, dy = y - 46.0;
      double ball = std::sqrt(dx * dx + dy * dy) / 13.0;
      double tail = y < 46 ? std::abs(dx) / (2.0 + 11.0 * y / 46.0) + (46 - y) / 60.0 * std::abs(std::sin(y * 0.4)) : 9;
      double t = std::min(ball, tail);
      int col = Glow(t, true, x, y);
      if (col >= 0) c.Set(r.x + x, r.y + y, uint8_t(col));
    }
  c.Outline(r, kit::Key, kit::RedD);
}

void FlashStar(Canvas& c, Rect r) {
  const int cx = r.x + 16, cy = r.y + 36;
  for (int i = 0; i < 16; ++i) {
    double a = i * M_PI / 8;
    int len = i % 2 ? 9 : 15;
    c.Line(cx, cy, cx + int(len * std::cos(a)), cy + int(len * std::sin(a)), i % 4 == 0 ? kit::White : kit::GoldL);
  }
  c.FillCircle(cx, cy, 6, kit::White);
  c.Circle(cx, cy, 8, kit::Cyan);
  c.Outline(r, kit::Key, kit::GoldD);
}

// ---- The table -----------------------------------------------------------------------------

std::vector<Entry> BuildEntries() {
  std::vector<Entry> e;
  auto add = [&](Rect r, std::string meaning, std::function<void(Canvas&, Rect)> f, std::string shared = "") {
    e.push_back({{"CHR_1", r, std::move(meaning), std::move(shared)}, std::move(f)});
  };
  const std::string L = ", facing left (the sheet mirrors it for facing right)";
  for (int s = 0; s < 4; ++s) {
    const int B = 192 * s;
    for (int b = 2; b >= 1; --b)
      for (int i = 0; i < 6; ++i) {
        Pose p = i == 0 ? kit::Stand(b) : i <= 2 ? kit::Walk(b, i - 1) : i <= 4 ? kit::Flap(b, i - 3) : kit::Glide(b);
        add({B + 32 * i, b == 2 ? 0 : 64, 32, 64},
            Slot(s) + ", " + kPoseNames[i] + (b == 2 ? ", two balloons" : ", one balloon") + L,
            [s, p](Canvas& c, Rect r) { Fighter(c, r, s, p); });
      }
    const int hurtX[4] = {32, 0, 96, 64};
    add({hurtX[s], 128, 32, 64}, Slot(s) + ", hurt, a balloon left" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Hurt(1)); });
    add({hurtX[s], 192, 32, 64}, Slot(s) + ", hurt, no balloons left" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Hurt(0)); });
    // Death fall, upside down, two frames.
    const int fallX[4] = {192, 128, 128, 192};
    for (int f = 0; f < 2; ++f) {
      auto draw = [s, f](Canvas& dst, Rect r, bool split) {
        Canvas cell(32, 64, kit::Key), flipped(32, 64, kit::Key);
        kit::DrawFighter(cell, 0, 0, s, Fall(f));
        for (int y = 0; y < 64; ++y)
          for (int x = 0; x < 32; ++x) flipped.Set(x, y, cell.Get(x, 63 - y));
        // Shift the flipped body down a little so it sits mid-cell.
        Canvas placed(32, 64, kit::Key);
        placed.Blit(flipped, {0, 0, 32, 56}, 0, 8);
        if (!split) {
          dst.Blit(placed, {0, 0, 32, 64}, r.x, r.y);
        } else {
          dst.Blit(placed, {0, 0, 32, 32}, r.x, 224);
          PutMirrored(dst, placed, {0, 32, 32, 32}, r.x, 128);
        }
      };
      const std::string m = Slot(s) + ", death fall frame " + std::to_string(f + 1);
      if (s < 2) {
        add({fallX[s] + 32 * f, 160, 32, 64}, m, [draw](Canvas& c, Rect r) { draw(c, r, false); });
      } else {
        add({fallX[s] + 32 * f, 224, 32, 32}, m + ", upper half", [draw](Canvas& c, Rect r) { draw(c, r, true); });
        add({fallX[s] + 32 * f, 128, 32, 32}, m + ", lower half (read from the mirrored band, stored mirrored)",
            [](Canvas&, Rect) {});
      }
    }
    // Super moves.
    add({256 + 96 * s, 128, 32, 64}, Slot(s) + ", super 0 charge",
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Charge()); });
    for (int f = 0; f < 2; ++f)
      add({288 + 96 * s + 32 * f, 128, 32, 64}, Slot(s) + ", super 0 power-up frame " + std::to_string(f + 1),
          [s, f](Canvas& c, Rect r) { Fighter(c, r, s, PowerUp(f)); });
    add({256 + 32 * s, 192, 32, 64}, Slot(s) + ", lunge (supers 1 and 6, the seven-star pose)" + L,
        [s](Canvas& c, Rect r) {
          Fighter(c, r, s, Dash());
          SpeedLines(c, r);
        });
    add({768 + 32 * s, 128, 32, 64}, Slot(s) + ", super 1 rising uppercut" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Uppercut()); });
    add({768 + 64 * s, 192, 32, 64}, Slot(s) + ", crouch before the blast (supers 2 and 7)" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Crouch()); });
    add({800 + 64 * s, 192, 32, 64}, Slot(s) + ", super 7 firing, toggle on" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Recoil(0)); });
    add({896 + 32 * s, 64, 32, 64}, Slot(s) + ", super 7 firing, toggle off" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Recoil(1)); });
    add({1088 + 32 * s, 64, 32, 64}, Slot(s) + ", super 2 blasting, toggle off" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Blast(0)); });
    add({1024 + 32 * s, 128, 32, 64}, Slot(s) + ", super 2 blasting, toggle on" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Blast(1)); });
    add({384 + 64 * s, 192, 32, 64}, Slot(s) + ", super 3 summoning" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Summon()); });
    add({416 + 64 * s, 192, 32, 64}, Slot(s) + ", super 3 casting the beam" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Cast()); });
    add({640 + 32 * s, 192, 32, 64}, Slot(s) + ", supers 4 and 9 stance" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Stance()); });
    add({640 + 32 * s, 128, 32, 64}, Slot(s) + ", victory pose (supers 4 and 9 finish, super 15)" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, Victory()); });
    add({896 + 32 * s, 128, 32, 64}, Slot(s) + ", super 5 rampage" + L,
        [s](Canvas& c, Rect r) {
          Fighter(c, r, s, Rampage());
          SpeedLines(c, r);
        });
    add({1056 + 64 * s, 192, 32, 64}, Slot(s) + ", super 10 diagonal beam pose" + L,
        [s](Canvas& c, Rect r) { Fighter(c, r, s, BeamUp()); });
  }
  // Super 8 turns any fighter into a diving fireball.
  add({1056, 64, 32, 64}, "super 8 ignition flash (every slot)", [](Canvas& c, Rect r) { FlashStar(c, r); });
  add({1024, 64, 32, 64}, "super 8 diving fireball (every slot)", [](Canvas& c, Rect r) { Fireball(c, r); });

  // Effect cells.
  add({768, 0, 64, 64}, "super 0 light pillar, toggle on (opaque, tiles upward)",
      [](Canvas& c, Rect r) { Pillar(c, r, 0); });
  add({864, 0, 64, 64}, "super 0 light pillar, toggle off (opaque, tiles upward)",
      [](Canvas& c, Rect r) { Pillar(c, r, 1); });
  add({832, 0, 32, 64}, "super 3 beam column (opaque, tiles upward)", [](Canvas& c, Rect r) { BeamColumn(c, r); });
  struct Diag {
    int x, y, piece;
    bool right, alt;
  };
  const Diag diags[12] = {{960, 32, -1, true, false},  {992, 0, 0, true, false},   {992, 32, 1, true, false},
                          {1088, 0, -1, true, true},   {1024, 0, 0, true, true},   {1120, 0, 1, true, true},
                          {1024, 32, -1, false, false}, {928, 0, 0, false, false}, {928, 32, 1, false, false},
                          {1152, 0, -1, false, true},  {960, 0, 0, false, true},   {1056, 0, 1, false, true}};
  const char* pieceName[3] = {"left", "middle", "right"};
  for (const Diag& d : diags)
    add({d.x, d.y, 32, 32},
        std::string("super 10 beam piece, ") + pieceName[d.piece + 1] + ", toggle " + (d.alt ? "on" : "off") +
            ", facing " + (d.right ? "right" : "left"),
        [d](Canvas& c, Rect r) { DiagonalPiece(c, r.x, r.y, d.piece, d.right, d.alt); });
  add({1216, 0, 32, 128}, "super 2 energy wall, toggle off", [](Canvas& c, Rect r) { WallPillar(c, r, 0); });
  add({1248, 0, 32, 128}, "super 2 energy wall, toggle on", [](Canvas& c, Rect r) { WallPillar(c, r, 1); });
  struct Slice {
    int x, y, row, phase;
    const char* name;
  };
  const Slice slices[6] = {{1152, 128, 32, 0, "at the fighter"}, {1184, 128, 32, 1, "at the fighter"},
                           {1088, 32, 0, 0, "above the fighter"}, {1120, 32, 0, 1, "above the fighter"},
                           {1056, 32, 96, 0, "below the fighter"}, {1152, 32, 96, 1, "below the fighter"}};
  for (const Slice& sl : slices)
    add({sl.x, sl.y, 32, 32},
        std::string("super 2 wall origin ") + sl.name + ", toggle " + (sl.phase ? "on" : "off") + L,
        [sl](Canvas& c, Rect r) {
          Canvas o = WallOrigin(sl.phase);
          c.Blit(o, {0, sl.row, 32, 32}, r.x, r.y);
        });
  for (int ph = 0; ph < 2; ++ph)
    add({768 + 64 * ph, 64, 64, 64},
        std::string("super 7 explosion, toggle ") + (ph ? "on" : "off") +
            " (read from the mirrored band, stored with each 32-pixel column mirrored)",
        [ph](Canvas& c, Rect r) {
          Canvas b = Burst(ph);
          PutMirrored(c, b, {0, 0, 32, 64}, r.x, r.y);
          PutMirrored(c, b, {32, 0, 32, 64}, r.x + 32, r.y);
        });

  // Blink copies.
  add({0, 256, 1280, 128}, "white flash of rows 0-127 (blinking fighters)", [](Canvas& c, Rect r) {
    c.Blit(c, {0, 0, 1280, 128}, r.x, r.y);
    kit::WhiteFlash(c, r);
  });
  add({0, 384, 1280, 128}, "white flash of rows 128-255 (blinking fighters)", [](Canvas& c, Rect r) {
    c.Blit(c, {0, 128, 1280, 128}, r.x, r.y);
    kit::WhiteFlash(c, r);
  });

  // Title-screen decoration reads character-sheet cells wherever it likes.
  struct Deco {
    int x, y;
  };
  const Deco deco[9] = {{160, 128}, {320, 0}, {128, 256}, {448, 0}, {672, 0}, {640, 128}, {572, 192}, {1056, 64}, {768, 320}};
  for (const Deco& d : deco) {
    // Sheet rows 256k..256k+127 are band k; the 128 rows below are its mirror.
    int band = d.y / 256, local = d.y % 256;
    int y = band * 128 + (local % 128);
    add({d.x, y, 32, 64},
        "title decoration from sheet (" + std::to_string(d.x) + ", " + std::to_string(d.y) + ")", nullptr,
        "the title screen shows whatever fighter cells lie there");
  }
  return e;
}

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> e = BuildEntries();
  return e;
}

void DrawCHR1(Canvas& c) {
  for (const Entry& en : Entries())
    if (en.draw) en.draw(c, en.cell.r);
}

std::vector<art::Cell> CellList() {
  std::vector<art::Cell> v;
  for (const Entry& en : Entries()) v.push_back(en.cell);
  return v;
}

const bool kPicture = art::RegisterPicture({"CHR_1", 1280, 512, 4, pal::KeyChar, &DrawCHR1});
const bool kCells = art::RegisterCells(CellList());

}  // namespace
