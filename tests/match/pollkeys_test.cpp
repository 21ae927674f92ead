// In-match key polling.
#include "MatchHarness.h"

#include "match/PollKeys.h"

using namespace PlayerModule;
using namespace Main_Module;
using match_test::Match;
using match_test::SoundCount;

namespace {

void Key(const char* op, int vk) {
    std::string error;
    ASSERT_TRUE(PlatformHeadlessCommand(std::string(op) + " " + std::to_string(vk), &error)) << error;
}

class PollKeysTest : public Match {
protected:
    void SetUp() override {
        Open("", 0, 4);
        InMatch = True;
    }
};

}  // namespace

TEST_F(PollKeysTest, LeftAndRightTogetherGoRight) {
    Key("keydown", KeyLeft[0]);
    Key("keydown", KeyRight[0]);
    PollKeys();
    EXPECT_EQ(InRight[0], True);
    EXPECT_EQ(InLeft[0], False);
    EXPECT_EQ(FacingRight[0], True);
}

TEST_F(PollKeysTest, FlapFollowsKeyAButNotWithAAndBTogether) {
    Key("keydown", KeyA[1]);
    PollKeys();
    EXPECT_EQ(InFlap[1], True);
    InFlap[1] = False;
    Key("keydown", KeyB[1]);
    PollKeys();
    EXPECT_EQ(InFlap[1], False);  // kept from before
    Key("keydown", KeyUp[1]);
    PollKeys();
    EXPECT_EQ(InFlap[1], True);
    EXPECT_EQ(InUp[1], True);
}

TEST_F(PollKeysTest, UpSeenHoldsTheFlapUntilUpIsReleased) {
    UpSeen[0] = True;
    Key("keydown", KeyUp[0]);
    Key("keydown", KeyA[0]);
    PollKeys();
    EXPECT_EQ(InFlap[0], False);
    Key("keyup", KeyUp[0]);
    PollKeys();  // up read as released clears UpSeen, then the flap is read
    PollKeys();
    EXPECT_EQ(UpSeen[0], False);
    EXPECT_EQ(InFlap[0], True);
}

TEST_F(PollKeysTest, MouseButtonsFlapFighter2AndFighter3IsLeftAlone) {
    Key("mousedown", 1);
    InUp[3] = True;
    PollKeys();
    EXPECT_EQ(InFlap[2], True);
    EXPECT_EQ(InFlapHold[2], False);
    EXPECT_EQ(InUp[3], True);
}

TEST_F(PollKeysTest, InTheCourseOnlyFighter0IsRead) {
    CpuMode = True;
    Key("keydown", KeyA[0]);
    Key("keydown", KeyA[1]);
    PollKeys();
    EXPECT_EQ(InFlap[0], True);
    EXPECT_EQ(InFlap[1], False);
}

TEST_F(PollKeysTest, ArmedCharacter7SoundsOnlyWhenItTurns) {
    Character[0] = 7;
    SuperArmed[0] = True;
    FacingRight[0] = True;
    Key("keydown", KeyLeft[0]);
    PollKeys();
    PollKeys();
    EXPECT_EQ(SoundCount('p', 25), 1);
    Key("keyup", KeyLeft[0]);
    Key("keydown", KeyRight[0]);
    PollKeys();
    PollKeys();
    EXPECT_EQ(SoundCount('p', 23), 1);
}
