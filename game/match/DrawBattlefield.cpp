// The battlefield renderer: every layer of a match frame, the pause loop and the hit zoom.
#include "match/DrawBattlefield.h"

#include "coin/VSCoin.h"
#include "cpu/CpuMode.h"
#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "match/Hud.h"
#include "match/MatchState.h"
#include "match/Random.h"
#include "match/SuperEffects.h"
#include "pictures/Surfaces.h"
#include "platform/platform.h"
#include "shell/Settings.h"
#include "shell/SuperModule.h"

#include <initializer_list>

namespace Main_Module {

namespace {

using namespace PlayerModule;
using namespace CPU_MODE;
using namespace Main2;
using Lumablit_Declarations_Test::BlitFX;
using Lumablit_Declarations_Test::BlitKeyed;
using Lumablit_Declarations_Test::BlitOpaque;

void Background() {
    const int y = ShakeFrame != 0 ? -2 : 0;
    ShakeFrame = 0;
    BlitOpaque(SurfStage, 0, 0, 0, 640, 480, 0, y);
}

void SuperBackdrops() {
    if (On(SuperInProgress)) BlitOpaque(SurfTENDON, 0, 0, 0, 640, 480, 0, 0);
    if (On(SuperBackdropAlt)) BlitOpaque(SurfTENDON3, 0, 0, 0, 640, 480, 0, 0);
}

void ThrownObject() {
    if (!On(SuperObjectOn)) return;
    BlitKeyed(SurfTukkomiSheet, 0, 256, 0, 32, 64, SuperObjectX, SuperObjectY);
    SuperObjectX -= 20;
    if (SuperObjectY < PosY[0]) {
        SuperObjectY += 5;
        if (SuperObjectY > PosY[0]) SuperObjectY -= 5;
    } else if (SuperObjectY > PosY[0]) {
        SuperObjectY -= 5;
    }
    if (SuperObjectX > 640) SuperObjectX = 0;
    if (SuperObjectX < 0) SuperObjectX = 640;
    if (SuperObjectY > 480) SuperObjectY = 0;
    if (SuperObjectY < 0) SuperObjectY = 480;
}

void Coins() {
    if (!On(CoinMode)) return;
    using namespace VSCoin;
    const int cellX = CoinSpin == 3 ? 64 : (CoinSpin == 2 || CoinSpin == 4) ? 32 : 0;
    for (int k = 0; k <= CoinCount && k < kMaxCoins; ++k)
        if (!On(CoinTaken[k])) BlitKeyed(SurfCoin, 0, cellX, 0, 32, 32, CoinX[k], CoinY[k]);
}

void Creature() {
    int cellX = -1;
    if (On(CreatureStruck)) {
        if (CreatureStruckFrame == 1 || CreatureStruckFrame == 3) ddFillRect(0, 0, 0, 640, 480, ddColor(0xFFFFFF));
        if (CreatureStruckFrame > 90) cellX = 320;
        else cellX = On(CreatureBlink) ? 256 : 192;
    } else if (CreatureJump >= 18) {
        cellX = 128;
    } else if (CreatureJump >= 16) {
        cellX = 64;
    } else if (CreatureJump >= 1) {
        cellX = 0;
    }
    if (cellX >= 0) BlitKeyed(SurfTukkomi2, 0, cellX, 0, 64, 64, CreatureX, CreatureY);
}

void FighterCopy(int32_t sheet, double cx, double cy, double x, double y) {
    BlitKeyed(sheet, 0, cx, cy, 32, 64, x, y);
    if (x < 0) BlitKeyed(sheet, 0, cx, cy, 32, 64, x + 640, y);
    if (x + 32 > 640) BlitKeyed(sheet, 0, cx, cy, 32, 64, x - 640, y);
}

void Fighters() {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) {
        if (!On(Out[i])) {
            const bool special = i == 1 && On(SpecialRound);
            const int32_t sheet = special ? SurfTukkomiSheet : SurfCharSheet;
            const double cy = special ? CellY[i] : CellY[i] + BlinkOffset[i];
            FighterCopy(sheet, CellX[i], cy, PosX[i], PosY[i]);
            if (Character[i] == 5 && On(SuperArmed[i]))
                for (int k = 3; k >= 0; --k) BlitKeyed(sheet, 0, CellX[i], cy, 32, 64, TrailX[i][k], TrailY[i][k]);
        }
        DrawFighterEffects(i);
    }
}

void ForegroundPieces() {
    for (int i = 0; i < kSlots; ++i)
        if (On(SuperArmed[i])) return;
    if (StageNumber == 0 || StageNumber == 1) {
        const int a = StageNumber == 0 ? 0 : 128, b = StageNumber == 0 ? 0 : 2;
        BlitKeyed(SurfHAIKEI, 0, a, 192, 128, 64, 192, 449 - b);
        BlitKeyed(SurfHAIKEI, 0, a, 192, 128, 64, 320, 449 - b);
        BlitOpaque(SurfHAIKEI, 0, a, 160, 128, 32, 448, 448);
        BlitOpaque(SurfHAIKEI, 0, a, 160, 128, 32, 64, 448);
    } else if (StageNumber == 4) {
        for (int x = 0; x <= 640; x += 128) BlitKeyed(SurfHAIKEI, 0, 128, 192, 128, 64, x, 447);
    }
}

void HitZoom() {
    if (ZoomTimer == 0) return;
    const int t = ZoomTarget < kSlots ? ZoomTarget : 0;
    ZoomX = PosX[t] - 48;
    ZoomY = static_cast<int16_t>(PosY[t] - 16);
    if (ZoomX < 0) ZoomX = 0;
    if (ZoomY < 0) ZoomY = 0;
    if (ZoomX + 128 > 640) ZoomX = 512;
    if (ZoomY + 96 > 480) ZoomY = 352;
    if (ZoomTimer >= 1) BlitFX(ddGetBackSurface(), 0, ZoomX, ZoomY, 128, 96, 640, 480, 0, 0, 0);
    ZoomTimer = ZoomTimer == 4 ? 0 : ZoomTimer + 1;
}

void ComposeFrame() {
    Background();
    SuperBackdrops();
    DrawScenery();
    DrawHud();
    ThrownObject();
    Coins();
    Creature();
    Fighters();
    DrawIntroMessages();
    DrawResultBanners();
    ForegroundPieces();
    HitZoom();
    if (On(Paused)) BlitKeyed(SurfCHR_2, 0, 128, 448, 291, 72, 170, 180);
    if (On(RestartRound)) BlitKeyed(SurfNEW, 0, 0, 0, 640, 480, 0, 0);
    ddUpdateWindow(0);
}

// The scenery rows (large and small pieces) of a stage, or null when it has none.
const int* SceneryRows(int stage) {
    static constexpr int kNightRows[4] = {110, 155, 40, 195};
    static constexpr int kDayRows[4] = {280, 120, 75, 205};
    static constexpr int kStage6Rows[4] = {210, 120, 75, 205};
    switch (stage) {
    case 0: case 4: return kNightRows;
    case 1: case 3: return kDayRows;
    case 6: return kStage6Rows;
    default: return nullptr;
    }
}

}  // namespace

void FlashFrame(int32_t rgb) {
    ddFillRect(0, 0, 0, 640, 480, ddColor(rgb));
    ddUpdateWindow(0);
}

void DrawScenery() {
    if (StageNumber == 5) {
        for (int cellX : {0, 32}) {
            const double x = static_cast<int>(Rnd() * 620 + 1);
            const double y = static_cast<int>(Rnd() * 480 + 1);
            BlitKeyed(SurfHAIKEI, 0, cellX, 292, 32, 32, x, y);
        }
        return;
    }
    // The step is worked out in double precision and the position stored back as Single.
    const double d = TimeOfDaySeconds() % 10;
    for (int i = 0; i <= 10; ++i) {
        SceneryX[i] = static_cast<float>(SceneryX[i] - (i <= 4 ? 1 + d / 10 : 0.5));
        if (SceneryX[i] < 0) SceneryX[i] = 640 - SceneryX[i];
    }
    const int* rows = SceneryRows(StageNumber);
    if (!rows) return;
    const int y0 = StageNumber == 0 ? 260 : 228;
    for (int j = 0; j < 4; ++j) BlitKeyed(SurfHAIKEI, 0, 64, y0, 32, 32, SceneryX[4 + j], rows[j]);
    for (int j = 0; j < 4; ++j) BlitKeyed(SurfHAIKEI, 0, 0, y0, 64, 32, SceneryX[j], rows[j]);
}

void DrawBattlefield() {
    for (;;) {
        ComposeFrame();
        if (!On(Paused)) break;
        SUPER_MODULE::WaitMs(FrameDelay);
        DoEvents();
    }
    if (ZoomTimer == 2) SUPER_MODULE::WaitMs(50);
}

}  // namespace Main_Module
