// Flapping, gravity, steering, friction, the move and the death fall.
#include "Fixture.h"

using namespace PlayerModule;
using namespace Main_Module;
using fighter_test::Fighters;
using fighter_test::SoundCount;

TEST_F(Fighters, FlapLiftAndGravityStopAtTheirLimits) {
    Balloons[0] = 2;
    InFlap[0] = True;
    ApplyFlapAndGravity(0);
    EXPECT_FLOAT_EQ(VelY[0], -1.5f);
    EXPECT_EQ(InFlap[0], False);  // the flap input is used up

    const float held[] = {-3, -4.5f, -6, -7.5f, -9, -10.5f, -12, -13.5f, -13.5f};
    for (float expected : held) {
        InFlapHold[0] = True;
        ApplyFlapAndGravity(0);
        EXPECT_FLOAT_EQ(VelY[0], expected);
    }

    Balloons[0] = 1;
    VelY[0] = 0;
    InFlap[0] = True;
    ApplyFlapAndGravity(0);
    EXPECT_FLOAT_EQ(VelY[0], -0.75f);

    VelY[0] = 0;
    for (int n = 0; n < 40; ++n) ApplyFlapAndGravity(0);
    EXPECT_FLOAT_EQ(VelY[0], 13.5f);
    EXPECT_EQ(NoFlap[0], True);
}

TEST_F(Fighters, SteeringInTheAirAndOnTheGround) {
    struct Case {
        bool ground, right;
        double from, to;
    };
    const Case cases[] = {
        {false, true, 0, 3},    {false, true, -5, -2},  {false, true, 12, 13},   {false, true, 13, 13},
        {false, false, 0, -3},  {false, false, 13, 10}, {true, true, 0, 2.5},    {true, true, 12, 12.5},
        {true, true, 12.5, 12.5}, {true, false, 4, 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ground " << c.ground << " right " << c.right << " from " << c.from);
        Main2::ResetAllModules();
        Balloons[0] = 2;
        VelX[0] = c.from;
        (c.right ? InRight : InLeft)[0] = True;
        OnGround[0] = c.ground ? True : False;
        if (!c.ground) InFlap[0] = True;
        ApplyFlapAndGravity(0);
        EXPECT_DOUBLE_EQ(VelX[0], c.to);
    }
}

TEST_F(Fighters, GaugeFillsPerFlapAndStopsAtExactly100) {
    GaugeRateSetting = 0.9f;
    Gauge[0] = 99.5f;
    InFlap[0] = True;
    ApplyFlapAndGravity(0);
    EXPECT_EQ(Gauge[0], 100.0f);

    GaugeRateSetting = 3;
    Gauge[0] = 50;
    InFlap[0] = True;
    ApplyFlapAndGravity(0);
    EXPECT_EQ(Gauge[0], 50.0f);  // setting 3 fills by itself instead
}

TEST_F(Fighters, GroundFrictionRunsDownToZero) {
    OnGround[0] = True;
    for (double from : {5.0, -3.0}) {
        VelX[0] = from;
        std::vector<double> seen;
        for (int n = 0; n < 4; ++n) {
            ApplyGroundFriction(0);
            seen.push_back(VelX[0]);
        }
        if (from > 0) { EXPECT_EQ(seen, (std::vector<double>{3, 1, 0, 0})); }
        else EXPECT_EQ(seen, (std::vector<double>{-1, 0, 0, 0}));
    }
    VelX[0] = 5;
    InLeft[0] = True;
    ApplyGroundFriction(0);
    EXPECT_EQ(VelX[0], 5);  // steering: no friction
}

TEST_F(Fighters, MoveRoundsHalvesToEvenWrapsAndLimitsSpeed) {
    PlayerCountIdx = 0;  // no contact partners
    StageNumber = 2;     // no terrain
    struct Case {
        double x, vx;
        int16_t y;
        float vy;
        bool armed;
        double wantX;
        int16_t wantY;
    };
    const Case cases[] = {
        {100, 0, 100, 2.5f, false, 100, 102}, {100, 0, 100, 3.5f, false, 100, 104},
        {100, 0, 100, -2.5f, false, 100, 98}, {-30, -2, 100, 0, false, 608, 100},
        {630, 10, 100, 0, false, 0, 100},     {100, 25, 100, 0, false, 120, 100},
        {100, 25, 100, 0, true, 125, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " vx " << c.vx << " vy " << c.vy);
        Main2::ResetAllModules();
        StageNumber = 2;
        Balloons[0] = 2;
        Place(0, c.x, c.y, c.vx, c.vy);
        SuperArmed[0] = c.armed ? True : False;
        SuperCooldown[0] = c.armed ? 5 : 0;  // keeps the armed super from running
        UpdateFighters();
        EXPECT_EQ(PosX[0], c.wantX);
        EXPECT_EQ(PosY[0], c.wantY);
    }
}

TEST_F(Fighters, EndlessFallWithoutTerrainStaysInRange) {
    StageNumber = 7;
    Balloons[0] = 2;
    Place(0, 100, 32000, 0, 13.5f);
    for (int n = 0; n < 1000; ++n) UpdateFighters();
    EXPECT_EQ(PosY[0], 32767);
    Place(0, 100, -32000, 0, -13.5f);
    for (int n = 0; n < 1000; ++n) {
        InFlap[0] = True;
        UpdateFighters();
    }
    EXPECT_EQ(PosY[0], -32768);
}

TEST_F(Fighters, CellsFollowFlappingWalkingAndFacing) {
    // Slot 2 (column base 384), two balloons, facing right.
    Balloons[2] = 2;
    FacingRight[2] = True;
    InFlap[2] = True;
    AnimateFlight(2);
    EXPECT_EQ(CellX[2], 384 + 96);
    EXPECT_EQ(CellY[2], 128);
    AnimateFlight(2);
    EXPECT_EQ(CellX[2], 384 + 128);
    InFlap[2] = False;
    AnimateFlight(2);
    EXPECT_EQ(CellX[2], 384 + 160);

    Balloons[2] = 1;
    FacingRight[2] = False;
    InLeft[2] = True;
    AnimateWalk(2);
    EXPECT_EQ(CellX[2], 384 + 32);
    EXPECT_EQ(CellY[2], 64);
    AnimateWalk(2);
    EXPECT_EQ(CellX[2], 384 + 64);
    InLeft[2] = False;
    AnimateWalk(2);
    EXPECT_EQ(CellX[2], 384);
}

TEST_F(Fighters, HurtCellShowsOnceWithSoundZero) {
    Balloons[0] = 0;
    FacingRight[0] = True;
    JustHit[0] = True;
    ShowHurtCell(0);
    EXPECT_EQ(CellX[0], 32);
    EXPECT_EQ(CellY[0], 320 + 128);
    EXPECT_EQ(JustHit[0], False);
    EXPECT_EQ(SoundCount('p', 0), 1);
}

TEST_F(Fighters, DeathFallHopsUpThenFallsOutAndLosesALife) {
    PlayerCountIdx = 0;
    Stock[0] = 3;
    Balloons[0] = 0;
    Place(0, 200, 300, 1.5, 0);
    int16_t top = 300;
    int topFrame = 0;
    int frames = 0;
    while (Stock[0] == 3 && frames < 200) {
        UpdateFighters();
        ++frames;
        if (Stock[0] == 3 && PosY[0] < top) {
            top = PosY[0];
            topFrame = frames;
        }
        if (Stock[0] == 3) { EXPECT_TRUE(CellX[0] == 192 || CellX[0] == 224); }
    }
    EXPECT_EQ(top, 64);
    EXPECT_EQ(topFrame, 26);
    EXPECT_EQ(Stock[0], 2);
    EXPECT_EQ(PosY[0], 374);  // back at the start place
    EXPECT_EQ(PosX[0], 158);
    EXPECT_EQ(Balloons[0], 2);
}
