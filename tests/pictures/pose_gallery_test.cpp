// Every fighter cell, read from the sheets BuildSheets makes: the walking, flying, hurt and
// falling cells that the fighter code picks for each slot in both facings, the super poses where
// the super moves read them, and the special opponent.
// Each must show a fighter (no empty or half-empty cells). With AEROTUSSLE_POSE_PNG=DIR the
// cells are also laid out over a real battlefield and written as DIR/poses-N.png.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "PictureDisplay.h"
#include "fighters/FighterRecord.h"
#include "fighters/Fighters.h"
#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "match/MatchState.h"
#include "palette.h"
#include "pictures/Pictures.h"
#include "pictures/Surfaces.h"
#include "platform/platform.h"
#include "pngout.h"
#include "shell/StageBuilder.h"
#include "shell/StateDump.h"

namespace {

using namespace PlayerModule;
using picture_test::Pixels;
namespace MM = Main_Module;

struct Shown {
  int x, y;        // cell corner in the sheet, as the renderer reads it
  bool vsSheet;    // drawn from SurfTukkomiSheet (the special opponent)
  std::string what;
};

class PoseGallery : public ::testing::Test {
 protected:
  void SetUp() override {
    PlatformOptions options;
    options.headless = true;
    ASSERT_TRUE(PlatformOpen(options));
    Main2::ResetAllModules();
    ASSERT_NO_FATAL_FAILURE(picture_test::OpenDisplayWithStartupSurfaces());
    Main2::BuildSheets();
    ASSERT_NE(Main2::SurfCharSheet, 0);
    ASSERT_NE(Main2::SurfTukkomiSheet, 0);
    sheet_ = Pixels(Main2::SurfCharSheet);
    vsSheet_ = Pixels(Main2::SurfTukkomiSheet);
  }
  void TearDown() override {
    ddQuit();
    Main2::ResetAllModules();
    PlatformClose();
  }

  // Non-key pixels of the 32x64 cell in its top and bottom halves.
  void Ink(const Shown& s, int yOffset, int* top, int* bottom) const {
    const std::vector<uint8_t>& px = s.vsSheet ? vsSheet_ : sheet_;
    const int w = s.vsSheet ? 640 : 1280, h = s.vsSheet ? 512 : 1280;
    const uint8_t key = s.vsSheet ? pal::KeyVS : pal::KeyChar;
    *top = *bottom = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 32; ++x) {
        const int sx = s.x + x, sy = s.y + yOffset + y;
        if (sx < 0 || sy < 0 || sx >= w || sy >= h || px[size_t(sy) * w + sx] == key) continue;
        ++(y < 32 ? *top : *bottom);
      }
  }

  void Record(int slot, const std::string& what) {
    const Shown s{int(CellX[slot]), int(CellY[slot]), MM::SpecialRound == True && slot == 1, what};
    for (const Shown& o : shown_)
      if (o.x == s.x && o.y == s.y && o.vsSheet == s.vsSheet) return;
    shown_.push_back(s);
  }

  static void Fresh(int slot) {
    MM::PlayerCountIdx = 3;
    Stock[slot] = 3;
    LoseLife(slot);
    BlinkTimer[slot] = 0;
  }

  // Stand, walk, flap, glide and hurt in both facings, with two balloons and with one.
  void OrdinaryCells(int s) {
    for (bool right : {false, true})
      for (int b : {2, 1}) {
        const std::string tag = " slot " + std::to_string(s) + (right ? " right" : " left") + " b" + std::to_string(b);
        Fresh(s);
        Balloons[s] = uint8_t(b);
        FacingRight[s] = right ? True : False;
        AnimateWalk(s);
        Record(s, "stand" + tag);
        InRight[s] = True;
        for (int k = 0; k < 2; ++k) AnimateWalk(s), Record(s, "walk" + tag);
        InRight[s] = False;
        InFlap[s] = True;
        for (int k = 0; k < 2; ++k) AnimateFlight(s), Record(s, "flap" + tag);
        InFlap[s] = False;
        AnimateFlight(s);
        Record(s, "glide" + tag);
        Balloons[s] = uint8_t(b - 1);
        ShowHurtCell(s);
        Record(s, "hurt" + tag);
      }
    Fresh(s);
    Balloons[s] = 0;
    PosY[s] = 200;
    for (int k = 0; k < 2; ++k) DeathFall(s), Record(s, "death fall slot " + std::to_string(s));
  }

  // The super-move poses of slot s where the super moves read them (sheet corners; `m`: the
  // facing flag moves the cell to its mirror 128 rows lower).
  void SuperCells(int s) {
    struct Pose {
      int x, dx, y;
      bool m;
      const char* what;
    };
    const Pose poses[] = {
        {256, 96, 256, false, "super 0 charge"},      {288, 96, 256, false, "super 0 power-up 1"},
        {320, 96, 256, false, "super 0 power-up 2"},  {256, 32, 320, true, "supers 1, 6 lunge"},
        {768, 32, 256, true, "super 1 uppercut"},     {768, 64, 320, true, "supers 2, 7 crouch"},
        {1088, 32, 64, true, "super 2 blast"},        {1024, 32, 256, true, "super 2 blast, toggle on"},
        {384, 64, 320, true, "super 3 summon"},       {416, 64, 320, true, "super 3 cast"},
        {640, 32, 320, true, "supers 4, 9 stance"},   {640, 32, 256, true, "supers 4, 9 finish, 15"},
        {896, 32, 256, true, "super 5 rampage"},      {800, 64, 320, true, "super 7 firing, toggle on"},
        {896, 32, 64, true, "super 7 firing"},        {1056, 0, 64, false, "super 8 ignition"},
        {1024, 0, 64, false, "super 8 fireball"},     {1056, 64, 320, true, "super 10 beam pose"},
    };
    for (const Pose& p : poses)
      for (int mirror = 0; mirror <= int(p.m); ++mirror) {
        const Shown c{p.x + p.dx * s, p.y + 128 * mirror, false,
                      std::string(p.what) + " slot " + std::to_string(s) + (mirror ? " right" : "")};
        bool seen = false;
        for (const Shown& o : shown_) seen = seen || (o.x == c.x && o.y == c.y && !o.vsSheet);
        if (!seen) shown_.push_back(c);
      }
  }

  void WriteGallery(const std::string& dir) {
    MM::StageChoice = 1;
    Main2::BuildStage();
    size_t next = 0;
    for (int page = 0; next < shown_.size(); ++page) {
      Lumablit_Declarations_Test::BlitOpaque(Main2::SurfStage, 0, 0, 0, 640, 480, 0, 0);
      for (int row = 0; row < 6 && next < shown_.size(); ++row)
        for (int col = 0; col < 16 && next < shown_.size(); ++col, ++next) {
          const Shown& s = shown_[next];
          Lumablit_Declarations_Test::BlitKeyed(s.vsSheet ? Main2::SurfTukkomiSheet : Main2::SurfCharSheet, 0, s.x, s.y,
                                                32, 64, 16 + 38 * col, 16 + 72 * row);
        }
      art::Canvas frame(640, 480, pal::Black);
      frame.px = Pixels(ddGetBackSurface());
      art::WritePng(frame, dir + "/poses-" + std::to_string(page) + ".png", 2);
    }
  }

  std::vector<uint8_t> sheet_, vsSheet_;
  std::vector<Shown> shown_;
};

TEST_F(PoseGallery, EveryFighterCellShowsAWholeFighter) {
  for (int s = 0; s < 4; ++s) {
    OrdinaryCells(s);
    SuperCells(s);
  }
  MM::SpecialRound = True;
  Fresh(1);
  Record(1, "special opponent start");
  for (bool right : {false, true}) {
    FacingRight[1] = right ? True : False;
    InFlap[1] = True;
    for (int k = 0; k < 2; ++k) AnimateFlight(1), Record(1, "special opponent flap");
    InFlap[1] = False;
    AnimateFlight(1);
    Record(1, "special opponent glide");
    JustHit[1] = True;
    ShowHurtCell(1);
    Record(1, "special opponent hurt");
    JustHit[1] = False;
    Balloons[1] = 0;
    for (int k = 0; k < 2; ++k) DeathFall(1), Record(1, "special opponent falling");
  }
  // The special opponent's moves 11 to 14 (`m`: + 256 on the row for the other facing).
  const struct { int x, y; bool m; } moves[] = {{224, 0, true},   {0, 64, true},   {32, 64, true},  {64, 64, true},
                                                {96, 64, true},   {0, 128, true},  {128, 64, false}, {160, 64, false},
                                                {192, 64, false}, {224, 64, false}, {256, 64, false}, {288, 64, false}};
  for (const auto& mv : moves)
    for (int mirror = 0; mirror <= int(mv.m); ++mirror)
      shown_.push_back({mv.x, mv.y + 256 * mirror, true, "special opponent move cell"});
  EXPECT_GT(shown_.size(), 250u);

  for (const Shown& s : shown_) {
    SCOPED_TRACE(s.what + " cell (" + std::to_string(s.x) + ", " + std::to_string(s.y) + ")");
    int top = 0, bottom = 0;
    Ink(s, 0, &top, &bottom);
    // A whole figure: plenty of ink, and some in each half (a cell put together from two bands
    // that missed one of them would leave a half bare).
    EXPECT_GE(top + bottom, 200);
    EXPECT_GE(top, 12);
    EXPECT_GE(bottom, 12);
    if (!s.vsSheet && s.y < 512) {
      int blinkTop = 0, blinkBottom = 0;
      Ink(s, 512, &blinkTop, &blinkBottom);
      EXPECT_EQ(blinkTop + blinkBottom, top + bottom) << "the blink copy has another outline";
    }
  }
  if (const char* dir = std::getenv("AEROTUSSLE_POSE_PNG")) WriteGallery(dir);
}

}  // namespace
