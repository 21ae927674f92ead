// Library internals shared by the export files: objects, the handle table, display state.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "bmp.h"
#include "lumablit.h"

#define LB_EXPORT extern "C" __attribute__((visibility("default")))

namespace lb {

enum class Kind : uint8_t { Free, Surface, Palette, Bitmap, DC };

struct Object {
    virtual ~Object() = default;
};

struct Surface : Object {
    static constexpr Kind kKind = Kind::Surface;
    int32_t w = 0, h = 0;
    int32_t bits = 8;     // 8, 16, 24, 32
    int32_t bpp = 1;      // bytes per pixel
    int32_t pitch = 0;    // bytes per row
    std::vector<uint8_t> pixels;
    bool hasKey = false;
    uint32_t key = 0;
    int32_t palette = 0;  // attached palette (holds one reference)
    int32_t dc = 0;       // handed-out device context
    uint8_t* Row(int32_t y) { return pixels.data() + size_t(y) * size_t(pitch); }
    const uint8_t* Row(int32_t y) const { return pixels.data() + size_t(y) * size_t(pitch); }
};

struct Palette : Object {
    static constexpr Kind kKind = Kind::Palette;
    LumablitPaletteEntry entries[256]{};
    int32_t refs = 1;
};

struct Bitmap : Object {
    static constexpr Kind kKind = Kind::Bitmap;
    DecodedBitmap image;
};

struct DeviceContext : Object {
    static constexpr Kind kKind = Kind::DC;
    int32_t surface = 0;
};

// ---- Handle table: non-zero 32-bit handles naming live objects ----
int32_t NewHandle(Kind kind, std::unique_ptr<Object> object);
Object* LookupHandle(int32_t handle, Kind kind);
void FreeHandle(int32_t handle);
template <class T>
T* Get(int32_t handle) {
    return static_cast<T*>(LookupHandle(handle, T::kKind));
}

// ---- Pixel formats ----
inline uint32_t PixelMask(int32_t bits) { return bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1; }
inline uint32_t RgbToPixel(int32_t bits, uint8_t r, uint8_t g, uint8_t b) {
    if (bits == 16) return uint32_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    return uint32_t(r) << 16 | uint32_t(g) << 8 | b;  // 24 and 32
}
// Pixel value to 0xAARRGGBB (alpha 0xFF); 8-bit values go through the palette.
inline uint32_t PixelToArgb(int32_t bits, uint32_t v, const LumablitPaletteEntry* palette) {
    if (bits == 8) {
        const LumablitPaletteEntry& e = palette[v & 0xFF];
        return 0xFF000000u | uint32_t(e.red) << 16 | uint32_t(e.green) << 8 | e.blue;
    }
    if (bits == 16) {
        const uint32_t r = (v >> 11) & 31, g = (v >> 5) & 63, b = v & 31;
        return 0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    }
    return 0xFF000000u | (v & 0xFFFFFF);
}
inline uint32_t LoadPixel(const uint8_t* p, int32_t bpp) {
    switch (bpp) {
        case 1: return *p;
        case 2: return uint32_t(p[0] | p[1] << 8);
        case 3: return uint32_t(p[0] | p[1] << 8 | p[2] << 16);
        default: return uint32_t(p[0] | p[1] << 8 | p[2] << 16) | uint32_t(p[3]) << 24;
    }
}
inline void StorePixel(uint8_t* p, int32_t bpp, uint32_t v) {
    p[0] = uint8_t(v);
    if (bpp > 1) p[1] = uint8_t(v >> 8);
    if (bpp > 2) p[2] = uint8_t(v >> 16);
    if (bpp > 3) p[3] = uint8_t(v >> 24);
}

// Index of the entry holding exactly (r, g, b) (lowest index), else the nearest one.
int32_t MatchColor(const LumablitPaletteEntry* palette, uint8_t r, uint8_t g, uint8_t b);
const LumablitPaletteEntry* DefaultTable();
// Palette that colours on this surface are matched to: its own, the primary's, the default.
const LumablitPaletteEntry* MatchingPalette(const Surface& s);
// Pixel value on the surface for a colour 0x00BBGGRR.
uint32_t ColorOnSurface(const Surface& s, uint32_t colour);

// ---- Surfaces ----
std::unique_ptr<Surface> AllocSurface(int32_t w, int32_t h, int32_t bits);
void DestroySurface(int32_t handle);  // drops its palette and DC, frees the handle
void ReleasePaletteRef(int32_t palette);
// Bytes stored under a resource name, nullptr if none.
const std::vector<uint8_t>* FindResource(const char* name);

// ---- Display devices ----
class Device {
public:
    virtual ~Device() = default;
    // Full screen: the display mode; windowed: the window's client size. false on failure.
    virtual bool EnterMode(int32_t w, int32_t h, bool fullScreen) = 0;
    virtual void LeaveMode() = 0;
    // Shows the primary surface; palette is the one attached to it (or the default table).
    virtual bool Show(const Surface& primary, const LumablitPaletteEntry* palette) = 0;
    // Waits for the start (or end) of the next refresh.
    virtual void WaitRefresh(bool end) = 0;
    virtual void ListModes(std::vector<std::array<int32_t, 3>>& modes) = 0;
};
std::unique_ptr<Device> MakeMemoryDevice();
// nullptr when the window cannot take a renderer.
std::unique_ptr<Device> MakeSdlDevice(void* sdlWindow);
// Desktop bits per pixel, 0 when no SDL video is running.
int32_t SdlDesktopBits();

struct DisplayState {
    std::unique_ptr<Device> device;  // present from ddInit to ddQuit
    int32_t primary = 0, back = 0, repaint = 0;
    int32_t window = 0;
    int32_t modeChanged = 0, fullScreen = 0, modeX = 0;
    int16_t bitDepth = 8;
    int32_t lastResult = 0;
};
DisplayState& State();
const LumablitHost& Host();
uint32_t Ticks();

// Last presented frame (pixels in its own format, palette at presentation).
struct Frame {
    int32_t w = 0, h = 0, bits = 0;
    std::vector<uint8_t> pixels;
    LumablitPaletteEntry palette[256]{};
};
Frame& LastFrame();

// Surface argument of drawing calls (0 = back surface); nullptr if none.
Surface* DrawTarget(int32_t handle);
// Surface argument of palette and colour calls (0 = primary surface).
Surface* ColorTarget(int32_t handle);

}  // namespace lb
