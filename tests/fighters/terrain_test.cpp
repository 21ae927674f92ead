// The solid shapes of the battlefields.
#include "Fixture.h"

using namespace PlayerModule;
using namespace Main_Module;
using fighter_test::Fighters;
using fighter_test::SoundCount;

namespace {
struct After {
    double x;
    int y;
    double vx;
    float vy;
    Flag onGround;
};
}  // namespace

TEST_F(Fighters, TerrainCases) {
    struct Case {
        const char* name;
        int stage;
        double x;
        int y;
        double vx;
        float vy;
        uint8_t blink;
        After want;
        uint8_t balloons;
    };
    const Case cases[] = {
        {"stage 0 lands on the ground", 0, 100, 384, 0, 3, 0, {100, 386, 0, 0, True}, 2},
        {"stage 0 stands on the ground", 0, 500, 386, 0, 0, 0, {500, 386, 0, 0, True}, 2},
        {"stage 0 over the pit keeps falling", 0, 300, 440, 0, 3, 0, {300, 440, 0, 3, False}, 2},
        {"stage 0 underside pops a balloon", 0, 300, 266, 0, -4, 0, {300, 272, 0, 5, False}, 1},
        {"stage 0 underside while blinking", 0, 300, 266, 0, -4, 7, {300, 272, 0, 2, False}, 2},
        {"stage 0 lands on the block", 0, 300, 178, 0, 1, 0, {300, 178, 0, 0, True}, 2},
        {"stage 0 block's left face", 0, 180, 220, 3, 0, 0, {172, 220, -1, 0, False}, 2},
        {"stage 0 block's right face", 0, 440, 220, -3, -4, 0, {437, 220, 1, -4, False}, 2},
        {"stage 0 left pit wall", 0, 179, 400, -2, 0, 0, {180, 400, 2, 0, False}, 2},
        {"stage 0 right pit wall", 0, 427, 400, 2, 0, 0, {425, 400, -2, 0, False}, 2},
        {"stage 1 lands on the high block", 1, 500, 98, 0, 2, 0, {500, 98, 0, 0, True}, 2},
        {"stage 3 stands anywhere", 3, 300, 386, 0, 0, 0, {300, 386, 0, 0, True}, 2},
        {"stage 4 has no ground", 4, 100, 400, 0, 3, 0, {100, 400, 0, 3, False}, 2},
        {"stage 5 wraps a fall to the top", 5, 100, 480, 0, 13.5f, 0, {100, -32, 0, 13.5f, False}, 2},
        {"stage 5 limits a fast fall to 20", 5, 100, 490, 0, 25, 0, {100, -32, 0, 20, False}, 2},
        {"stage 5 wraps a climb to the bottom", 5, 100, -32, 0, -5, 0, {100, 480, 0, -5, False}, 2},
        {"stage 6 lands on the pillar", 6, 140, 200, 0, 2, 0, {140, 192, 0, 0, True}, 2},
        {"stage 6 wraps to the top", 6, 300, 480, 0, 2, 0, {300, 0, 0, 2, False}, 2},
        {"stage 7 has no terrain", 7, 300, 3000, 0, 3, 0, {300, 3000, 0, 3, False}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Main2::ResetAllModules();
        StageNumber = static_cast<uint8_t>(c.stage);
        Balloons[0] = 2;
        BlinkTimer[0] = c.blink;
        Place(0, c.x, c.y, c.vx, c.vy);
        StageTerrain(0);
        EXPECT_EQ(PosX[0], c.want.x);
        EXPECT_EQ(PosY[0], c.want.y);
        EXPECT_EQ(VelX[0], c.want.vx);
        EXPECT_FLOAT_EQ(VelY[0], c.want.vy);
        EXPECT_EQ(OnGround[0], c.want.onGround);
        EXPECT_EQ(Balloons[0], c.balloons);
    }
}

TEST_F(Fighters, UndersideHitShowsTheHurtCellAndBlinks) {
    PlayerCountIdx = 0;
    StageNumber = 0;
    Stock[0] = 2;
    LoseLife(0);
    BlinkTimer[0] = 0;
    Place(0, 300, 270, 0, -4);
    UpdateFighters();
    EXPECT_EQ(PosY[0], 272);
    EXPECT_EQ(Balloons[0], 1);
    EXPECT_EQ(BlinkTimer[0], 19);  // 20, counted down once in this update
    EXPECT_EQ(JustHit[0], True);
    UpdateFighters();
    EXPECT_EQ(JustHit[0], False);
    EXPECT_EQ(CellX[0], 32);
    EXPECT_EQ(CellY[0], 256 + 128);
}

TEST_F(Fighters, CeilingThrowsDownAtFiveOrFifteen) {
    StageNumber = 0;
    bool seen5 = false, seen15 = false;
    for (uint32_t ms = 0; ms < 200; ++ms) {
        PlatformHeadlessSetClock(ms * 7);
        Place(0, 300, 3, 0, -5);
        StageTerrain(0);
        EXPECT_EQ(PosY[0], 0);
        EXPECT_TRUE(VelY[0] == 5 || VelY[0] == 15) << VelY[0];
        seen5 |= VelY[0] == 5;
        seen15 |= VelY[0] == 15;
        ResolveContacts(0);  // reseeds from the clock
    }
    EXPECT_TRUE(seen5);
    EXPECT_TRUE(seen15);
    Captured[0] = True;
    Place(0, 300, 3, 0, -5);
    StageTerrain(0);
    EXPECT_EQ(PosY[0], 3);  // the creature's hold is not bounded by the ceiling
}

TEST_F(Fighters, FallingOutLosesALifeWithSoundZero) {
    struct Case {
        int stage, y;
        bool out;
    };
    const Case cases[] = {{0, 480, true}, {0, 479, false}, {1, 480, true}, {4, 480, true}, {3, 448, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage " << c.stage << " y " << c.y);
        Main2::ResetAllModules();
        fighter_test::Sounds().clear();
        StageNumber = static_cast<uint8_t>(c.stage);
        Stock[0] = 3;
        Balloons[0] = 2;
        Place(0, 300, c.y, 0, 3);
        StageTerrain(0);
        EXPECT_EQ(Stock[0], c.out ? 2 : 3);
        EXPECT_EQ(SoundCount('p', 0), c.out ? 1 : 0);
    }
    // Stage 3's fall-out line lies below its ground: the ground catches the fighter first.
    Main2::ResetAllModules();
    StageNumber = 3;
    Stock[0] = 3;
    Place(0, 300, 460, 0, 3);
    StageTerrain(0);
    EXPECT_EQ(PosY[0], 386);
    EXPECT_EQ(Stock[0], 3);
}

TEST_F(Fighters, ArmedCharacter5PassesThroughEverything) {
    for (int stage : {0, 1, 3, 4, 6}) {
        SCOPED_TRACE(stage);
        Main2::ResetAllModules();
        StageNumber = static_cast<uint8_t>(stage);
        Stock[0] = 3;
        Character[0] = 5;
        SuperArmed[0] = True;
        Place(0, 300, 600, 0, 3);
        StageTerrain(0);
        EXPECT_EQ(PosY[0], 600);
        EXPECT_EQ(Stock[0], 3);
    }
}
