// The stage-select page (six previews in the 3x2 grid of the stage cursor) and the cursor frame.
#include <array>

#include "haikei.h"
#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

constexpr uint8_t kKey = P::Magenta;
// Top-left corners of the 220x170 cursor frame for stage choices 0..5.
constexpr int kCursor[6][2] = {{1, 64}, {210, 64}, {419, 64}, {0, 272}, {210, 272}, {419, 272}};
// Preview inside the frame.
constexpr int kPrevDX = 14, kPrevDY = 13, kPrevW = 192, kPrevH = 144;
// The battlefield each place builds (the third place builds battlefield 5); -1 = random.
constexpr int kStageOf[6] = {0, 1, 5, 3, 4, -1};
constexpr const char* kNames[6] = {"MOONLIT BAY", "SUNNY CLIFFS", "STARFIELD", "GREEN PLAINS", "OPEN SEA", "RANDOM"};

// The 16 colours of the page; previews are reduced to these.
const std::array<uint8_t, 16> kColours = {kKey,        P::Black,   P::White,    P::Navy[1], P::Navy[3],   P::Yellow[7],
                                          P::Orange[4], kNightSky, kDaySky,     P::Sea[1],  P::Sea[4],    P::Green[4],
                                          P::Steel[3],  P::Brown[3], P::Steel[1], P::Ice[5]};

uint8_t NearestOf(int r, int g, int b, bool allowUi) {
  const auto& pal = P::Colours();
  int best = 1, bestD = 1 << 30;
  for (size_t i = 1; i < kColours.size(); ++i) {
    uint8_t c = kColours[i];
    if (!allowUi && (c == P::Navy[1] || c == P::Navy[3] || c == P::Orange[4])) continue;
    int dr = pal[c].r - r, dg = pal[c].g - g, db = pal[c].b - b;
    int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (d < bestD) bestD = d, best = int(c);
  }
  return uint8_t(best);
}

// The battlefield scaled down to the preview size: each preview pixel averages its source area.
void Preview(Canvas& c, int stage, int x0, int y0) {
  const Canvas s = ComposeStage(stage);
  const auto& pal = P::Colours();
  for (int y = 0; y < kPrevH; ++y)
    for (int x = 0; x < kPrevW; ++x) {
      int sx0 = x * 640 / kPrevW, sx1 = (x + 1) * 640 / kPrevW, sy0 = y * 480 / kPrevH, sy1 = (y + 1) * 480 / kPrevH;
      int r = 0, g = 0, b = 0, n = 0, bright = 0;
      for (int sy = sy0; sy < sy1; ++sy)
        for (int sx = sx0; sx < sx1; ++sx) {
          const auto& q = pal[s.Get(sx, sy)];
          r += q.r, g += q.g, b += q.b, ++n;
          bright = std::max(bright, q.r + q.g + q.b);
        }
      uint8_t col = NearestOf(r / n, g / n, b / n, false);
      if (bright > 600 && (stage == 0 || stage == 5) && r / n + g / n + b / n < 300) col = P::White;  // keep the stars
      c.Set(x0 + x, y0 + y, col);
    }
}

void RandomPreview(Canvas& c, int x0, int y0) {
  // Five stripes of the other previews behind a big question mark.
  Canvas tmp(kPrevW, kPrevH, kKey);
  for (int i = 0; i < 5; ++i) {
    Canvas one(kPrevW, kPrevH, kKey);
    Preview(one, kStageOf[i], 0, 0);
    for (int y = 0; y < kPrevH; ++y)
      for (int x = 0; x < kPrevW; ++x)
        if (((x + y / 2) * 5 / (kPrevW + kPrevH / 2)) == i) tmp.Set(x, y, one.Get(x, y));
  }
  c.Blit(tmp, {0, 0, kPrevW, kPrevH}, x0, y0);
  for (int y = 0; y < kPrevH; ++y)
    for (int x = 0; x < kPrevW; ++x)
      if ((x + y) % 2 == 0) c.Set(x0 + x, y0 + y, P::Navy[1]);
  CaptionCentred(c, x0 + kPrevW / 2, y0 + 30, "?", 12, P::Yellow[7], P::Orange[4], P::Black);
}

void DrawStageSelect(Canvas& c) {
  Panel(c, {150, 12, 340, 40}, P::Black, P::Navy[1], P::Navy[3], P::Black);
  CaptionCentred(c, 320, 22, "STAGE SELECT", 3, P::Yellow[7], P::Orange[4], P::Black);
  for (int i = 0; i < 6; ++i) {
    int px = (i % 3 == 0 ? 15 : kCursor[i][0] + kPrevDX), py = kCursor[i][1] + kPrevDY;
    c.Fill({px - 3, py - 3, kPrevW + 6, kPrevH + 6}, P::Black);
    c.Frame({px - 2, py - 2, kPrevW + 4, kPrevH + 4}, P::Navy[3]);
    if (kStageOf[i] >= 0) Preview(c, kStageOf[i], px, py);
    else RandomPreview(c, px, py);
    int ly = kCursor[i][1] + 171;
    int w = art::TextWidth(kNames[i], 2) + 16;
    Panel(c, {px + kPrevW / 2 - w / 2, ly, w, 22}, P::Black, P::Navy[1], P::Navy[3], P::Black);
    CaptionCentred(c, px + kPrevW / 2, ly + 4, kNames[i], 2, P::White, P::Ice[5], P::Black);
  }
}

void DrawCursorFrame(Canvas& c) {
  const Rect outer{0, 0, 220, 170};
  c.Fill(outer, P::Orange[4]);
  c.Fill({2, 2, 216, 166}, P::Yellow[7]);
  c.Fill({4, 4, 212, 162}, P::Orange[4]);
  c.Fill({6, 6, 208, 158}, P::Black);
  c.Fill({8, 8, 204, 154}, kKey);
  c.Frame(outer, P::Black);
  // White corner brackets over the frame.
  for (int right = 0; right < 2; ++right)
    for (int bottom = 0; bottom < 2; ++bottom) {
      int x = right ? 220 - 8 : 0, y = bottom ? 170 - 8 : 0;
      c.Fill({right ? 220 - 26 : 0, y, 26, 8}, P::White);
      c.Fill({x, bottom ? 170 - 26 : 0, 8, 26}, P::White);
    }
  c.Fill({8, 8, 204, 154}, kKey);
  c.Frame(outer, P::Black);
  c.Frame({7, 7, 206, 156}, P::Black);
  c.Set(0, 0, kKey);
}

const bool kPictures = [] {
  art::RegisterPicture({"StageSelect", 640, 480, 4, kKey, &DrawStageSelect});
  art::RegisterPicture({"StageCRS", 220, 170, 4, kKey, &DrawCursorFrame});
  return true;
}();

const bool kCells = art::RegisterCells({
    {"StageSelect", {0, 0, 640, 480}, "stage-select page: previews of battlefields 0, 1, 5, 3, 4 and random"},
    {"StageCRS", {0, 0, 220, 170}, "stage cursor frame, transparent inside"},
});

}  // namespace
}  // namespace scenes
