// HAIKEI: the stage tile sheet. Sky tiles, sea, rock with grass, sun, moon, stars, drifting
// clouds and the foreground waves that pass in front of the fighters.
#include "haikei.h"

#include <cmath>

#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

struct Look {
  uint8_t sky, waterDeep, water, waterLight, foam, foamShade;
  uint8_t grassDark, grass, grassLight, soil, soilDark, stone, stoneLight, stoneDark;
};
constexpr Look kNight{kNightSky,     P::Sea[0],   P::Sea[1],   P::Sea[2],   P::Ice[3],   P::Sea[4],
                      P::Green[1],   P::Green[2], P::Green[4], P::Steel[1], P::Steel[0], P::Steel[2],
                      P::Steel[3],   P::Navy[1]};
constexpr Look kDay{kDaySky,        P::Sea[2],   P::Sea[3],   P::Sea[5],   P::White,    P::Ice[5],
                    P::Green[2],    P::Green[4], P::Green[6], P::Brown[3], P::Brown[2], P::Rock[4],
                    P::Rock[6],     P::Rock[2]};

void NightSkyTile(Canvas& c, int ox, int oy) {
  c.Fill({ox, oy, 128, 128}, kNightSky);
  for (int i = 0; i < 26; ++i) {
    int x = 2 + Noise(i, 1, 124, 7), y = 2 + Noise(i, 2, 124, 7);
    int kind = Noise(i, 3, 10, 7);
    uint8_t col = kind < 4 ? P::SkyNight[5] : kind < 7 ? P::SkyNight[7] : kind < 9 ? P::Lavender[5] : P::Ice[6];
    c.Set(ox + x, oy + y, col);
    if (kind == 9) {  // a brighter star with a little cross
      c.Set(ox + x - 1, oy + y, P::SkyNight[4]);
      c.Set(ox + x + 1, oy + y, P::SkyNight[4]);
      c.Set(ox + x, oy + y - 1, P::SkyNight[4]);
      c.Set(ox + x, oy + y + 1, P::SkyNight[4]);
    }
  }
}

void DaySkyTile(Canvas& c, int ox, int oy) {
  c.Fill({ox, oy, 128, 128}, kDaySky);
}

// Wave surface height (rows below the crest line) at x; period 32 so any 32-aligned copy joins.
int WaveDepth(int x, double phase) { return int(std::lround(2.0 + 2.0 * std::sin((x + phase) * 2.0 * M_PI / 32.0))); }

void RockBand(Canvas& c, int ox, int oy, const Look& k) {
  // A 64x32 pattern used twice, so rock laid at any multiple of 64 joins.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 128; ++x) {
      int px = x & 63;
      uint8_t col = k.soil;
      if (Noise(px, y, 7, 11) == 0) col = k.soilDark;
      if (y >= 29) col = (y == 31 || Noise(px, y, 2, 12)) ? k.soilDark : k.soil;
      c.Set(ox + x, oy + y, col);
    }
  // Stones.
  struct Stone {
    int x, y, rx, ry;
  };
  constexpr Stone kStones[] = {{6, 12, 5, 3}, {22, 20, 6, 4}, {40, 11, 4, 3}, {53, 21, 6, 3}, {33, 26, 3, 2},
                               {12, 25, 3, 2}, {60, 8, 3, 2}, {46, 16, 2, 2}};
  for (int copy = 0; copy < 3; ++copy)
    for (const Stone& s : kStones) {
      int cx = ox + s.x + (copy - 1) * 64 + 64;
      c.SetClip({ox, oy, 128, 32});
      c.FillEllipse(cx, oy + s.y, s.rx, s.ry, k.stoneDark);
      c.FillEllipse(cx, oy + s.y - 1, s.rx - 1, s.ry - 1, k.stone);
      c.HLine(cx - s.rx + 2, cx, oy + s.y - s.ry + 1, k.stoneLight);
      c.ResetClip();
    }
  // Grass on top, with tufts hanging over the soil.
  for (int x = 0; x < 128; ++x) {
    int px = x & 63;
    int depth = 4 + Noise(px, 0, 3, 13);
    for (int y = 0; y < depth; ++y) c.Set(ox + x, oy + y, y == 0 ? k.grassLight : y < 2 ? k.grass : k.grassDark);
    if (Noise(px, 1, 5, 14) == 0) c.Set(ox + x, oy + depth, k.grassDark);
    if (Noise(px, 2, 6, 15) == 0) c.Set(ox + x, oy + 1, k.grassLight);
  }
}

// Sea cell: sky, a crest line, plain water (rows 22..31) and the rock band below.
void SeaCell(Canvas& c, int ox, int oy, const Look& k) {
  c.Fill({ox, oy, 128, 32}, k.sky);
  for (int x = 0; x < 128; ++x) {
    int top = 13 + WaveDepth(x, 0);
    for (int y = top; y < 22; ++y) {
      uint8_t col = y == top ? k.foam : y == top + 1 ? k.foamShade : k.waterLight;
      if (y > top + 3) col = k.water;
      c.Set(ox + x, oy + y, col);
    }
  }
  for (int y = 22; y < 32; ++y)
    for (int x = 0; x < 128; ++x) {
      uint8_t col = k.water;
      if ((x & 31) >= 4 && (x & 31) < 9 && y == 25) col = k.waterLight;   // glints, period 32
      if ((x & 31) >= 19 && (x & 31) < 22 && y == 29) col = k.waterLight;
      c.Set(ox + x, oy + y, col);
    }
  RockBand(c, ox, oy + 32, k);
}

// Foreground waves, drawn over the fighters: transparent above the crest, water below it.
void ForegroundWaves(Canvas& c, int ox, int oy, const Look& k) {
  for (int x = 0; x < 128; ++x) {
    int top = 8 + WaveDepth(x, 16);
    // Only the top 33 rows ever reach the screen; the rows below stay free for the clouds.
    for (int y = top; y < 36; ++y) {
      uint8_t col = y == top ? k.foam : y <= top + 1 ? k.foamShade : y < top + 5 ? k.waterLight : k.water;
      if (y > 24) col = ((x + y) % 9 == 0) ? k.water : k.waterDeep;
      if ((x & 31) < 6 && y == top + 9) col = k.waterLight;
      c.Set(ox + x, oy + y, col);
    }
  }
}

// A puffy cloud made of overlapping discs, lit from above.
void Cloud(Canvas& c, Rect cell, bool night) {
  uint8_t body = night ? P::Steel[3] : P::White;
  uint8_t shade = night ? P::Steel[2] : P::Ice[5];
  uint8_t deep = night ? P::Steel[1] : P::SkyDay[6];
  uint8_t rim = night ? P::Lavender[6] : P::White;
  struct Puff {
    int x, y, r;
  };
  const bool big = cell.w == 64;
  std::vector<Puff> puffs = big ? std::vector<Puff>{{12, 20, 8}, {24, 14, 10}, {38, 12, 11}, {51, 19, 8}, {30, 22, 8}}
                                : std::vector<Puff>{{9, 19, 6}, {17, 14, 8}, {25, 20, 5}};
  c.SetClip(cell);
  for (const Puff& p : puffs) c.FillCircle(cell.x + p.x, cell.y + p.y + 1, p.r, deep);
  for (const Puff& p : puffs) c.FillCircle(cell.x + p.x, cell.y + p.y, p.r, shade);
  for (const Puff& p : puffs) c.FillCircle(cell.x + p.x - 1, cell.y + p.y - 2, p.r - 2, body);
  if (night)  // moonlight on the upper edge
    for (int x = cell.x; x < cell.x + cell.w; ++x)
      for (int y = cell.y; y < cell.y + cell.h; ++y)
        if (c.Get(x, y) == body && c.Get(x, y - 1) == kNightSky) c.Set(x, y, rim);
  // Flat underside.
  int bottom = cell.y + (big ? 28 : 24);
  c.Fill({cell.x, bottom, cell.w, cell.h}, kNightSky);
  c.ResetClip();
}

void Sun(Canvas& c, int ox, int oy) {
  int cx = ox + 16, cy = oy + 16;
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6.0;
    int x0 = cx + int(std::lround(std::cos(a) * 10)), y0 = cy + int(std::lround(std::sin(a) * 10));
    int x1 = cx + int(std::lround(std::cos(a) * (i % 2 ? 13 : 15))), y1 = cy + int(std::lround(std::sin(a) * (i % 2 ? 13 : 15)));
    c.Line(x0, y0, x1, y1, i % 2 ? P::Yellow[4] : P::Orange[5]);
  }
  c.FillCircle(cx, cy, 9, P::Yellow[5]);
  c.FillCircle(cx, cy, 8, P::Yellow[7]);
  c.FillCircle(cx - 1, cy - 1, 6, P::White);
}

void Moon(Canvas& c, int ox, int oy) {
  c.Fill({ox, oy, 32, 32}, kNightSky);
  int cx = ox + 16, cy = oy + 16;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      double d = std::hypot(x - 15.5, y - 15.5);
      if (d > 11 && d < 15.5) {
        int level = int((15.5 - d) * 3);
        if (level > art::kBayer4[y & 3][x & 3]) c.Set(ox + x, oy + y, P::SkyNight[3]);
      }
    }
  c.FillCircle(cx, cy, 11, P::Cream[3]);
  c.FillCircle(cx - 1, cy - 1, 10, P::Cream[5]);
  c.FillCircle(cx - 3, cy - 3, 6, P::Cream[7]);
  c.FillCircle(cx + 3, cy - 3, 2, P::Cream[2]);
  c.FillCircle(cx - 4, cy + 4, 3, P::Cream[3]);
  c.FillCircle(cx + 5, cy + 5, 1, P::Cream[2]);
  c.Set(cx - 6, cy - 1, P::Cream[3]);
}

// A four-pointed sparkle: arms of the given length, a bright core and a soft blue glow.
// The sheet ends 28 rows below the star cells, so the star is centred in those rows.
void Sparkle(Canvas& c, int ox, int oy, int arm) {
  int cx = ox + 16, cy = oy + 14;
  c.FillCircle(cx, cy, arm / 3 + 1, P::Blue[2]);
  for (int i = -arm; i <= arm; ++i) {
    int a = std::abs(i);
    uint8_t col = a < arm / 3 ? P::Ice[7] : a < 2 * arm / 3 ? P::Blue[6] : P::Blue[4];
    c.Set(cx + i, cy, col);
    c.Set(cx, cy + i, col);
    if (a < arm / 2) {
      c.Set(cx + i, cy - 1, P::Blue[5]);
      c.Set(cx + i, cy + 1, P::Blue[5]);
      c.Set(cx - 1, cy + i, P::Blue[5]);
      c.Set(cx + 1, cy + i, P::Blue[5]);
    }
  }
  for (int d = 1; d <= arm / 3; ++d) {
    c.Set(cx + d, cy + d, P::Blue[5]);
    c.Set(cx - d, cy + d, P::Blue[5]);
    c.Set(cx + d, cy - d, P::Blue[5]);
    c.Set(cx - d, cy - d, P::Blue[5]);
  }
  c.FillCircle(cx, cy, 1, P::White);
}

}  // namespace

void DrawHaikei(Canvas& c) {
  NightSkyTile(c, 0, 0);
  DaySkyTile(c, 128, 0);
  SeaCell(c, 0, 128, kNight);
  SeaCell(c, 128, 128, kDay);
  ForegroundWaves(c, 0, 192, kNight);
  ForegroundWaves(c, 128, 192, kDay);
  Cloud(c, {0, 228, 64, 32}, false);
  Cloud(c, {64, 228, 32, 32}, false);
  Sun(c, 96, 228);
  Cloud(c, {0, 260, 64, 32}, true);
  Cloud(c, {64, 260, 32, 32}, true);
  Moon(c, 96, 260);
  c.Fill({0, 292, 64, 32}, kNightSky);
  Sparkle(c, 0, 292, 13);
  Sparkle(c, 32, 292, 7);
}

namespace {

const bool kPicture = art::RegisterPicture({"HAIKEI", 288, 320, 8, kNightSky, &DrawHaikei});
const bool kCells = art::RegisterCells({
    {"HAIKEI", {0, 0, 128, 128}, "night sky tile"},
    {"HAIKEI", {128, 0, 128, 128}, "day sky tile"},
    {"HAIKEI", {0, 128, 128, 64}, "night sea", "sea cell ends in the water and rock cells below its waves"},
    {"HAIKEI", {128, 128, 128, 64}, "day sea", "sea cell ends in the water and rock cells below its waves"},
    {"HAIKEI", {0, 150, 128, 10}, "night water"},
    {"HAIKEI", {128, 150, 128, 10}, "day water"},
    {"HAIKEI", {0, 160, 128, 32}, "night rock with grass"},
    {"HAIKEI", {128, 160, 128, 32}, "day rock with grass"},
    {"HAIKEI", {0, 192, 128, 64}, "night foreground waves", "drawn at y 449: only its top 31 rows reach the screen, clouds lie below"},
    {"HAIKEI", {128, 192, 128, 64}, "day foreground waves", "drawn at y 447: only its top 33 rows reach the screen"},
    {"HAIKEI", {0, 228, 64, 32}, "large day cloud"},
    {"HAIKEI", {64, 228, 32, 32}, "small day cloud"},
    {"HAIKEI", {96, 228, 32, 32}, "sun"},
    {"HAIKEI", {0, 260, 64, 32}, "large night cloud"},
    {"HAIKEI", {64, 260, 32, 32}, "small night cloud"},
    {"HAIKEI", {96, 260, 32, 32}, "moon"},
    {"HAIKEI", {0, 292, 32, 32}, "large star"},
    {"HAIKEI", {32, 292, 32, 32}, "small star"},
});

}  // namespace

// ---- a whole battlefield, for the stage-select previews ----

Canvas ComposeStage(int stage) {
  static const Canvas sheet = art::Render(*art::FindPicture("HAIKEI"));
  Canvas s(640, 480, kNightSky);
  auto put = [&](Rect from, int x, int y, bool keyed) {
    from.h = std::min(from.h, sheet.h - from.y);  // copies are cut to the sheet
    s.Blit(sheet, from, x, y, false, keyed ? kNightSky : -1);
  };
  const bool night = stage == 0 || stage == 5;
  const int a = night ? 0 : 128;
  for (int x = 0; x < 640; x += 128)
    for (int y = 0; y < 480; y += 128) put({a, 0, 128, 128}, x, y, false);
  auto stars = [&](int w, int h) {
    for (int i = 0; i < 11; ++i) {
      put({0, 292, 32, 32}, 1 + Noise(i, 20, w, 5), 1 + Noise(i, 21, h, 5), false);
      put({32, 292, 32, 32}, 1 + Noise(i, 22, w, 5), 1 + Noise(i, 23, stage == 0 ? 400 : h, 5), false);
    }
  };
  const Rect rock{a, 160, 128, 32}, sea{a, 128, 128, 64}, water{a, 150, 128, 10};
  auto seaAt = [&](int x) {
    put(sea, x, 440, false);
    put(water, x, 470, false);
  };
  if (night) {
    stars(stage == 0 ? 610 : 620, stage == 0 ? 200 : 480);
    put({96, 260, 32, 32}, 50, 50, false);
  } else {
    put({96, 228, 32, 32}, 50, 50, true);
  }
  if (stage == 0 || stage == 1) {
    for (int x : {0, 64, 512, 448}) put(rock, x, 448, false);
    seaAt(192);
    seaAt(320);
  }
  if (stage == 0) {
    put(rock, 192, 240, false);
    put(rock, 320, 240, false);
  }
  if (stage == 1) {
    put(rock, 256, 240, false);
    put(rock, 448, 160, false);
    put(rock, 60, 320, false);
  }
  if (stage == 4) {
    for (int x : {192, 320, 0, 128, 320, 448, 416, 544}) seaAt(x);
    put(rock, 256, 300, false);
  }
  if (stage == 3)
    for (int x = 0; x < 640; x += 64) put(rock, x, 448, false);
  // Drifting scenery at its start positions.
  const int y0 = stage == 0 ? 260 : 228;
  const int rows0[4] = {110, 155, 40, 195}, rows1[4] = {280, 120, 75, 205};
  const int* rows = (stage == 0 || stage == 4) ? rows0 : (stage == 1 || stage == 3) ? rows1 : nullptr;
  const int startX[8] = {350, 50, 200, 550, 650, 350, 500, 850};
  if (rows)
    for (int j = 0; j < 4; ++j) {
      put({64, y0, 32, 32}, startX[4 + j] % 640, rows[j], true);
      put({0, y0, 64, 32}, startX[j], rows[j], true);
    }
  if (stage == 0 || stage == 1) {
    for (int x : {192, 320}) put({a, 192, 128, 64}, x, stage == 0 ? 449 : 447, true);
  }
  if (stage == 4)
    for (int x = 0; x <= 640; x += 128) put({128, 192, 128, 64}, x, 447, true);
  return s;
}

}  // namespace scenes
