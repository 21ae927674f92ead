#include <vector>

#include "Harness.h"
#include "fighters/FighterRecord.h"
#include "match/MatchState.h"
#include "match/MenuState.h"
#include "match/TitleMenu.h"
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
