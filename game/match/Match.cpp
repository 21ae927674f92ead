// The match loop: intro, the frame in its fixed order, the round ends and the way out.
#include "match/Match.h"

#include "coin/VSCoin.h"
#include "cpu/CpuMode.h"
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "fighters/Fighters.h"
#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "match/DrawBattlefield.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "match/OptionMarkers.h"
#include "match/PollKeys.h"
#include "match/TitleMenu.h"
#include "platform/platform.h"
#include "shell/Controls.h"
#include "shell/Settings.h"
#include "shell/SideScreens.h"
#include "shell/SuperModule.h"

namespace Main_Module {

namespace {

using namespace PlayerModule;
using SUPER_MODULE::WaitMs;

void Frame() { WaitMs(FrameDelay); }

bool AnyDying(bool onlyIn) {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i)
        if (On(Dying[i]) && !(onlyIn && On(Out[i]))) return true;
    return false;
}

void ResetStock() {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) Stock[i] = 2;
    FightersOut = 0;
}

bool SpecialRoundDue() { return StageCount >= 8 && StageCount <= 252 && StageCount % 4 == 0; }

void RunIntro() {
    while (On(IntroActive)) {
        if (On(IntroRolling)) IntroCounter += 50;
        DrawBattlefield();
        if (IntroCounter >= 2200) {
            ddFillRect(0, 0, 0, 640, 480, ddColor(0xFFFFFF));
            ddUpdateWindow(0);
            IntroActive = False;
            StartRequest = False;
            IntroRolling = False;
            BannerSlide = 0;
            break;
        }
        Frame();
        if (IntroCounter == 100) PlaySound(4);
        DoEvents();
    }
}

// Plays frames until the round ends; false when the special round is to start instead.
bool PlayRound() {
    for (;;) {
        if (On(CoinMode)) VSCoin::CoinStep();
        if (On(CpuMode)) CPU_MODE::SteerComputers();
        else Main2::PollJoystick();
        UpdateFighters();
        CPU_MODE::CreatureStep();
        if (On(CPU_MODE::CreatureStruck)) CPU_MODE::CreatureStruckStep();
        DrawBattlefield();
        if (On(BattleMode)) VersusRoundEnd();
        if (On(CpuMode)) CourseRoundEnd();
        if (On(QuitRequested)) return true;
        Frame();
        PollKeys();
        DoEvents();
        if (SpecialRoundDue() && !On(SpecialShown)) SpecialRoundIntro();
        if (On(RestartRound)) {
            IntroCounter = 0;
            SpecialRound = True;
            PlayerCountIdx = 1;
            return false;
        }
    }
}

// Between two stages of the course. True: the next stage starts; false: the way out.
bool NextStageScreen() {
    SpecialRound = False;
    SuperObjectOn = False;
    CPU_MODE::CreatureJump = 0;
    CoinMode = False;
    BattleMode = False;
    CpuMode = True;
    QuitRequested = False;
    InMatch = False;
    IntroActive = False;
    EntryOn = True;
    if (On(MusicOn)) PlaySoundLooping(14);
    for (;;) {
        Main2::PollJoystick();
        DrawMenu();
        Frame();
        DoEvents();
        if (On(StartRequest)) {
            EntryOn = False;
            Entered[0] = False;
            if (StockSetting >= 1 && StockSetting <= 2) Stock[0] += 1;
            else if (StockSetting >= 3 && StockSetting <= 5) Stock[0] += 2;
            else if (StockSetting >= 6 && StockSetting <= 8) Stock[0] += 3;
            else if (StockSetting == 9) Stock[0] += 4;
            StopSound(14);
            CourseBanner = False;
            return true;
        }
        if (On(QuitRequested)) return false;
    }
}

void WayOut() {
    if (On(CoinMode) || On(BattleMode)) {
        StageSelectOn = True;
        MenuPage = 7;
    }
    for (int i = 0; i < kSlots; ++i) CoinsHeld[i] = 0;
    if (On(CpuMode)) {
        CpuMode = False;
        MenuPage = 0;
    }
    for (int i = 0; i < kSlots; ++i) Entered[i] = False;
    SpecialRound = False;
    SuperObjectOn = False;
    CPU_MODE::CreatureY = 456;
    CPU_MODE::CreatureJump = 0;
    CPU_MODE::CreatureStruck = False;
    CPU_MODE::CreatureSpeed = 0;
    CPU_MODE::CreatureStruckFrame = 0;
    Out[2] = False;
    Out[3] = False;
    StageCount = 0;
    MenuCursorY = 310;
    InMatch = False;
    QuitRequested = False;
}

}  // namespace

void RunMatch() {
    for (;;) {
        RestartRound = False;
        QuitRequested = False;
        InMatch = True;
        IntroActive = True;
        if (On(CpuMode)) CPU_MODE::CourseSetup();
        if (On(CoinMode)) VSCoin::CoinSetup();
        RunIntro();
        if (On(MusicOn)) PlaySoundLooping(On(CpuMode) ? 15 : 3);
        InUp[2] = InLeft[2] = InRight[2] = InDown[2] = False;
        QuitRequested = False;
        if (!PlayRound()) continue;
        SpecialShown = False;
        IntroCounter = 0;
        if (On(CourseBanner) && NextStageScreen()) continue;
        WayOut();
        return;
    }
}

void VersusRoundEnd() {
    if (AnyDying(false)) return;
    if (FightersOut < PlayerCountIdx) return;
    const bool winner = FightersOut == PlayerCountIdx;
    if (winner)
        for (int i = 0; i < kSlots; ++i)
            if (!On(Out[i]) && Wins[i] < 255) Wins[i] += 1;
    StopSound(3);
    PlaySound(16);
    VersusBanner = True;
    VersusBannerPos[0] = 490;
    VersusBannerPos[1] = -128;
    VersusBannerPos[2] = 640;
    for (int n = 1;; ++n) {
        VersusBannerFrame = static_cast<int16_t>(n);
        if (n <= 51) VersusBannerPos[0] -= 8;
        if (winner) {
            if (n >= 28 && n <= 50) VersusBannerPos[1] += 16;
            if (n >= 50 && n <= 75) VersusBannerPos[2] -= 16;
            if (n == 51) VersusBannerPos[1] += 8;
        } else {
            if (n == 50) VersusBannerPos[1] += 8;
            if (n >= 50 && n <= 77) VersusBannerPos[2] -= 16;
        }
        if (n >= 120) break;
        Frame();
        DrawBattlefield();
    }
    ResetStock();
    QuitRequested = True;
    VersusBanner = False;
    MenuPage = 2;
    BattleMode = True;
    StageChoice = 5;
    Main2::PlaceStageCursor();
}

void CourseRoundEnd() {
    if (AnyDying(true)) return;
    if (!On(Out[0]) && FightersOut < PlayerCountIdx) {
        if (On(MusicOn)) PlaySoundLooping(15);
        return;
    }
    StopSound(15);
    CourseBanner = True;
    CourseBannerFrame = 0;
    CourseBannerX = 640;
    const bool lost = On(Out[0]);
    PlaySound(lost ? 17 : 16);
    for (int n = 1;; ++n) {
        CourseBannerFrame = static_cast<int16_t>(n);
        if (n <= 32) CourseBannerX -= 16;
        else if (n >= 33 && n <= 36) CourseBannerX += 4;
        else if (n >= 38 && n <= 41) CourseBannerX -= 4;
        else if (n >= 43 && n <= 46) CourseBannerX += 2;
        else if (n >= 48 && n <= 51) CourseBannerX -= 2;
        if (n >= 100) {
            if (lost) {
                ResetStock();
                QuitRequested = True;
                CourseBanner = False;
                MenuPage = 0;
                CpuMode = False;
                Lumablit_Declarations_Test::WipeToBlack(0, 5, 25);
            } else {
                CPU_MODE::CreatureStruck = False;
                CPU_MODE::CreatureSpeed = 0;
                CPU_MODE::CreatureStruckFrame = 0;
                StageCount += 1;
                if (StageCount == 8) Main2::StaffRoll();
                FightersOut = 0;
                QuitRequested = True;
            }
            return;
        }
        Frame();
        DoEvents();
        DrawBattlefield();
    }
}

void SpecialRoundIntro() {
    StopSound(3);
    StopSound(15);
    PlaySound(2);
    RestartRound = True;
    SpecialShown = True;
    for (int n = 0; n < 100; ++n) {
        DrawBattlefield();
        Frame();
    }
    Out[2] = True;
    Out[3] = True;
}

}  // namespace Main_Module
