// Time keeper, vertical blank, display modes and capability queries.
#include <chrono>
#include <thread>

#include "internal.h"

namespace lb {
namespace {

struct TimeKeeper {
    uint32_t start = 0;
    int32_t interval = 0;
} gKeeper;

bool Elapsed(uint32_t now) {
    if (now > gKeeper.start) return int64_t(now - gKeeper.start) >= gKeeper.interval;
    return now < gKeeper.start;  // the tick count wrapped
}

}  // namespace
}  // namespace lb

using namespace lb;

LB_EXPORT int32_t SetTimeKeeper(int32_t interval) {
    gKeeper.start = Ticks();
    gKeeper.interval = interval;
    return 1;
}

LB_EXPORT int32_t IsTimeElapsed(void) {
    const uint32_t now = Ticks();
    if (!Elapsed(now)) return 0;
    gKeeper.start = now;
    return 1;
}

LB_EXPORT int32_t WaitTimeElapsed(void) {
    if (gKeeper.interval >= 1000) return 0;
    // A host clock that stands still (a virtual clock) must not hang the caller: the wait
    // also ends once the interval has passed in real time.
    using clock = std::chrono::steady_clock;
    const auto realEnd = clock::now() + std::chrono::milliseconds(std::max(gKeeper.interval, 0) + 1);
    for (;;) {
        const uint32_t now = Ticks();
        if (Elapsed(now) || clock::now() >= realEnd) {
            gKeeper.start = now;
            return 1;
        }
        std::this_thread::yield();
    }
}

LB_EXPORT int32_t ddWaitVBBegin(void) {
    if (!State().device) return 0;
    State().device->WaitRefresh(false);
    return 1;
}

LB_EXPORT int32_t ddWaitVBEnd(void) {
    if (!State().device) return 0;
    State().device->WaitRefresh(true);
    return 1;
}

LB_EXPORT int32_t ddEnumDisplayModes(int32_t* buffer, int32_t maxModes) {
    if (!State().device || !buffer || maxModes <= 0) return 0;
    std::vector<std::array<int32_t, 3>> modes;
    State().device->ListModes(modes);
    int32_t n = 0;
    for (const auto& m : modes) {
        if (n >= maxModes) break;
        buffer[3 * n] = m[0];
        buffer[3 * n + 1] = m[1];
        buffer[3 * n + 2] = m[2];
        ++n;
    }
    return n;
}

LB_EXPORT int32_t ddCanOverlay(int32_t) { return 0; }
LB_EXPORT int32_t ddCanWideSurface(int32_t) { return State().device ? 1 : 0; }
LB_EXPORT int32_t ddIsModeX(void) { return State().modeX; }

LB_EXPORT int32_t GetBitsPixel(void) {
    const int32_t bits = SdlDesktopBits();
    return bits ? bits : 32;
}
