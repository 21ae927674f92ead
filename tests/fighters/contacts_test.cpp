// Stomps, hits and fighters pushing each other apart.
#include "Fixture.h"

using namespace PlayerModule;
using namespace Main_Module;
using fighter_test::Fighters;

TEST_F(Fighters, StompPopsABalloonBlinksAndRebounds) {
    TwoFighters();
    StageNumber = 2;
    Place(0, 100, 200, 2, 3);
    Place(1, 110, 250, 0, 0);
    ResolveContacts(0);
    EXPECT_EQ(Balloons[1], 1);
    EXPECT_EQ(BlinkTimer[1], 40);
    EXPECT_EQ(JustHit[1], True);
    EXPECT_EQ(Dying[1], False);
    EXPECT_FLOAT_EQ(VelY[0], -3);  // attacker rebounds upward
    EXPECT_EQ(VelX[0], -2);
    EXPECT_FLOAT_EQ(VelY[1], 6);   // victim in the air takes twice the attacker's speed
    EXPECT_EQ(VelX[1], 4);
    EXPECT_EQ(ShakeFrame, 1);
    EXPECT_FLOAT_EQ(Gauge[0], 15);
    EXPECT_FLOAT_EQ(Gauge[1], 5);
    EXPECT_EQ(ContactDone[0], False);  // cleared again by the push pass
    EXPECT_EQ(PosX[0], 100);           // and not pushed apart

    // Blinking: a second stomp does nothing at all.
    ResolveContacts(0);
    EXPECT_EQ(Balloons[1], 1);
    EXPECT_FLOAT_EQ(Gauge[0], 15);
}

TEST_F(Fighters, StompOnAFighterStandingGivesHalfAgainTheSpeed) {
    TwoFighters();
    StageNumber = 2;
    Place(0, 100, 200, 2, 3);
    Place(1, 110, 250, 0, 0);
    OnGround[1] = True;
    ResolveContacts(0);
    EXPECT_EQ(VelX[1], 3);
    EXPECT_FLOAT_EQ(VelY[1], 0);
}

TEST_F(Fighters, TheLastBalloonStartsTheDeathFallAfterTheHurtCell) {
    TwoFighters();
    StageNumber = 2;
    Place(0, 100, 200, 0, 3);
    Place(1, 110, 250, 0, 0);
    Balloons[1] = 1;
    ResolveContacts(0);
    EXPECT_EQ(Balloons[1], 0);
    EXPECT_EQ(Dying[1], True);
    EXPECT_EQ(JustHit[1], True);
    Place(0, 400, 100);
    UpdateFighters();
    EXPECT_EQ(CellX[1], 0);    // hurt cell, no balloons left
    EXPECT_EQ(CellY[1], 320);
    EXPECT_EQ(JustHit[1], False);
    UpdateFighters();
    EXPECT_EQ(CellX[1], 160);  // death fall
    EXPECT_EQ(CellY[1], 288);
}

TEST_F(Fighters, SameCellIsNoStompOnlyAPush) {
    TwoFighters();
    StageNumber = 2;
    Place(0, 100, 200);
    Place(1, 100, 200);
    ResolveContacts(0);
    EXPECT_EQ(Balloons[0], 2);
    EXPECT_EQ(Balloons[1], 2);
    EXPECT_EQ(PosX[0], 112);  // at rest: only pushed 12 pixels apart each
    EXPECT_EQ(PosX[1], 88);
    EXPECT_EQ(VelX[0], 0);
    EXPECT_EQ(VelX[1], 0);
    EXPECT_FLOAT_EQ(VelY[0], 0);
}

TEST_F(Fighters, StompBoxEdges) {
    struct Case {
        double ax;
        int ay;
        double bx;
        int by;
        bool stomp;
    };
    const Case cases[] = {
        {132, 190, 100, 250, true},   // x at +32 and feet at the top of the balloons
        {133, 190, 100, 250, false},  // one pixel too far right
        {68, 200, 100, 250, true},    // x at -32
        {100, 189, 100, 250, false},  // feet above the balloons
        {100, 226, 100, 250, true},   // lowest stomp: 226 + 53 = 279
        {100, 227, 100, 250, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ax << "," << c.ay);
        Main2::ResetAllModules();
        TwoFighters();
        StageNumber = 2;
        Place(0, c.ax, c.ay);
        Place(1, c.bx, c.by);
        ResolveContacts(0);
        EXPECT_EQ(Balloons[1], c.stomp ? 1 : 2);
    }
}

TEST_F(Fighters, BounceApartExchangesSpeeds) {
    struct Case {
        double x, y, wantX, wantY;
    };
    const Case horizontal[] = {
        {5, 0, -2.5, 5}, {0, -4, -4, 2}, {5, 3, -3, 2}, {5, -3, 8, 3}, {-5, -3, -3, -5}, {-5, 3, -8, -3}, {0, 0, 0, 0},
    };
    for (const Case& c : horizontal) {
        SCOPED_TRACE(testing::Message() << "VelX " << c.x << ", " << c.y);
        Place(0, 100, 100, c.x, 0);
        Place(1, 300, 100, c.y, 0);  // far apart: no push
        BounceApart(0, 1);
        EXPECT_DOUBLE_EQ(VelX[0], c.wantX);
        EXPECT_DOUBLE_EQ(VelX[1], c.wantY);
        EXPECT_EQ(PosX[0], 100);
    }
    Place(0, 100, 100, 0, 2);
    Place(1, 300, 100, 0, -3);
    BounceApart(0, 1);
    EXPECT_FLOAT_EQ(VelY[0], 3);
    EXPECT_FLOAT_EQ(VelY[1], -2);
}

TEST_F(Fighters, PushApartBoxIsNarrowerThanTheTouchBox) {
    TwoFighters();
    StageNumber = 2;
    Place(0, 100, 200);
    Place(1, 130, 200);  // touching (within 32) but outside the push box (27)
    ResolveContacts(0);
    EXPECT_EQ(PosX[0], 100);
    EXPECT_EQ(PosX[1], 130);
    Place(1, 127, 200);
    ResolveContacts(0);
    EXPECT_EQ(PosX[0], 88);
    EXPECT_EQ(PosX[1], 139);
}

TEST_F(Fighters, OnlyFightersInPlayMeetEachOther) {
    TwoFighters();
    StageNumber = 2;
    // Slot 2 is out: lying on fighter 0 changes nothing.
    Place(0, 100, 250);
    Place(2, 100, 190, 0, 3);
    ResolveContacts(0);
    EXPECT_EQ(Balloons[0], 2);
    EXPECT_EQ(PosX[0], 100);
}
