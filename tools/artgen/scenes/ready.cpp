// The READY strip that sweeps across the screen before a round (two pictures side by side),
// the now-loading caption and the big digits.
#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

constexpr uint8_t kKey = P::Magenta;

// The whole strip, 900x209: READY 0 is its left 640 columns, READY 1 the right 260.
Canvas Strip() {
  Canvas s(900, 209, kKey);
  // A ribbon with speed streaks trailing off to the right (the strip moves left).
  for (int y = 46; y < 164; ++y)
    for (int x = 0; x < 900; ++x) {
      uint8_t col = y < 50 || y >= 160 ? P::Black : y < 54 ? P::Blue[6] : y < 150 ? P::Blue[3] : P::Blue[1];
      s.Set(x, y, col);
    }
  for (int i = 0; i < 14; ++i) {
    int y = 60 + Noise(i, 1, 88), x = Noise(i, 2, 820), len = 40 + Noise(i, 3, 70);
    s.HLine(x, x + len, y, P::Blue[5]);
  }
  // Ribbon ends: notched tails.
  for (int y = 46; y < 164; ++y) {
    int d = std::abs(y - 105) / 3;
    for (int x = 0; x < 20 - d; ++x) s.Set(x, y, kKey);
    for (int x = 0; x < 20 - d; ++x) s.Set(899 - x, y, kKey);
  }
  s.Outline({0, 40, 900, 130}, kKey, P::Black);
  BigStyle st{16, P::Yellow[7], P::Yellow[5], P::Orange[4], P::White, P::Orange[1], P::Wine[1], 8, 3};
  BigLetters(s, 60, 44, "READY", st);
  BigStyle go = st;
  go.top = P::White;
  go.mid = P::Ice[5];
  go.bottom = P::Cyan[5];
  go.lit = P::White;
  BigLetters(s, 640 + 18, 44, "GO!", go);
  return s;
}

void DrawReady0(Canvas& c) {
  static const Canvas s = Strip();
  c.Blit(s, {0, 0, 640, 209}, 0, 0);
}
void DrawReady1(Canvas& c) {
  static const Canvas s = Strip();
  c.Blit(s, {640, 0, 260, 209}, 0, 0);
}

void DrawNowLoading(Canvas& c) {
  Balloon(c, 8, 7, 5, P::Scarlet[1], P::Scarlet[5], P::White, P::Grey[4], 4);
  Caption(c, 20, 3, "NOW LOADING...", 2, P::White, P::Cyan[5], P::Navy[3]);
}

// Ten digits, 50x72 each.
void DrawNumber(Canvas& c) {
  BigStyle st{8, P::Yellow[7], P::Yellow[5], P::Orange[4], P::White, P::Orange[1], P::Wine[1], 4, 2};
  for (int d = 0; d < 10; ++d) {
    std::string s(1, char('0' + d));
    int w = BigWidth(s, 8);
    BigLetters(c, d * 50 + (46 - w) / 2 + 1, 6, s, st);
  }
}

const bool kPictures = [] {
  art::RegisterPicture({"READY0", 640, 209, 4, kKey, &DrawReady0});
  art::RegisterPicture({"READY1", 260, 209, 4, kKey, &DrawReady1});
  art::RegisterPicture({"Nowloading", 181, 20, 4, P::Black, &DrawNowLoading});
  art::RegisterPicture({"Number", 500, 72, 4, kKey, &DrawNumber});
  return true;
}();

const bool kCells = [] {
  std::vector<art::Cell> cells = {
      {"READY0", {0, 0, 640, 209}, "READY strip, left part (revealed from its left edge)"},
      {"READY1", {0, 0, 260, 209}, "READY strip, right part (follows the left part)"},
      {"Nowloading", {0, 0, 181, 20}, "now-loading caption"},
  };
  for (int d = 0; d < 10; ++d) cells.push_back({"Number", {d * 50, 0, 50, 72}, "digit " + std::to_string(d)});
  art::RegisterCells(std::move(cells));
  return true;
}();

}  // namespace
}  // namespace scenes
