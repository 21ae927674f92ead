// The special opponent (Tukkomi_VS: a winged jester with a mallet), the stage creature
// (Tukkomi2: a big-mouthed lurker of the deep) and the coins.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "picture.h"
#include "sprite.h"

namespace {

using art::Canvas;
using art::Rect;

struct Entry {
  art::Cell cell;
  std::function<void(Canvas&, Rect)> draw;
};

// ---- The jester ----------------------------------------------------------------------------

const std::vector<std::string> kJesterHead = {
    ".kk.........kk..",
    "kyyk.......kyyk.",
    "kyyk......kppk..",
    ".kpPk....kpPPk..",
    "..kpPkkkkpPPk...",
    "..kppppppppPPk..",
    ".kpppppppppPPPk.",
    "kyyyyyyyyyyyyyyk",
    "kwwwwwwwwwwwwwMk",
    "kwkkwwkkwwwwwwMk",
    "kwkkwwkkwwwwwMMk",
    "kwpwwrwpwwwwwMMk",
    "kkwwwwwwkwwwMMk.",
    ".kkkkkkkkwwMMk..",
    "..kkwwwwwMMkk...",
    "....kkkkkkk.....",
};

const art::Legend& JesterLegend() {
  static const art::Legend l{{'k', pal::Black},     {'y', pal::Gold[6]},  {'Y', pal::Gold[3]},
                             {'p', pal::Purple[5]}, {'P', pal::Purple[2]}, {'w', pal::Cream[6]},
                             {'M', pal::Lavender[3]}, {'r', pal::Scarlet[4]}};
  return l;
}

enum class JFace { Grin, Hurt, Shout };

struct JPose {
  int nearHand[2] = {-2, 7}, backHand[2] = {2, 7};
  int nearFoot[2] = {-1, 9}, backFoot[2] = {1, 9};
  int wings = 1;  // 0 up, 1 level, 2 down, -1 folded
  JFace face = JFace::Grin;
  int headDx = 0, headDy = 0, bodyDy = 0;
  int mallet = -1000;  // angle in degrees of the held mallet (0 = up), -1000 = none
};

void Mallet(Canvas& c, int gx, int gy, double deg, int len = 16) {
  double a = deg * M_PI / 180;
  int hx = gx + int(std::lround(std::sin(a) * len)), hy = gy - int(std::lround(std::cos(a) * len));
  c.ThickLine(gx, gy, hx, hy, 1, pal::Wood[3]);
  int px = int(std::lround(std::cos(a) * 6)), py = int(std::lround(std::sin(a) * 6));
  c.ThickLine(hx - px, hy - py, hx + px, hy + py, 4, pal::Wood[5]);
  c.ThickLine(hx - px, hy - py, hx + px, hy + py, 2, pal::Wood[6]);
  c.FillCircle(hx - px, hy - py, 2, pal::Gold[5]);
  c.FillCircle(hx + px, hy + py, 2, pal::Gold[5]);
}

void Wing(Canvas& c, int x, int y, int state) {
  if (state < 0) return;
  const int tipDy[3] = {-14, -4, 8};
  int ty = y + tipDy[state];
  // A bat wing: three fingers fanning back from the shoulder, membrane between them.
  int fingers[3][2] = {{x + 12, ty}, {x + 13, ty + 7}, {x + 9, ty + 12}};
  for (int i = 0; i < 2; ++i) {
    for (int t = 0; t <= 10; ++t) {
      int ax = x + (fingers[i][0] - x) * t / 10, ay = y + (fingers[i][1] - y) * t / 10;
      int bx = x + (fingers[i + 1][0] - x) * t / 10, by = y + (fingers[i + 1][1] - y) * t / 10;
      c.Line(ax, ay, bx, by, pal::Wine[3]);
    }
  }
  for (auto& f : fingers) c.Line(x, y, f[0], f[1], pal::Wine[1]);
}

void DrawJester(Canvas& out, Rect r, const JPose& p) {
  Canvas c(32, 64, pal::KeyVS);
  const int by = p.bodyDy;
  const int shN[2] = {14, 44 + by}, shB[2] = {18, 44 + by}, hipN[2] = {14, 53 + by}, hipB[2] = {18, 53 + by};
  auto limb = [&](const int o[2], const int d[2], uint8_t col, uint8_t end, bool hand) {
    int ex = o[0] + d[0], ey = o[1] + d[1];
    c.Line(o[0], o[1], ex, ey, col);
    c.Line(o[0] + 1, o[1], ex + 1, ey, col);
    if (hand) c.Fill({ex, ey, 2, 2}, end);
    else {
      c.Fill({ex - 3, ey, 5, 2}, end);
      c.Set(ex - 4, ey - 1, end);  // curled toe
    }
  };
  Wing(c, 20, 43 + by, p.wings);
  limb(shB, p.backHand, pal::Gold[3], pal::Cream[6], true);
  limb(hipB, p.backFoot, pal::Gold[4], pal::Gold[6], false);
  // Harlequin tunic: diamonds of purple and gold.
  for (int y = 42; y <= 53; ++y)
    for (int x = 11; x <= 21; ++x) {
      int d = ((x + y) / 3 + (x - y + 64) / 3) % 2;
      c.Set(x, y + by, d ? pal::Purple[4] : pal::Gold[5]);
    }
  c.VLine(20, 42 + by, 53 + by, pal::Purple[2]);
  c.VLine(21, 42 + by, 53 + by, pal::Purple[2]);
  limb(hipN, p.nearFoot, pal::Purple[4], pal::Gold[6], false);
  // Ruffled collar.
  for (int x = 10; x <= 22; ++x) c.Set(x, 42 + by + (x % 2), pal::White);
  c.HLine(11, 21, 41 + by, pal::White);
  static const art::Sprite head = art::ParseSprite(kJesterHead, JesterLegend(), "jester head");
  Canvas h(16, 16, pal::KeyVS);
  art::Stamp(h, head, 0, 0);
  if (p.face == JFace::Hurt) {
    h.Fill({2, 9, 2, 2}, pal::Cream[6]);
    h.Fill({6, 9, 2, 2}, pal::Cream[6]);
    h.Set(2, 9, pal::Black), h.Set(3, 10, pal::Black), h.Set(3, 9, pal::Black);
    h.Set(6, 9, pal::Black), h.Set(7, 10, pal::Black), h.Set(7, 9, pal::Black);
    h.Fill({2, 12, 6, 1}, pal::Cream[6]);
    h.Fill({3, 12, 4, 2}, pal::Black);
  } else if (p.face == JFace::Shout) {
    h.Fill({3, 12, 5, 2}, pal::Scarlet[2]);
  }
  c.Blit(h, {0, 0, 16, 16}, 6 + p.headDx, 26 + by + p.headDy, false, pal::KeyVS);
  limb(shN, p.nearHand, pal::Purple[4], pal::Cream[6], true);
  if (p.mallet > -1000) Mallet(c, shN[0] + p.nearHand[0], shN[1] + p.nearHand[1], p.mallet);
  c.Outline({0, 0, 32, 64}, pal::KeyVS, pal::Black);
  out.Blit(c, {0, 0, 32, 64}, r.x, r.y, false, pal::KeyVS);
}

void FlipV(Canvas& c, Rect r) {
  for (int y = 0; y < r.h / 2; ++y)
    for (int x = 0; x < r.w; ++x) {
      uint8_t a = c.Get(r.x + x, r.y + y), b = c.Get(r.x + x, r.y + r.h - 1 - y);
      c.Set(r.x + x, r.y + y, b);
      c.Set(r.x + x, r.y + r.h - 1 - y, a);
    }
}

void SpinningMallet(Canvas& c, Rect r) {
  Mallet(c, r.x + 10, r.y + 44, -40, 18);
  // Motion arcs behind it.
  for (int i = 0; i < 3; ++i) {
    double a0 = M_PI * (0.15 + 0.18 * i);
    for (double a = a0; a < a0 + 0.5; a += 0.04)
      c.Set(r.x + 16 + int(13 * std::cos(a)), r.y + 34 + int(13 * std::sin(a)), i == 0 ? pal::White : pal::Grey[5]);
  }
  c.SetClip(r);
  c.Outline(r, pal::KeyVS, pal::Black);
  c.ResetClip();
}

std::vector<Entry> JesterEntries() {
  std::vector<Entry> e;
  auto add = [&](Rect r, std::string m, JPose p, bool flip = false) {
    e.push_back({{"Tukkomi_VS", r, "special opponent, " + std::move(m) + ", facing left (mirrored for right)"},
                 [p, flip](Canvas& c, Rect rr) {
                   DrawJester(c, rr, p);
                   if (flip) FlipV(c, rr);
                 }});
  };
  JPose glide{{-8, 1}, {8, 1}, {2, 8}, {5, 7}};
  glide.wings = 1;
  add({0, 0, 32, 64}, "gliding", glide);
  JPose f1{{-7, -5}, {6, -6}, {-2, 8}, {2, 7}};
  f1.wings = 0;
  add({32, 0, 32, 64}, "flapping frame 1", f1);
  JPose f2{{-7, 4}, {7, 4}, {-1, 7}, {3, 8}};
  f2.wings = 2;
  add({64, 0, 32, 64}, "flapping frame 2", f2);
  JPose fa{{-6, -7}, {6, -7}, {-3, 8}, {4, 6}};
  fa.wings = -1, fa.face = JFace::Hurt;
  add({96, 0, 32, 64}, "death fall frame 1", fa, true);
  JPose fb{{-8, -2}, {7, -3}, {0, 7}, {2, 9}};
  fb.wings = -1, fb.face = JFace::Hurt;
  add({128, 0, 32, 64}, "death fall frame 2", fb, true);
  JPose dash{{-11, -1}, {6, 2}, {6, 6}, {9, 4}};
  dash.headDx = -3, dash.headDy = 2, dash.wings = 2, dash.face = JFace::Shout, dash.mallet = -90;
  add({224, 0, 32, 64}, "super 11 mallet charge", dash);
  JPose hurt{{-6, -6}, {5, -7}, {-2, 8}, {3, 7}};
  hurt.wings = -1, hurt.face = JFace::Hurt, hurt.headDy = 1;
  add({288, 0, 32, 64}, "hurt", hurt);
  // Super 12: leap and stomp.
  JPose up0{{-4, -11}, {4, -11}, {-1, 9}, {2, 9}};
  up0.wings = 0, up0.face = JFace::Shout;
  add({0, 64, 32, 64}, "super 12 leaping up", up0);
  JPose up1{{-6, -8}, {6, -8}, {-3, 6}, {3, 6}};
  up1.wings = 0;
  add({32, 64, 32, 64}, "super 12 rising", up1);
  JPose top{{-8, -2}, {8, -2}, {-4, 5}, {4, 5}};
  top.wings = 1, top.face = JFace::Shout, top.bodyDy = -2;
  add({64, 64, 32, 64}, "super 12 at the top", top);
  JPose stomp{{-7, -7}, {7, -7}, {-2, 10}, {2, 10}};
  stomp.wings = 0, stomp.face = JFace::Shout;
  add({96, 64, 32, 64}, "super 12 stomping down", stomp);
  // Super 14: the mallet throw, in six steps.
  const int throwAngle[5] = {200, 300, 0, 60, 110};
  const int throwHand[6][2] = {{-4, 7}, {-1, -9}, {2, -11}, {-6, -9}, {-10, -2}, {-10, 1}};
  const char* throwName[6] = {"holding the mallet", "raising it", "over the head", "swinging",
                              "letting go", "after the throw"};
  for (int i = 0; i < 6; ++i) {
    JPose t{{throwHand[i][0], throwHand[i][1]}, {5, 5}, {-3, 8}, {3, 8}};
    t.wings = 1;
    t.face = i >= 3 ? JFace::Shout : JFace::Grin;
    if (i < 5) t.mallet = throwAngle[i];
    add({128 + 32 * i, 64, 32, 64}, std::string("super 14 throw, ") + throwName[i], t);
  }
  JPose dive{{-9, 6}, {-6, 8}, {6, -4}, {9, -2}};
  dive.wings = 0, dive.face = JFace::Shout, dive.headDx = -3, dive.headDy = 4;
  add({0, 128, 32, 64}, "super 13 dive", dive);
  // The special round places the opponent on this cell; it shows through the whole intro.
  JPose entrance{{-8, 0}, {5, 3}, {-2, 9}, {3, 8}};
  entrance.wings = 0, entrance.face = JFace::Grin, entrance.mallet = 352;
  add({32, 128, 32, 64}, "start pose of the special round (shown through the intro)", entrance);
  e.push_back({{"Tukkomi_VS", {256, 0, 32, 64}, "thrown mallet (super 14; drawn unmirrored)"},
               [](Canvas& c, Rect r) { SpinningMallet(c, r); }});
  return e;
}

// ---- The stage creature --------------------------------------------------------------------

namespace lurk {
constexpr uint8_t Key = pal::KeyChar, Ink = pal::Black, White = pal::White;
constexpr uint8_t BodyD = pal::Teal[2], Body = pal::Teal[4], BodyL = pal::Teal[6];
constexpr uint8_t Belly = pal::Sand[5], BellyD = pal::Sand[3];
constexpr uint8_t Mouth = pal::Scarlet[2], Tongue = pal::Pink[5], Eye = pal::Gold[6];
constexpr uint8_t Foam = pal::Ice[5], Water = pal::Sea[5], Spark = pal::Yellow[6];
}  // namespace lurk

// mouth: 0 closed .. 2 wide open. dizzy: struck face. splash: water at the bottom.
void Lurker(Canvas& out, Rect r, int mouth, bool dizzy, bool splash, bool flash) {
  using namespace lurk;
  Canvas c(64, 64, Key);
  // Body: a fat rising fish, snout up.
  c.FillEllipse(32, 42, 22, 24, Body);
  for (int y = 18; y < 64; ++y)
    for (int x = 10; x < 54; ++x)
      if (c.Get(x, y) == Body && x > 38 + (y - 40) / 4) c.Set(x, y, BodyD);
  c.FillEllipse(28, 47, 12, 16, Belly);
  for (int y = 50; y < 64; y += 4) c.HLine(18, 38, y, BellyD);
  // Side fins.
  c.FillEllipse(9, 46, 5, 9, BodyD);
  c.FillEllipse(55, 46, 5, 9, BodyD);
  // Head top with scales.
  for (int i = 0; i < 5; ++i) c.Circle(18 + i * 7, 30, 3, BodyL);
  if (mouth > 0) {
    int open = mouth == 2 ? 16 : 8;
    c.FillEllipse(32, 20, 15, open / 2 + 2, Mouth);
    c.FillEllipse(32, 22, 8, open / 3 + 1, Tongue);
    for (int x = 19; x <= 45; x += 4) {  // teeth on both jaws
      c.Line(x, 20 - open / 2, x + 1, 20 - open / 2 + 3, White);
      c.Line(x + 1, 20 + open / 2 + 1, x + 2, 20 + open / 2 - 2, White);
    }
    c.FillEllipse(32, 20 - open / 2 - 3, 17, 3, Body);  // upper jaw rim
  } else {
    c.FillEllipse(32, 18, 15, 4, Body);
    c.HLine(20, 44, 20, Ink);
    c.Set(20, 19, Ink);
    c.Set(44, 19, Ink);
  }
  // Eyes on stalks.
  for (int ex : {18, 46}) {
    c.FillCircle(ex, 11, 5, White);
    if (dizzy) {
      c.Line(ex - 3, 8, ex + 3, 14, Ink);
      c.Line(ex + 3, 8, ex - 3, 14, Ink);
    } else {
      c.FillCircle(ex, 12, 2, Ink);
      c.Set(ex - 1, 11, White);
      c.Circle(ex, 11, 5, Eye);
    }
  }
  c.Outline({0, 0, 64, 64}, Key, Ink);
  if (splash)
    for (int i = 0; i < 9; ++i) {
      int x = 4 + i * 7, h = 4 + (i * 5) % 7;
      c.Line(x, 63, x + (i % 2 ? 2 : -2), 63 - h, i % 3 ? Water : Foam);
      c.Set(x + (i % 2 ? 3 : -3), 62 - h, Foam);
    }
  if (dizzy)
    for (int i = 0; i < 3; ++i) {
      int sx = 12 + i * 18, sy = 3 + (i % 2) * 2;
      c.HLine(sx - 2, sx + 2, sy, Spark);
      c.VLine(sx, sy - 2, sy + 2, Spark);
    }
  if (flash)
    for (auto& v : c.px)
      if (v != Key && v != Ink) v = (v == BodyD || v == Mouth || v == BellyD) ? pal::Ice[5] : White;
  out.Blit(c, {0, 0, 64, 64}, r.x, r.y, false, Key);
}

std::vector<Entry> CreatureEntries() {
  std::vector<Entry> e;
  auto add = [&](int x, std::string m, std::function<void(Canvas&, Rect)> f) {
    e.push_back({{"Tukkomi2", {x, 0, 64, 64}, "stage creature, " + std::move(m)}, std::move(f)});
  };
  add(0, "leaping up, jaws open (leap frames 1-15)", [](Canvas& c, Rect r) { Lurker(c, r, 2, false, true, false); });
  add(64, "snapping (leap frames 16-17)", [](Canvas& c, Rect r) { Lurker(c, r, 1, false, false, false); });
  add(128, "sinking back, jaws shut (leap frame 18 on)", [](Canvas& c, Rect r) { Lurker(c, r, 0, false, false, false); });
  add(192, "struck", [](Canvas& c, Rect r) { Lurker(c, r, 1, true, false, false); });
  add(256, "struck, blink frame", [](Canvas& c, Rect r) { Lurker(c, r, 1, true, false, true); });
  add(320, "knocked away (struck frame 91 on)", [](Canvas& c, Rect r) {
    Lurker(c, r, 2, true, false, false);
    FlipV(c, r);
  });
  return e;
}

// ---- Coins ---------------------------------------------------------------------------------

void CoinCell(Canvas& c, Rect r, int rx) {
  const int cx = r.x + 15, cy = r.y + 15;
  c.FillEllipse(cx, cy, rx, 13, pal::Gold[3]);
  if (rx >= 4) c.FillEllipse(cx - 1, cy, rx - 2, 11, pal::Gold[5]);
  if (rx >= 9) {
    c.FillEllipse(cx - 1, cy, rx - 5, 8, pal::Gold[6]);
    // Embossed star.
    static const int star[10][2] = {{0, -6}, {2, -2}, {6, -2}, {3, 1}, {4, 6}, {0, 3}, {-4, 6}, {-3, 1}, {-6, -2}, {-2, -2}};
    for (int i = 0; i < 10; ++i) {
      int j = (i + 1) % 10;
      int sx0 = star[i][0] * rx / 13, sx1 = star[j][0] * rx / 13;
      c.Line(cx - 1 + sx0, cy + star[i][1], cx - 1 + sx1, cy + star[j][1], pal::Gold[3]);
    }
    c.FloodFill(cx - 1, cy, pal::Yellow[7]);
  } else if (rx >= 4) {
    c.VLine(cx - 1, cy - 7, cy + 7, pal::Gold[6]);
  } else {
    c.VLine(cx, cy - 11, cy + 11, pal::Gold[6]);
  }
  c.Fill({cx - rx / 2 - 1, cy - 9, 2, 3}, pal::White);
  c.SetClip(r);
  c.Outline(r, pal::KeyChar, pal::Black);
  c.ResetClip();
}

std::vector<Entry> CoinEntries() {
  const int rx[3] = {13, 8, 3};
  const char* name[3] = {"coin, face on", "coin, turning", "coin, edge on"};
  std::vector<Entry> e;
  for (int i = 0; i < 3; ++i)
    e.push_back({{"Coin", {32 * i, 0, 32, 32}, name[i]}, [w = rx[i]](Canvas& c, Rect r) { CoinCell(c, r, w); }});
  return e;
}

// ---- Registration ----------------------------------------------------------------------------

template <std::vector<Entry> (*Build)()>
struct Sheet {
  static const std::vector<Entry>& Entries() {
    static const std::vector<Entry> e = Build();
    return e;
  }
  static void Draw(Canvas& c) {
    for (const Entry& en : Entries()) en.draw(c, en.cell.r);
  }
  static std::vector<art::Cell> Cells() {
    std::vector<art::Cell> v;
    for (const Entry& en : Entries()) v.push_back(en.cell);
    return v;
  }
};

using Jester = Sheet<&JesterEntries>;
using Creature = Sheet<&CreatureEntries>;
using Coins = Sheet<&CoinEntries>;

const bool kJester = art::RegisterPicture({"Tukkomi_VS", 320, 192, 8, pal::KeyVS, &Jester::Draw}) &&
                     art::RegisterCells(Jester::Cells());
const bool kCreature = art::RegisterPicture({"Tukkomi2", 384, 64, 4, pal::KeyChar, &Creature::Draw}) &&
                       art::RegisterCells(Creature::Cells());
const bool kCoin = art::RegisterPicture({"Coin", 96, 32, 4, pal::KeyChar, &Coins::Draw}) &&
                   art::RegisterCells(Coins::Cells());

}  // namespace
