// ScrollBack: the backdrop behind every menu page. The menu scrolls it 64 pixels diagonally and
// jumps back, so the whole picture repeats every 64 pixels in x and y.
#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

namespace P = pal;

// One 64x64 tile: a soft checker with a pair of balloons in each dark square and a star in each
// light one.
uint8_t Tile(int x, int y) {
  const bool dark = ((x / 32) + (y / 32)) % 2 == 0;
  int lx = x % 32, ly = y % 32;
  uint8_t c = dark ? P::Navy[2] : P::Navy[3];
  if (lx == 0 || ly == 0) c = P::Navy[1];
  auto inBalloon = [&](int cx, int cy, int r) {
    int dx = lx - cx, dy = ly - cy;
    return dx * dx * 36 + dy * dy * 25 <= r * r * 36;
  };
  if (dark) {
    if (inBalloon(11, 12, 5)) c = ly < 10 && lx < 11 ? P::Wine[3] : P::Wine[1];
    if (inBalloon(20, 10, 5)) c = ly < 8 && lx < 20 ? P::Teal[3] : P::Teal[1];
    if ((lx == 12 && ly >= 19 && ly <= 26) || (lx == 19 && ly >= 17 && ly <= 24) ||
        (ly == 26 && lx >= 12 && lx <= 16) || (ly == 25 && lx >= 16 && lx <= 19))
      c = P::Navy[5];
  } else {
    bool star = (lx == 16 && ly >= 12 && ly <= 20) || (ly == 16 && lx >= 12 && lx <= 20);
    bool core = std::abs(lx - 16) <= 1 && std::abs(ly - 16) <= 1;
    if (star) c = P::Navy[5];
    if (core) c = P::Navy[6];
  }
  return c;
}

void Draw(art::Canvas& c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.px[size_t(y) * c.w + x] = Tile(x % 64, y % 64);
}

const bool kPicture = art::RegisterPicture({"ScrollBack", 704, 544, 4, P::Navy[1], &Draw});
const bool kCells = art::RegisterCells({
    {"ScrollBack", {0, 0, 640, 480}, "menu backdrop window, scrolled diagonally from (64, 64) to (0, 0)",
     "one 640x480 window slides over the whole picture"},
    {"ScrollBack", {64, 64, 640, 480}, "menu backdrop window at its start offset (64, 64)",
     "one 640x480 window slides over the whole picture"},
});

}  // namespace
}  // namespace scenes
