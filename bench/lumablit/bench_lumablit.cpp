// Our blits and presentation side by side with SDL's software blitter on the same work:
// keyed 32x64 sprites, a 640x480 opaque copy, the 128x96 -> 640x480 zoom stretch, and the
// 8-bit frame converted to ARGB8888 through the palette. Prints ours/SDL ratios at the end.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "kernels.h"
#include "lumablit.h"

namespace {

constexpr int W = 640, H = 480;
constexpr int kSprites = 30;
constexpr int32_t kSrcCopy = 0xCC0020;
constexpr uint8_t kKey = 0;

// A 256x64 strip of eight 32x64 figures: a filled oval body on a transparent ground.
uint8_t SheetPixel(int x, int y) {
    const int cx = x % 32 - 16, cy = y - 32;
    const bool body = cx * cx * 4 + cy * cy < 32 * 32;
    return body ? uint8_t(1 + (x * 3 + y * 5) % 250) : kKey;
}
uint8_t BackgroundPixel(int x, int y) { return uint8_t((x / 8 + y / 8) * 7 + 3); }

struct SpritePos {
    int x, y, sx;
};
std::vector<SpritePos> Positions() {
    std::vector<SpritePos> p;
    for (int i = 0; i < kSprites; ++i) p.push_back({(i * 97) % (W - 32), (i * 61) % (H - 64), (i % 8) * 32});
    return p;
}

struct Ours {
    int32_t sheet = 0, background = 0, zoomSource = 0;
    Ours() {
        ddSetHost(nullptr);
        ddSetBitDepth(8);
        ddInit(1, W, H, 5);
        sheet = Make(256, 64, SheetPixel);
        ddSetColorKey(sheet, kKey);
        background = Make(W, H, BackgroundPixel);
        zoomSource = Make(128, 96, BackgroundPixel);
    }
    template <class F>
    static int32_t Make(int w, int h, F f) {
        const int32_t s = ddCreateSurface(w, h);
        std::vector<uint8_t> px(size_t(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) px[size_t(y) * w + x] = f(x, y);
        ddSetSurfaceData(px.data(), int32_t(px.size()), s);
        return s;
    }
};

struct Sdl {
    SDL_Palette* palette = SDL_AllocPalette(256);
    SDL_Surface *sheet, *background, *zoomSource, *back, *screen;
    Sdl() {
        std::vector<SDL_Color> colours(256);
        for (int i = 0; i < 256; ++i) colours[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 255};
        SDL_SetPaletteColors(palette, colours.data(), 0, 256);
        sheet = Make(256, 64, SheetPixel);
        SDL_SetColorKey(sheet, SDL_TRUE | SDL_RLEACCEL, kKey);
        background = Make(W, H, BackgroundPixel);
        zoomSource = Make(128, 96, BackgroundPixel);
        back = Make(W, H, BackgroundPixel);
        screen = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, SDL_PIXELFORMAT_ARGB8888);
    }
    template <class F>
    SDL_Surface* Make(int w, int h, F f) {
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 8, SDL_PIXELFORMAT_INDEX8);
        SDL_SetSurfacePalette(s, palette);  // one shared palette: 8-bit blits copy indices
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) static_cast<uint8_t*>(s->pixels)[y * s->pitch + x] = f(x, y);
        return s;
    }
};

Ours& OurSide() {
    static Ours o;
    return o;
}
Sdl& SdlSide() {
    static Sdl s;
    return s;
}

void SpritesOurs(benchmark::State& state) {
    Ours& o = OurSide();
    const auto pos = Positions();
    for (auto _ : state)
        for (const auto& p : pos) ddSafeBltFast(0, p.x, p.y, 32, 64, W, H, o.sheet, p.sx, 0, 256, 64, -1);
}
void SpritesSdl(benchmark::State& state) {
    Sdl& s = SdlSide();
    const auto pos = Positions();
    for (auto _ : state)
        for (const auto& p : pos) {
            SDL_Rect from{p.sx, 0, 32, 64}, to{p.x, p.y, 32, 64};
            if (SDL_BlitSurface(s.sheet, &from, s.back, &to) != 0) state.SkipWithError(SDL_GetError());
        }
}
void OpaqueOurs(benchmark::State& state) {
    Ours& o = OurSide();
    for (auto _ : state) ddBltFast(0, 0, 0, W, H, o.background, 0, 0, 0);
}
void OpaqueSdl(benchmark::State& state) {
    Sdl& s = SdlSide();
    for (auto _ : state)
        if (SDL_BlitSurface(s.background, nullptr, s.back, nullptr) != 0) state.SkipWithError(SDL_GetError());
}
void StretchOurs(benchmark::State& state) {
    Ours& o = OurSide();
    for (auto _ : state) ddBltFX(0, 0, 0, W, H, o.zoomSource, 0, 0, 128, 96, kSrcCopy, 0);
}
void StretchSdl(benchmark::State& state) {
    Sdl& s = SdlSide();
    for (auto _ : state) {
        // SDL_BlitScaled refuses indexed surfaces; this is the nearest-pixel stretch it
        // uses for equal formats.
        SDL_Rect from{0, 0, 128, 96};
        if (SDL_SoftStretch(s.zoomSource, &from, s.back, nullptr) != 0) state.SkipWithError(SDL_GetError());
    }
}
void PresentOurs(benchmark::State& state) {
    Ours& o = OurSide();
    std::vector<uint8_t> frame(size_t(W) * H), argb(size_t(W) * H * 4);
    ddGetSurfaceData(frame.data(), int32_t(frame.size()), o.background);
    LumablitPaletteEntry palette[256];
    for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    uint32_t lut[256];
    for (auto _ : state) {
        lb::PaletteToArgb(palette, lut);
        lb::ConvertToArgb(frame.data(), W, 8, W, H, lut, argb.data(), W * 4);
        benchmark::DoNotOptimize(argb.data());
    }
}
void PresentSdl(benchmark::State& state) {
    Sdl& s = SdlSide();
    for (auto _ : state) {
        if (SDL_BlitSurface(s.background, nullptr, s.screen, nullptr) != 0) state.SkipWithError(SDL_GetError());
        benchmark::DoNotOptimize(s.screen->pixels);
    }
}

class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const char* pairs[] = {"sprites", "opaque", "stretch", "present"};
    benchmark::RegisterBenchmark("sprites/ours", SpritesOurs);
    benchmark::RegisterBenchmark("sprites/sdl", SpritesSdl);
    benchmark::RegisterBenchmark("opaque/ours", OpaqueOurs);
    benchmark::RegisterBenchmark("opaque/sdl", OpaqueSdl);
    benchmark::RegisterBenchmark("stretch/ours", StretchOurs);
    benchmark::RegisterBenchmark("stretch/sdl", StretchSdl);
    benchmark::RegisterBenchmark("present/ours", PresentOurs);
    benchmark::RegisterBenchmark("present/sdl", PresentSdl);
    benchmark::Initialize(&argc, argv);
    Collector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nours / SDL (CPU time ratio, lower is faster):\n");
    for (const char* p : pairs) {
        const auto ours = reporter.times.find(std::string(p) + "/ours");
        const auto sdl = reporter.times.find(std::string(p) + "/sdl");
        if (ours != reporter.times.end() && sdl != reporter.times.end() && sdl->second > 0)
            std::printf("  %-8s %.3f\n", p, ours->second / sdl->second);
    }
    ddQuit();
    benchmark::Shutdown();
    return 0;
}
