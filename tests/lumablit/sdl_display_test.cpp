// The SDL display device on SDL's dummy video driver: full screen covers the display and
// scales with nearest pixels, windowed sets the client size, ddQuit gives the window back.
#include <SDL.h>

#include "support.h"

using namespace lbtest;

namespace {

constexpr int32_t kHwnd = 7;
SDL_Window* gWindow = nullptr;

class SdlDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
        gWindow = SDL_CreateWindow("test", 10, 20, 800, 600, SDL_WINDOW_SHOWN);
        ASSERT_NE(gWindow, nullptr) << SDL_GetError();
        gLog = HostLog{};
        LumablitHost host = RecordingHost();
        host.sdlWindow = [](int32_t w) -> void* { return w == kHwnd ? gWindow : nullptr; };
        ddSetHost(&host);
        ddSetBitDepth(8);
    }
    void TearDown() override {
        ddQuit();
        ddSetHost(nullptr);
        if (gWindow) SDL_DestroyWindow(gWindow);
        gWindow = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    static void ExpectWindowGivenBack() {
        int w = 0, h = 0;
        SDL_GetWindowSize(gWindow, &w, &h);
        EXPECT_EQ(w, 800);
        EXPECT_EQ(h, 600);
        EXPECT_EQ(SDL_GetWindowFlags(gWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
    }
};

TEST_F(SdlDisplay, FullScreenCoversTheDisplayWithNearestPixelsAndQuitGivesTheWindowBack) {
    SDL_Rect bounds{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &bounds), 0);
    ASSERT_EQ(ddInit(kHwnd, 640, 480, 5), 1);
    int w = 0, h = 0;
    SDL_GetWindowSize(gWindow, &w, &h);
    EXPECT_EQ(w, bounds.w);
    EXPECT_EQ(h, bounds.h);
    EXPECT_NE(SDL_GetWindowFlags(gWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
    SDL_Renderer* renderer = SDL_GetRenderer(gWindow);
    ASSERT_NE(renderer, nullptr);
    int lw = 0, lh = 0;
    SDL_RenderGetLogicalSize(renderer, &lw, &lh);
    EXPECT_EQ(lw, 640);
    EXPECT_EQ(lh, 480);

    // Left half entry 1 (red), right half entry 2 (blue): with nearest pixels the screen
    // holds the two colours only, meeting at the scaled middle, none mixed.
    std::vector<LumablitPaletteEntry> pal(256, LumablitPaletteEntry{0, 0, 0, 0});
    pal[1] = {255, 0, 0, 0};
    pal[2] = {0, 0, 255, 0};
    const int32_t palette = ddCreatePalette(pal.data());
    ASSERT_EQ(ddSetPalette(0, palette), 1);
    ASSERT_EQ(ddFillRect(0, 0, 0, 320, 480, 1), 1);
    ASSERT_EQ(ddFillRect(0, 320, 0, 640, 480, 2), 1);
    ASSERT_EQ(ddUpdateWindow(0), 1);
    int ow = 0, oh = 0;
    ASSERT_EQ(SDL_GetRendererOutputSize(renderer, &ow, &oh), 0);
    std::vector<uint32_t> screen(size_t(ow) * oh);
    SDL_Rect all{0, 0, ow, oh};
    SDL_RenderSetLogicalSize(renderer, 0, 0);  // read the whole output, borders included
    ASSERT_EQ(SDL_RenderReadPixels(renderer, &all, SDL_PIXELFORMAT_ARGB8888, screen.data(), ow * 4), 0)
        << SDL_GetError();
    SDL_RenderSetLogicalSize(renderer, 640, 480);
    const int row = oh / 2;
    int reds = 0, blues = 0, others = 0, lastRed = -1;
    for (int x = 0; x < ow; ++x) {
        const uint32_t p = screen[size_t(row) * ow + x] & 0xFFFFFF;
        if (p == 0xFF0000) {
            ++reds;
            lastRed = x;
        } else if (p == 0x0000FF) {
            ++blues;
        } else {
            ++others;
        }
    }
    const double scale = std::min(ow / 640.0, oh / 480.0);
    EXPECT_EQ(others, ow - int(640 * scale + 0.5)) << "only the side borders are neither colour";
    EXPECT_NEAR(reds, 320 * scale, 1.0);
    EXPECT_NEAR(blues, 320 * scale, 1.0);
    EXPECT_NEAR(lastRed, ow / 2.0 - 1, 1.0);

    EXPECT_EQ(ddQuit(), 1);
    ExpectWindowGivenBack();
    ddReleasePalette(palette);
}

TEST_F(SdlDisplay, WindowedClientAreaIsTheRequestedSizeUntilQuit) {
    ASSERT_EQ(ddInit(kHwnd, 640, 480, 4), 1);
    int w = 0, h = 0;
    SDL_GetWindowSize(gWindow, &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(SDL_GetWindowFlags(gWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);
    EXPECT_EQ(ddFillRect(0, 0, 0, 640, 480, 0x00FF00), 1);
    EXPECT_EQ(ddUpdateWindow(0), 1);
    EXPECT_EQ(ddQuit(), 1);
    ExpectWindowGivenBack();
}

}  // namespace
