// Display test pattern (aerotussle --test-pattern [--windowed]): colour bars, a palette strip,
// bouncing keyed sprites and a stretched window around one of them. Esc (or closing the
// window) ends it. Full screen draws 8-bit palette indices; a window has the desktop's depth,
// so there every entry becomes that entry's colour through ddColor.
#include <cmath>

#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "platform/platform.h"
#include "shell/SuperModule.h"

namespace {

constexpr int kBarCount = 8;
constexpr uint8_t kBars[kBarCount][3] = {
    {255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
    {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0},
};
constexpr int kBarBase = 1;     // 1..8: the bars
constexpr int kGreyBase = 16;   // 16..47: grey ramp
constexpr int kHueBase = 48;    // 48..255: hue wheel
constexpr int kSpriteKey = 255;

int32_t gPixel[256];  // pixel value of each palette entry on the display

int32_t Px(int index) { return gPixel[index & 0xFF]; }

void MakePalette(LumablitPaletteEntry* pal) {
    for (int i = 0; i < 256; ++i) pal[i] = {0, 0, 0, 0};
    for (int i = 0; i < kBarCount; ++i) pal[kBarBase + i] = {kBars[i][0], kBars[i][1], kBars[i][2], 0};
    for (int i = 0; i < 32; ++i) {
        const uint8_t g = static_cast<uint8_t>(i * 255 / 31);
        pal[kGreyBase + i] = {g, g, g, 0};
    }
    const int hues = 256 - kHueBase - 1;
    for (int i = 0; i < hues; ++i) {
        const double h = 6.0 * i / hues;
        const double f = h - std::floor(h);
        const uint8_t up = static_cast<uint8_t>(255 * f), down = static_cast<uint8_t>(255 * (1 - f));
        const uint8_t rgb[6][3] = {{255, up, 0}, {down, 255, 0}, {0, 255, up},
                                   {0, down, 255}, {up, 0, 255}, {255, 0, down}};
        const auto& c = rgb[static_cast<int>(h) % 6];
        pal[kHueBase + i] = {c[0], c[1], c[2], 0};
    }
    pal[kSpriteKey] = {255, 0, 128, 0};
}

// A 32x32 ball on the key colour.
int32_t MakeSprite(int colour) {
    const int32_t s = ddCreateSurface(32, 32);
    if (!s) return 0;
    ddFillRect(s, 0, 0, 32, 32, Px(kSpriteKey));
    for (int y = 0; y < 32; ++y) {
        const double dy = y - 15.5;
        const int half = static_cast<int>(std::sqrt(std::fmax(0.0, 15.5 * 15.5 - dy * dy)));
        ddFillRect(s, 16 - half, y, 16 + half, y + 1, Px(colour + (y < 12 ? 2 : 0)));
    }
    ddFillRect(s, 10, 8, 14, 12, Px(kBarBase));  // highlight
    ddSetColorKey(s, Px(kSpriteKey));
    return s;
}

void DrawFrame(const int32_t* sprites, int count, long frame) {
    ddClear(0, Px(0));
    const int barW = 640 / kBarCount;
    for (int i = 0; i < kBarCount; ++i) ddFillRect(0, i * barW, 0, (i + 1) * barW, 240, Px(kBarBase + i));
    for (int i = 0; i < 32; ++i) ddFillRect(0, i * 20, 240, i * 20 + 20, 270, Px(kGreyBase + i));
    for (int x = 0; x < 640; ++x) {
        const int index = kHueBase + (x + static_cast<int>(frame) * 2) % (256 - kHueBase - 1);
        ddFillRect(0, x, 270, x + 1, 300, Px(index));
    }
    double zoomX = 0, zoomY = 0;
    for (int i = 0; i < count; ++i) {
        const double t = frame * 0.03 + i * 1.7;
        const double x = 128 + 120 * std::sin(t * (1.0 + 0.13 * i));
        const double y = 306 + 140 * (1.0 - std::fabs(std::cos(t * 1.3)));
        Lumablit_Declarations_Test::BlitKeyed(sprites[i], 0, 0, 0, 32, 32, x, y);
        if (i == 0) {
            zoomX = std::fmin(std::fmax(x - 48, 0.0), 512.0);
            zoomY = std::fmin(std::fmax(y - 32, 0.0), 352.0);
        }
    }
    // The 128x96 window around the first ball, enlarged twice, in the lower right.
    ddFillRect(0, 372, 276, 632, 472, Px(kBarBase));
    Lumablit_Declarations_Test::BlitFX(ddGetBackSurface(), 0, zoomX, zoomY, 128, 96, 256, 192,
                                       374, 278, 0);
}

}  // namespace

void RunTestPattern(bool windowed) {
    ddSetBitDepth(8);
    const int32_t hwnd = BattleFiledHwnd();
    if (!ddInit(hwnd, 640, 480, windowed ? 0 : 5)) return;
    LumablitPaletteEntry pal[256];
    MakePalette(pal);
    const int32_t palette = ddCreatePalette(pal);
    ddSetPalette(0, palette);
    const bool indexed = ddGetSurfaceBitCount() == 8;
    for (int i = 0; i < 256; ++i) {
        const LumablitPaletteEntry& e = pal[i];
        gPixel[i] = indexed ? i : ddColor(e.red | e.green << 8 | e.blue << 16);
    }
    DoEvents();
    EnableWindow(hwnd, true);

    int32_t sprites[4];
    const int colours[4] = {kHueBase + 4, kHueBase + 70, kHueBase + 105, kHueBase + 150};
    for (int i = 0; i < 4; ++i) sprites[i] = MakeSprite(colours[i]);
    GetAsyncKeyState(27);  // forget an Esc from before
    for (long frame = 0;; ++frame) {
        DrawFrame(sprites, 4, frame);
        ddUpdateWindow(0);
        SUPER_MODULE::WaitMs(16);
        DoEvents();
        if (GetAsyncKeyState(27)) break;
    }
    for (int32_t s : sprites) ddReleaseSurface(s);
    ddQuit();
    ddReleasePalette(palette);
}
