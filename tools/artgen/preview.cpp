#include "preview.h"

#include <cmath>

#include "font.h"
#include "picture.h"
#include "pngout.h"

namespace art {
namespace {

Canvas RenderNamed(const std::string& name, bool* ok) {
  const Picture* p = FindPicture(name);
  if (!p) {
    *ok = false;
    return Canvas(1, 1, pal::Black);
  }
  return Render(*p);
}

// A keyed copy (what the game's keyed blit does), key = the colour given.
void Keyed(Canvas& dst, const Canvas& src, Rect from, int x, int y, uint8_t key) {
  dst.Blit(src, from, x, y, false, key);
}

Canvas Backdrop() {
  Canvas f(640, 480, pal::SkyDay[5]);
  f.GradientV({0, 0, 640, 440}, pal::SkyDay, 2, 7);
  f.GradientV({0, 440, 640, 40}, pal::Sea, 5, 2);
  return f;
}

}  // namespace

Canvas ComposeCharSheet(const Canvas& chr1) {
  Canvas s(1280, 1280, pal::Black);
  for (int band = 3; band >= 0; --band) {
    for (int x = 0; x < 1280; x += 32) s.Blit(chr1, {x, 128 * band, 32, 128}, x, 256 * band + 128, true);
    s.Blit(chr1, {0, 128 * band, 1280, 128}, 0, 256 * band);
  }
  return s;
}

Canvas ComposeTukkomiSheet(const Canvas& vs) {
  Canvas s(640, 512, pal::Black);
  s.Blit(vs, {0, 0, 320, 192}, 0, 0);
  for (int row = 0; row < 3; ++row)
    for (int x = 0; x < 320; x += 32) s.Blit(vs, {x, 64 * row, 32, 64}, x, 256 + 64 * row, true);
  return s;
}

bool WriteCompositions(const std::string& dir) {
  bool ok = true;
  Canvas chr1 = RenderNamed("CHR_1", &ok), chr2 = RenderNamed("CHR_2", &ok);
  Canvas vs = RenderNamed("Tukkomi_VS", &ok), creature = RenderNamed("Tukkomi2", &ok), coin = RenderNamed("Coin", &ok);
  if (!ok) return false;
  Canvas sheet = ComposeCharSheet(chr1);
  Canvas vsSheet = ComposeTukkomiSheet(vs);
  WritePng(sheet, dir + "/CharSheet.png");
  WritePng(vsSheet, dir + "/TukkomiSheet.png");
  const uint8_t key = pal::KeyChar;

  // Frame 1: every body cell of every slot, both facings and the blink frame.
  {
    Canvas f = Backdrop();
    for (int s = 0; s < 4; ++s) {
      int B = 192 * s;
      for (int i = 0; i < 6; ++i)
        for (int row = 0; row < 4; ++row) {
          int cy = row * 64;  // 0 two balloons, 64 one, 128 / 192 the same facing right
          Keyed(f, sheet, {B + 32 * i, cy, 32, 64}, 8 + i * 34 + (s % 2) * 316, 4 + (s / 2) * 236 + row * 58, key);
        }
    }
    DrawText(f, 4, 468, "stand walk walk flap flap glide / two balloons, one, facing right x2", pal::White,
             {.outline = pal::Black});
    WritePng(f, dir + "/frame-poses.png", 2);
  }
  // Frame 2: hurt, falls, blink and the super poses (sheet coordinates).
  {
    Canvas f = Backdrop();
    const int hurtX[4] = {32, 0, 96, 64}, fallX[4] = {192, 128, 128, 192}, fallY[4] = {288, 288, 352, 352};
    for (int s = 0; s < 4; ++s) {
      int y = 4 + s * 70, x = 4;
      auto put = [&](int cx, int cy) {
        Keyed(f, sheet, {cx, cy, 32, 64}, x, y, key);
        x += 34;
      };
      put(hurtX[s], 256);
      put(hurtX[s], 320);
      put(hurtX[s], 384);
      put(fallX[s], fallY[s]);
      put(fallX[s] + 32, fallY[s]);
      put(32 * 0 + 192 * s, 512);  // blink frame of the stand cell
      put(256 + 96 * s, 256);
      put(288 + 96 * s, 256);
      put(320 + 96 * s, 256);
      put(256 + 32 * s, 320);
      put(768 + 32 * s, 256);
      put(768 + 64 * s, 320);
      put(800 + 64 * s, 320);
      put(896 + 32 * s, 64);
      put(1088 + 32 * s, 64);
      put(1024 + 32 * s, 256);
      put(384 + 64 * s, 320);
      put(416 + 64 * s, 320);
    }
    int x = 4;
    for (int s = 0; s < 4; ++s) {
      for (int c : {640 + 32 * s}) {
        Keyed(f, sheet, {c, 320, 32, 64}, x, 290, key);
        Keyed(f, sheet, {c, 256, 32, 64}, x + 34, 290, key);
        Keyed(f, sheet, {896 + 32 * s, 256, 32, 64}, x + 68, 290, key);
        Keyed(f, sheet, {1056 + 64 * s, 320, 32, 64}, x + 102, 290, key);
        Keyed(f, sheet, {896 + 32 * s, 384, 32, 64}, x + 136, 290, key);
      }
      x += 174;
    }
    Keyed(f, sheet, {1024, 64, 32, 64}, 560, 360, key);
    Keyed(f, sheet, {1056, 64, 32, 64}, 600, 360, key);
    // The special opponent, its mirror and the creature and coins.
    for (int i = 0; i < 10; ++i) {
      Keyed(f, vsSheet, {32 * i, 0, 32, 64}, 4 + 34 * i, 360, pal::KeyVS);
      Keyed(f, vsSheet, {32 * i, 64, 32, 64}, 4 + 34 * i, 416, pal::KeyVS);
    }
    Keyed(f, vsSheet, {0, 128, 32, 64}, 350, 360, pal::KeyVS);
    Keyed(f, vsSheet, {0, 256, 32, 64}, 384, 360, pal::KeyVS);
    for (int i = 0; i < 6; ++i) Keyed(f, creature, {64 * i, 0, 64, 64}, 360 + (i % 3) * 66, 400 + (i / 3) * 40 - 20, key);
    for (int i = 0; i < 3; ++i) Keyed(f, coin, {32 * i, 0, 32, 32}, 560 + 24 * i, 440, key);
    WritePng(f, dir + "/frame-moves.png", 2);
  }
  // Frame 3: the effect layer as the renderer draws it.
  {
    Canvas f = Backdrop();
    // Super 0 pillar at x 60.
    int px = 60, py = 380;
    for (int y = 0; y <= 448; y += 64) {
      f.Blit(sheet, {768, 0, 32, 64}, px - 32, py - y);
      f.Blit(sheet, {800, 0, 32, 64}, px + 32, py - y);
      f.Blit(sheet, {768, 0, 64, 64}, px - 16, py - y);
    }
    Keyed(f, sheet, {288, 256, 32, 64}, px, py, key);
    // Super 3 beam column at x 170.
    for (int y = 0; y <= 448; y += 64) f.Blit(sheet, {832, 0, 32, 64}, 170, py - y);
    Keyed(f, sheet, {416, 320, 32, 64}, 250, py, key);
    // Super 10 diagonal beam, facing right from (260, 250), and facing left from (600, 250).
    for (int j = 0; j <= 640; j += 32) {
      int X = 260, Y = 250;
      Keyed(f, sheet, {960, 32, 32, 32}, X + j - 32, Y + 32 - j, key);
      Keyed(f, sheet, {992, 0, 32, 32}, X + j, Y + 32 - j, key);
      Keyed(f, sheet, {992, 32, 32, 32}, X + j + 32, Y + 32 - j, key);
      X = 600;
      Keyed(f, sheet, {1152, 0, 32, 32}, X - j - 32, Y + 32 - j, key);
      Keyed(f, sheet, {960, 0, 32, 32}, X - j, Y + 32 - j, key);
      Keyed(f, sheet, {1056, 0, 32, 32}, X - j + 32, Y + 32 - j, key);
    }
    Keyed(f, sheet, {1056, 448, 32, 64}, 260, 250, key);
    Keyed(f, sheet, {1248, 320, 32, 64}, 600, 250, key);
    // Super 2 wall to the left from (560, 300), toggle off.
    {
      int X = 560, Y = 300;
      for (int j = 32; j <= 640; j += 32) Keyed(f, sheet, {1216, 0, 32, 128}, X - j, Y - 32, key);
      Keyed(f, sheet, {1088 + 64, 64, 32, 64}, X, Y, key);
      Keyed(f, sheet, {1152, 256, 32, 32}, X, Y, key);
      Keyed(f, sheet, {1088, 32, 32, 32}, X, Y - 32, key);
      Keyed(f, sheet, {1056, 32, 32, 32}, X, Y + 64, key);
    }
    // Super 7 explosions to the right from (300, 120).
    {
      int X = 300, Y = 120;
      Keyed(f, sheet, {800 + 64, 448, 32, 64}, X, Y, key);
      for (int x = 32; x <= 608; x += 64) Keyed(f, sheet, {768, 192, 64, 64}, X + x, Y, key);
    }
    WritePng(f, dir + "/frame-effects.png", 2);
  }
  // Frame 4: the HUD of four fighters and the banners.
  {
    Canvas f = Backdrop();
    const int labelX[4] = {22, 170, 317, 467}, G[4] = {3, 150, 298, 448}, L[4] = {60, 210, 357, 507},
              W[4] = {0, 147, 357, 507};
    const int stock[4] = {3, 6, 0, 12}, gauge[4] = {100, 55, 20, 0}, wins[4] = {7, 2, 0, 11};
    for (int i = 0; i < 4; ++i) Keyed(f, chr2, {128 + 64 * i, 0, 64, 32}, labelX[i], -5, key);
    for (int i = 0; i < 4; ++i) {
      f.Blit(chr2, {384, 0, 106, 18}, G[i] + 17, 22);
      f.Blit(chr2, {384, 18, gauge[i], 12}, G[i] + 20, 25);
      if (stock[i] == 0) {
        Keyed(f, chr2, {0, 96, 128, 32}, L[i] + 5, -3, key);
        continue;
      }
      int n = std::min(stock[i], 8);
      for (int k = 0; k < n; ++k) Keyed(f, chr2, {32 * i, 0, 32, 32}, L[i] + 20 + 20 * (k % 4), -5 + 20 * (k / 4), key);
      for (int q = 0; q * 5 <= wins[i]; ++q)
        for (int k = 0; k < std::min(wins[i] - 5 * q, 5); ++k)
          Keyed(f, chr2, {32 * i, 448, 32, 32}, W[i] + 20 + 20 * k, 39 + 15 * q + 60, key);
    }
    Keyed(f, chr2, {0, 160, 256, 64}, 200, 110, key);
    Keyed(f, chr2, {0, 32, 128, 64}, 60, 152, key);
    Keyed(f, chr2, {320, 96, 192, 64}, 200, 215, key);
    Keyed(f, chr2, {180, 335, 300, 52}, 170, 290, key);
    Keyed(f, chr2, {128, 448, 291, 72}, 170, 360, key);
    // Entry marks as the entry screen places them: fighter 2's mark is read from y 192, 3's from 128.
    const int markY[4] = {0, 64, 192, 128};
    for (int s = 0; s < 4; ++s) Keyed(f, chr2, {512, markY[s], 64, 64}, 573, 224 + 64 * s, key);
    WritePng(f, dir + "/frame-hud.png", 2);
  }
  return true;
}

}  // namespace art
