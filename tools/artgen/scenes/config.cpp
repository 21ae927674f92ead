// Config: the options page. The page lights the current item and the chosen values by copying
// its own top-left corner over them, so that corner is a lamp: a bright bar that looks the same
// wherever and however wide it is copied. Each value has a dark slot that the lamp lights, with
// its name printed just below the slot so it stays readable while lit.
#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

constexpr uint8_t kBack = P::Navy[1];

// The lamp: uniform along x, shaded along y. The largest copy is 160x60; the page continues it
// across the top as its header bar.
uint8_t LampRow(int y) {
  if (y < 32) return y < 2 ? P::White : y < 12 ? P::Yellow[7] : y < 30 ? P::Yellow[5] : P::Orange[4];
  return y < 58 ? P::Yellow[5] : P::Orange[4];
}

// A dark slot where the lamp lands, with its label centred under it (or over it).
void Slot(Canvas& c, Rect r, const std::string& label, bool labelAbove = false) {
  Rect in{r.x + 2, r.y + 2, r.w - 4, r.h - 4};
  c.Fill(in, P::Navy[0]);
  c.HLine(in.x, in.x + in.w - 1, in.y + in.h - 1, P::Navy[3]);
  c.VLine(in.x + in.w - 1, in.y, in.y + in.h - 1, P::Navy[3]);
  c.HLine(in.x, in.x + in.w - 1, in.y, P::Black);
  c.VLine(in.x, in.y, in.y + in.h - 1, P::Black);
  art::DrawTextCentred(c, r.x + r.w / 2, labelAbove ? r.y - 9 : r.y + r.h + 2, label, P::Ice[5], {1, -1, P::Black});
}

void ItemLabel(Canvas& c, int y, const std::string& text, const std::string& sub = "") {
  CaptionCentred(c, 135, y, text, 2, P::White, P::Ice[5], P::Black);
  if (!sub.empty()) art::DrawTextCentred(c, 135, y + 18, sub, P::Cyan[6], {1, -1, P::Black});
}

void DrawConfig(Canvas& c) {
  c.Clear(kBack);
  for (int y = 60; y < 480; y += 4)
    for (int x = (y / 4 % 2) * 2; x < 640; x += 4) c.Set(x, y, P::Navy[2]);
  for (int y = 0; y < 60; ++y) c.HLine(0, 639, y, LampRow(y));
  c.HLine(0, 639, 60, P::Orange[2]);
  c.HLine(0, 639, 61, P::Black);
  CaptionCentred(c, 400, 16, "OPTIONS", 3, P::Navy[2], P::Navy[0], P::White);
  // Item labels, each inside the rectangle its blinking highlight covers.
  ItemLabel(c, 78, "LIVES");
  ItemLabel(c, 131, "SUPER GAUGE", "FILL PER FLAP");
  ItemLabel(c, 184, "SPEED", "WAIT PER FRAME");
  ItemLabel(c, 240, "MUSIC");
  ItemLabel(c, 288, "KEYS");
  ItemLabel(c, 338, "HELP");
  ItemLabel(c, 398, "BACK");
  // Lives 1..9.
  constexpr int kStockX[9] = {220, 260, 290, 330, 360, 400, 440, 470, 500};
  for (int i = 0; i < 9; ++i) Slot(c, {kStockX[i], 70, 32, 32}, std::to_string(i + 1));
  // Gauge rate; its markers are drawn 3 pixels left of the table X.
  constexpr int kGaugeX[8] = {220, 260, 300, 340, 382, 423, 475, 495};
  constexpr int kGaugeW[8] = {40, 40, 43, 42, 43, 45, 20, 120};
  const char* gauge[8] = {"0.1", "0.3", "0.5", "0.7", "0.9", "1.5", "2", "3 (AUTO)"};
  for (int i = 0; i < 8; ++i) {
    int right = i < 7 ? kGaugeX[i + 1] - 3 : kGaugeX[i] - 3 + kGaugeW[i];
    int w = std::min(kGaugeW[i], right - (kGaugeX[i] - 3));
    Slot(c, {kGaugeX[i] - 3, 121, w, 32}, gauge[i]);
  }
  // Frame wait 0..70 ms.
  constexpr int kSpeedX[8] = {210, 260, 310, 368, 420, 476, 530, 580};
  for (int i = 0; i < 8; ++i) Slot(c, {kSpeedX[i], 175, 45, 32}, std::to_string(i * 10) + (i ? "" : " MS"));
  art::DrawText(c, 212, 166, "FAST", P::Cyan[6], {1, -1, P::Black});
  art::DrawText(c, 601, 166, "SLOW", P::Cyan[6], {1, -1, P::Black});
  // Music on / off; the key-layout lamps start right below, so these labels go on top.
  Slot(c, {210, 230, 90, 32}, "ON", true);
  Slot(c, {310, 230, 80, 32}, "OFF", true);
  // Key layouts.
  Slot(c, {225, 270, 170, 50}, "");
  Slot(c, {400, 270, 200, 50}, "");
  CaptionCentred(c, 310, 324, "LAYOUT 1", 2, P::White, P::Ice[5], P::Black);
  CaptionCentred(c, 500, 324, "LAYOUT 2", 2, P::White, P::Ice[5], P::Black);
  art::DrawTextCentred(c, 310, 342, "1P: ARROWS, FLAP /\n2P: W A D X, FLAP C\nUP TO 4 PLAYERS", P::Cyan[6],
                       {1, -1, P::Black});
  art::DrawTextCentred(c, 500, 342, "1P: ARROWS, FLAP PAD 1\n2P: A Q Z 1, FLAP X\nUP TO 3 PLAYERS", P::Cyan[6],
                       {1, -1, P::Black});
  Panel(c, {60, 444, 520, 26}, P::Black, P::Navy[2], P::Navy[3], P::Navy[0]);
  art::DrawTextCentred(c, 320, 453, "UP/DOWN: ITEM   LEFT/RIGHT: CHANGE   LIT SLOT: YOUR CHOICE", P::White,
                       {1, -1, P::Black});
}

const bool kPicture = art::RegisterPicture({"Config", 640, 480, 4, P::White, &DrawConfig});

// Every copy the page makes of its corner, and the corner itself.
const bool kCells = [] {
  const std::string lamp = "every highlight and marker is a copy of the lamp in the corner";
  std::vector<art::Cell> cells = {
      {"Config", {0, 0, 640, 480}, "options page", lamp},
      {"Config", {0, 0, 150, 40}, "lamp: highlight of lives (item 0) and music (item 3)", lamp},
      {"Config", {0, 0, 150, 35}, "lamp: highlight of the gauge rate (item 1)", lamp},
      {"Config", {0, 0, 155, 60}, "lamp: highlight of the speed (item 2)", lamp},
      {"Config", {0, 0, 150, 50}, "lamp: highlight of keys, help, back (items 4, 5, 6); key layout 2 marker", lamp},
      {"Config", {0, 0, 160, 50}, "lamp: key layout 1 marker", lamp},
      {"Config", {0, 0, 32, 32}, "lamp: lives marker", lamp},
      {"Config", {0, 0, 45, 32}, "lamp: speed marker", lamp},
      {"Config", {0, 0, 90, 32}, "lamp: music on marker", lamp},
      {"Config", {0, 0, 80, 32}, "lamp: music off marker", lamp},
  };
  for (int w : {40, 43, 42, 45, 20, 120})
    cells.push_back({"Config", {0, 0, w, 32}, "lamp: gauge rate marker " + std::to_string(w) + " wide", lamp});
  art::RegisterCells(std::move(cells));
  return true;
}();

}  // namespace
}  // namespace scenes
