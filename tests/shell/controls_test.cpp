#include <vector>

#include "Harness.h"
#include "fighters/FighterRecord.h"
#include "match/MenuState.h"
#include "shell/Controls.h"
#include "shell/Cursor.h"
#include "shell/Settings.h"

using namespace Main_Module;
using namespace PlayerModule;
using shell_test::Command;
using shell_test::SoundCount;

namespace {

class Controls : public shell_test::Game {
protected:
    void MouseAt(int x, int y) { Command("mousemove " + std::to_string(x) + " " + std::to_string(y)); }
    static std::vector<int> Directions(int slot) {
        return {InUp[slot], InLeft[slot], InRight[slot], InDown[slot]};
    }
};

TEST_F(Controls, KeyLayouts) {
    const std::vector<int> layout1 = {38, 87, 37, 65, 39, 68, 40, 88, 191, 67, 226, 86};
    const std::vector<int> layout2 = {38, 65, 37, 81, 39, 90, 40, 49, 97, 88, 98, 67};
    for (Flag alt : {False, True}) {
        AltKeyLayout = alt;
        SetKeyLayout();
        const std::vector<int> got = {KeyUp[0], KeyUp[1], KeyLeft[0], KeyLeft[1], KeyRight[0], KeyRight[1],
                                      KeyDown[0], KeyDown[1], KeyA[0], KeyA[1], KeyB[0], KeyB[1]};
        EXPECT_EQ(got, IsTrue(alt) ? layout2 : layout1);
    }
}

TEST_F(Controls, MouseQuadrants) {
    struct Case {
        int x, y;
        std::vector<int> dirs;  // up, left, right, down
    };
    const int T = True;
    const Case cases[] = {
        {299, 250, {T, 0, 0, 0}},  // upper left, nearer the top
        {250, 299, {0, T, 0, 0}},
        {300, 350, {0, 0, 0, 0}},  // straight below the centre: nothing
        {300, 300, {0, 0, 0, 0}},
        {301, 350, {0, 0, 0, T}},
        {350, 301, {0, 0, T, 0}},
        {400, 200, {0, 0, T, 0}},  // diagonal upper right: right wins
        {350, 100, {T, 0, 0, 0}},
        {200, 400, {0, T, 0, 0}},  // diagonal lower left: left wins
        {250, 450, {0, 0, 0, T}},
        {639, 300, {0, 0, T, 0}},
        {0, 300, {0, T, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        Main2::ResetAllModules();
        MouseAt(c.x, c.y);
        Main2::PLAYER3_Timer();
        EXPECT_EQ(Directions(2), c.dirs);
    }
}

TEST_F(Controls, RestingMouseRecentresWithinFourTicks) {
    FacingRight[2] = True;
    Main2::MouseLastFacing = True;
    MouseAt(310, 200);
    for (int tick = 1; tick <= 3; ++tick) {
        Main2::PLAYER3_Timer();
        EXPECT_EQ(InUp[2], True) << tick;
        EXPECT_EQ(SUPER_MODULE::MouseY, 200);
    }
    Main2::PLAYER3_Timer();
    EXPECT_EQ(SUPER_MODULE::MouseX, 300);
    EXPECT_EQ(SUPER_MODULE::MouseY, 300);
    EXPECT_EQ(Main2::MouseStillCount, 0);
    Main2::PLAYER3_Timer();
    EXPECT_EQ(Directions(2), std::vector<int>({0, 0, 0, 0}));

    // A moving mouse is left alone.
    Main2::ResetAllModules();
    FacingRight[2] = True;
    Main2::MouseLastFacing = True;
    for (int tick = 0; tick < 8; ++tick) {
        MouseAt(310, 200 - tick);
        Main2::PLAYER3_Timer();
        EXPECT_EQ(SUPER_MODULE::MouseY, 200 - tick);
    }
}

TEST_F(Controls, TurningTheMouseFighterRecentresAtOnce) {
    FacingRight[2] = False;
    MouseAt(400, 300);
    Main2::PLAYER3_Timer();
    EXPECT_EQ(FacingRight[2], True);
    EXPECT_EQ(InRight[2], True);
    EXPECT_EQ(SUPER_MODULE::MouseX, 300);
    EXPECT_EQ(Main2::MouseLastFacing, True);

    // Character 7 with its super armed has turn sounds; an out fighter is not steered.
    Character[2] = 7;
    SuperArmed[2] = True;
    MouseAt(100, 300);
    Main2::PLAYER3_Timer();
    EXPECT_EQ(SoundCount('p', 23), 1);
    MouseAt(500, 300);
    Main2::PLAYER3_Timer();
    EXPECT_EQ(SoundCount('p', 25), 1);
    Out[2] = True;
    MouseAt(100, 300);
    Main2::PLAYER3_Timer();
    EXPECT_EQ(FacingRight[2], True);
}

TEST_F(Controls, MouseButtons) {
    Main2::Form_MouseDown(1, 0, 0, 0);
    Main2::Form_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(InFlap[2], False) << "outside the entry the buttons are polled in the match";
    EXPECT_EQ(SuperArmed[2], False);
    Gauge[2] = 100;
    Main2::Form_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(SuperArmed[2], True);

    Main2::ResetAllModules();
    EntryOn = True;
    Gauge[2] = 100;
    Main2::Form_MouseDown(1, 0, 0, 0);
    Main2::Form_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(InFlap[2], True);
    EXPECT_EQ(InFlapHold[2], True);
    EXPECT_EQ(SuperArmed[2], False);
    Main2::Form_MouseUp(1, 0, 0, 0);
    Main2::Form_MouseUp(2, 0, 0, 0);
    EXPECT_EQ(InFlap[2], False);
    EXPECT_EQ(InFlapHold[2], False);
}

TEST_F(Controls, MouseFighterEntersAndCompletesTheEntry) {
    EntryOn = True;
    PlayerCountIdx = 2;
    Entered[0] = Entered[1] = True;
    MouseAt(300, 300);
    Main2::Form_MouseDown(1, 0, 0, 0);
    MouseAt(350, 320);  // right, with A held: 2, then A: 4, then right+A: 10
    Main2::PLAYER3_Timer();
    EXPECT_EQ(Character[2], 10);
    EXPECT_EQ(Entered[2], True);
    EXPECT_EQ(SoundCount('p', 10), 3);
    EXPECT_EQ(SUPER_MODULE::MouseX, 300);
    EXPECT_EQ(SUPER_MODULE::MouseY, 300);
    EXPECT_EQ(StartRequest, True);
    EXPECT_EQ(EntryOn, False);
}

TEST_F(Controls, JoystickDeadZoneAndButtons) {
    struct Case {
        const char* joy;
        std::vector<int> flags;  // up, left, right, down, flap, flap hold
    };
    const int T = True;
    const Case cases[] = {
        {"joy 9999 32767 0", {0, T, 0, 0, 0, 0}},
        {"joy 10000 32767 0", {0, 0, 0, 0, 0, 0}},
        {"joy 50001 32767 0", {0, 0, T, 0, 0, 0}},
        {"joy 50000 32767 0", {0, 0, 0, 0, 0, 0}},
        {"joy 32767 9999 0", {T, 0, 0, 0, 0, 0}},
        {"joy 32767 50001 0", {0, 0, 0, T, 0, 0}},
        {"joy 0 65535 0", {0, T, 0, T, 0, 0}},
        {"joy 32767 32767 1", {0, 0, 0, 0, T, 0}},
        {"joy 32767 32767 2", {0, 0, 0, 0, 0, T}},
        {"joy 32767 32767 3", {0, 0, 0, 0, 0, 0}},  // both buttons need the stick up
        {"joy 32767 0 3", {T, 0, 0, 0, T, T}},
        {"joy 32767 32767 8", {T, 0, 0, 0, T, T}},
        {"joy 32767 32767 4", {0, 0, 0, 0, 0, 0}},
        {"joy 32767 32767 5", {0, 0, 0, 0, 0, 0}},
        {"nojoy", {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joy);
        for (Flag* f : {InUp, InLeft, InRight, InDown, InFlap, InFlapHold}) f[3] = True;
        Command(c.joy);
        Main2::PollJoystick();
        EXPECT_EQ(std::vector<int>({InUp[3], InLeft[3], InRight[3], InDown[3], InFlap[3], InFlapHold[3]}),
                  c.flags);
    }
}

TEST_F(Controls, HeldJoystickEntersAgainEveryFrame) {
    EntryOn = True;
    PlayerCountIdx = 3;
    Entered[0] = Entered[1] = True;
    Command("joy 32767 0 2");  // up and B: 0, 5, then 7
    Main2::PollJoystick();
    EXPECT_EQ(Character[3], 7);
    EXPECT_EQ(SoundCount('p', 10), 3);
    Main2::PollJoystick();
    EXPECT_EQ(SoundCount('p', 10), 6);
    EXPECT_EQ(StartRequest, False) << "the mouse fighter has not entered";
    Entered[2] = True;
    Main2::PollJoystick();
    EXPECT_EQ(StartRequest, True);
}

}  // namespace
