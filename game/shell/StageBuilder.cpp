// The battlefield background of the chosen stage, painted once into SurfStage.
#include "shell/StageBuilder.h"

#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "match/MatchState.h"
#include "match/Random.h"
#include "pictures/Surfaces.h"

#include <initializer_list>

namespace Main2 {

namespace {

using Lumablit_Declarations_Test::BlitKeyed;
using Lumablit_Declarations_Test::BlitOpaque;
using Main_Module::Rnd;

struct Cell {
    int x, y, w, h;
};
constexpr Cell kNightSky{0, 0, 128, 128}, kDaySky{128, 0, 128, 128};
constexpr Cell kLargeStar{0, 292, 32, 32}, kSmallStar{32, 292, 32, 32};
constexpr Cell kMoon{96, 260, 32, 32}, kSun{96, 228, 32, 32};
constexpr Cell kNightSea{0, 128, 128, 64}, kDaySea{128, 128, 128, 64};
constexpr Cell kNightWater{0, 150, 128, 10}, kDayWater{128, 150, 128, 10};
constexpr Cell kNightRock{0, 160, 128, 32}, kDayRock{128, 160, 128, 32};

void Opaque(const Cell& c, int x, int y) { BlitOpaque(SurfHAIKEI, SurfStage, c.x, c.y, c.w, c.h, x, y); }
void Keyed(const Cell& c, int x, int y) { BlitKeyed(SurfHAIKEI, SurfStage, c.x, c.y, c.w, c.h, x, y); }

// Eleven pairs of stars at random places within the given ranges.
void Stars(int xRange, int largeY, int smallY) {
    for (int n = 0; n < 11; ++n) {
        const double r1 = Rnd(), r2 = Rnd();
        Opaque(kLargeStar, static_cast<int>(r1 * xRange + 1), static_cast<int>(r2 * largeY + 1));
        const double r3 = Rnd(), r4 = Rnd();
        Opaque(kSmallStar, static_cast<int>(r3 * xRange + 1), static_cast<int>(r4 * smallY + 1));
    }
}

// Two sea cells, then the plain water over their last rows.
void Sea(const Cell& sea, const Cell& water, int x1, int x2) {
    Opaque(sea, x1, 440);
    Opaque(sea, x2, 440);
    Opaque(water, x1, 470);
    Opaque(water, x2, 470);
}

void GroundWithPit(const Cell& rock, const Cell& sea, const Cell& water) {
    for (int x : {0, 64, 512, 448}) Opaque(rock, x, 448);
    Sea(sea, water, 192, 320);
}

}  // namespace

void BuildStage() {
    using Main_Module::StageChoice;
    using Main_Module::StageNumber;
    Main_Module::Randomize();
    if (StageChoice == 2) StageChoice = 5;
    StageNumber = StageChoice;
    const bool night = StageNumber == 0 || StageNumber == 5;
    if (!(night || StageNumber == 1 || StageNumber == 3 || StageNumber == 4)) return;

    if (SurfStage != 0) ddReleaseSurface(SurfStage);
    SurfStage = ddCreateSurface(640, 480);
    for (int x = 0; x <= 640; x += 128)
        for (int y = 0; y <= 480; y += 128) Opaque(night ? kNightSky : kDaySky, x, y);

    switch (StageNumber) {
    case 0:
        Stars(610, 200, 400);
        Opaque(kMoon, 50, 50);
        GroundWithPit(kNightRock, kNightSea, kNightWater);
        Opaque(kNightRock, 192, 240);
        Opaque(kNightRock, 320, 240);
        break;
    case 1:
        Keyed(kSun, 50, 50);
        GroundWithPit(kDayRock, kDaySea, kDayWater);
        Opaque(kDayRock, 256, 240);
        Opaque(kDayRock, 448, 160);
        Opaque(kDayRock, 60, 320);
        break;
    case 4:
        Keyed(kSun, 50, 50);
        Sea(kDaySea, kDayWater, 192, 320);
        Sea(kDaySea, kDayWater, 0, 128);
        Sea(kDaySea, kDayWater, 320, 448);
        Sea(kDaySea, kDayWater, 416, 544);
        Opaque(kDayRock, 256, 300);
        break;
    case 3:
        Keyed(kSun, 50, 50);
        for (int x = 0; x <= 640; x += 64) Opaque(kDayRock, x, 448);
        break;
    case 5:
        Stars(620, 480, 480);
        Opaque(kMoon, 50, 50);
        break;
    }
}

}  // namespace Main2
