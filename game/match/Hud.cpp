#include "match/Hud.h"

#include <algorithm>

#include "coin/VSCoin.h"
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "match/BlitHelpers.h"
#include "match/MatchState.h"
#include "pictures/Surfaces.h"

namespace Main_Module {

namespace {

using namespace PlayerModule;
using Lumablit_Declarations_Test::BlitKeyed;
using Lumablit_Declarations_Test::BlitOpaque;
using Main2::SurfCHR_2;

struct Panel {
    int labelX, gauge, lives, wins;
};
constexpr Panel kPanels[4] = {{22, 3, 60, 0}, {170, 150, 210, 147}, {317, 298, 357, 357}, {467, 448, 507, 507}};

void Sheet(int sx, int sy, int w, int h, double dx, double dy) { BlitKeyed(SurfCHR_2, 0, sx, sy, w, h, dx, dy); }

void Labels() {
    for (int k = 0; k <= PlayerCountIdx && k < kSlots; ++k) Sheet(128 + 64 * k, 0, 64, 32, kPanels[k].labelX, -5);
}

void Lives(int i) {
    const int n = Stock[i];
    if (n <= 0) return;
    const int first = std::min(n, 4);
    const int second = n <= 4 ? 0 : std::min(n - 4, 4);
    const int x0 = kPanels[i].lives + 20;
    for (int k = 0; k < first; ++k) Sheet(32 * i, 0, 32, 32, x0 + 20 * k, -5);
    for (int k = 0; k < second; ++k) Sheet(32 * i, 0, 32, 32, x0 + 20 * k, 15);
}

// Winner piece of slot i: two rows of two in the sheet.
void WinnerPiece(int i, double x) { Sheet(128 + 192 * (i % 2), 32 + 64 * (i / 2), 192, 64, x, 215); }

void WinTally() {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) {
        for (int q = 0; q <= 25; ++q) {
            const int r = 5 * q;
            if (Wins[i] < r) continue;
            const int marks = std::min(Wins[i] - r, 5);
            for (int k = 0; k < marks; ++k) Sheet(32 * i, 448, 32, 32, kPanels[i].wins + 20 * (k + 1), 39 + 15 * q);
        }
    }
}

void VersusBannerPieces() {
    if (VersusBannerFrame >= 0) Sheet(0, 160, 256, 64, 200, VersusBannerPos[0]);
    if (VersusBannerFrame >= 28) Sheet(0, 32, 128, 64, VersusBannerPos[1], 152);
    if (VersusBannerFrame < 50) return;
    const double x = VersusBannerPos[2];
    if (!On(CoinMode)) {
        if (FightersOut == PlayerCountIdx) {
            for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i)
                if (!On(Out[i])) WinnerPiece(i, x);
        } else {
            Sheet(256, 160, 256, 64, x, 190);
        }
    } else {
        for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i)
            if (CoinsHeld[i] >= VSCoin::CoinTarget) WinnerPiece(i, x);
    }
}

}  // namespace

void DrawHud() {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) {
        Labels();
        const int g = kPanels[i].gauge;
        BlitOpaque(SurfCHR_2, 0, 384, 0, 106, 18, g + 17, 22);
        BlitOpaque(SurfCHR_2, 0, 384, 18, RoundHalfEven(Gauge[i]), 12, g + 20, 25);
        if (On(Out[i])) {
            Sheet(0, 96, 128, 32, kPanels[i].lives + 5, -3);
            continue;
        }
        if (On(SpecialRound) && i == 1) {
            Sheet(420, 416, 80, 32, 230, 0);
            return;
        }
        Lives(i);
    }
}

void DrawIntroMessages() {
    if (!On(IntroActive)) return;
    if (!On(CpuMode)) IntroRolling = True;
    if (On(CpuMode) && !On(IntroRolling)) {
        BannerSlide += 20;
        const double x = 640 - BannerSlide;
        if (StageCount < 7) Sheet(180, 335, 300, 52, x, 200);
        else if (StageCount == 7) Sheet(0, 335, 180, 52, x, 200);
        else Sheet(0, 388, 400, 51, x, 200);
        if (BannerSlide >= 1000) IntroRolling = True;
    }
    if (On(IntroRolling)) {
        BlitKeyed(Main2::SurfREADY[0], 0, 0, 0, IntroCounter, 209, 640 - IntroCounter, 100);
        if (IntroCounter >= 640) BlitKeyed(Main2::SurfREADY[1], 0, 0, 0, 260, 209, 1280 - IntroCounter, 100);
    }
}

void DrawResultBanners() {
    if (On(VersusBanner)) {
        WinTally();
        VersusBannerPieces();
    }
    if (On(CourseBanner) && CourseBannerFrame >= 0) {
        if (On(Out[0])) Sheet(0, 224, 400, 64, CourseBannerX, 190);  // the player lost
        else Sheet(0, 287, 444, 48, CourseBannerX, 190);             // stage cleared
    }
}

}  // namespace Main_Module
