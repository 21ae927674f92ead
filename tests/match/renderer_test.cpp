// What the renderer puts on the back surface: wrap copies, the hit zoom, foreground pieces.
#include "MatchHarness.h"

#include "match/DrawBattlefield.h"
#include "pictures/Surfaces.h"

using namespace PlayerModule;
using namespace Main_Module;
using match_test::Match;

namespace {

int32_t Solid(int w, int h, int pixel) {
    const int32_t s = ddCreateSurface(w, h);
    ddFillRect(s, 0, 0, w, h, pixel);
    return s;
}

std::vector<uint8_t> BackPixels() {
    std::vector<uint8_t> px(640 * 480);
    EXPECT_EQ(ddGetSurfaceData(px.data(), static_cast<int32_t>(px.size()), 0), 1);
    return px;
}

class Renderer : public Match {
protected:
    void SetUp() override {
        Open("");
        Main2::SurfStage = Solid(640, 480, 1);
        Main2::SurfCharSheet = Solid(1280, 1280, 9);
        Out[0] = Out[1] = True;  // no fighter unless a test brings one in
    }
};

}  // namespace

TEST_F(Renderer, FighterCrossingTheLeftEdgeShowsOnBothSides) {
    Out[0] = False;
    PosX[0] = -10;
    PosY[0] = 100;
    CellX[0] = 0;
    CellY[0] = 0;
    DrawBattlefield();
    const auto px = BackPixels();
    auto at = [&](int x, int y) { return px[y * 640 + x]; };
    EXPECT_EQ(at(0, 130), 9);
    EXPECT_EQ(at(21, 130), 9);   // 22-pixel strip on the left
    EXPECT_EQ(at(22, 130), 1);
    EXPECT_EQ(at(630, 130), 9);  // 10-pixel strip on the right
    EXPECT_EQ(at(629, 130), 1);
    EXPECT_EQ(at(635, 164), 1);  // below the cell
}

TEST_F(Renderer, HitZoomEnlargesTheCornerWindowAndHoldsItsFirstFrame) {
    ddFillRect(Main2::SurfStage, 512, 352, 640, 480, 5);
    PosX[1] = 620;  // bottom-right corner: the window is (512, 352)-(640, 480)
    PosY[1] = 460;
    ZoomTimer = 1;
    ZoomTarget = 1;
    std::vector<uint32_t> waited;
    for (int frame = 0; frame < 5; ++frame) {
        const uint32_t before = GetTickCount();
        DrawBattlefield();
        waited.push_back(GetTickCount() - before);
        if (frame == 0) {
            const auto px = BackPixels();
            EXPECT_EQ(ZoomX, 512);
            EXPECT_EQ(ZoomY, 352);
            EXPECT_EQ(px[0], 5);
            EXPECT_EQ(px[640 * 480 - 1], 5);
            EXPECT_EQ(px[240 * 640 + 320], 5);
        }
    }
    EXPECT_GE(waited[0], 50u);  // the hit-stop
    EXPECT_EQ(waited[1], 0u);
    EXPECT_EQ(waited[3], 0u);
    EXPECT_EQ(ZoomTimer, 0);
    EXPECT_EQ(BackPixels()[0], 1);  // four zoom frames, then the plain battlefield
}

TEST_F(Renderer, ForegroundPiecesLieOverFightersUnlessASuperIsArmed) {
    Main2::SurfHAIKEI = Solid(288, 320, 7);
    StageNumber = 0;
    Out[0] = False;
    PosX[0] = 200;
    PosY[0] = 420;
    for (bool armed : {false, true}) {
        SCOPED_TRACE(armed);
        SuperArmed[1] = armed ? True : False;
        DrawBattlefield();
        EXPECT_EQ(BackPixels()[460 * 640 + 210], armed ? 9 : 7);
    }
}

TEST_F(Renderer, ShakeRaisesTheBackgroundForOneFrame) {
    ddFillRect(Main2::SurfStage, 0, 100, 640, 102, 3);
    ShakeFrame = 1;
    DrawBattlefield();
    auto px = BackPixels();
    EXPECT_EQ(px[98 * 640 + 300], 3);
    EXPECT_EQ(px[100 * 640 + 300], 1);
    EXPECT_EQ(ShakeFrame, 0);
    DrawBattlefield();
    px = BackPixels();
    EXPECT_EQ(px[100 * 640 + 300], 3);
}

// A status strip sheet whose cells have their own colours: life icons 9, labels 12, out mark 10,
// win marks 11, gauge frame 13, gauge fill 14, special opponent's panel 15.
class Hud : public Renderer {
protected:
    void SetUp() override {
        Renderer::SetUp();
        const int32_t s = Main2::SurfCHR_2 = ddCreateSurface(576, 520);
        ddFillRect(s, 0, 0, 576, 520, 0);
        ddFillRect(s, 0, 0, 128, 32, 9);
        ddFillRect(s, 128, 0, 384, 32, 12);
        ddFillRect(s, 384, 0, 490, 18, 13);
        ddFillRect(s, 384, 18, 490, 30, 14);
        ddFillRect(s, 0, 96, 128, 128, 10);
        ddFillRect(s, 0, 448, 128, 480, 11);
        ddFillRect(s, 420, 416, 500, 448, 15);
        VersusBannerFrame = -1;  // tally only, no banner pieces
    }
    static int At(const std::vector<uint8_t>& px, int x, int y) { return px[y * 640 + x]; }
};

TEST_F(Hud, LivesInTwoRowsOutMarkAndGauge) {
    PlayerCountIdx = 3;
    Out[0] = Out[1] = Out[2] = False;
    Stock[0] = 6;   // 4 icons at y -5, 2 at y 15
    Stock[1] = 12;  // 8 at most
    Stock[2] = 3;
    Out[3] = True;  // out mark, gauge still drawn
    Gauge[3] = 40.5f;
    PosX[2] = 300;  // slot 2's body clear of the strip
    PosY[2] = 300;
    DrawBattlefield();
    const auto px = BackPixels();
    // Fighter 0: lives base 60, icons 32 wide from x 80 in steps of 20.
    EXPECT_EQ(At(px, 100, 5), 9);
    EXPECT_EQ(At(px, 169, 5), 9);   // the fourth icon
    EXPECT_EQ(At(px, 131, 44), 9);  // second row: two icons, x 80..131
    EXPECT_EQ(At(px, 132, 44), 1);
    EXPECT_EQ(At(px, 321, 44), 9);  // fighter 1: a second row of four
    EXPECT_EQ(At(px, 322, 44), 1);
    EXPECT_EQ(At(px, 448, 5), 9);   // fighter 2: three icons, one row
    EXPECT_EQ(At(px, 449, 5), 1);
    EXPECT_EQ(At(px, 380, 44), 1);
    // Fighter 3: out mark at (512, -3); its gauge frame at (465, 22) with a 40-pixel fill.
    EXPECT_EQ(At(px, 512, 0), 10);
    EXPECT_EQ(At(px, 639, 28), 10);
    EXPECT_EQ(At(px, 466, 23), 13);
    EXPECT_EQ(At(px, 468, 30), 14);
    EXPECT_EQ(At(px, 507, 30), 14);
    EXPECT_EQ(At(px, 508, 30), 13);
    EXPECT_EQ(At(px, 30, 10), 12);   // labels
    EXPECT_EQ(At(px, 470, 10), 12);
}

TEST_F(Hud, WinTallyRowsOfFive) {
    PlayerCountIdx = 1;
    VersusBanner = True;
    Wins[1] = 7;  // 5 marks at y 39 from x 167, then 2 at y 54
    DrawBattlefield();
    const auto px = BackPixels();
    EXPECT_EQ(At(px, 167, 45), 11);
    EXPECT_EQ(At(px, 166, 45), 1);
    EXPECT_EQ(At(px, 278, 45), 11);  // fifth mark: 247..278
    EXPECT_EQ(At(px, 279, 45), 1);
    EXPECT_EQ(At(px, 218, 85), 11);  // second row: 167..218, y 54..85
    EXPECT_EQ(At(px, 219, 80), 1);
    EXPECT_EQ(At(px, 200, 86), 1);
    EXPECT_EQ(At(px, 20, 45), 1);  // fighter 0 has no wins
}

TEST_F(Hud, SpecialRoundShowsOnlyTheOpponentsPanelForSlot1) {
    PlayerCountIdx = 1;
    SpecialRound = True;
    Out[0] = Out[1] = False;
    Stock[0] = Stock[1] = 1;
    DrawBattlefield();
    const auto px = BackPixels();
    EXPECT_EQ(At(px, 231, 1), 15);  // fighter 1's life icon would lie over it
    EXPECT_EQ(At(px, 100, 5), 9);   // fighter 0's life
}

TEST_F(Renderer, SceneryDriftsByTheClocksLastSecondDigitAndReentersAtTheRight) {
    PlatformHeadlessSetClock(13000);  // second 13: the fast pieces move 1.3 per frame
    StageNumber = 0;
    SceneryX[0] = 350;
    SceneryX[4] = 10;
    SceneryX[5] = 0.25f;
    SceneryX[9] = 100;
    DrawScenery();
    EXPECT_FLOAT_EQ(SceneryX[0], 348.7f);
    EXPECT_FLOAT_EQ(SceneryX[4], 8.7f);
    EXPECT_FLOAT_EQ(SceneryX[5], 640.25f);  // -0.25 becomes 640 - (-0.25)
    EXPECT_FLOAT_EQ(SceneryX[9], 99.5f);
    StageNumber = 5;  // twinkles only
    DrawScenery();
    EXPECT_FLOAT_EQ(SceneryX[0], 348.7f);
}
