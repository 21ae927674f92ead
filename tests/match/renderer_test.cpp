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
