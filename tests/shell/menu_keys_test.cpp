#include <initializer_list>
#include <vector>

#include "Harness.h"
#include "fighters/FighterRecord.h"
#include "match/MenuState.h"
#include "match/OptionMarkers.h"
#include "shell/MenuKeys.h"
#include "shell/Settings.h"

using namespace Main_Module;
using namespace PlayerModule;
using shell_test::Command;
using shell_test::SoundCount;

namespace {

constexpr int kUp = 38, kDown = 40, kLeft = 37, kRight = 39, kEnter = 13, kEsc = 27;
constexpr int kA = 191, kB = 226;  // fighter 0's buttons, first layout

class MenuKeys : public shell_test::Game {
protected:
    void Press(std::initializer_list<int> keys) {
        for (int k : keys) Main2::Form_KeyDown(static_cast<int16_t>(k), 0);
    }
};

struct Page {
    int page, cursorY, item;
    Flag stageSelect, entry, cpu, battle, coin;
    int players;
    bool timer;
    Flag quit;
};

void ExpectPage(const Page& p) {
    EXPECT_EQ(MenuPage, p.page);
    EXPECT_EQ(MenuCursorY, p.cursorY);
    EXPECT_EQ(OptionItem, p.item);
    EXPECT_EQ(StageSelectOn, p.stageSelect);
    EXPECT_EQ(EntryOn, p.entry);
    EXPECT_EQ(CpuMode, p.cpu);
    EXPECT_EQ(BattleMode, p.battle);
    EXPECT_EQ(CoinMode, p.coin);
    EXPECT_EQ(PlayerCountIdx, p.players);
    EXPECT_EQ(PLAYER3Enabled(), p.timer);
    EXPECT_EQ(QuitRequested, p.quit);
}

constexpr Flag T = True, F = False;

TEST_F(MenuKeys, MenuWalk) {
    struct Case {
        const char* name;
        int page, cursorY, item;  // where the walk starts
        Flag alt;
        std::vector<int> keys;
        Page expect;
        int menuSounds;
    };
    const Case cases[] = {
        {"up on the top row wraps to the bottom", 0, 310, 0, F, {kUp}, {0, 413, 0, F, F, F, F, F, 0, false, F}, 0},
        {"down on the bottom row wraps to the top", 0, 413, 0, F, {kDown}, {0, 310, 0, F, F, F, F, F, 0, false, F}, 0},
        {"second key set moves the cursor too", 0, 310, 0, F, {88, 88}, {0, 413, 0, F, F, F, F, F, 0, false, F}, 0},
        {"computer course opens its entry", 0, 310, 0, F, {kEnter}, {1, 310, 0, F, T, T, F, F, 0, false, F}, 1},
        {"battles open the mode choice", 0, 363, 0, F, {kA}, {2, 310, 0, F, F, F, F, F, 0, false, F}, 1},
        {"mode choice toggles its two rows", 2, 310, 0, F, {kUp, kUp, kDown}, {2, 363, 0, F, F, F, F, F, 0, false, F}, 0},
        {"versus leads to the player count", 2, 310, 0, F, {kB}, {7, 310, 0, F, F, F, T, F, 0, false, F}, 1},
        {"coin battle leads to the player count", 2, 363, 0, F, {kA}, {7, 310, 0, F, F, F, F, T, 0, false, F}, 1},
        {"A on the count shows the stage select", 7, 310, 0, F, {kA}, {7, 310, 0, T, F, F, F, F, 1, false, F}, 1},
        {"Enter on the count takes the stage too", 7, 310, 0, F, {kEnter}, {7, 310, 0, F, T, F, F, F, 1, false, F}, 2},
        {"three fighters start the mouse timer", 7, 363, 0, F, {kA}, {7, 363, 0, T, F, F, F, F, 2, true, F}, 1},
        {"four fighters with the first layout", 7, 413, 0, F, {kA}, {7, 413, 0, T, F, F, F, F, 3, true, F}, 1},
        {"four fighters refused with the second layout", 7, 413, 0, T, {kEnter, 97}, {7, 413, 0, F, F, F, F, F, 0, false, F}, 0},
        {"Esc goes back to the main menu", 7, 363, 0, F, {kA, kEsc}, {0, 310, 0, F, F, F, F, F, 2, false, F}, 1},
        {"Esc on the main menu quits", 0, 363, 0, F, {kEsc}, {0, 363, 0, F, F, F, F, F, 0, false, T}, 0},
        {"options open through page 4", 0, 413, 0, F, {kEnter}, {4, 413, 0, F, F, F, F, F, 0, false, F}, 1},
        {"options up from the first item wraps", 3, 310, 0, F, {kUp}, {3, 310, 6, F, F, F, F, F, 0, false, F}, 1},
        {"options up from the key layout", 3, 310, 4, F, {kUp}, {3, 310, 3, F, F, F, F, F, 0, false, F}, 1},
        {"options down from the last item wraps", 3, 310, 6, F, {kDown, kDown}, {3, 310, 1, F, F, F, F, F, 0, false, F}, 2},
        {"help and back", 3, 310, 5, F, {kEnter}, {6, 310, 5, F, F, F, F, F, 0, false, F}, 1},
        {"help closes on confirm", 6, 310, 5, F, {kEnter}, {3, 310, 5, F, F, F, F, F, 0, false, F}, 1},
        {"leaving the options", 3, 310, 6, F, {kEnter}, {5, 310, 0, F, F, F, F, F, 0, false, F}, 1},
        {"Ctrl and stray keys do nothing", 0, 310, 0, F, {17, 65, 90}, {0, 310, 0, F, F, F, F, F, 0, false, F}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Main2::ResetAllModules();
        SetPLAYER3Enabled(false);
        AltKeyLayout = c.alt;
        SetKeyLayout();
        MenuPage = static_cast<uint8_t>(c.page);
        MenuCursorY = static_cast<int16_t>(c.cursorY);
        OptionItem = static_cast<uint8_t>(c.item);
        shell_test::SoundLog().clear();
        for (int k : c.keys) Main2::Form_KeyDown(static_cast<int16_t>(k), 0);
        ExpectPage(c.expect);
        EXPECT_EQ(SoundCount('p', 1), c.menuSounds);
    }
}

TEST_F(MenuKeys, RandomStageShowsADrawnStageThenTakesIt) {
    const int drawn[10] = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4};
    for (int digit = 0; digit < 10; ++digit) {
        SCOPED_TRACE(digit);
        Main2::ResetAllModules();
        SetKeyLayout();
        MenuPage = 7;
        StageSelectOn = True;
        Press({kRight, kRight, kRight, kRight, kRight, kRight});  // stops at 5, random
        ASSERT_EQ(StageChoice, 5);
        EXPECT_EQ(StageCursorX, 419);
        EXPECT_EQ(StageCursorY, 272);
        PlatformHeadlessSetClock(123450u + static_cast<uint32_t>(digit));
        Press({kA});
        EXPECT_EQ(StageChoice, drawn[digit]);
        EXPECT_EQ(StageSelectOn, True);
        EXPECT_EQ(EntryOn, False);
        Press({kA});
        EXPECT_EQ(StageSelectOn, False);
        EXPECT_EQ(EntryOn, True);
    }
}

TEST_F(MenuKeys, StageCursorFollowsTheChoice) {
    MenuPage = 7;
    StageSelectOn = True;
    const int expect[6][2] = {{1, 64}, {210, 64}, {419, 64}, {0, 272}, {210, 272}, {419, 272}};
    Press({kLeft});
    EXPECT_EQ(StageChoice, 0);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(StageCursorX, expect[i][0]);
        EXPECT_EQ(StageCursorY, expect[i][1]);
        Press({kRight});
    }
}

TEST_F(MenuKeys, OptionValuesStepAlongTheirLaddersAndMoveTheMarkers) {
    struct Case {
        int item;
        int key;
        int stock;
        float gauge;
        int delay;
        int wantStock;
        float wantGauge;
        int wantDelay;
        int markerX, markerW;  // marker of the changed item
    };
    const Case cases[] = {
        {0, kLeft, 1, 0.9f, 50, 1, 0.9f, 50, 220, 32},
        {0, kRight, 9, 0.9f, 50, 9, 0.9f, 50, 500, 32},
        {0, kRight, 4, 0.9f, 50, 5, 0.9f, 50, 360, 32},
        {0, kRight, 255, 0.9f, 50, 0, 0.9f, 50, 0, 0},  // 8-bit wrap; off the table, no marker
        {0, kLeft, 0, 0.9f, 50, 255, 0.9f, 50, 0, 0},
        {1, kRight, 3, 2.0f, 50, 3, 3.0f, 50, 495, 120},
        {1, kLeft, 3, 0.1f, 50, 3, 0.1f, 50, 220, 40},
        {1, kRight, 3, 0.25f, 50, 3, 0.25f, 50, 0, 0},  // off the ladder: stuck
        {2, kLeft, 3, 0.9f, 0, 3, 0.9f, 0, 210, 45},
        {2, kRight, 3, 0.9f, 70, 3, 0.9f, 70, 580, 45},
        {2, kLeft, 3, 0.9f, 30, 3, 0.9f, 20, 310, 45},
        {2, kRight, 3, 0.9f, 35, 3, 0.9f, 35, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "item " << c.item << " from " << c.stock << "/" << c.gauge << "/" << c.delay);
        Main2::ResetAllModules();
        SetKeyLayout();
        MenuPage = 3;
        OptionItem = static_cast<uint8_t>(c.item);
        StockSetting = static_cast<uint8_t>(c.stock);
        GaugeRateSetting = c.gauge;
        FrameDelay = static_cast<uint8_t>(c.delay);
        shell_test::SoundLog().clear();
        Press({c.key});
        EXPECT_EQ(StockSetting, c.wantStock);
        EXPECT_EQ(GaugeRateSetting, c.wantGauge);
        EXPECT_EQ(FrameDelay, c.wantDelay);
        const int32_t x[] = {StockMarkerX, GaugeMarkerX, SpeedMarkerX};
        const uint8_t w[] = {StockMarkerW, GaugeMarkerW, SpeedMarkerW};
        EXPECT_EQ(x[c.item], c.markerX);
        EXPECT_EQ(w[c.item], c.markerW);
        EXPECT_TRUE(shell_test::SoundLog().empty()) << "only the music item touches the music";
    }
}

TEST_F(MenuKeys, MusicItemSwitchesTheTitleMusicAtOnce) {
    MenuPage = 3;
    OptionItem = 3;
    MusicOn = False;
    Press({kLeft});
    EXPECT_EQ(MusicOn, True);
    EXPECT_EQ(MusicMarkerX, 210);
    EXPECT_EQ(MusicMarkerW, 90);
    EXPECT_EQ(SoundCount('l', 14), 1);
    Press({kRight});
    EXPECT_EQ(MusicOn, False);
    EXPECT_EQ(MusicMarkerX, 310);
    EXPECT_EQ(MusicMarkerW, 80);
    EXPECT_EQ(SoundCount('s', 14), 1);

    OptionItem = 4;
    Press({kRight});
    EXPECT_EQ(AltKeyLayout, True);
    EXPECT_EQ(KeyA[0], 191) << "the layout changes only on leaving the options";
    OptionItem = 6;
    Press({kEnter});
    EXPECT_EQ(KeyA[0], 97);
    EXPECT_EQ(KeyUp[1], 65);
}

// Held keys on the entry screen and the character they choose.
TEST_F(MenuKeys, EntryCodesLastMatchWins) {
    struct Case {
        const char* name;
        int fighter;
        std::vector<int> held;
        int character;
        int sounds;
    };
    const Case cases[] = {
        {"up", 0, {kUp}, 0, 1},
        {"left", 0, {kLeft}, 1, 1},
        {"right", 0, {kRight}, 2, 1},
        {"down", 0, {kDown}, 3, 1},
        {"A", 0, {kA}, 4, 1},
        {"B", 0, {kB}, 5, 1},
        {"down and A", 0, {kDown, kA}, 6, 3},
        {"up and B", 0, {kUp, kB}, 7, 3},
        {"A and B", 0, {kA, kB}, 8, 3},
        {"right and A", 0, {kRight, kA}, 10, 3},
        {"left and B", 0, {kLeft, kB}, 15, 3},
        {"down, A and B", 0, {kDown, kA, kB}, 8, 5},
        {"fighter 1: W", 1, {87}, 0, 1},
        {"fighter 1: X and C", 1, {88, 67}, 6, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Main2::ResetAllModules();
        SetKeyLayout();
        PlatformClose();
        PlatformOptions options;
        options.headless = true;
        ASSERT_TRUE(PlatformOpen(options));  // every key up
        BattleMode = True;
        MenuPage = 7;
        PlayerCountIdx = 1;
        EntryOn = True;
        Character[c.fighter] = 99;
        for (int k : c.held) Command("keydown " + std::to_string(k));
        shell_test::SoundLog().clear();
        Press({c.held.back()});
        EXPECT_EQ(Character[c.fighter], c.character);
        EXPECT_EQ(Entered[c.fighter], True);
        EXPECT_EQ(Entered[1 - c.fighter], False);
        EXPECT_EQ(SoundCount('p', 10), c.sounds);
        EXPECT_EQ(StartRequest, False);
    }
}

TEST_F(MenuKeys, ATappedKeyEndsThatFightersTests) {
    EntryOn = True;
    CpuMode = True;
    MenuPage = 1;
    Command("keydown 38");
    Command("keydown 40");
    Command("keyup 40");  // down was only tapped: first reading yes, second no
    Press({kDown});
    EXPECT_EQ(Entered[0], False);
    EXPECT_EQ(SoundCount('p', 10), 0);
    Press({kUp});  // the tap is used up; up alone now counts
    EXPECT_EQ(Entered[0], True);
    EXPECT_EQ(Character[0], 0);
}

// Menu presses are events; the marks they leave in the key state must not count as taps on
// the entry screen, or the first presses there would be swallowed.
TEST_F(MenuKeys, MenuPressesDoNotSwallowTheFirstEntryPress) {
    for (int key : {kDown, kUp, kLeft, kRight}) {
        Command("keydown " + std::to_string(key));
        Command("keyup " + std::to_string(key));
    }
    MenuPage = 7;
    StageSelectOn = True;
    Press({kA});  // takes the stage, opens the entry
    ASSERT_EQ(EntryOn, True);
    Command("keydown 191");
    Press({kA});
    EXPECT_EQ(Entered[0], True);
    EXPECT_EQ(Character[0], 4);
}

TEST_F(MenuKeys, EntryCompletesWhenEveryFighterHasEntered) {
    // Course: fighter 0 alone starts the match.
    EntryOn = True;
    CpuMode = True;
    MenuPage = 1;
    Command("keydown 191");
    Press({kA});
    EXPECT_EQ(StartRequest, True);
    EXPECT_EQ(EntryOn, False);

    // Two fighters: the first does not start it, the second does.
    Main2::ResetAllModules();
    SetKeyLayout();
    EntryOn = True;
    BattleMode = True;
    PlayerCountIdx = 1;
    Press({kA});
    EXPECT_EQ(StartRequest, False);
    Command("keydown 67");
    Press({67});
    EXPECT_EQ(StartRequest, True);

    // Three fighters: the keyboard ends at fighter 1; the mouse fighter is still missing.
    Main2::ResetAllModules();
    SetKeyLayout();
    EntryOn = True;
    PlayerCountIdx = 2;
    Press({kA});
    EXPECT_EQ(Entered[0], True);
    EXPECT_EQ(Entered[1], True);
    EXPECT_EQ(StartRequest, False);
    EXPECT_EQ(EntryOn, True);
}

TEST_F(MenuKeys, EscOnTheEntryScreen) {
    // Between two course stages Esc also ends the course.
    struct Case {
        int page;
        Flag cpu;
        Flag quit;
    };
    for (Case c : {Case{1, True, False}, Case{2, True, True}, Case{7, False, False}}) {
        SCOPED_TRACE(c.page);
        Main2::ResetAllModules();
        MenuPage = static_cast<uint8_t>(c.page);
        CpuMode = c.cpu;
        EntryOn = True;
        Entered[0] = True;
        SetPLAYER3Enabled(true);
        Press({kEsc});
        EXPECT_EQ(QuitRequested, c.quit);
        ExpectPage({0, 310, 0, F, F, F, F, F, 0, false, c.quit});
        EXPECT_EQ(Entered[0], False);
    }
}

TEST_F(MenuKeys, InMatchKeysPauseAndAbort) {
    InMatch = True;
    BattleMode = True;
    Press({kEnter});
    EXPECT_EQ(Paused, True);
    Press({19});
    EXPECT_EQ(Paused, False);
    Press({kUp});
    EXPECT_EQ(MenuCursorY, 310) << "menu keys are not handled in a match";
    Press({kEsc});
    EXPECT_EQ(QuitRequested, True);
}

}  // namespace
