// The picture set inside the program: sizes, depths and keys of the embedded bitmaps, surfaces
// made from them without loss, the two built sheets, and the make/release cycles.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PictureDisplay.h"
#include "lumablit.h"
#include "palette.h"
#include "picture.h"
#include "pictures/Pictures.h"
#include "pictures/Surfaces.h"

namespace {

struct Expected {
  const char* name;
  int w, h, bits;
};

// Every picture this program carries, with the size and depth the game reads it at.
const Expected kCarried[] = {
    {"CHR_1", 1280, 512, 4},     {"CHR_2", 576, 520, 4},       {"READY0", 640, 209, 4},
    {"READY1", 260, 209, 4},     {"Nowloading", 181, 20, 4},   {"HAIKEI", 288, 320, 8},
    {"Brabou", 640, 480, 4},     {"Config", 640, 480, 4},      {"StageCRS", 220, 170, 4},
    {"StageSelect", 640, 480, 4}, {"ScrollBack", 704, 544, 4}, {"HELP", 640, 480, 4},
    {"Tukkomi2", 384, 64, 4},    {"STAFF_BACK", 640, 480, 1},  {"STAFF", 436, 1612, 8},
    {"Coin", 96, 32, 4},         {"VS_Coin", 456, 200, 4},     {"Tukkomi_VS", 320, 192, 8},
    {"Number", 500, 72, 4},      {"TitleBMP0", 640, 480, 4},   {"TitleBMP1", 560, 291, 4},
    {"TitleBMP2", 560, 291, 4},  {"TitleBMP3", 560, 291, 4},   {"TitleBMP4", 560, 291, 4},
    {"TitleBMP5", 560, 291, 4},  {"TitleBMP6", 32, 32, 4},     {"TitleBMP7", 309, 200, 4},
    {"Tamberlyn0", 613, 420, 8}, {"Tamberlyn1", 613, 420, 8},  {"Tamberlyn2", 613, 420, 8},
    {"Tamberlyn3", 613, 420, 8}, {"Tamberlyn4", 613, 420, 8},  {"Tukkomi", 64, 832, 4},
};

TEST(EmbeddedPictures, SizeDepthAndKeyOfEveryPicture) {
  for (const Expected& e : kCarried) {
    SCOPED_TRACE(e.name);
    std::vector<uint8_t> bytes = Main2::PictureBytes(e.name);
    ASSERT_FALSE(bytes.empty()) << "the program does not carry " << e.name;
    art::Canvas c;
    int bits = 0;
    ASSERT_TRUE(art::DecodeBmp(bytes, c, &bits));
    EXPECT_EQ(c.w, e.w);
    EXPECT_EQ(c.h, e.h);
    EXPECT_EQ(bits, e.bits);
    const art::Picture* p = art::FindPicture(e.name);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(c.Get(0, 0), p->key) << "the top-left pixel is the surface's colour key";
  }
  // Full-screen super-move pictures come later: absent, so their handles stay 0.
  for (const char* absent : {"HyperCOMBOBACK", "Flash", "Lightning", "SICHISEI", "TENDON", "TENDON2", "TENDON3",
                             "Kamikaze0", "Kamikaze1", "NEW", "no such picture"})
    EXPECT_TRUE(Main2::PictureBytes(absent).empty()) << absent;
}

using picture_test::Pixels;

// A headless 8-bit display with the game palette, and the start-up surfaces made.
class PictureSurfaces : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(picture_test::OpenDisplayWithStartupSurfaces()); }
  void TearDown() override {
    ddQuit();
    Main2::SurfCharSheet = Main2::SurfTukkomiSheet = 0;
  }
};

TEST_F(PictureSurfaces, SurfacesKeepEveryPaletteIndex) {
  // The palette holds every colour exactly, so a surface's pixels are the picture's indices.
  for (const Expected& e : kCarried) {
    SCOPED_TRACE(e.name);
    std::vector<uint8_t> bytes = Main2::PictureBytes(e.name);
    const int32_t bitmap = ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
    ASSERT_NE(bitmap, 0);
    const int32_t surface = ddCreateSurfaceFromBitmap(bitmap);
    ddDeleteBitmap(bitmap);
    ASSERT_NE(surface, 0);
    const art::Picture* p = art::FindPicture(e.name);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(Pixels(surface) == art::Render(*p).px);
    EXPECT_EQ(ddGetColorKey(surface), p->key);
    ddReleaseSurface(surface);
  }
  EXPECT_EQ(ddGetColorKey(Main2::SurfCHR_1), pal::KeyChar);
  EXPECT_EQ(Main2::SurfFlash, 0);
  EXPECT_EQ(Main2::SurfNEW, 0);
}

// pal.bmp beside the program: an 8-bit bitmap whose colour table is the game palette, entry
// for entry, so the sheets' keys (0, 84, 80) and (96, 184, 0) are exact entries of the display.
TEST(PaletteFile, EightBitsWithEveryGameColourExactly) {
  std::ifstream f(AEROTUSSLE_BIN_DIR "/pal.bmp", std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_GE(b.size(), 54u + 1024u);
  EXPECT_EQ(b[28], 8);
  EXPECT_EQ(b[29], 0);
  const uint32_t header = b[14] | b[15] << 8;
  const auto& colours = pal::Colours();
  int wrong = 0;
  for (int i = 0; i < 256; ++i) {
    const size_t at = 14 + header + 4 * size_t(i);
    wrong += b[at + 2] != colours[i].r || b[at + 1] != colours[i].g || b[at] != colours[i].b;
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(PictureSurfaces, BuiltSheetsMirrorEveryBandAndKeepTheirKeys) {
  const std::vector<uint8_t> chr1 = Pixels(Main2::SurfCHR_1), vs = Pixels(Main2::SurfTukkomi_VS);
  Main2::BuildSheets();
  EXPECT_EQ(Main2::SurfCHR_1, 0);
  EXPECT_EQ(Main2::SurfTukkomi_VS, 0);
  ASSERT_NE(Main2::SurfCharSheet, 0);
  ASSERT_NE(Main2::SurfTukkomiSheet, 0);
  EXPECT_EQ(ddGetColorKey(Main2::SurfCharSheet), pal::KeyChar);
  EXPECT_EQ(ddGetColorKey(Main2::SurfTukkomiSheet), pal::KeyVS);

  const std::vector<uint8_t> sheet = Pixels(Main2::SurfCharSheet);
  int wrong = 0;
  for (int band = 0; band < 4; ++band)
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 1280; ++x) {
        uint8_t src = chr1[size_t(128 * band + y) * 1280 + x];
        int mx = (x / 32) * 32 + 31 - x % 32;
        wrong += sheet[size_t(256 * band + y) * 1280 + x] != src;
        wrong += sheet[size_t(256 * band + 128 + y) * 1280 + mx] != src;
      }
  EXPECT_EQ(wrong, 0) << "pixels of the character sheet not where the bands put them";

  const std::vector<uint8_t> vsSheet = Pixels(Main2::SurfTukkomiSheet);
  wrong = 0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 320; ++x) {
      uint8_t src = vs[size_t(y) * 320 + x];
      wrong += vsSheet[size_t(y) * 640 + x] != src;
      wrong += vsSheet[size_t(256 + y) * 640 + (x / 32) * 32 + 31 - x % 32] != src;
    }
  EXPECT_EQ(wrong, 0) << "pixels of the special opponent's sheet not where the copies put them";
}

// Handle 0 as a destination is the back surface, so a sheet that could not be made must get no
// copies at all; the other sheet is still built.
TEST_F(PictureSurfaces, ASheetThatCannotBeMadeLeavesTheScreenAlone) {
  ddFillRect(0, 0, 0, 640, 480, ddColor(0xFFFFFF));
  const std::vector<uint8_t> before = Pixels(ddGetBackSurface());
  std::vector<int32_t> filler;  // use up every surface handle but one
  for (int32_t s; (s = ddCreateSurface(1, 1)) != 0;) filler.push_back(s);
  ASSERT_FALSE(filler.empty());
  ddReleaseSurface(filler.back());
  filler.pop_back();
  Main2::BuildSheets();
  EXPECT_NE(Main2::SurfTukkomiSheet, 0);
  EXPECT_EQ(Main2::SurfCharSheet, 0);
  EXPECT_EQ(Main2::SurfCHR_1, 0) << "the sources are released either way";
  EXPECT_EQ(Main2::SurfTukkomi_VS, 0);
  EXPECT_TRUE(Pixels(ddGetBackSurface()) == before) << "copies for the missing sheet reached the back surface";
  for (int32_t s : filler) ddReleaseSurface(s);
}

// A blinking fighter shows the cell 512 rows lower every other frame: the same outline, lit white.
TEST_F(PictureSurfaces, BlinkCellsFlashTheSameSilhouette) {
  Main2::BuildSheets();
  const std::vector<uint8_t> sheet = Pixels(Main2::SurfCharSheet);
  for (int s = 0; s < 4; ++s)
    for (int cy : {0, 64, 128, 192, 256, 320, 384, 448})
      for (int i = 0; i < 6; ++i) {
        const int cx = 192 * s + 32 * i;
        if (cy >= 256 && i > 1) continue;  // band 1 holds other cells; checked by the hurt cells below
        int differ = 0, shapeChanged = 0;
        for (int y = 0; y < 64; ++y)
          for (int x = 0; x < 32; ++x) {
            uint8_t a = sheet[size_t(cy + y) * 1280 + cx + x], b = sheet[size_t(cy + 512 + y) * 1280 + cx + x];
            differ += a != b;
            shapeChanged += (a == pal::KeyChar) != (b == pal::KeyChar);
          }
        EXPECT_GT(differ, 100) << "slot " << s << " cell (" << cx << ", " << cy << ") does not flash";
        EXPECT_EQ(shapeChanged, 0) << "slot " << s << " cell (" << cx << ", " << cy << ")";
      }
}

TEST_F(PictureSurfaces, TitleAndOpeningSurfacesComeAndGo) {
  for (int round = 0; round < 2; ++round) {
    Main2::MakeTitleSurfaces();
    for (int i = 0; i < 8; ++i) EXPECT_NE(Main2::SurfTitle[i], 0) << i;
    EXPECT_EQ(ddGetWidth(Main2::SurfTitle[6]), 32);
    Main2::ReleaseTitleSurfaces();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Main2::SurfTitle[i], 0) << i;
  }
  Main2::MakeOpeningSurfaces();
  for (int i = 0; i < 5; ++i) EXPECT_NE(Main2::SurfTamberlyn[i], 0) << i;
  EXPECT_EQ(ddGetHeight(Main2::SurfTukkomi), 832);
  Main2::ReleaseOpeningSurfaces();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Main2::SurfTamberlyn[i], 0) << i;
  EXPECT_EQ(Main2::SurfTukkomi, 0);
}

TEST_F(PictureSurfaces, NowLoadingFrameIsBlackWithTheCaptionBottomRight) {
  Main2::BuildSheets();
  for (bool warm : {true, false}) {
    SCOPED_TRACE(warm ? "WarmUpSurfaces" : "ShowNowLoading");
    ddFillRect(0, 0, 0, 640, 480, ddColor(0xFFFFFF));
    if (warm) Main2::WarmUpSurfaces();
    else Main2::ShowNowLoading();
    int32_t w = 0, h = 0;
    std::vector<uint8_t> rgb(640 * 480 * 3);
    ASSERT_EQ(ddGetFrame(rgb.data(), int32_t(rgb.size()), &w, &h), 1);
    auto lit = [&](int x0, int y0, int x1, int y1) {
      int n = 0;
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += rgb[(size_t(y) * 640 + x) * 3] + rgb[(size_t(y) * 640 + x) * 3 + 1] > 0;
      return n;
    };
    EXPECT_EQ(lit(0, 0, 640, 440), 0) << "the warm-up copies must never reach the screen";
    EXPECT_GT(lit(440, 440, 621, 460), 50) << "the now-loading caption is missing";
  }
}

}  // namespace
