#include "fighter_kit.h"

#include <cstdlib>
#include <utility>
#include <string>
#include <vector>

namespace kit {
namespace {

using Rows = std::vector<std::string>;

const Rows kHeads[4] = {
    {   // pilot: leather cap, goggles up on the forehead
        "...kkkkkkk....",
        "..khhhhhhhkk..",
        ".khhhhhhhhhhk.",
        "khhhhhhhhhhhhk",
        "kmmmmmmmmhhhhk",
        "kccmccmmmhhhhk",
        "kcwmcwmkkhhhhk",
        "ksssssssskhhhk",
        "kswksswkssShhk",
        "kskksskkssShk.",
        "kssssssssShhk.",
        ".kssRRssSShk..",
        "..kssssSSkk...",
        "...kkkkkk.....",
    },
    {   // knight: round helmet with a plume, open face
        "......kbbk....",
        ".....kbbbBk...",
        "..kkkkbbBBBk..",
        ".kmwmmmmmmBBk.",
        "kmwmmmmmmmmmmk",
        "kmmkkkkkkkmmmk",
        "kmksssssskmmmk",
        "kmkswkswkSkmmk",
        "kmkskkskkSkmmk",
        "kmksssssSSkmmk",
        "kmmkssSSSkmmmk",
        ".kmmkkkkkmmmk.",
        "..kkmmmmmmkk..",
        "....kkkkkk....",
    },
    {   // cat girl: ears, bangs, big eyes
        ".kk.......kk..",
        "khhk.....khhk.",
        "khshkkkkkhshk.",
        "khhhhhhhhhhhk.",
        "khhhhhhhhhhhhk",
        "khhhhhhhhhhhhk",
        "kshhshhhhhhhhk",
        "ksssssssShhhhk",
        "kswkswssShhhhk",
        "kskgskgsShhhk.",
        "ksssssssSShhk.",
        ".kssRsssSShhk.",
        "..kssssSSkhk..",
        "...kkkkkk.kk..",
    },
    {   // robot: box head, antenna, visor
        "......kk......",
        ".....krrk.....",
        "......km......",
        "..kkkkkmkkkk..",
        ".kyyyyyyyyyYk.",
        "kyywyyyyyyyYYk",
        "kyykkkkkkkyYYk",
        "kykcwcccckyYYk",
        "kykcccccckyYYk",
        "kyykkkkkkkyYYk",
        "kyyyyyyyyyyYYk",
        "kyymkmkmyyYYk.",
        ".kyyyyyyyYYk..",
        "..kkkkkkkkk...",
    },
};

// Top-left corners of the two 2x2 eyes of each head, and the colour around them.
struct Eyes {
  int x0, x1, y;
  uint8_t base;
};
const Eyes kEyes[4] = {{2, 6, 8, Skin}, {4, 7, 7, Skin}, {2, 5, 8, Skin}, {4, 7, 7, Cyan}};

void Limb(art::Canvas& c, int x0, int y0, int x1, int y1, uint8_t col) {
  c.Line(x0, y0, x1, y1, col);
  if (std::abs(x1 - x0) >= std::abs(y1 - y0)) c.Line(x0, y0 + 1, x1, y1 + 1, col);
  else c.Line(x0 + 1, y0, x1 + 1, y1, col);
}

void Balloon(art::Canvas& c, int cx, int cy, int rx, int ry, int slot) {
  c.FillEllipse(cx, cy, rx, ry, SlotLight[slot]);
  // Shade on the lower right, highlight upper left.
  for (int y = -ry; y <= ry; ++y)
    for (int x = -rx; x <= rx; ++x) {
      double fx = x / (rx + 0.5), fy = y / (ry + 0.5);
      double d = fx * fx + fy * fy;
      if (d > 1.0) continue;
      double dx = fx - 0.35, dy = fy - 0.35;
      if (d > 0.55 && dx + dy > 0.15) c.Set(cx + x, cy + y, SlotDark[slot]);
    }
  c.Fill({cx - rx / 2 - 1, cy - ry / 2 - 1, 2, 2}, White);
  c.Set(cx - rx / 2 - 1, cy - ry / 2 + 1, White);
  c.Set(cx, cy + ry + 1, SlotDark[slot]);
  c.HLine(cx - 1, cx + 1, cy + ry + 2, SlotDark[slot]);
}

void Pop(art::Canvas& c, int cx, int cy, int slot) {
  static const int rays[8][2] = {{0, -6}, {4, -4}, {6, 0}, {4, 4}, {0, 6}, {-4, 4}, {-6, 0}, {-4, -4}};
  for (int i = 0; i < 8; ++i) {
    int x1 = cx + rays[i][0], y1 = cy + rays[i][1];
    int x0 = cx + rays[i][0] / 3, y0 = cy + rays[i][1] / 3;
    c.Line(x0, y0, x1, y1, i % 2 ? GoldL : White);
  }
  c.Set(cx - 5, cy - 2, SlotLight[slot]);
  c.Set(cx + 5, cy + 3, SlotLight[slot]);
  c.Set(cx + 2, cy - 6, SlotDark[slot]);
}

}  // namespace

const art::Legend& Legend() {
  static const art::Legend l{{'k', Ink},    {'w', White},  {'s', Skin},   {'S', SkinDark}, {'r', RedL},   {'R', RedD},
                             {'b', BlueL},  {'B', BlueD},  {'g', GreenL}, {'G', GreenD},   {'y', GoldL},  {'Y', GoldD},
                             {'m', Steel},  {'h', Brown},  {'c', Cyan},   {'K', Key}};
  return l;
}

void DrawHead(art::Canvas& c, int slot, int x, int y, Face face, bool mirror) {
  static std::vector<art::Sprite> heads;
  if (heads.empty())
    for (int i = 0; i < 4; ++i) heads.push_back(art::ParseSprite(kHeads[i], Legend(), "head"));
  art::Canvas h(14, 14, Key);
  art::Stamp(h, heads[slot], 0, 0);
  const Eyes& e = kEyes[slot];
  for (int ex : {e.x0, e.x1}) {
    if (face == Face::Hurt) {
      h.Fill({ex, e.y, 2, 2}, e.base);
      h.Set(ex, e.y, Ink);
      h.Set(ex + 1, e.y + 1, Ink);
      h.Set(ex + 1, e.y, Ink);
    } else if (face == Face::Effort) {
      h.Fill({ex, e.y, 2, 2}, e.base);
      h.HLine(ex, ex + 1, e.y + 1, Ink);
    }
  }
  if (slot == 3 && face == Face::Hurt) h.Replace({3, 7, 7, 2}, Cyan, RedL);
  if (face == Face::Shout || face == Face::Hurt) {
    // Open mouth.
    int mx = slot == 1 ? 5 : slot == 3 ? 4 : 3, my = slot == 1 ? 10 : 11;
    if (slot != 3) h.Fill({mx, my, 2, 2}, Ink);
  }
  c.Blit(h, {0, 0, 14, 14}, x, y, mirror, Key);
}

Pose Stand(int balloons) {
  Pose p;
  p.balloons = balloons;
  return p;
}

Pose Walk(int balloons, int frame) {
  Pose p;
  p.balloons = balloons;
  if (frame == 0) {
    p = {{-4, 6}, {3, 6}, {-4, 8}, {3, 8}};
  } else {
    p = {{2, 7}, {-3, 6}, {3, 8}, {-3, 8}};
    p.bodyDy = -1;
  }
  p.balloons = balloons;
  p.wind = frame;
  return p;
}

Pose Flap(int balloons, int frame) {
  Pose p;
  if (frame == 0) p = {{-7, -5}, {6, -6}, {-2, 8}, {2, 7}};
  else p = {{-7, 4}, {7, 4}, {-1, 7}, {3, 8}};
  p.balloons = balloons;
  p.wind = frame;
  p.bodyDy = frame == 0 ? -1 : 0;
  return p;
}

Pose Glide(int balloons) {
  Pose p{{-8, 1}, {8, 1}, {2, 8}, {5, 7}};
  p.balloons = balloons;
  p.wind = 1;
  return p;
}

void DrawFighter(art::Canvas& out, int ox, int oy, int slot, const Pose& p) {
  art::Canvas c(32, 64, Key);
  const int bx = p.bodyDx, by = p.bodyDy;
  const int shN[2] = {14 + bx, 45 + by}, shB[2] = {18 + bx, 45 + by};
  const int hipN[2] = {14 + bx, 53 + by}, hipB[2] = {18 + bx, 53 + by};
  const uint8_t light = SlotLight[slot], dark = SlotDark[slot];
  const uint8_t armCol = slot == 0 ? RedD : slot == 2 ? Skin : Steel;
  const uint8_t handCol = (slot == 0 || slot == 2) ? Skin : Steel;
  const uint8_t legCol = slot == 0 ? Brown : slot == 2 ? Skin : Steel;
  const uint8_t bootCol = slot == 0 ? Ink : slot == 1 ? BlueD : slot == 2 ? RedD : GoldD;

  auto arm = [&](const int sh[2], const int d[2], bool nearSide) {
    int hx = sh[0] + d[0], hy = sh[1] + d[1];
    Limb(c, sh[0], sh[1], hx, hy, nearSide ? armCol : (slot == 0 ? RedD : armCol));
    if (nearSide && p.fist) c.Fill({hx - 1, hy - 1, 3, 3}, handCol);
    else c.Fill({hx, hy, 2, 2}, handCol);
  };
  auto leg = [&](const int hip[2], const int d[2]) {
    int fx = hip[0] + d[0], fy = hip[1] + d[1];
    Limb(c, hip[0], hip[1], fx, fy, legCol);
    c.Fill({fx - 2, fy, 4, 2}, bootCol);
  };

  // Behind the body: back limbs, scarf, tail.
  arm(shB, p.backHand, false);
  leg(hipB, p.backFoot);
  if (slot == 0) {  // scarf tail fluttering behind the neck
    int w = p.wind;
    c.Line(19 + bx, 43 + by, 23 + bx, 44 + by + w, White);
    c.Line(19 + bx, 44 + by, 22 + bx, 45 + by + w, White);
    c.Set(24 + bx, 45 + by + 2 * w, White);
  }
  if (slot == 2) {  // tail curling up behind
    c.Line(20 + bx, 52 + by, 25 + bx, 50 + by, Brown);
    c.Line(25 + bx, 50 + by, 27 + bx, 45 + by - p.wind, Brown);
    c.Line(21 + bx, 52 + by, 26 + bx, 51 + by, Brown);
    c.Set(26 + bx, 44 + by - p.wind, Brown);
  }

  // Torso.
  if (slot == 3) {
    c.Fill({11 + bx, 42 + by, 11, 11}, GoldL);
    c.Fill({19 + bx, 42 + by, 3, 11}, GoldD);
    c.Fill({13 + bx, 45 + by, 4, 3}, Cyan);
    c.Set(13 + bx, 45 + by, White);
    c.HLine(11 + bx, 21 + bx, 52 + by, Steel);
  } else {
    c.Fill({12 + bx, 42 + by, 9, 11}, light);
    c.Fill({19 + bx, 42 + by, 2, 11}, dark);
    if (slot == 0) {
      c.HLine(12 + bx, 20 + bx, 51 + by, Brown);
      c.Set(14 + bx, 51 + by, GoldL);
      c.VLine(15 + bx, 43 + by, 50 + by, RedD);
    } else if (slot == 1) {
      c.Fill({12 + bx, 42 + by, 9, 2}, Steel);  // pauldron line
      c.VLine(15 + bx, 45 + by, 51 + by, White);  // tabard cross
      c.HLine(13 + bx, 17 + bx, 47 + by, White);
      c.HLine(12 + bx, 20 + bx, 52 + by, GoldD);
    } else {
      // Dress: collar and a flared skirt.
      c.HLine(13 + bx, 18 + bx, 42 + by, White);
      for (int r = 0; r < 6; ++r) c.HLine(11 + bx - r / 2, 21 + bx + r / 2, 49 + by + r, r == 5 ? White : light);
      for (int r = 0; r < 6; ++r) c.HLine(19 + bx + r / 2, 21 + bx + r / 2, 49 + by + r, r == 5 ? White : dark);
      c.Set(15 + bx, 45 + by, GoldL);
    }
  }
  leg(hipN, p.nearFoot);
  if (slot == 2) {  // skirt over the near leg's top
    for (int r = 0; r < 4; ++r) c.HLine(11 + bx - r / 2, 18 + bx, 49 + by + r, light);
  }
  DrawHead(c, slot, 8 + bx + p.headDx, 29 + by + p.headDy, p.face);
  if (slot == 0) c.HLine(12 + bx, 18 + bx, 43 + by, White);  // scarf knot
  {
    // The near arm gets its own outline where it crosses the body, so poses read.
    art::Canvas armLayer(32, 64, Key);
    std::swap(c, armLayer);
    arm(shN, p.nearHand, true);
    std::swap(c, armLayer);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 32; ++x) {
        if (armLayer.Get(x, y) != Key || c.Get(x, y) == Key) continue;
        bool edge = false;
        for (int d = 0; d < 4 && !edge; ++d) {
          static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
          int nx = x + dx[d], ny = y + dy[d];
          edge = nx >= 0 && ny >= 0 && nx < 32 && ny < 64 && armLayer.Get(nx, ny) != Key;
        }
        if (edge) c.Set(x, y, Ink);
      }
    c.Blit(armLayer, {0, 0, 32, 64}, 0, 0, false, Key);
  }

  // Balloons.
  int knots[2][2];
  int n = 0;
  if (p.balloons == 2) {
    Balloon(c, 9, 11, 6, 7, slot);
    Balloon(c, 23, 10, 6, 7, slot);
    knots[n][0] = 9, knots[n++][1] = 21;
    knots[n][0] = 23, knots[n++][1] = 20;
  } else if (p.balloons == 1) {
    Balloon(c, 16, 10, 7, 8, slot);
    knots[n][0] = 16, knots[n++][1] = 21;
  }
  c.Outline({0, 0, 32, 64}, Key, Ink);
  if (p.aura >= 0) c.Outline({0, 0, 32, 64}, Key, uint8_t(p.aura));
  // Strings run behind everything to the back of the neck.
  for (int i = 0; i < n; ++i) {
    int x0 = knots[i][0], y0 = knots[i][1], x1 = 18 + bx, y1 = 44 + by;
    int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int s = 0; s <= steps; ++s) {
      int x = x0 + (x1 - x0) * s / steps, y = y0 + (y1 - y0) * s / steps;
      if (c.Get(x, y) == Key) c.Set(x, y, Steel);
    }
  }
  if (p.pop) Pop(c, p.balloons == 1 ? 24 : 16, 10, slot);
  out.Blit(c, {0, 0, 32, 64}, ox, oy, false, Key);
}

void WhiteFlash(art::Canvas& c, art::Rect r) {
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) {
      uint8_t v = c.Get(x, y);
      if (v == Key || v == Ink) continue;
      bool darkShade = v == SkinDark || v == RedD || v == BlueD || v == GreenD || v == GoldD || v == Brown;
      c.Set(x, y, darkShade ? Steel : White);
    }
}

}  // namespace kit
