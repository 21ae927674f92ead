// The solid shapes of each battlefield as the fighters feel them.
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "fighters/Fighters.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "match/Random.h"

#include <cstddef>

namespace PlayerModule {

namespace {

struct Block {
    double l, rt, rs, r;    // left edge, right-face test edge and stop, right end of top/underside
    double t, tl, b;        // top, landing line, bottom
    int16_t landY;
};
constexpr Block kStage0[] = {{204, 448, 437, 437, 243, 240, 272, 178}};
constexpr Block kStage1[] = {{268, 372, 373, 372, 243, 240, 272, 178},
                             {460, 564, 565, 564, 163, 160, 192, 98},
                             {72, 176, 177, 176, 323, 320, 352, 258}};
constexpr Block kStage4[] = {{268, 372, 373, 372, 303, 300, 332, 238}};

void Default(int s) {
    OnGround[s] = False;
    NoFlap[s] = True;
}

void Land(int s, int16_t y) {
    PosY[s] = y;
    VelY[s] = 0;
    OnGround[s] = True;
    NoFlap[s] = False;
}

void Ceiling(int s) {
    if (On(Captured[s]) || PosY[s] + VelY[s] > 0) return;
    PosY[s] = 0;
    VelY[s] = static_cast<int>(Main_Module::Rnd() * 5 + 1) >= 4 ? 15.0f : 5.0f;
}

bool SuperPassesThrough(int s) { return On(SuperArmed[s]) && Character[s] == 5; }

bool PitWalls(int s) {
    if (180 + VelX[s] <= PosX[s] && PosX[s] <= 180 && PosY[s] + 64 >= 451) {
        PosX[s] = 180;
        VelX[s] = 2;
        return true;
    }
    if (426 <= PosX[s] && PosX[s] <= 426 + VelX[s] && PosY[s] > 386 && PosY[s] <= 480) {
        PosX[s] = 425;
        VelX[s] = -2;
        return true;
    }
    return false;
}

bool Ground(int s) {
    if (static_cast<float>(PosY[s]) < 384.0f - VelY[s] + 2.0f) return false;
    Land(s, 386);
    return true;
}

bool BlockRules(int s, const Block& k) {
    const double x = PosX[s], vx = VelX[s];
    const int y = PosY[s];
    const float vy = VelY[s];
    const bool inRange = x + 32 >= k.l && x <= k.r;
    if (vx >= 0 && vx >= vy && x + 32 >= k.l && (x <= k.l || x + vx <= k.l + 32) && y + 64 >= k.t &&
        y + 4 <= k.b + vy) {
        PosX[s] = k.l - 32;
        VelX[s] = -1;
        return true;
    }
    if (vx < 0 && vx >= vy && x + 32 >= k.rt && x <= k.rt && y + 64 >= k.t && y + 4 <= k.b) {
        PosX[s] = k.rs;
        VelX[s] = 1;
        return true;
    }
    if (vy >= 0 && inRange && y + 64 >= k.tl && y + 4 <= k.b) {
        Land(s, k.landY);
        return true;
    }
    if (vy < 0 && inRange && y + 64 >= k.t && y + 4 <= k.b) {
        if (BlinkTimer[s] == 0) {
            BlinkTimer[s] = 20;
            JustHit[s] = True;
            if (Balloons[s] > 0) Balloons[s] -= 1;
            VelY[s] = 5;
        } else {
            VelY[s] = 2;
        }
        PosY[s] = static_cast<int16_t>(k.b);
        return true;
    }
    return false;
}

template <std::size_t N>
bool Blocks(int s, const Block (&blocks)[N]) {
    for (const Block& k : blocks)
        if (BlockRules(s, k)) return true;
    return false;
}

bool Pillar(int s) {
    const double x = PosX[s], vx = VelX[s];
    const int y = PosY[s];
    const float vy = VelY[s];
    const bool faceTest = vx >= vy && x + 32 >= 137 && (x <= 128 || x + vx <= 160) && y + 32 > 255;
    if (vx >= 0 && faceTest) {
        PosX[s] = 135;
        VelX[s] = -1;
        return true;
    }
    if (vx < 0 && faceTest) {
        PosX[s] = 162;
        VelX[s] = 1;
        return true;
    }
    if (vy >= 0 && x + 32 >= 128 && x <= 160 && y + 64 >= 256) {
        Land(s, 192);
        return true;
    }
    return false;
}

bool FallOut(int s, int line) {
    if (PosY[s] < line) return false;
    Main_Module::PlaySound(0);
    Dying[s] = True;
    LoseLife(s);
    return true;
}

void Stage0(int s) {
    Ceiling(s);
    if (SuperPassesThrough(s)) return;
    if (PitWalls(s)) return;
    if ((PosX[s] < 180 || PosX[s] > 426) && Ground(s)) return;
    if (Blocks(s, kStage0) || FallOut(s, 480)) return;
    Default(s);
}

void Stage1(int s) {
    Ceiling(s);
    if (SuperPassesThrough(s)) return;
    if (PitWalls(s)) return;
    if ((PosX[s] < 180 || PosX[s] > 426) && Ground(s)) return;
    if (Blocks(s, kStage1) || FallOut(s, 480)) return;
    Default(s);
}

void Stage3(int s) {
    Ceiling(s);
    if (SuperPassesThrough(s)) return;
    if (Ground(s) || FallOut(s, 448)) return;
    Default(s);
}

void Stage4(int s) {
    Ceiling(s);
    if (SuperPassesThrough(s)) return;
    if (Blocks(s, kStage4) || FallOut(s, 480)) return;
    Default(s);
}

void Stage5(int s) {
    if (!On(Dying[s]) && PosY[s] >= 480) {
        if (VelY[s] > 20) VelY[s] = 20;
        PosY[s] = -32;
        return;
    }
    if (PosY[s] <= -32) {
        if (VelY[s] > 20) VelY[s] = 20;
        PosY[s] = 480;
        return;
    }
    Default(s);
}

void Stage6(int s) {
    Ceiling(s);
    if (SuperPassesThrough(s)) return;
    if (Pillar(s)) return;
    if (PosY[s] >= 480) {
        PosY[s] = 0;
        return;
    }
    Default(s);
}

}  // namespace

void StageTerrain(int s) {
    switch (Main_Module::StageNumber) {
    case 0: Stage0(s); break;
    case 1: Stage1(s); break;
    case 3: Stage3(s); break;
    case 4: Stage4(s); break;
    case 5: Stage5(s); break;
    case 6: Stage6(s); break;
    default: break;
    }
}

}  // namespace PlayerModule
