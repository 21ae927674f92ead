// The display: ddInit, ddQuit, bit depth, last result, host hooks, the kept frame.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "internal.h"
#include "kernels.h"

namespace lb {
namespace {

LumablitHost gHost{};

constexpr int32_t kMaxDisplaySide = 8192;

void ReportInitError(const char* step) {
    ddQuit();
    const std::string text = std::string("Error in ") + step;
    if (gHost.messageBox)
        gHost.messageBox(text.c_str(), "Lumablit.Dll");
    else
        std::fprintf(stderr, "Lumablit.Dll: %s\n", text.c_str());
}

int32_t MakeDisplaySurface(int32_t w, int32_t h, int32_t bits) {
    auto s = AllocSurface(w, h, bits);
    return s ? NewHandle(Kind::Surface, std::move(s)) : 0;
}

bool SizeOk(int32_t w, int32_t h) {
    return w > 0 && h > 0 && w <= kMaxDisplaySide && h <= kMaxDisplaySide;
}

}  // namespace

DisplayState& State() {
    static DisplayState state;
    return state;
}

const LumablitHost& Host() { return gHost; }

uint32_t Ticks() {
    if (gHost.tickCount) return gHost.tickCount();
    using namespace std::chrono;
    static const steady_clock::time_point origin = steady_clock::now();
    return uint32_t(duration_cast<milliseconds>(steady_clock::now() - origin).count());
}

Frame& LastFrame() {
    static Frame frame;
    return frame;
}

Surface* DrawTarget(int32_t handle) { return Get<Surface>(handle ? handle : State().back); }
Surface* ColorTarget(int32_t handle) { return Get<Surface>(handle ? handle : State().primary); }

}  // namespace lb

using namespace lb;

LB_EXPORT void ddSetHost(const LumablitHost* host) { gHost = host ? *host : LumablitHost{}; }

LB_EXPORT int32_t ddSetBitDepth(int32_t bits) {
    const int16_t b = int16_t(bits & 0xFFFF);
    State().bitDepth = (b == 16 || b == 24 || b == 32) ? b : 8;
    return 1;
}

LB_EXPORT int32_t ddError(void) { return State().lastResult & 0xFFFF; }

LB_EXPORT int32_t ddInit(int32_t window, int32_t width, int32_t height, int32_t flags) {
    DisplayState& st = State();
    st.lastResult = 0;
    if (st.device || window == 0) return 0;
    st.window = window;
    st.modeChanged = 0;
    st.fullScreen = (flags & 3) ? 1 : 0;

    void* sdlWindow = gHost.sdlWindow ? gHost.sdlWindow(window) : nullptr;
    if (st.fullScreen) {
        if (gHost.showCursor) gHost.showCursor(0);
        st.device = sdlWindow ? MakeSdlDevice(sdlWindow) : MakeMemoryDevice();
        if (!st.device) {
            st.lastResult = LUMABLIT_ERR_INVALIDPARAMS;
            ReportInitError("DirectDraw Create");
            return 0;
        }
        if (!SizeOk(width, height) || !st.device->EnterMode(width, height, true)) {
            st.lastResult = LUMABLIT_ERR_INVALIDPARAMS;
            ReportInitError("SetDisplayMode\nTry 640 x 480; 8 bits");
            return 0;
        }
        st.modeChanged = 1;
        st.primary = MakeDisplaySurface(width, height, st.bitDepth);
        if (!st.primary) {
            st.lastResult = LUMABLIT_ERR_OUTOFMEMORY;
            ReportInitError("CreatePrimarySurface");
            return 0;
        }
        st.modeX = 0;
        st.back = MakeDisplaySurface(width, height, st.bitDepth);
        if (!st.back) {
            st.lastResult = LUMABLIT_ERR_OUTOFMEMORY;
            ReportInitError("GetBackSurface");
            return 0;
        }
        if (gHost.enableWindow) gHost.enableWindow(window, 0);
        return 1;
    }

    st.device = sdlWindow ? MakeSdlDevice(sdlWindow) : MakeMemoryDevice();
    if (!st.device) {
        st.lastResult = LUMABLIT_ERR_INVALIDPARAMS;
        ReportInitError("DirectDraw Create");
        return 0;
    }
    const int32_t bits = GetBitsPixel();
    if (!SizeOk(width, height) || !st.device->EnterMode(width, height, false) ||
        !(st.primary = MakeDisplaySurface(width, height, bits))) {
        st.lastResult = LUMABLIT_ERR_OUTOFMEMORY;
        ReportInitError("CreatePrimarySurface");
        return 0;
    }
    st.modeX = 0;
    st.back = MakeDisplaySurface(width, height, bits);
    if (!st.back) {
        st.lastResult = LUMABLIT_ERR_OUTOFMEMORY;
        ReportInitError("CreateBackSurface");
        return 0;
    }
    st.fullScreen = 0;
    return 1;
}

LB_EXPORT int32_t ddQuit(void) {
    DisplayState& st = State();
    if (st.primary) DestroySurface(st.primary);
    if (st.back) DestroySurface(st.back);
    st.primary = st.back = st.repaint = 0;
    if (st.device) {
        st.device->LeaveMode();  // also after a set-up that failed half-way
        st.modeChanged = 0;
        st.device.reset();
    }
    // Only undo what an earlier ddInit did: a second ddQuit leaves the cursor count alone.
    if (st.window) {
        if (st.fullScreen) {
            if (gHost.enableWindow) gHost.enableWindow(st.window, 1);
            if (gHost.showCursor) gHost.showCursor(1);
        }
    }
    st.window = 0;
    return 1;
}

LB_EXPORT int32_t ddGetFrame(uint8_t* rgb, int32_t capacity, int32_t* width, int32_t* height) {
    const Frame& f = LastFrame();
    if (width) *width = f.w;
    if (height) *height = f.h;
    if (f.w == 0 || !rgb) return 0;
    const int64_t need = int64_t(f.w) * f.h * 3;
    if (capacity < need) return 0;
    uint32_t lut[256];
    PaletteToArgb(f.palette, lut);
    std::vector<uint8_t> argb(size_t(f.w) * 4);
    const int32_t pitch = f.w * (f.bits / 8);
    for (int32_t y = 0; y < f.h; ++y) {
        ConvertToArgb(f.pixels.data() + size_t(y) * pitch, pitch, f.bits, f.w, 1, lut,
                      argb.data(), f.w * 4);
        uint8_t* o = rgb + size_t(y) * f.w * 3;
        for (int32_t x = 0; x < f.w; ++x) {
            uint32_t v;
            std::memcpy(&v, argb.data() + 4 * x, 4);
            o[3 * x] = uint8_t(v >> 16);
            o[3 * x + 1] = uint8_t(v >> 8);
            o[3 * x + 2] = uint8_t(v);
        }
    }
    return 1;
}
