#include <vector>

#include "Harness.h"
#include "fighters/FighterRecord.h"
#include "match/MatchState.h"
#include "match/MenuState.h"
#include "match/OptionMarkers.h"
#include "match/TitleMenu.h"
#include "pictures/Surfaces.h"
#include "shell/Settings.h"

using namespace Main_Module;
using namespace PlayerModule;

namespace {

class Title : public shell_test::Game {
protected:
    void SetUp() override {
        Game::SetUp();
        OpenDisplay();
    }
    long Frames() const { return PlatformFrameCount(); }
    // A surface of one pixel value, with its top-left corner (cornerW x cornerH) of another.
    static int32_t Plain(int w, int h, int value, int cornerW = 0, int cornerH = 0, int corner = 0) {
        const int32_t s = ddCreateSurface(w, h);
        ddClear(s, value);
        if (cornerW) ddFillRect(s, 0, 0, cornerW, cornerH, corner);
        return s;
    }
    static std::vector<uint8_t> Screen() {
        std::vector<uint8_t> px(640 * 480);
        ddGetSurfaceData(px.data(), static_cast<int32_t>(px.size()), 0);
        return px;
    }
    // True when the w x h rectangle at (x, y) holds value and the pixels just outside its
    // left and right edges do not.
    static bool Marked(const std::vector<uint8_t>& px, int x, int y, int w, int h, int value) {
        auto at = [&](int cx, int cy) { return px[cy * 640 + cx]; };
        for (int cy = y; cy < y + h; ++cy)
            for (int cx = x; cx < x + w; ++cx)
                if (at(cx, cy) != value) return false;
        const int mid = y + h / 2;
        return (x == 0 || at(x - 1, mid) != value) && (x + w >= 640 || at(x + w, mid) != value);
    }
};

TEST_F(Title, BackdropStartsAtTheCornerThenScrollsFromSixtyFour) {
    DrawMenu();
    EXPECT_EQ(ScrollX, 64);
    EXPECT_EQ(ScrollY, 64);
    for (int i = 0; i < 32; ++i) DrawMenu();
    EXPECT_EQ(ScrollX, 0);
    DrawMenu();
    EXPECT_EQ(ScrollX, 64);
}

TEST_F(Title, LogoCyclesThroughItsFiveFrames) {
    TitleFrame = 1;
    int seen[6] = {};
    for (int i = 0; i < 6; ++i) {
        DrawMenu();
        seen[i] = TitleFrame;
    }
    EXPECT_EQ(std::vector<int>(seen, seen + 6), std::vector<int>({2, 3, 4, 5, 1, 2}));
}

TEST_F(Title, OptionTransitionsPresentNothing) {
    const long frames = Frames();
    MenuPage = 4;
    DrawMenu();
    EXPECT_EQ(MenuPage, 3);
    MenuPage = 5;
    DrawMenu();
    EXPECT_EQ(MenuPage, 0);
    EXPECT_EQ(Frames(), frames);
}

TEST_F(Title, OptionsBlinkAndWaitTheirOwnFrameDelay) {
    FrameDelay = 40;
    MenuPage = 3;
    const uint32_t t0 = GetTickCount();
    int blink[4];
    for (int& b : blink) {
        DrawMenu();
        b = OptionBlink;
    }
    EXPECT_EQ(std::vector<int>(blink, blink + 4), std::vector<int>({1, 0, 1, 0}));
    EXPECT_GE(GetTickCount() - t0, 4u * 40);
    EXPECT_EQ(Frames(), 4);

    MenuPage = 0;
    const uint32_t t1 = GetTickCount();
    DrawMenu();
    EXPECT_LT(GetTickCount() - t1, 40u) << "other pages leave the wait to the title loop";
}

// The options page marks each value with a copy of its own top-left corner (value 1 here),
// and on every other frame the cursor item as well.
TEST_F(Title, OptionsPageMarksTheValuesAndTheCursorItem) {
    Main2::SurfConfig = Plain(640, 480, 2, 160, 60, 1);
    MenuPage = 3;
    OptionItem = 3;
    StockSetting = 5;          // X 360
    GaugeRateSetting = 3.0f;   // X 495, width 120, drawn 3 to the left
    FrameDelay = 20;           // X 310
    MusicOn = False;           // X 310, width 80
    AltKeyLayout = True;
    Main2::PlaceOptionMarkers();
    ASSERT_EQ(MusicMarkerX, 310);

    DrawMenu();  // OptionBlink 0: no highlight
    std::vector<uint8_t> px = Screen();
    EXPECT_TRUE(Marked(px, 360, 70, 32, 32, 1)) << "lives";
    EXPECT_TRUE(Marked(px, 492, 121, 120, 32, 1)) << "gauge";
    EXPECT_TRUE(Marked(px, 310, 175, 45, 32, 1)) << "speed";
    EXPECT_TRUE(Marked(px, 310, 230, 80, 32, 1)) << "music";
    EXPECT_TRUE(Marked(px, 400, 270, 200, 50, 1)) << "second key layout";
    EXPECT_FALSE(Marked(px, 60, 225, 150, 40, 1)) << "no highlight on this frame";
    EXPECT_EQ(px[300 * 640 + 230], 2) << "first key layout unmarked";

    DrawMenu();  // OptionBlink 1: the music item is highlighted
    px = Screen();
    EXPECT_TRUE(Marked(px, 60, 225, 150, 40, 1)) << "music item highlight";
    EXPECT_FALSE(Marked(px, 60, 65, 150, 40, 1)) << "only the cursor item";
}

// The layers of the other pages: the menu cursor on its row, the entry marks, the stage cursor
// and the help page over everything.
TEST_F(Title, PagesDrawTheirCursorsAndMarks) {
    Main2::SurfTitle[6] = Plain(32, 32, 6);
    Main2::SurfCHR_2 = Plain(576, 256, 7);
    Main2::SurfStageCRS = Plain(220, 170, 8);
    Main2::SurfHELP = Plain(640, 480, 9);

    for (int row : {310, 363, 413}) {
        SCOPED_TRACE(row);
        ddClear(0, 0);
        MenuPage = 0;
        MenuCursorY = static_cast<int16_t>(row);
        DrawMenu();
        EXPECT_TRUE(Marked(Screen(), 195, row, 32, 32, 6));
    }

    ddClear(0, 0);
    EntryOn = True;
    BattleMode = True;
    Entered[2] = True;  // the mouse fighter's mark sits on the third row
    DrawMenu();
    std::vector<uint8_t> px = Screen();
    EXPECT_TRUE(Marked(px, 573, 352, 64, 64, 7));
    EXPECT_EQ(px[240 * 640 + 600], 0) << "fighter 0 has not entered";
    CpuMode = True;
    ddClear(0, 0);
    DrawMenu();
    EXPECT_EQ(Screen()[380 * 640 + 600], 0) << "no marks in the course";
    EntryOn = CpuMode = False;

    ddClear(0, 0);
    StageSelectOn = True;
    StageChoice = 4;
    Main2::PlaceStageCursor();
    DrawMenu();
    EXPECT_TRUE(Marked(Screen(), 210, 272, 220, 170, 8));
    StageSelectOn = False;

    MenuPage = 6;
    DrawMenu();
    EXPECT_TRUE(Marked(Screen(), 0, 0, 640, 480, 9));
}

TEST_F(Title, MatchStartOnStageFiveSwapsSomeCharacters) {
    struct Case {
        Flag battle;
        uint8_t stage;
        uint8_t in[4], out[4];
    };
    const Case cases[] = {
        {True, 5, {0, 2, 3, 10}, {1, 4, 5, 1}},
        {True, 5, {1, 4, 7, 15}, {1, 4, 7, 15}},
        {True, 1, {0, 2, 3, 10}, {0, 2, 3, 10}},
        {False, 5, {0, 2, 3, 10}, {0, 2, 3, 10}},  // a coin battle keeps them
    };
    for (const Case& c : cases) {
        Main2::ResetAllModules();
        BattleMode = c.battle;
        StageNumber = c.stage;
        MenuPage = 1;
        StartRequest = True;
        for (int i = 0; i < 4; ++i) {
            Character[i] = c.in[i];
            Entered[i] = True;
        }
        TitleMenu();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Character[i], c.out[i]) << i;
            EXPECT_EQ(Entered[i], False);
        }
        EXPECT_EQ(MenuPage, 2) << "the course entry page gives way to the next-stage entry";
        EXPECT_EQ(WarmedUp, True);
    }
}

}  // namespace
