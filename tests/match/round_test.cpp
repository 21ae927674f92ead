// The round flow of a versus battle, run headless.
#include "MatchHarness.h"

#include "match/Match.h"

using namespace PlayerModule;
using namespace Main_Module;
using match_test::Match;
using match_test::Seen;
using match_test::SoundCount;

namespace {
constexpr int kFighter1Left = 65;  // A, in the first key layout
std::string Key(long frame, const char* op, int vk) {
    return std::to_string(frame) + " " + op + " " + std::to_string(vk) + "\n";
}
// Frames presented before the first one of the round's play.
int IntroFrames() {
    int n = 0;
    while (n < static_cast<int>(Seen().frames.size()) && Seen().frames[n].introActive) ++n;
    return n;
}
}  // namespace

TEST_F(Match, IntroScrollsFor45FramesThenAWhiteFrameWithSound4Once) {
    Open(Key(60, "keydown", 27));
    RunMatch();
    const auto& f = Seen().frames;
    ASSERT_GE(f.size(), 47u);
    EXPECT_EQ(IntroFrames(), 46);  // 45 drawn intro frames and the white one
    EXPECT_EQ(f[0].introCounter, 0);
    EXPECT_EQ(f[1].introCounter, 50);  // the strip moves from the second frame
    EXPECT_EQ(f[44].introCounter, 2200);
    EXPECT_EQ(SoundCount('p', 4), 1);
    int soundAt = -1;
    for (size_t n = 0; n < Seen().sounds.size(); ++n)
        if (Seen().sounds[n] == std::make_pair('p', 4)) soundAt = static_cast<int>(n);
    // Sound 4 is made after the frame whose counter reads 100 (the third) was presented.
    EXPECT_LT(f[2].sounds, soundAt + 1);
    EXPECT_GE(f[3].sounds, soundAt + 1);
    EXPECT_EQ(SoundCount('l', 3), 1);  // then the match music
    EXPECT_EQ(IntroActive, False);
}

TEST_F(Match, EscDuringTheIntroIsForgotten) {
    Open(Key(10, "keydown", 27) + Key(11, "keyup", 27) + Key(80, "keydown", 27));
    RunMatch();
    EXPECT_GE(Seen().frames.size(), 80u);  // play went on until the second Esc
}

TEST_F(Match, VersusRoundEndsWithAWinnerAndReturnsToTheStageChoice) {
    // Fighter 1 walks left off the ground into the pit.
    Open(Key(50, "keydown", kFighter1Left));
    Wins[0] = 2;
    Wins[1] = 5;
    RunMatch();
    EXPECT_EQ(Out[1], True);
    EXPECT_EQ(Wins[0], 3);
    EXPECT_EQ(Wins[1], 5);
    EXPECT_EQ(SoundCount('s', 3), 1);
    EXPECT_EQ(SoundCount('p', 16), 1);
    int bannerFrames = 0;
    for (const auto& fr : Seen().frames) bannerFrames += fr.versusBanner;
    EXPECT_EQ(bannerFrames, 119);
    EXPECT_EQ(VersusBannerPos[1], 248);
    EXPECT_EQ(VersusBannerPos[2], 224);
    EXPECT_EQ(VersusBannerPos[0], 82);
    // The way out: stage choice, stock and flags back for the next match.
    EXPECT_EQ(MenuPage, 7);
    EXPECT_EQ(StageSelectOn, True);
    EXPECT_EQ(BattleMode, True);
    EXPECT_EQ(StageChoice, 5);
    EXPECT_EQ(InMatch, False);
    EXPECT_EQ(QuitRequested, False);
    EXPECT_EQ(VersusBanner, False);
    EXPECT_EQ(FightersOut, 0);
    EXPECT_EQ(Stock[0], 2);
    EXPECT_EQ(Stock[1], 2);
    EXPECT_EQ(Out[2], False);
    EXPECT_EQ(Out[3], False);
}

TEST_F(Match, LastFightersOutTogetherIsADraw) {
    Open("");
    Wins[0] = 1;
    Wins[1] = 1;
    Out[0] = Out[1] = True;
    FightersOut = 2;
    VersusRoundEnd();
    EXPECT_EQ(Wins[0], 1);
    EXPECT_EQ(Wins[1], 1);
    EXPECT_EQ(VersusBannerPos[1], -120);
    EXPECT_EQ(VersusBannerPos[2], 192);
    EXPECT_EQ(SoundCount('p', 16), 1);
    EXPECT_EQ(Seen().frames.size(), 119u);
    EXPECT_EQ(QuitRequested, True);
}

TEST_F(Match, FightersFallingIntoThePitInTheSameFrameDraw) {
    // Fighter 1 walks left from frame 50, fighter 0 right from frame 53: both drop into the
    // pit and leave the field in one frame.
    constexpr int kFighter0Right = 39;
    Open(Key(50, "keydown", kFighter1Left) + Key(53, "keydown", kFighter0Right));
    Wins[0] = 3;
    Wins[1] = 1;
    RunMatch();
    EXPECT_EQ(Out[0], True);
    EXPECT_EQ(Out[1], True);
    EXPECT_EQ(Wins[0], 3);
    EXPECT_EQ(Wins[1], 1);
    EXPECT_EQ(VersusBannerPos[1], -120);  // the draw positions
    EXPECT_EQ(VersusBannerPos[2], 192);
    EXPECT_EQ(SoundCount('p', 16), 1);
    EXPECT_EQ(MenuPage, 7);
}

TEST_F(Match, WinTallyStopsAt255) {
    Open("");
    Wins[0] = 255;
    Out[1] = True;
    FightersOut = 1;
    VersusRoundEnd();
    EXPECT_EQ(Wins[0], 255);
}

TEST_F(Match, RoundGoesOnWhileAFallRunsOrTwoFightersAreLeft) {
    Open("", 0, 3);
    FightersOut = 1;
    VersusRoundEnd();  // two of three left
    EXPECT_EQ(QuitRequested, False);
    FightersOut = 2;
    Dying[2] = True;
    VersusRoundEnd();  // the last fall has not finished
    EXPECT_EQ(QuitRequested, False);
    EXPECT_TRUE(Seen().frames.empty());
}

TEST_F(Match, EscInMidRoundLeavesWinsAlone) {
    Open(Key(70, "keydown", 27));
    Wins[0] = 4;
    Wins[1] = 7;
    RunMatch();
    EXPECT_EQ(Wins[0], 4);
    EXPECT_EQ(Wins[1], 7);
    EXPECT_EQ(SoundCount('p', 16), 0);
    EXPECT_EQ(MenuPage, 7);
    EXPECT_EQ(StageSelectOn, True);
    EXPECT_EQ(InMatch, False);
    EXPECT_EQ(Seen().frames.size(), 71u);
}

TEST_F(Match, PauseHoldsTheFightersAndKeepsPresenting) {
    Open(Key(50, "keydown", kFighter1Left) + Key(55, "keydown", 19) + Key(56, "keyup", 19) +
         Key(90, "keydown", 19) + Key(91, "keyup", 19) + Key(100, "keydown", 27));
    RunMatch();
    const auto& f = Seen().frames;
    ASSERT_GE(f.size(), 100u);
    int pausedFrames = 0;
    double heldAt = 0;
    bool moved = false;
    for (const auto& fr : f) {
        if (!fr.paused) continue;
        if (pausedFrames++ == 0) heldAt = fr.posX1;
        moved |= fr.posX1 != heldAt;
    }
    EXPECT_GE(pausedFrames, 30);
    EXPECT_FALSE(moved);  // fighter 1 was walking left, and stood still while paused
    EXPECT_LT(f.back().posX1, heldAt);
    EXPECT_EQ(Paused, False);
}
