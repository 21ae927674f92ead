// The per-frame fighter update and the loss of a life.
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "fighters/Fighters.h"
#include "fighters/SuperMoves.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "shell/Settings.h"

namespace PlayerModule {

using namespace Main_Module;

namespace {

struct StartPlace {
    double x;
    Flag facingRight;
    double cellX;
    int16_t cellY;
};
constexpr StartPlace kStart[4] = {
    {158, True, 160, 128},
    {450, False, 352, 0},
    {30, True, 512, 128},
    {580, True, 736, 0},
};
constexpr StartPlace kSpecialStart = {450, False, 32, 128};

void ClearInputs(int s) {
    InUp[s] = InLeft[s] = InRight[s] = InDown[s] = InFlap[s] = InFlapHold[s] = False;
}

void UpdateOne(int i) {
    if (On(SuperArmed[i])) ClearInputs(i);
    if (On(Captured[i]) || On(Out[i])) return;
    if (Balloons[i] == 0 && !On(JustHit[i])) {
        DeathFall(i);
        return;
    }
    if (Character[i] == 4 && SuperCooldown[i] == 0 && On(SuperArmed[i]) && !On(SuperInProgress)) {
        for (int k = 0; k <= PlayerCountIdx && k < kSlots; ++k) {
            VelX[k] = 0;
            VelY[k] = 0;
        }
        VelX[i] = On(SuperFacing[i]) ? 5 : -5;
    }
    if (!On(SuperArmed[i])) {
        if (VelX[i] > 20) VelX[i] = 20;
        if (VelX[i] < -20) VelX[i] = -20;
    }
    PosX[i] += VelX[i];
    PosY[i] = MovedPosY(PosY[i], VelY[i]);
    if (PosX[i] <= -32) PosX[i] += 640;
    if (PosX[i] >= 640) PosX[i] -= 640;
    ApplyGroundFriction(i);
    if (On(JustHit[i])) {
        ShowHurtCell(i);
    } else if (!On(SuperArmed[i])) {
        if (!On(OnGround[i])) AnimateFlight(i);
        else AnimateWalk(i);
    }
    ResolveContacts(i);
    if (BlinkTimer[i] != 0) {
        BlinkOffset[i] = BlinkOffset[i] == 512 ? 0 : 512;
        if (BlinkTimer[i] == 1) BlinkOffset[i] = 0;
        BlinkTimer[i] -= 1;
    }
    const bool specialOpponent = i == 1 && On(SpecialRound);
    if (!specialOpponent && GaugeRateSetting == 3.0f && SuperCooldown[i] == 0 && !On(SuperArmed[i]))
        Gauge[i] = Gauge[i] + 3.0f >= 100.0f ? 100.0f : Gauge[i] + 3.0f;  // never past full
    if (Gauge[i] == 100.0f && !On(GaugeFullSounded[i])) {
        GaugeFullSounded[i] = True;
        PlaySound(11);
    }
    if (On(SpecialRound) && Gauge[1] == 100.0f && !On(Out[1])) {
        Dying[1] = True;
        DeathFall(1);
    }
    if (specialOpponent && !On(Dying[1]) && On(InUp[1]) && On(InFlap[1]) && On(InFlapHold[1])) {
        SuperArmed[1] = True;
        SuperRunning[1] = True;
    }
    if (i != 2 && On(InUp[i]) && Gauge[i] == 100.0f && On(InFlap[i])) SuperArmed[i] = True;
    if (SuperCooldown[i] != 0) {
        SuperCooldown[i] -= 1;
        SuperArmed[i] = False;
    }
    if (On(SuperArmed[i]) && Gauge[i] == 100.0f && SuperCooldown[i] == 0 && !On(Dying[i]))
        SuperRunning[i] = True;
    if (On(SuperRunning[i])) RunSuperMove(i);
    if (On(InUp[i])) UpSeen[i] = True;
    ApplyFlapAndGravity(i);
}

}  // namespace

void UpdateFighters() {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) UpdateOne(i);
}

void LoseLife(int s) {
    if (!On(CoinMode)) Stock[s] -= 1;
    if (!(On(SuperArmed[s]) && Character[s] == 5)) StopSound(32);
    Dying[s] = False;
    if (Stock[s] == 0) {
        FightersOut += 1;
        Captured[s] = False;
        Out[s] = True;
        return;
    }
    const StartPlace& p = (s == 1 && On(SpecialRound)) ? kSpecialStart : kStart[s];
    FacingRight[s] = p.facingRight;
    PosX[s] = p.x;
    CellX[s] = p.cellX;
    CellY[s] = p.cellY;
    if (s == 1 && On(SpecialRound)) Stock[s] = 1;
    Captured[s] = False;
    SuperRunning[s] = False;
    SuperArmed[s] = False;
    SuperFrame[s] = 0;
    SuperCooldown[s] = 0;
    BlinkOffset[s] = 0;
    PosY[s] = 374;
    ClearInputs(s);
    OnGround[s] = False;
    Balloons[s] = 2;
    NoFlap[s] = False;
    JustHit[s] = False;
    BlinkTimer[s] = 20;
    FallFrame[s] = 0;
    FallSpeed[s] = 0;
    VelX[s] = 0;
    VelY[s] = 0;
}

}  // namespace PlayerModule
