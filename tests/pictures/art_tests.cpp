// The palette, the bitmap writer and the cell table of the generated picture set.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "canvas.h"
#include "palette.h"
#include "picture.h"

namespace {

TEST(Palette, ExactEntriesAndNoDuplicates) {
  const auto& p = pal::Colours();
  EXPECT_EQ(p[pal::Black], (pal::RGB{0, 0, 0}));
  EXPECT_EQ(p[pal::White], (pal::RGB{255, 255, 255}));
  EXPECT_EQ(p[pal::Red], (pal::RGB{255, 0, 0}));
  EXPECT_EQ(p[pal::KeyChar], (pal::RGB{0, 84, 80}));
  EXPECT_EQ(p[pal::KeyVS], (pal::RGB{96, 184, 0}));
  std::set<uint32_t> seen;
  for (const auto& c : p) seen.insert(uint32_t(c.r) << 16 | c.g << 8 | c.b);
  EXPECT_EQ(seen.size(), 256u) << "two palette entries share a colour, so a colour would not name one index";
  for (int i = 0; i < 256; ++i) EXPECT_EQ(pal::Nearest(p[i]), i);
}

TEST(BitmapWriter, RoundTripsEveryDepth) {
  for (int bits : {1, 4, 8}) {
    art::Canvas c(13, 5, pal::KeyChar);  // odd width: row padding
    c.Set(12, 4, bits == 1 ? pal::White : pal::Red);
    if (bits >= 4) c.Fill({1, 1, 3, 2}, pal::SkyDay[3]);
    std::vector<uint8_t> bmp = art::EncodeBmp(c, bits, "test");
    art::Canvas back;
    int gotBits = 0;
    ASSERT_TRUE(art::DecodeBmp(bmp, back, &gotBits)) << bits;
    EXPECT_EQ(gotBits, bits);
    EXPECT_EQ(back.w, 13);
    EXPECT_EQ(back.h, 5);
    EXPECT_EQ(back.px, c.px) << bits << "-bit picture changed on the way through the bitmap file";
  }
}

TEST(BitmapWriter, RefusesTooManyColoursNamingThePicture) {
  art::Canvas c(20, 1, pal::Black);
  for (int x = 0; x < 17; ++x) c.Set(x, 0, uint8_t(x + 8));
  try {
    art::EncodeBmp(c, 4, "Crowded");
    FAIL() << "17 colours accepted in a 4-bit picture";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("Crowded"), std::string::npos);
  }
  art::Canvas two(4, 1, pal::Black);
  two.Set(1, 0, pal::White);
  two.Set(2, 0, pal::Red);
  EXPECT_THROW(art::EncodeBmp(two, 1, "Three"), std::runtime_error);
}

TEST(BitmapWriter, DecodeRejectsTruncatedFiles) {
  art::Canvas c(8, 8, pal::KeyChar);
  std::vector<uint8_t> bmp = art::EncodeBmp(c, 8, "t");
  art::Canvas out;
  for (size_t len : {size_t(0), size_t(10), size_t(54), bmp.size() - 1}) {
    std::vector<uint8_t> cut(bmp.begin(), bmp.begin() + long(len));
    EXPECT_FALSE(art::DecodeBmp(cut, out)) << len;
  }
}

TEST(PictureCells, NoConflictingOverlaps) {
  std::string report;
  for (const auto& o : art::FindOverlaps())
    report += o.a.picture + ": '" + o.a.meaning + "' overlaps '" + o.b.meaning + "'\n";
  EXPECT_TRUE(report.empty()) << report;
}

// The game may read a cell that runs past an edge (the library cuts the copy), but a cell
// wholly outside its picture would show nothing at all.
TEST(PictureCells, EveryCellShowsPartOfItsPicture) {
  for (const auto& c : art::Cells()) {
    const art::Picture* p = art::FindPicture(c.picture);
    ASSERT_NE(p, nullptr) << "cell '" << c.meaning << "' names unknown picture " << c.picture;
    EXPECT_TRUE(c.r.w > 0 && c.r.h > 0 && c.r.Overlaps({0, 0, p->w, p->h})) << c.picture << " '" << c.meaning << "'";
  }
}

// Every cell the game draws shows something: no cell is left as bare key colour.
TEST(PictureCells, NoCellIsEmpty) {
  std::map<std::string, art::Canvas> drawn;
  for (const auto& c : art::Cells()) {
    const art::Picture* p = art::FindPicture(c.picture);
    ASSERT_NE(p, nullptr);
    if (!drawn.count(c.picture)) drawn.emplace(c.picture, art::Render(*p));
    const art::Canvas& pic = drawn.at(c.picture);
    int ink = 0;
    for (int y = c.r.y; y < c.r.y + c.r.h; ++y)
      for (int x = c.r.x; x < c.r.x + c.r.w; ++x)
        ink += x < pic.w && y < pic.h && pic.Get(x, y) != p->key;
    EXPECT_GE(ink, 16) << c.picture << " '" << c.meaning << "' is empty";
  }
}

}  // namespace
