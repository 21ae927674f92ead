// The backdrops, menus and credits: the places the game copies from and draws over hold the
// art that belongs there.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "canvas.h"
#include "palette.h"
#include "picture.h"

namespace {

const art::Canvas& Pic(const std::string& name) {
  static std::map<std::string, art::Canvas> cache;
  auto it = cache.find(name);
  if (it == cache.end()) {
    const art::Picture* p = art::FindPicture(name);
    if (!p) throw std::runtime_error("no picture " + name);
    it = cache.emplace(name, art::Render(*p)).first;
  }
  return it->second;
}

int CountIn(const art::Canvas& c, art::Rect r, uint8_t colour) {
  int n = 0;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) n += c.Get(x, y) == colour;
  return n;
}
int CountNot(const art::Canvas& c, art::Rect r, uint8_t colour) { return r.w * r.h - CountIn(c, r, colour); }

TEST(ScrollBack, JumpBackFromOffset64IsInvisible) {
  // The menu scrolls the backdrop from (64, 64) to (0, 0), then jumps back to (64, 64).
  const art::Canvas& s = Pic("ScrollBack");
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      ASSERT_EQ(s.Get(x, y), s.Get(x + 64, y + 64)) << "seam at window pixel " << x << "," << y;
}

TEST(OptionsPage, LampLooksTheSameAtEveryWidth) {
  // Highlights and markers copy (0, 0, w, h) for many w up to 160 and h up to 60.
  const art::Canvas& c = Pic("Config");
  for (int y = 0; y < 60; ++y)
    for (int x = 1; x < 160; ++x) ASSERT_EQ(c.Get(x, y), c.Get(0, y)) << "lamp varies along row " << y;
}

TEST(OptionsPage, EveryValueMarkerLightsASlotAndLeavesItsLabelReadable) {
  const art::Canvas& c = Pic("Config");
  const uint8_t label = pal::Ice[5];
  struct Row {
    const char* what;
    int y, h;
    std::vector<std::pair<int, int>> places;  // x, width of each marker
  };
  const Row rows[] = {
      {"lives", 70, 32, {{220, 32}, {260, 32}, {290, 32}, {330, 32}, {360, 32}, {400, 32}, {440, 32}, {470, 32}, {500, 32}}},
      {"gauge", 121, 32, {{217, 40}, {257, 40}, {297, 43}, {337, 42}, {379, 43}, {420, 45}, {472, 20}, {492, 120}}},
      {"speed", 175, 32, {{210, 45}, {260, 45}, {310, 45}, {368, 45}, {420, 45}, {476, 45}, {530, 45}, {580, 45}}},
      {"music", 230, 32, {{210, 90}, {310, 80}}},
      {"keys", 270, 50, {{225, 170}, {400, 200}}},
  };
  for (const Row& r : rows)
    for (auto [x, w] : r.places) {
      SCOPED_TRACE(std::string(r.what) + " marker at x " + std::to_string(x));
      art::Rect lit{x, r.y, w, r.h};
      EXPECT_GT(CountIn(c, lit, pal::Navy[0]), w * r.h / 3) << "no slot under the marker";
      EXPECT_EQ(CountIn(c, lit, label), 0) << "the lit lamp would hide label text";
      EXPECT_GT(CountIn(c, {x, r.y + r.h, w, 20}, label) + CountIn(c, {x, r.y - 11, w, 11}, label), 0)
          << "no label next to the slot";
    }
}

TEST(OptionsPage, EachItemHighlightCoversItsItemName) {
  const art::Canvas& c = Pic("Config");
  const art::Rect items[] = {{60, 65, 150, 40},  {0, 121, 220, 35}, {57, 170, 155, 60}, {60, 225, 150, 40},
                             {0, 270, 220, 50}, {70, 320, 150, 50}, {70, 380, 150, 50}};
  for (int i = 0; i < 7; ++i) EXPECT_GT(CountIn(c, items[i], pal::White), 20) << "item " << i << " has no name";
}

TEST(StageSelect, EveryCursorPlaceFramesOnePreview) {
  const art::Canvas& page = Pic("StageSelect");
  const art::Canvas& crs = Pic("StageCRS");
  const uint8_t key = crs.Get(0, 0);
  const int places[6][2] = {{1, 64}, {210, 64}, {419, 64}, {0, 272}, {210, 272}, {419, 272}};
  // The frame is opaque round the edge and transparent inside.
  EXPECT_EQ(CountIn(crs, {1, 0, 219, 6}, key), 0);  // (0, 0) itself is the key
  EXPECT_EQ(CountNot(crs, {10, 10, 200, 150}, key), 0);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE("stage place " + std::to_string(i));
    const int cx = places[i][0], cy = places[i][1];
    int inside = 0, underFrame = 0;
    for (int y = 0; y < 170; ++y)
      for (int x = 0; x < 220; ++x) {
        uint8_t p = page.Get(cx + x, cy + y);
        bool art = p != page.Get(0, 0) && p != pal::Black;
        if (!art) continue;
        if (crs.Get(x, y) == key) ++inside;
        else ++underFrame;
      }
    EXPECT_GT(inside, 192 * 144 * 9 / 10) << "the preview does not fill the cursor's window";
    EXPECT_EQ(underFrame, 0) << "the cursor frame would cover part of the preview";
  }
}

TEST(TitleMenus, EveryCursorRowHasItsLine) {
  struct Case {
    const char* picture;
    int x0;                 // where the panel lies on screen
    std::vector<int> rows;  // cursor rows on screen
    int y0;
  };
  const Case cases[] = {{"TitleBMP0", 0, {310, 363, 413}, 0}, {"VS_Coin", 220, {310, 363}, 250},
                        {"TitleBMP7", 250, {310, 363, 413}, 255}};
  for (const Case& k : cases)
    for (int row : k.rows) {
      SCOPED_TRACE(std::string(k.picture) + " row " + std::to_string(row));
      // The caption sits right of the cursor (x 195..226) and level with it.
      art::Rect line{235 - k.x0, row - k.y0, 200, 32};
      EXPECT_GT(CountIn(Pic(k.picture), line, pal::Yellow[7]), 40);
    }
}

TEST(TitleMenus, LogoKeepsClearOfThePanelsBelowIt) {
  // The logo is drawn at (75, 0) after the mode and player-count panels, which start at y 250.
  for (int f = 1; f <= 5; ++f) {
    const art::Canvas& logo = Pic("TitleBMP" + std::to_string(f));
    EXPECT_EQ(CountNot(logo, {0, 250, 560, 41}, logo.Get(0, 0)), 0) << "logo frame " << f;
  }
}

TEST(StaffRoll, PiecesKeepTheirSharedRowsBlankAndShowSomething) {
  const art::Canvas& s = Pic("STAFF");
  const uint8_t key = s.Get(0, 0);
  std::vector<art::Cell> pieces = art::CellsOf("STAFF");
  ASSERT_FALSE(pieces.empty());
  for (const art::Cell& a : pieces) {
    EXPECT_GT(CountNot(s, a.r, key), 100) << a.meaning;
    for (const art::Cell& b : pieces) {
      if (a.r.y >= b.r.y || a.r.y + a.r.h <= b.r.y) continue;  // b starts inside a
      int from = b.r.y, to = std::min(a.r.y + a.r.h, b.r.y + b.r.h);
      art::Rect shared{0, from, std::max(a.r.w, b.r.w), to - from};
      EXPECT_EQ(CountNot(s, shared, key), 0) << a.meaning << " / " << b.meaning << " share rows with ink";
    }
  }
}

TEST(StageTiles, GroundAndSeaJoinWhereverTheStagesLayThem) {
  const art::Canvas& h = Pic("HAIKEI");
  // Rock is laid every 64 pixels (stage 3) and overlapping at 0 and 64 (stages 0, 1); sea cells
  // start on 32-pixel steps (stage 4: 416, 544).
  for (int a : {0, 128}) {
    for (int y = 160; y < 192; ++y)
      for (int x = 0; x < 64; ++x) ASSERT_EQ(h.Get(a + x, y), h.Get(a + x + 64, y)) << "rock " << a << " at " << x << "," << y;
    for (int y = 128; y < 160; ++y)
      for (int x = 0; x < 96; ++x) ASSERT_EQ(h.Get(a + x, y), h.Get(a + x + 32, y)) << "sea " << a << " at " << x << "," << y;
    // The sea's sky rows are the plain sky of its stage, so it joins the sky tiles above it.
    for (int x = 0; x < 128; ++x) EXPECT_EQ(h.Get(a + x, 128), h.Get(a, 0)) << "sea sky at " << a + x;
  }
}

}  // namespace
