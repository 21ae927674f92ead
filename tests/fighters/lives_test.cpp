// Lives, the match set-up and the gauge and super trigger of the per-frame update.
#include "Fixture.h"

#include "shell/PrepareFighters.h"

using namespace PlayerModule;
using namespace Main_Module;
using fighter_test::Fighters;
using fighter_test::SoundCount;

TEST_F(Fighters, PrepareFightersGivesStockAndStartPlaces) {
    StockSetting = 3;
    PlayerCountIdx = 3;
    Gauge[2] = 70;
    Wins[1] = 4;
    Main2::PrepareFighters();
    struct Want {
        double x;
        Flag facing;
        double cellX;
        int16_t cellY;
    };
    const Want want[4] = {{158, True, 160, 128}, {450, False, 352, 0}, {30, True, 512, 128}, {580, True, 736, 0}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Stock[i], 3);
        EXPECT_EQ(Out[i], False);
        EXPECT_EQ(PosX[i], want[i].x);
        EXPECT_EQ(PosY[i], 374);
        EXPECT_EQ(FacingRight[i], want[i].facing);
        EXPECT_EQ(CellX[i], want[i].cellX);
        EXPECT_EQ(CellY[i], want[i].cellY);
        EXPECT_EQ(Balloons[i], 2);
        EXPECT_EQ(BlinkTimer[i], 20);
        EXPECT_EQ(Gauge[i], 0);
    }
    EXPECT_EQ(FightersOut, 0);
    EXPECT_EQ(Wins[1], 4);

    PlayerCountIdx = 1;
    Main2::PrepareFighters();
    EXPECT_EQ(Out[2], True);
    EXPECT_EQ(Out[3], True);
}

TEST_F(Fighters, LoseLifeCountsStockDownToOut) {
    StockSetting = 3;
    PlayerCountIdx = 1;
    Main2::PrepareFighters();
    fighter_test::Sounds().clear();
    Gauge[0] = 42;
    CoinsHeld[0] = 3;
    for (int lost = 1; lost <= 2; ++lost) {
        PosX[0] = 10;
        VelX[0] = 7;
        Dying[0] = True;
        LoseLife(0);
        EXPECT_EQ(Stock[0], 3 - lost);
        EXPECT_EQ(Out[0], False);
        EXPECT_EQ(PosX[0], 158);
        EXPECT_EQ(VelX[0], 0);
        EXPECT_EQ(Dying[0], False);
        EXPECT_EQ(Gauge[0], 42);  // kept
        EXPECT_EQ(CoinsHeld[0], 3);
    }
    PosX[0] = 10;
    LoseLife(0);  // the fourth call, counting the set-up's
    EXPECT_EQ(Stock[0], 0);
    EXPECT_EQ(Out[0], True);
    EXPECT_EQ(FightersOut, 1);
    EXPECT_EQ(PosX[0], 10);  // an out fighter is not placed again
    EXPECT_EQ(SoundCount('s', 32), 3);

    CoinMode = True;
    Stock[1] = 2;
    LoseLife(1);
    EXPECT_EQ(Stock[1], 2);
}

TEST_F(Fighters, SpecialOpponentStartsWithOneStockAndItsOwnCells) {
    SpecialRound = True;
    Stock[1] = 5;
    LoseLife(1);
    EXPECT_EQ(Stock[1], 1);
    EXPECT_EQ(CellX[1], 32);
    EXPECT_EQ(CellY[1], 128);
}

TEST_F(Fighters, AutomaticGaugeIsFullOnThe34thFrameAndSoundsOnce) {
    GaugeRateSetting = 3;
    PlayerCountIdx = 0;
    StageNumber = 3;
    Stock[0] = 2;
    LoseLife(0);
    int fullAt = 0;
    for (int frame = 1; frame <= 40; ++frame) {
        UpdateFighters();
        if (frame == 33) { EXPECT_EQ(Gauge[0], 99); }
        if (!fullAt && Gauge[0] == 100) fullAt = frame;
    }
    EXPECT_EQ(fullAt, 34);
    EXPECT_EQ(SoundCount('p', 11), 1);
}

TEST_F(Fighters, SuperTriggerNeedsFullGaugeAndNoCooldown) {
    PlayerCountIdx = 0;
    StageNumber = 3;
    Stock[0] = 2;
    LoseLife(0);
    Gauge[0] = 100;
    GaugeFullSounded[0] = True;
    SuperCooldown[0] = 3;
    InUp[0] = InFlap[0] = True;
    UpdateFighters();
    EXPECT_EQ(SuperArmed[0], False);
    EXPECT_EQ(SuperRunning[0], False);
    EXPECT_EQ(SuperCooldown[0], 2);
    EXPECT_EQ(UpSeen[0], True);

    SuperCooldown[0] = 0;
    InUp[0] = InFlap[0] = True;
    UpdateFighters();
    // The super starts; until the moves are written it ends on its first frame.
    EXPECT_EQ(SuperArmed[0], False);
    EXPECT_EQ(SuperRunning[0], False);
}
