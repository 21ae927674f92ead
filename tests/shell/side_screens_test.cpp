#include <vector>

#include "Harness.h"
#include "match/BlitHelpers.h"
#include "pictures/Surfaces.h"
#include "shell/Settings.h"
#include "shell/SideScreens.h"

using namespace Main_Module;
using shell_test::Command;
using shell_test::SoundCount;

namespace {

class SideScreens : public shell_test::Game {
protected:
    // A fresh run whose script presses keys at given frames.
    void Restart(const std::string& script) {
        ddQuit();
        PlatformClose();
        PlatformOptions options;
        options.headless = true;
        options.scriptText = script;
        ASSERT_TRUE(PlatformOpen(options));
        Main2::ResetAllModules();
        OpenDisplay();
    }
    struct Run {
        long frames;
        uint32_t ms;
    };
    template <typename F>
    Run Measure(F&& f) {
        const long frames0 = PlatformFrameCount();
        const uint32_t t0 = GetTickCount();
        f();
        return {PlatformFrameCount() - frames0, GetTickCount() - t0};
    }
    static bool AllBlack() {
        std::vector<uint8_t> rgb(640 * 480 * 3);
        int32_t w = 0, h = 0;
        if (ddGetFrame(rgb.data(), static_cast<int32_t>(rgb.size()), &w, &h) != 1) return false;
        for (uint8_t v : rgb)
            if (v) return false;
        return true;
    }
};

TEST_F(SideScreens, OpeningLastsEightyFramesPlusItsTwoPauses) {
    struct Case {
        int delay;
        uint32_t ms;  // at least 2 x FrameDelay per frame, plus 700 and 900
    };
    for (Case c : {Case{50, 80 * 100 + 1600}, Case{0, 1600}}) {
        SCOPED_TRACE(c.delay);
        Restart("");
        FrameDelay = static_cast<uint8_t>(c.delay);
        Run run = Measure([] { Main2::Opening(); });
        EXPECT_EQ(run.frames, 80);
        EXPECT_GE(run.ms, c.ms);
        EXPECT_LT(run.ms, c.ms + 50);
    }
}

TEST_F(SideScreens, CtrlSkipsTheOpening) {
    Restart("0 keydown 17\n");
    Command("keydown 17");
    Run run = Measure([] { Main2::Opening(); });
    EXPECT_EQ(run.frames, 0);
    EXPECT_EQ(Main2::SurfTukkomi, 0);

    // Pressed on frame 30: frame 30 is not drawn, and the pictures are still given back.
    Restart("30 keydown 17\n");
    FrameDelay = 0;
    run = Measure([] { Main2::Opening(); });
    EXPECT_EQ(run.frames, 30);
    EXPECT_EQ(Main2::SurfTukkomi, 0);
    for (int32_t s : Main2::SurfTamberlyn) EXPECT_EQ(s, 0);
}

TEST_F(SideScreens, StaffRollFrameCountsAndMusic) {
    struct Case {
        bool ctrl;
        Flag music;
        long frames;
        uint32_t minMs, maxMs;
    };
    const Case cases[] = {
        {false, True, 1126, 1126u * 50, 1126u * 50 + 100},
        {true, False, 563, 0, 100},  // Ctrl: twice as fast and no waits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ctrl);
        Restart("");
        FrameDelay = 50;
        MusicOn = c.music;
        if (c.ctrl) Command("keydown 17");
        shell_test::SoundLog().clear();
        Run run = Measure([] { Main2::StaffRoll(); });
        EXPECT_EQ(run.frames, c.frames);
        EXPECT_GE(run.ms, c.minMs);
        EXPECT_LE(run.ms, c.maxMs);
        EXPECT_EQ(SoundCount('s', 14), 2) << "stopped at the start and at the end";
        EXPECT_EQ(SoundCount('l', 14), IsTrue(c.music) ? 1 : 0);
    }
}

// Credits cut from a picture whose every row holds its own value (row % 251 + 1), behind a
// frame whose transparent middle shows them: piece 0 enters at Y 456 on the first frame, and
// the sixth closing piece (1350 below piece 15, source row 1438, X 125) is at Y 200 on frame 1005.
TEST_F(SideScreens, StaffRollCutsItsPiecesAndDrawsTheFrameOverThem) {
    Restart("");
    FrameDelay = 0;
    const int32_t staff = ddCreateSurface(436, 1612);
    for (int y = 0; y < 1612; ++y) ddFillRect(staff, 0, y, 436, y + 1, y % 251 + 1);
    const int32_t frame = ddCreateSurface(640, 480);
    ddClear(frame, 250);
    ddFillRect(frame, 100, 0, 540, 480, 0);
    ddFillRect(frame, 0, 0, 1, 1, 0);  // the key: the top-left pixel
    ddSetColorKey(frame, -1);
    Main2::SurfSTAFF = staff;
    Main2::SurfSTAFF_BACK = frame;

    static std::vector<std::vector<uint8_t>> shots;
    static long presents;
    shots.clear();
    presents = 0;
    static const LumablitHost host = {nullptr, nullptr, nullptr, nullptr, [] { return GetTickCount(); }, [] {
        ++presents;
        if (presents == 1 || presents == 1005) {
            std::vector<uint8_t> px(640 * 480);
            ddGetSurfaceData(px.data(), static_cast<int32_t>(px.size()), 0);
            shots.push_back(px);
        }
        PlatformFramePresented();
    }};
    ddSetHost(&host);
    Main2::StaffRoll();
    ASSERT_EQ(shots.size(), 2u);
    auto at = [](const std::vector<uint8_t>& px, int x, int y) { return int(px[y * 640 + x]); };

    EXPECT_EQ(at(shots[0], 180, 456), 0 % 251 + 1) << "piece 0, its first row";
    EXPECT_EQ(at(shots[0], 180, 470), 14 % 251 + 1);
    EXPECT_EQ(at(shots[0], 180, 455), 0) << "above it: black";
    EXPECT_EQ(at(shots[0], 174, 470), 0) << "piece 0 starts at X 175";
    EXPECT_EQ(at(shots[0], 448, 470), 15);
    EXPECT_EQ(at(shots[0], 449, 470), 0) << "and is 274 wide";
    EXPECT_EQ(at(shots[0], 50, 470), 250) << "the frame covers the edges";

    EXPECT_EQ(at(shots[1], 130, 200), 1438 % 251 + 1);
    EXPECT_EQ(at(shots[1], 130, 289), (1438 + 89) % 251 + 1);
    EXPECT_EQ(at(shots[1], 124, 250), 0) << "the closing piece starts at X 125";
    EXPECT_EQ(at(shots[1], 130, 199), 0);
}

TEST_F(SideScreens, WipeToBlackTakesFiftyFiveFrames) {
    OpenDisplay();
    FrameDelay = 10;
    ddFillRect(0, 0, 0, 640, 480, ddColor(0xFFFFFF));
    Run run = Measure([] { Lumablit_Declarations_Test::WipeToBlack(0, 5, 30); });
    EXPECT_EQ(run.frames, 55);
    EXPECT_GE(run.ms, 550u);
    EXPECT_TRUE(AllBlack());
}

}  // namespace
