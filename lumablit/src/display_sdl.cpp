// The SDL display device: a renderer with a streaming texture on the game's window. Full
// screen is the desktop full screen with the picture scaled to fit (nearest pixels, aspect
// kept, black borders); windowed sets the window's client size.
#include <SDL.h>

#include <algorithm>
#include <set>
#include <utility>

#include "internal.h"
#include "kernels.h"

namespace lb {
namespace {

class SdlDevice final : public Device {
public:
    SdlDevice(SDL_Window* window, SDL_Renderer* renderer, bool ownRenderer)
        : window_(window), renderer_(renderer), ownRenderer_(ownRenderer) {}

    ~SdlDevice() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (ownRenderer_) SDL_DestroyRenderer(renderer_);
    }

    bool EnterMode(int32_t w, int32_t h, bool fullScreen) override {
        fullScreen_ = fullScreen;
        SDL_GetWindowSize(window_, &oldW_, &oldH_);
        SDL_GetWindowPosition(window_, &oldX_, &oldY_);
        entered_ = true;  // from here on LeaveMode puts the window back
        if (fullScreen) {
            // Cover the display first: without a window manager the full-screen request
            // alone leaves the window at its old size while SDL draws for the whole screen.
            SDL_Rect bounds{};
            const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
            if (SDL_GetDisplayBounds(display, &bounds) == 0) {
                SDL_SetWindowPosition(window_, bounds.x, bounds.y);
                SDL_SetWindowSize(window_, bounds.w, bounds.h);
            }
            if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
        } else {
            SDL_SetWindowSize(window_, w, h);
        }
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        if (SDL_RenderSetLogicalSize(renderer_, w, h) != 0) return false;
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, w, h);
        if (!texture_) return false;
        SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
        w_ = w;
        h_ = h;
        return true;
    }

    void LeaveMode() override {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = nullptr;
        if (!entered_) return;
        entered_ = false;
        if (!ownRenderer_) SDL_RenderSetLogicalSize(renderer_, 0, 0);
        if (fullScreen_) SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowSize(window_, oldW_, oldH_);
        SDL_SetWindowPosition(window_, oldX_, oldY_);
    }

    bool Show(const Surface& primary, const LumablitPaletteEntry* palette) override {
        if (!texture_) return false;
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return false;
        uint32_t lut[256];
        if (primary.bits == 8) PaletteToArgb(palette, lut);
        ConvertToArgb(primary.pixels.data(), primary.pitch, primary.bits, std::min(primary.w, w_),
                      std::min(primary.h, h_), lut, static_cast<uint8_t*>(pixels), pitch);
        SDL_UnlockTexture(texture_);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
        return true;
    }

    void WaitRefresh(bool end) override {
        SDL_DisplayMode mode{};
        int hz = 60;
        if (SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0) hz = mode.refresh_rate;
        const uint64_t freq = SDL_GetPerformanceFrequency();
        const uint64_t period = freq / uint64_t(hz);
        if (period == 0) return;
        const uint64_t now = SDL_GetPerformanceCounter();
        uint64_t target = (now / period + 1) * period;
        if (end) target += period / 20;
        const uint64_t wait = target - now;
        const uint32_t ms = uint32_t(wait * 1000 / freq);
        if (ms > 1) SDL_Delay(ms - 1);
        while (SDL_GetPerformanceCounter() < target) {
        }
    }

    void ListModes(std::vector<std::array<int32_t, 3>>& modes) override {
        std::set<std::pair<int, int>> sizes;
        const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
        const int n = SDL_GetNumDisplayModes(display);
        for (int i = 0; i < n; ++i) {
            SDL_DisplayMode m{};
            if (SDL_GetDisplayMode(display, i, &m) == 0) sizes.insert({m.w, m.h});
        }
        if (sizes.empty()) sizes.insert({640, 480});
        // Any depth works: surfaces are converted when they are shown.
        for (const auto& s : sizes)
            for (int32_t bits : {8, 16, 24, 32}) modes.push_back({s.first, s.second, bits});
    }

private:
    SDL_Window* window_;
    SDL_Renderer* renderer_;
    bool ownRenderer_;
    SDL_Texture* texture_ = nullptr;
    bool fullScreen_ = false, entered_ = false;
    int oldW_ = 0, oldH_ = 0, oldX_ = 0, oldY_ = 0, w_ = 0, h_ = 0;
};

}  // namespace

std::unique_ptr<Device> MakeSdlDevice(void* sdlWindow) {
    SDL_Window* window = static_cast<SDL_Window*>(sdlWindow);
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    bool own = false;
    if (!renderer) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer) return nullptr;
        own = true;
    }
    return std::make_unique<SdlDevice>(window, renderer, own);
}

int32_t SdlDesktopBits() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return 0;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
    const int bytes = SDL_BYTESPERPIXEL(mode.format);
    return bytes >= 1 && bytes <= 4 ? bytes * 8 : 0;
}

}  // namespace lb
