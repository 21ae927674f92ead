// What the picture set costs at start-up: unpacking every start-up picture, turning it into a
// surface and building the two sheets, against a plain copy of the same unpacked bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "lumablit.h"
#include "pictures/Embedded.h"
#include "pictures/Pictures.h"
#include "pictures/Surfaces.h"

namespace {

const char* const kStartupNames[] = {"CHR_1",       "CHR_2",      "READY0",     "READY1",   "HyperCOMBOBACK",
                                     "Flash",       "Lightning",  "SICHISEI",   "Nowloading", "HAIKEI",
                                     "Brabou",      "TENDON",     "TENDON2",    "Config",   "StageCRS",
                                     "StageSelect", "Kamikaze0",  "Kamikaze1",  "ScrollBack", "HELP",
                                     "TENDON3",     "Tukkomi2",   "STAFF_BACK", "STAFF",    "Coin",
                                     "VS_Coin",     "Tukkomi_VS", "NEW",        "Number"};

void Display() {
  static bool up = false;
  if (up) return;
  ddSetHost(nullptr);
  ddSetBitDepth(8);
  ddInit(1, 640, 480, 5);
  ddSetPalette(0, ddCreatePaletteFromFile(AEROTUSSLE_BIN_DIR "/pal.bmp"));
  up = true;
}

void ReleaseAll() {
  for (int32_t* s : {&Main2::SurfCHR_2, &Main2::SurfREADY[0], &Main2::SurfREADY[1], &Main2::SurfNowloading,
                     &Main2::SurfHAIKEI, &Main2::SurfBrabou, &Main2::SurfConfig, &Main2::SurfStageCRS,
                     &Main2::SurfStageSelect, &Main2::SurfScrollBack, &Main2::SurfHELP, &Main2::SurfTukkomi2,
                     &Main2::SurfSTAFF_BACK, &Main2::SurfSTAFF, &Main2::SurfCoin, &Main2::SurfVS_Coin,
                     &Main2::SurfNumber, &Main2::SurfCharSheet, &Main2::SurfTukkomiSheet}) {
    if (*s) ddReleaseSurface(*s);
    *s = 0;
  }
}

int64_t EmbeddedBytes(bool packed) {
  int64_t n = 0;
  for (int i = 0; i < Main2::kEmbeddedPictureCount; ++i)
    n += packed ? Main2::kEmbeddedPictures[i].packedSize : Main2::kEmbeddedPictures[i].size;
  return n;
}

// Start-up steps 12 to 14 of the program.
void BM_StartupPictures(benchmark::State& state) {
  Display();
  for (auto _ : state) {
    Main2::MakeStartupSurfaces(12);
    Main2::MakeStartupSurfaces(13);
    Main2::BuildSheets();
    benchmark::DoNotOptimize(Main2::SurfCharSheet);
    state.PauseTiming();
    ReleaseAll();
    state.ResumeTiming();
  }
  state.counters["embedded_packed_bytes"] = double(EmbeddedBytes(true));
  state.counters["embedded_unpacked_bytes"] = double(EmbeddedBytes(false));
}
BENCHMARK(BM_StartupPictures)->Unit(benchmark::kMillisecond);

// The sheets alone, from freshly made sources.
void BM_BuildSheets(benchmark::State& state) {
  Display();
  for (auto _ : state) {
    state.PauseTiming();
    Main2::MakeStartupSurfaces(12);
    Main2::MakeStartupSurfaces(13);
    state.ResumeTiming();
    Main2::BuildSheets();
    state.PauseTiming();
    ReleaseAll();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildSheets)->Unit(benchmark::kMillisecond);

// Unpacking alone.
void BM_UnpackStartupPictures(benchmark::State& state) {
  for (auto _ : state)
    for (const char* name : kStartupNames) benchmark::DoNotOptimize(Main2::PictureBytes(name));
}
BENCHMARK(BM_UnpackStartupPictures)->Unit(benchmark::kMillisecond);

// Reference: copying the same unpacked bitmaps and the sheets' bytes once.
void BM_ReferenceCopy(benchmark::State& state) {
  std::vector<std::vector<uint8_t>> src;
  size_t total = 1280 * 1280 + 640 * 512;
  for (const char* name : kStartupNames) {
    src.push_back(Main2::PictureBytes(name));
    total += src.back().size();
  }
  std::vector<uint8_t> dst(total);
  std::vector<uint8_t> sheets(1280 * 1280 + 640 * 512, 7);
  for (auto _ : state) {
    size_t at = 0;
    for (const auto& s : src) {
      std::memcpy(dst.data() + at, s.data(), s.size());
      at += s.size();
    }
    std::memcpy(dst.data() + at, sheets.data(), sheets.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(total));
}
BENCHMARK(BM_ReferenceCopy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
