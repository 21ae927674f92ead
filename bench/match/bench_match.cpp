// Match frame cost: a busy frame composed by the renderer, and a whole headless versus round,
// each beside a plain 640x480 frame copy as the reference.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "fighters/FighterRecord.h"
#include "lumablit.h"
#include "match/DrawBattlefield.h"
#include "match/Match.h"
#include "match/MatchState.h"
#include "pictures/Pictures.h"
#include "platform/platform.h"
#include "shell/Controls.h"
#include "shell/PrepareFighters.h"
#include "shell/Settings.h"
#include "shell/StageBuilder.h"
#include "shell/StateDump.h"

namespace {

long g_frames = 0;

// Headless platform, memory display and the picture set, once per run.
void OpenGame(const std::string& script) {
    ddQuit();
    PlatformClose();
    PlatformOptions options;
    options.headless = true;
    options.scriptText = script;
    PlatformOpen(options);
    Main2::ResetAllModules();
    PlayerModule::SetKeyLayout();
    LumablitHost host{};
    host.tickCount = [] { return GetTickCount(); };
    host.presented = [] {
        ++g_frames;
        PlatformFramePresented();
    };
    ddSetHost(&host);
    ddInit(BattleFiledHwnd(), 640, 480, 5);
    Main2::MakeStartupSurfaces(12);
    Main2::MakeStartupSurfaces(13);
    Main2::BuildSheets();
    Main_Module::FrameDelay = 0;
    Main_Module::MusicOn = False;
}

void BM_FrameCopyReference(benchmark::State& state) {
    std::vector<uint8_t> a(640 * 480, 7), b(640 * 480);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size());
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameCopyReference);

// Four fighters, the hit zoom, the versus banner with a win tally, stage 0's foreground.
void BM_BusyMatchFrame(benchmark::State& state) {
    OpenGame("");
    using namespace Main_Module;
    using namespace PlayerModule;
    PlayerCountIdx = 3;
    StageChoice = 0;
    StockSetting = 6;
    Main2::BuildStage();
    Main2::PrepareFighters();
    for (int i = 0; i < 4; ++i) {
        PosX[i] = 100 + 130 * i;
        PosY[i] = static_cast<int16_t>(150 + 40 * i);
        Gauge[i] = 25.0f * i;
        Wins[i] = static_cast<uint8_t>(3 * i + 2);
        BlinkTimer[i] = 0;
    }
    VersusBanner = True;
    VersusBannerFrame = 60;
    VersusBannerPos[0] = 82;
    VersusBannerPos[1] = 248;
    VersusBannerPos[2] = 400;
    FightersOut = 3;
    Out[3] = True;
    for (auto _ : state) {
        ZoomTarget = 1;
        ZoomTimer = 3;  // a zoom frame without the hit-stop wait
        ShakeFrame = 1;
        DrawBattlefield();
    }
}
BENCHMARK(BM_BusyMatchFrame)->Unit(benchmark::kMicrosecond);

// A whole round: intro, fighter 1 walks into the pit, the result banner. Frames per second
// are reported as items per second.
void BM_HeadlessVersusRound(benchmark::State& state) {
    long frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        OpenGame("50 keydown " + std::to_string(65) + "\n");
        using namespace Main_Module;
        BattleMode = True;
        PlayerCountIdx = 1;
        StockSetting = 1;
        StageChoice = 0;
        Main2::BuildStage();
        Main2::PrepareFighters();
        g_frames = 0;
        state.ResumeTiming();
        RunMatch();
        frames += g_frames;
    }
    state.SetItemsProcessed(frames);
    state.counters["frames_per_round"] = benchmark::Counter(static_cast<double>(frames) / state.iterations());
}
BENCHMARK(BM_HeadlessVersusRound)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
