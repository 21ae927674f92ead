// Flight physics and the choice of the picture cell.
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "fighters/Fighters.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "match/Rounding.h"
#include "shell/Settings.h"

#include <algorithm>
#include <cstdint>

namespace PlayerModule {

using Main_Module::GaugeRateSetting;
using Main_Module::SpecialRound;

namespace {

bool IsSpecialOpponent(int s) { return s == 1 && On(SpecialRound); }

int16_t BalloonRow(int s) { return Balloons[s] == 1 ? 64 : 0; }

struct HurtCells {
    int16_t x, yKept, yNone;  // hurt cell with balloons left / none left
    int16_t fall1, fall2, fallY;
};
constexpr HurtCells kCells[4] = {
    {32, 256, 320, 192, 224, 288},
    {0, 256, 320, 128, 160, 288},
    {96, 256, 320, 128, 160, 352},
    {64, 256, 320, 192, 224, 352},
};
constexpr HurtCells kSpecialCells = {288, 0, 0, 96, 128, 0};

const HurtCells& CellsOf(int s) { return IsSpecialOpponent(s) ? kSpecialCells : kCells[s]; }

void WrapX(int s) {
    if (PosX[s] <= -32) PosX[s] += 640;
    if (PosX[s] >= 640) PosX[s] -= 640;
}

}  // namespace

int16_t MovedPosY(int16_t posY, double step) {
    const int32_t y = RoundHalfEven(static_cast<double>(posY) + step);
    return static_cast<int16_t>(std::clamp<int32_t>(y, INT16_MIN, INT16_MAX));
}

void ApplyFlapAndGravity(int s) {
    const bool flap = On(InFlap[s]) || On(InFlapHold[s]);
    if (!flap) NoFlap[s] = True;
    if (flap) {
        if (!IsSpecialOpponent(s) && GaugeRateSetting != 3.0f) {
            float sum = Gauge[s] + GaugeRateSetting;
            Gauge[s] = sum >= 100.0f ? 100.0f : sum;
        }
        NoFlap[s] = False;
        OnGround[s] = False;
        if (Balloons[s] == 1 && VelY[s] >= -12.0f) VelY[s] -= 0.75f;
        else if (Balloons[s] == 2 && VelY[s] >= -12.0f) VelY[s] -= 1.5f;
        if (On(InRight[s])) {
            if (VelX[s] <= 0) VelX[s] += 2;
            if (VelX[s] <= 12) VelX[s] += 1;
        }
        if (On(InLeft[s])) {
            if (VelX[s] >= 0) VelX[s] -= 2;
            if (VelX[s] >= -12) VelX[s] -= 1;
        }
    }
    if (!On(OnGround[s]) && On(NoFlap[s])) {
        if (VelY[s] <= 13.0f) VelY[s] += 0.5f;
    }
    if (On(OnGround[s])) {
        if (On(InRight[s])) {
            if (VelX[s] <= 0) VelX[s] += 2;
            if (VelX[s] <= 12) VelX[s] += 0.5;
        }
        if (On(InLeft[s])) {
            if (VelX[s] >= 0) VelX[s] -= 2;
            if (VelX[s] >= -12) VelX[s] -= 0.5;
        }
    }
    InFlap[s] = False;
    InFlapHold[s] = False;
}

void ApplyGroundFriction(int s) {
    if (!On(OnGround[s]) || On(InLeft[s]) || On(InRight[s])) return;
    if (VelX[s] >= 0) VelX[s] = VelX[s] - 2 >= 0 ? VelX[s] - 2 : 0;
    if (VelX[s] < 0) VelX[s] = VelX[s] + 2 < 0 ? VelX[s] + 2 : 0;
}

void AnimateWalk(int s) {
    const double b = 192.0 * s;
    if (On(InLeft[s]) || On(InRight[s])) {
        if (Balloons[s] == 1 || Balloons[s] == 2) CellX[s] = CellX[s] == b + 32 ? b + 64 : b + 32;
    } else {
        CellX[s] = b;
    }
    CellY[s] = BalloonRow(s);
    if (On(FacingRight[s])) CellY[s] += 128;
}

void AnimateFlight(int s) {
    const bool flap = On(InFlap[s]) || On(InFlapHold[s]);
    if (IsSpecialOpponent(s)) {
        CellX[s] = flap ? (CellX[s] == 32 ? 64 : 32) : 0;
        CellY[s] = On(FacingRight[s]) ? 256 : 0;
        return;
    }
    const double b = 192.0 * s;
    if (flap) {
        if (Balloons[s] == 1 || Balloons[s] == 2) CellX[s] = CellX[s] == b + 96 ? b + 128 : b + 96;
    } else {
        CellX[s] = b + 160;
    }
    CellY[s] = BalloonRow(s);
    if (On(FacingRight[s])) CellY[s] += 128;
}

void ShowHurtCell(int s) {
    JustHit[s] = False;
    Main_Module::PlaySound(0);
    const HurtCells& c = CellsOf(s);
    CellX[s] = c.x;
    CellY[s] = Balloons[s] == 0 ? c.yNone : c.yKept;
    if (!On(SpecialRound) && On(FacingRight[s])) CellY[s] += 128;
}

void DeathFall(int s) {
    const HurtCells& c = CellsOf(s);
    CellX[s] = CellX[s] == c.fall2 ? c.fall1 : c.fall2;
    CellY[s] = c.fallY;
    if (FallFrame[s] >= 15) FallSpeed[s] += 1;
    if (FallFrame[s] == 0) {
        BlinkOffset[s] = 0;
        FallSpeed[s] -= 5;
    } else if (FallFrame[s] == 1) {
        FallSpeed[s] -= 4;
    } else if (FallFrame[s] == 2) {
        FallSpeed[s] -= 3;
    }
    if (PosY[s] >= 800) {
        LoseLife(s);
        return;
    }
    PosX[s] += VelX[s];
    PosY[s] = MovedPosY(PosY[s], FallSpeed[s]);
    WrapX(s);
    if (FallFrame[s] < 255) FallFrame[s] += 1;  // a very long fall keeps counting as late
}

}  // namespace PlayerModule
