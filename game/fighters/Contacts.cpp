// The contact pass: stomps, hits, fighters pushing each other apart, coin pickup.
#include "coin/VSCoin.h"
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "fighters/Fighters.h"
#include "fighters/SuperMoves.h"
#include "match/DrawBattlefield.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "match/Random.h"
#include "match/SuperEffects.h"

#include <cmath>
#include <utility>

namespace PlayerModule {

using namespace Main_Module;
using VSCoin::CoinCount;
using VSCoin::CoinTaken;
using VSCoin::CoinX;
using VSCoin::CoinY;

namespace {

struct Pair {
    uint8_t a, b;
};
constexpr Pair kOrdered[] = {{0, 1}, {1, 0}, {2, 0}, {2, 1}, {0, 2}, {1, 2},
                             {3, 0}, {3, 1}, {3, 2}, {0, 3}, {1, 3}, {2, 3}};
constexpr int kOrderedCount[4] = {0, 2, 6, 12};
constexpr Pair kUnordered[] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};

bool Within(double v, double lo, double hi) { return v >= lo && v <= hi; }

bool Stomps(int a, int b) {
    return Within(PosX[a], PosX[b] - 32, PosX[b] + 32) && PosY[a] + 64 >= PosY[b] + 4 &&
           PosY[a] + 53 <= PosY[b] + 29;
}

bool Touches(int p, int q) {
    return Within(PosX[q], PosX[p] - 32, PosX[p] + 32) && Within(PosY[q], PosY[p] - 49, PosY[p] + 53);
}

bool PushBoxesTouch(int x, int y) {
    return Within(PosX[x], PosX[y] - 27, PosX[y] + 27) && Within(PosY[x], PosY[y] - 49, PosY[y] + 53);
}

bool TouchesCoin(int a, int k) {
    return Within(PosX[a], CoinX[k] - 32, CoinX[k] + 32) && PosY[a] + 64 >= CoinY[k] &&
           PosY[a] + 53 <= CoinY[k] + 29;
}

bool ObjectTouchesFighter0() {
    return Within(PosX[0], SuperObjectX - 32, SuperObjectX + 32) && PosY[0] + 64 >= SuperObjectY + 32 &&
           PosY[0] <= SuperObjectY + 64;
}

void AddGauge(int s, float amount) {
    float g = Gauge[s] + amount;
    Gauge[s] = g >= 100.0f ? 100.0f : g;
}

void PickUpCoins(int slot, int a) {
    for (int k = 0; k <= CoinCount && k < VSCoin::kMaxCoins; ++k) {
        if (On(CoinTaken[k])) continue;
        if (!(!On(SuperArmed[slot]) && BlinkTimer[a] == 0 && !On(Dying[a]))) break;
        if (TouchesCoin(a, k)) {
            CoinTaken[k] = True;
            PlaySound(20);
            CoinsHeld[a] += 1;
        }
    }
}

void DropCoins(int attacker, int victim) {
    int dropped = 0;
    const int limit = On(SuperArmed[attacker]) ? CoinCount / 3 : CoinCount / 6;
    for (int k = 0; k <= CoinCount && k < VSCoin::kMaxCoins; ++k) {
        if (CoinsHeld[victim] == 0) break;
        if (On(CoinTaken[k])) {
            CoinTaken[k] = False;
            CoinX[k] = PosX[attacker];
            CoinY[k] = PosY[attacker];
            CoinsHeld[victim] -= 1;
            dropped += 1;
        }
        if (dropped >= CoinsHeld[attacker] || dropped == limit) break;
    }
}

void VictimGaugeBonus(int victim) {
    if (!On(SpecialRound)) AddGauge(victim, 30);
    else if (victim != 1) AddGauge(victim, 5);
}

}  // namespace

void ResolveContacts(int slot) {
    Randomize();
    const int idx = PlayerCountIdx < 4 ? PlayerCountIdx : 3;
    for (int n = 0; n < kOrderedCount[idx]; ++n) {
        const int a = kOrdered[n].a, b = kOrdered[n].b;
        if (On(SuperObjectOn) && BlinkTimer[b] == 0 && ObjectTouchesFighter0()) ApplyHit(4, 0);
        bool skip = false;
        if (On(SuperArmed[a])) skip = SuperHitTests(a, b);
        if (!skip && Stomps(a, b)) ApplyHit(a, b);
        ScreenWideTest(a, b);
        if (On(CoinMode)) PickUpCoins(slot, a);
    }
    for (const Pair& pr : kUnordered) {
        const int p = pr.a, q = pr.b;
        if (On(SuperArmed[p]) && On(SpecialRound)) continue;
        if (!On(Out[p]) && !On(Out[q]) && !On(ContactDone[p]) && !On(ContactDone[q]) && Touches(p, q))
            BounceApart(p, q);
        ContactDone[p] = False;
        ContactDone[q] = False;
    }
    StageTerrain(slot);
}

void ApplyHit(int attacker, int victim) {
    if (BlinkTimer[victim] != 0) return;
    if (On(CoinMode) && attacker < kSlots) DropCoins(attacker, victim);
    if (attacker == 4) {
        FlashFrame(0x0000FF);
        SuperObjectOn = False;
        StrikeFlash[0] = 5;
        attacker = 1;
    }
    const bool armed = On(SuperArmed[attacker]);
    if (armed && Character[attacker] == 5) {
        VictimGaugeBonus(victim);
        PlaySound(32);
        Balloons[victim] = 1;
        StrikeFlash[victim] = 5;
        BlinkTimer[attacker] = 15;
        SuperFrame[attacker] = 1;
    } else if (armed) {
        ZoomTimer = 1;
        ZoomX = PosX[victim];
        ZoomY = PosY[victim];
        ZoomTarget = static_cast<uint8_t>(victim);
        Balloons[victim] = 1;
        FlashFrame(0x0000FF);
        const int ch = Character[attacker];
        if (ch != 1 && ch != 11 && ch != 12 && ch != 13) StrikeFlash[attacker] = 5;
        switch (ch) {
        case 4:
            TendonSequence(attacker);
            break;
        case 6:
            SichiseiSequence(attacker);
            BlinkTimer[attacker] = 2;
            break;
        case 8:
            StrikeFlash[victim] = 5;
            BlinkTimer[attacker] = 5;
            EndSuper(attacker);
            KamikazeSequence();
            break;
        case 9:
            TendonSequence(attacker);
            AfterHitTimer[attacker] = 4;
            PosX[attacker] = PosX[victim] + 35;
            PosY[attacker] = MovedPosY(PosY[victim], -10);
            break;
        case 10:
            FlashFrame(0xFFFFFF);
            break;
        default:
            break;
        }
        VictimGaugeBonus(victim);
    } else {
        ShakeFrame = 1;
        if (!On(SpecialRound)) {
            AddGauge(attacker, 15);
            AddGauge(victim, 5);
        } else {
            FlashFrame(0xFFFFFF);
            if (attacker != 1) AddGauge(attacker, 15);
            AddGauge(victim, 10);
        }
    }
    // The pop
    if (On(SpecialRound) && victim == 1) Balloons[victim] = 2;
    if (Balloons[victim] == 1) Dying[victim] = True;
    SuperRunning[victim] = False;
    SuperCooldown[victim] = 20;
    SuperArmed[victim] = False;
    SuperFrame[victim] = 0;
    if (Balloons[victim] > 0) Balloons[victim] -= 1;
    BlinkTimer[victim] = 40;
    JustHit[victim] = True;

    const int ch = Character[attacker];
    if (ch == 2 || ch == 3 || ch == 7) VelX[victim] = On(SuperFacing[attacker]) ? 20 : -20;

    if (!armed) {
        const float vy = VelY[attacker];
        const double vx = VelX[attacker];
        VelY[attacker] = -vy;
        VelX[attacker] = -vx;
        if (!On(OnGround[victim])) {
            VelY[victim] = vy * 2;
            VelX[victim] = vx * 2;
        } else {
            VelX[victim] = vx * 1.5;
        }
        ContactDone[victim] = True;
        ContactDone[attacker] = True;
    }
}

void BounceApart(int x, int y) {
    // Horizontal
    bool done = false;
    if (VelX[x] == 0 || VelX[y] == 0) {
        if (VelX[x] != 0) {
            VelX[y] = VelX[x];
            VelX[x] = -VelX[x] / 2;
            done = true;
        } else if (VelX[y] != 0) {
            VelX[x] = VelX[y];
            VelX[y] = -VelX[y] / 2;
            done = true;
        }
    }
    if (!done) {
        if ((VelX[x] > 0 && VelX[y] > 0) || (VelX[x] < 0 && VelX[y] < 0)) std::swap(VelX[x], VelX[y]);
        if (VelX[x] > 0 || VelX[y] > 0) {
            if (std::abs(VelX[x]) >= std::abs(VelX[y])) {
                VelX[x] = VelX[x] - VelX[y];
                VelX[y] = -VelX[y];
            } else {
                VelX[y] = VelX[y] - VelX[x];
                VelX[x] = -VelX[x];
            }
        }
    }
    // Vertical
    if (VelY[x] == 0 || VelY[y] == 0) {
        if (VelY[x] == 0) {
            VelY[x] = VelY[y];
            VelY[y] = -VelY[y];
        }
        if (VelY[y] == 0) {
            VelY[y] = VelY[x];
            VelY[x] = -VelY[x];
        }
    }
    if (VelY[x] != 0 && VelY[y] != 0) {
        const float oldX = VelY[x];
        VelY[x] = -VelY[y];
        VelY[y] = -oldX;
    }
    // Push apart
    if (!On(SuperArmed[x]) && !On(SuperArmed[y]) && PushBoxesTouch(x, y)) {
        if (PosX[x] >= PosX[y]) {
            PosX[x] += 12;
            PosX[y] -= 12;
        } else {
            PosX[x] -= 12;
            PosX[y] += 12;
        }
    }
}

}  // namespace PlayerModule
