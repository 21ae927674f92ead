// Display set-up and teardown, presenting, handles, surface data and timing.
#include "support.h"

using namespace lbtest;

namespace {

using DisplaySetup = Library;

TEST_F(DisplaySetup, InitRefusals) {
    EXPECT_EQ(ddInit(0, 640, 480, 5), 0);
    EXPECT_TRUE(gLog.boxes.empty());
    ASSERT_EQ(ddInit(1, 640, 480, 5), 1);
    EXPECT_EQ(ddInit(1, 320, 200, 0), 0);
    EXPECT_TRUE(gLog.boxes.empty());
    EXPECT_EQ(ddGetWidth(0), 640);
    EXPECT_EQ(ddGetHeight(0), 480);
}

TEST_F(DisplaySetup, FullScreenHidesCursorAndDisablesWindowUntilQuit) {
    ASSERT_EQ(ddInit(7, 640, 480, 5), 1);
    EXPECT_EQ(gLog.cursorCount, -1);
    EXPECT_EQ(gLog.lastEnable, 0);
    EXPECT_EQ(ddQuit(), 1);
    EXPECT_EQ(gLog.cursorCount, 0);
    EXPECT_EQ(gLog.lastEnable, 1);
    EXPECT_EQ(ddQuit(), 1);
    EXPECT_EQ(gLog.cursorCount, 0) << "a second quit must not show the cursor again";
    EXPECT_EQ(gLog.enableCalls, 2);
}

TEST_F(DisplaySetup, FailedModeSwitchShowsTheErrorBoxAndUndoes) {
    EXPECT_EQ(ddInit(7, 0, 480, 1), 0);
    ASSERT_EQ(gLog.boxes.size(), 1u);
    EXPECT_EQ(gLog.boxes[0].first, "Error in SetDisplayMode\nTry 640 x 480; 8 bits");
    EXPECT_EQ(gLog.boxes[0].second, "Lumablit.Dll");
    EXPECT_EQ(gLog.cursorCount, 0);
    EXPECT_EQ(gLog.lastEnable, 1);
    EXPECT_NE(ddError(), 0);
    EXPECT_EQ(ddGetBackSurface(), 0);
    EXPECT_EQ(ddInit(7, 640, 480, 5), 1) << "can be set up again";
}

TEST_F(DisplaySetup, BitDepthSetting) {
    const struct {
        int32_t set, stored;
    } cases[] = {{15, 8}, {16, 16}, {24, 24}, {32, 32}, {8, 8}, {0x10020, 32}, {-1, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        EXPECT_EQ(ddSetBitDepth(c.set), 1);
        ASSERT_EQ(ddInit(1, 16, 16, 1), 1);
        EXPECT_EQ(ddGetSurfaceBitCount(), c.stored);
        const int32_t s = ddCreateSurface(4, 4);
        std::vector<uint8_t> px(4 * 4 * c.stored / 8);
        EXPECT_EQ(ddGetSurfaceData(px.data(), int32_t(px.size()), s), 1);
        EXPECT_EQ(ddGetSurfaceData(px.data(), int32_t(px.size()) + 1, s), 0);
        ddReleaseSurface(s);
        ddQuit();
    }
}

TEST_F(DisplaySetup, WindowedModeHasNoFlip) {
    ASSERT_EQ(ddInit(1, 320, 200, 4), 1);  // bit 2 alone: windowed
    EXPECT_EQ(gLog.cursorCount, 0);
    EXPECT_EQ(ddGetWidth(0), 320);
    EXPECT_EQ(ddGetSurfaceBitCount(), GetBitsPixel());
    EXPECT_EQ(ddFlip(), 0);
    EXPECT_EQ(ddUpdateWindow(0), 1);
    ddQuit();
    ASSERT_EQ(ddInit(1, 320, 200, 1), 1);
    EXPECT_EQ(ddFlip(), 1);
}

TEST_F(DisplaySetup, NothingWorksWithoutADisplay) {
    EXPECT_EQ(ddUpdateWindow(0), 0);
    ASSERT_EQ(ddInit(1, 640, 480, 5), 1);
    const int32_t s = ddCreateSurface(8, 8);
    ddQuit();
    EXPECT_EQ(ddUpdateWindow(0), 0);
    EXPECT_EQ(ddFillRect(0, 0, 0, 10, 10, 1), 0);
    EXPECT_EQ(ddBltFast(0, 0, 0, 8, 8, s, 0, 0, 0), 0);
    EXPECT_EQ(ddGetWidth(0), 0);
    EXPECT_EQ(ddCreateSurface(8, 8), 0);
    EXPECT_EQ(ddCreateDefPalette(), 0);
    EXPECT_EQ(ddGetPrimarySurface(), 0);
    EXPECT_EQ(ddWaitVBBegin(), 0);
    EXPECT_EQ(ddGetWidth(s), 8) << "the caller's surfaces outlive ddQuit";
    EXPECT_EQ(ddReleaseSurface(s), 1);
}

using Presenting = Display;

TEST_F(Presenting, FrameIsConvertedThroughThePaletteAtPresentation) {
    int32_t w = -1, h = -1;
    EXPECT_EQ(ddGetFrame(nullptr, 0, &w, &h), 0);
    std::vector<LumablitPaletteEntry> p = RampPalette();
    const int32_t pal = ddCreatePalette(p.data());
    ASSERT_EQ(ddSetPalette(0, pal), 1);
    ASSERT_EQ(ddClear(0, 0), 1);
    ASSERT_EQ(ddFillRect(0, 1, 0, 2, 1, 200), 1);
    ASSERT_EQ(ddUpdateWindow(0), 1);
    EXPECT_EQ(gLog.presented, 1);

    const LumablitPaletteEntry red{255, 0, 0, 0};
    ASSERT_EQ(ddSetPaletteEntries(pal, 200, 1, &red), 1);  // after presenting: not in this frame
    std::vector<uint8_t> rgb(640 * 480 * 3);
    EXPECT_EQ(ddGetFrame(rgb.data(), int32_t(rgb.size()) - 1, &w, &h), 0);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    ASSERT_EQ(ddGetFrame(rgb.data(), int32_t(rgb.size()), &w, &h), 1);
    EXPECT_EQ((std::vector<uint8_t>(rgb.begin(), rgb.begin() + 6)),
              (std::vector<uint8_t>{p[0].red, p[0].green, p[0].blue, p[200].red, p[200].green, p[200].blue}));

    ASSERT_EQ(ddAsyncUpdateWindow(0), 1);
    ASSERT_EQ(ddGetFrame(rgb.data(), int32_t(rgb.size()), &w, &h), 1);
    EXPECT_EQ((std::vector<uint8_t>(rgb.begin() + 3, rgb.begin() + 6)), (std::vector<uint8_t>{255, 0, 0}));
    EXPECT_EQ(gLog.presented, 2);
    EXPECT_EQ(ReadPixels(ddGetPrimarySurface())[1], 200) << "presenting copies into the primary";
}

using Handles = Display;

TEST_F(Handles, ReleaseRulesAndStaleHandles) {
    EXPECT_EQ(ddReleaseSurface(ddGetBackSurface()), 0);
    EXPECT_EQ(ddReleaseSurface(ddGetPrimarySurface()), 0);
    EXPECT_EQ(ddFillRect(0, 0, 0, 640, 480, 1), 1) << "back surface still usable";
    EXPECT_EQ(ddReleaseSurface(0), 1);

    const int32_t s = ddCreateSurface(16, 16);
    const int32_t pal = ddCreateDefPalette();
    ASSERT_NE(s, 0);
    EXPECT_NE(s, pal);
    EXPECT_EQ(ddReleaseSurface(s), 1);
    const int32_t reused = ddCreateSurface(16, 16);
    EXPECT_NE(reused, s) << "a new surface never takes a released handle";
    EXPECT_EQ(ddReleaseSurface(s), 0);
    EXPECT_EQ(ddGetWidth(s), 0);
    EXPECT_EQ(ddBltFast(0, 0, 0, 16, 16, s, 0, 0, 0), 0);
    EXPECT_EQ(ddSetColorKey(s, 1), 0);
    EXPECT_EQ(ddColorEx(0, s), -1);
    EXPECT_EQ(ddGetWidth(pal), 0) << "a palette handle is not a surface";
    EXPECT_EQ(ddSetPalette(0, s), 0) << "a surface handle is not a palette";
    EXPECT_EQ(ddGetWidth(0x7FFFFFFF), 0);
    EXPECT_EQ(ddGetWidth(-5), 0);
}

TEST_F(Handles, DeviceContextsComeBackOnce) {
    const int32_t dc = ddGetDC(0);
    ASSERT_NE(dc, 0);
    EXPECT_EQ(ddGetDC(0), 0) << "already handed out";
    EXPECT_EQ(ddReleaseDC(0, dc + 1), 0);
    EXPECT_EQ(ddReleaseDC(0, dc), 1);
    EXPECT_EQ(ddReleaseDC(0, dc), 0);
}

TEST_F(Handles, SurfaceDataStaysInsideTheSurface) {
    const int32_t s = ddCreateSurface(10, 10);
    std::vector<uint8_t> in(100);
    for (int i = 0; i < 100; ++i) in[i] = uint8_t(i);
    EXPECT_EQ(ddSetSurfaceData2(in.data(), 50, s, 50), 1);
    std::vector<uint8_t> out(100, 0xEE);
    EXPECT_EQ(ddGetSurfaceData2(out.data(), 10, s, 90), 1);
    EXPECT_EQ(out[0], 40);
    EXPECT_EQ(ddGetSurfaceData2(out.data(), 51, s, 50), 0);
    EXPECT_EQ(ddSetSurfaceData2(in.data(), 10, s, -1), 0);
    EXPECT_EQ(ddSetSurfaceData(in.data(), -1, s), 0);
    EXPECT_EQ(ddSetSurfaceData(nullptr, 1, s), 0);
    EXPECT_EQ(ddGetSurfaceData2(out.data(), 1, s, 0x7FFFFFFF), 0);

    LumablitPicture pic{};
    std::vector<uint8_t> buf(6);
    pic.pixels = buf.data();
    pic.capacity = 6;
    EXPECT_EQ(ddGetSurfaceImage(&pic, s, 7, 9, 3, 1), 1);
    EXPECT_EQ(buf[0], 47);
    EXPECT_EQ(pic.width, 3);
    EXPECT_EQ(ddGetSurfaceImage(&pic, s, 8, 9, 3, 1), 0);
    EXPECT_EQ(ddGetSurfaceImage(&pic, s, 0, 0, 7, 1), 0) << "buffer too small";
}

TEST_F(Handles, DisplayModes) {
    int32_t buf[8];
    std::fill(std::begin(buf), std::end(buf), -7);
    EXPECT_EQ(ddEnumDisplayModes(buf, 1), 1);
    EXPECT_GT(buf[0], 0);
    EXPECT_EQ(buf[3], -7);
    EXPECT_EQ(ddEnumDisplayModes(buf, 0), 0);
    EXPECT_EQ(buf[3], -7);
    EXPECT_EQ(ddIsModeX(), 0);
    EXPECT_EQ(ddWaitVBBegin(), 1);
    EXPECT_EQ(ddWaitVBEnd(), 1);
}

using TimeKeeper = Library;

TEST_F(TimeKeeper, IntervalsOnTheTickCount) {
    EXPECT_EQ(SetTimeKeeper(50), 1);
    gLog.ticks += 30;
    EXPECT_EQ(IsTimeElapsed(), 0);
    gLog.ticks += 20;
    EXPECT_EQ(IsTimeElapsed(), 1);
    EXPECT_EQ(IsTimeElapsed(), 0) << "a new interval began";

    gLog.ticks = 0xFFFFFFF0u;
    SetTimeKeeper(50);
    gLog.ticks = 5;  // wrapped
    EXPECT_EQ(IsTimeElapsed(), 1);

    SetTimeKeeper(1000);
    EXPECT_EQ(WaitTimeElapsed(), 0);
}

TEST_F(TimeKeeper, WaitEndsEvenOnAStoppedClock) {
    SetTimeKeeper(20);
    EXPECT_EQ(WaitTimeElapsed(), 1);  // the host clock never moves here
    EXPECT_EQ(IsTimeElapsed(), 0);
}

}  // namespace
