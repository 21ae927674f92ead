#include "match/BlitHelpers.h"

#include "lumablit.h"
#include "shell/Settings.h"
#include "shell/SuperModule.h"

namespace Lumablit_Declarations_Test {

namespace {

void SafeCopy(int32_t src, int32_t dest, double sx, double sy, double w, double h, double dx,
              double dy, int32_t useKey) {
    const int32_t destW = ddGetWidth(dest);
    const int32_t destH = ddGetHeight(dest);
    const int32_t srcW = ddGetWidth(src);
    const int32_t srcH = ddGetHeight(src);
    ddSafeBltFast(dest, RoundHalfEven(dx), RoundHalfEven(dy), RoundHalfEven(w), RoundHalfEven(h),
                  destW, destH, src, RoundHalfEven(sx), RoundHalfEven(sy), srcW, srcH, useKey);
}

struct FxMode {
    int32_t rop, fx;
};

constexpr FxMode kFxModes[] = {
    {0x00CC0020, 0}, {0, 0x2}, {0, 0x4}, {0, 0x40}, {0, 0x10},
    {0, 0x20},       {0, 0x1}, {0, 0x8}, {0, 0x80}, {0, 0x100},
};

}  // namespace

void BlitOpaque(int32_t src, int32_t dest, double sx, double sy, double w, double h, double dx,
                double dy) {
    SafeCopy(src, dest, sx, sy, w, h, dx, dy, 0);
}

void BlitKeyed(int32_t src, int32_t dest, double sx, double sy, double w, double h, double dx,
               double dy) {
    SafeCopy(src, dest, sx, sy, w, h, dx, dy, -1);
}

void BlitFX(int32_t src, int32_t dest, double sx, double sy, double sw, double sh, double dw,
            double dh, double dx, double dy, uint8_t mode) {
    if (mode >= sizeof kFxModes / sizeof kFxModes[0]) return;
    const FxMode& m = kFxModes[mode];
    ddBltFX(dest, RoundHalfEven(dx), RoundHalfEven(dy), RoundHalfEven(dw), RoundHalfEven(dh), src,
            RoundHalfEven(sx), RoundHalfEven(sy), RoundHalfEven(sw), RoundHalfEven(sh), m.rop, m.fx);
}

void WipeToBlack(int32_t surface, int16_t step, int16_t /*spare*/) {
    int32_t width = ddGetWidth(surface);
    int32_t height = ddGetHeight(surface);
    if (width > 640) width = 640;
    if (height > 480) height = 480;
    // Without a surface to size the wipe there is nothing to close (and A, B would divide by 0).
    if (width <= 0 || height <= 0) return;
    const double W = width, H = height;
    const double A = W / H, B = H / W;
    // A step of zero or less would never reach the edges.
    if (step <= 0) return;
    const double s = step;
    double X = 0, Y = 0;
    // The same test as X + A < W.
    while (W + s > X + A + s) {
        Y = Y + s * B + s;
        X = X + s * A + s;
        const int32_t black = ddColor(0);
        const int32_t w = RoundHalfEven(W), h = RoundHalfEven(H);
        // The last step overshoots the edges; the bands stop at W x H.
        const double bandX = X < W ? X : W, bandY = Y < H ? Y : H;
        ddFillRect(0, 0, 0, w, RoundHalfEven(bandY), black);
        ddFillRect(0, 0, RoundHalfEven(H - bandY), w, h, black);
        ddFillRect(0, 0, 0, RoundHalfEven(bandX), h, black);
        ddFillRect(0, RoundHalfEven(W - bandX), 0, w, h, black);
        ddUpdateWindow(0);
        SUPER_MODULE::WaitMs(Main_Module::FrameDelay);
    }
}

}  // namespace Lumablit_Declarations_Test
