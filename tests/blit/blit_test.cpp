#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "platform/platform.h"
#include "shell/Settings.h"

using namespace Lumablit_Declarations_Test;

namespace {

std::vector<uint32_t> g_presentedAt;  // clock at each presented frame
void (*g_onPresent)() = nullptr;      // runs after each presented frame when set

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        double in;
        int32_t out;
    } cases[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},       {3.5, 4},         {-0.5, 0},  {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3},   {-2.5001, -3},    {7.0, 7},   {-7.0, -7},
        {1e12, std::numeric_limits<int32_t>::max()},
        {-1e12, std::numeric_limits<int32_t>::min()},
        {std::nan(""), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

// An 8-bit memory display with a grey-ramp palette; pixel values are palette indices.
class Blit : public ::testing::Test {
protected:
    void SetUp() override { Open(640, 480); }
    void TearDown() override {
        for (int32_t s : made_) ddReleaseSurface(s);
        ddQuit();
        ddSetHost(nullptr);
        PlatformClose();
    }
    void Open(int w, int h) {
        PlatformOptions o;
        o.headless = true;
        ASSERT_TRUE(PlatformOpen(o));
        static const LumablitHost host = {nullptr, nullptr, nullptr, nullptr,
                                          [] { return GetTickCount(); },
                                          [] {
                                              g_presentedAt.push_back(GetTickCount());
                                              if (g_onPresent) g_onPresent();
                                              PlatformFramePresented();
                                          }};
        ddSetHost(&host);
        ddSetBitDepth(8);
        ASSERT_EQ(ddInit(BattleFiledHwnd(), w, h, 5), 1);
        LumablitPaletteEntry pal[256];
        for (int i = 0; i < 256; ++i) pal[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
        const int32_t p = ddCreatePalette(pal);
        ddSetPalette(0, p);
        ddReleasePalette(p);
    }
    // A surface whose pixel (x, y) is base + y * w + x.
    int32_t Numbered(int w, int h, int base = 0) {
        const int32_t s = ddCreateSurface(w, h);
        std::vector<uint8_t> px(w * h);
        for (int i = 0; i < w * h; ++i) px[i] = static_cast<uint8_t>(base + i);
        ddSetSurfaceData(px.data(), w * h, s);
        made_.push_back(s);
        return s;
    }
    int32_t Filled(int w, int h, int value) {
        const int32_t s = ddCreateSurface(w, h);
        ddClear(s, value);
        made_.push_back(s);
        return s;
    }
    static std::vector<uint8_t> Pixels(int32_t s) {
        std::vector<uint8_t> px(ddGetWidth(s) * ddGetHeight(s));
        ddGetSurfaceData(px.data(), static_cast<int32_t>(px.size()), s);
        return px;
    }
    static int At(int32_t s, int x, int y) { return Pixels(s)[y * ddGetWidth(s) + x]; }
    std::vector<int32_t> made_;
};

TEST_F(Blit, CoordinatesRoundHalfToEvenAtTheCall) {
    const int32_t src = Numbered(8, 1, 10);
    struct Case {
        double sx, w, dx;
        std::vector<int> expect;  // the destination row after the copy (0 = untouched)
    } cases[] = {
        {2.5, 2.5, 0.5, {12, 13, 0, 0, 0, 0, 0, 0}},   // 2, 2, 0
        {3.5, 1.5, 2.5, {0, 0, 14, 15, 0, 0, 0, 0}},   // 4, 2, 2
        {0.4999, 1.0, 6.5, {0, 0, 0, 0, 0, 0, 10, 0}},  // 0, 1, 6
        {0.51, 1.49, 7.49, {0, 0, 0, 0, 0, 0, 0, 11}},  // 1, 1, 7
    };
    for (const Case& c : cases) {
        const int32_t dst = Filled(8, 1, 0);
        BlitOpaque(src, dst, c.sx, 0, c.w, 1, c.dx, 0);
        const std::vector<uint8_t> row = Pixels(dst);
        EXPECT_EQ(std::vector<int>(row.begin(), row.end()), c.expect) << c.sx << " " << c.w << " " << c.dx;
    }
}

TEST_F(Blit, KeyedSkipsTheKeyOpaqueCopiesEverything) {
    const int32_t src = Numbered(4, 1, 7);  // 7 8 9 10; the key is the top-left pixel
    ddSetColorKey(src, -1);
    const int32_t a = Filled(4, 1, 99), b = Filled(4, 1, 99);
    BlitKeyed(src, a, 0, 0, 4, 1, 0, 0);
    BlitOpaque(src, b, 0, 0, 4, 1, 0, 0);
    EXPECT_EQ(Pixels(a), (std::vector<uint8_t>{99, 8, 9, 10}));
    EXPECT_EQ(Pixels(b), (std::vector<uint8_t>{7, 8, 9, 10}));
}

TEST_F(Blit, SpritePartlyOffTheTopLeftShowsItsVisiblePart) {
    const int32_t src = Numbered(4, 4);
    const int32_t dst = Filled(6, 6, 200);
    BlitKeyed(src, dst, 0, 0, 4, 4, -2, -1);  // no key set: every pixel
    EXPECT_EQ(At(dst, 0, 0), 1 * 4 + 2);
    EXPECT_EQ(At(dst, 1, 2), 3 * 4 + 3);
    EXPECT_EQ(At(dst, 2, 0), 200);
    EXPECT_EQ(At(dst, 0, 3), 200);
    // Wholly outside: nothing drawn, nothing fails.
    BlitOpaque(src, dst, 0, 0, 4, 4, 10, 10);
    BlitOpaque(src, dst, 0, 0, 4, 4, -4, 0);
    EXPECT_EQ(At(dst, 5, 5), 200);
}

TEST_F(Blit, FxModesMirrorZoomAndIgnoreUnknownModes) {
    const int32_t src = Numbered(4, 1, 1);  // 1 2 3 4
    const int32_t mirrored = Filled(4, 1, 0);
    BlitFX(src, mirrored, 0, 0, 4, 1, 4, 1, 0, 0, 1);
    EXPECT_EQ(Pixels(mirrored), (std::vector<uint8_t>{4, 3, 2, 1}));
    for (uint8_t mode : {10, 11, 200, 255}) {
        const int32_t untouched = Filled(4, 1, 0);
        BlitFX(src, untouched, 0, 0, 4, 1, 4, 1, 0, 0, mode);
        EXPECT_EQ(Pixels(untouched), std::vector<uint8_t>(4, 0)) << int(mode);
    }
    // The battlefield zoom: 128x96 of the back surface stretched over all of it, 5 times.
    ddClear(0, 0);
    ddFillRect(0, 10, 20, 11, 21, 77);
    BlitFX(ddGetBackSurface(), 0, 0, 0, 128, 96, 640, 480, 0, 0, 0);
    const std::vector<uint8_t> back = Pixels(0);
    auto px = [&](int x, int y) { return back[y * 640 + x]; };
    EXPECT_EQ(px(50, 100), 77);
    EXPECT_EQ(px(54, 104), 77);
    EXPECT_EQ(px(49, 100), 0);
    EXPECT_EQ(px(55, 100), 0);
    EXPECT_EQ(px(50, 105), 0);
}

TEST_F(Blit, WipeToBlackTakes55PacedFramesAndLeavesTheScreenBlack) {
    ddClear(0, 200);
    g_presentedAt.clear();
    WipeToBlack(0, 5, 25);
    ASSERT_EQ(g_presentedAt.size(), 55u);
    for (size_t i = 1; i < g_presentedAt.size(); ++i)
        EXPECT_GE(g_presentedAt[i] - g_presentedAt[i - 1], Main_Module::FrameDelay) << i;
    EXPECT_EQ(Pixels(0), std::vector<uint8_t>(640 * 480, 0));
}

// The bands grow by 8.75 rows and 11.67 columns a frame: on frame 2 the top band ends at 17.5
// and on frame 6 at 52.5, both rounded to the even row; the side bands are checked too.
TEST_F(Blit, WipeBandEdgesRoundHalfToEven) {
    static std::vector<std::vector<uint8_t>> frames;
    frames.clear();
    g_onPresent = [] { frames.push_back(Pixels(0)); };
    ddClear(0, 200);
    WipeToBlack(0, 5, 30);
    g_onPresent = nullptr;
    ASSERT_EQ(frames.size(), 55u);
    struct Case {
        int frame;       // 1-based
        int top, left;   // first row / column left uncovered
        int bottom, right;  // first row / column of the bottom and right bands
    };
    const Case cases[] = {
        {1, 9, 12, 471, 628},    // 8.75, 11.67, 471.25, 628.33
        {2, 18, 23, 462, 617},   // 17.5 -> 18, 23.33, 462.5 -> 462, 616.67
        {6, 52, 70, 428, 570},   // 52.5 -> 52, 70, 427.5 -> 428, 570
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        const std::vector<uint8_t>& px = frames[c.frame - 1];
        auto at = [&](int x, int y) { return px[y * 640 + x]; };
        EXPECT_EQ(at(320, c.top - 1), 0);
        EXPECT_EQ(at(320, c.top), 200);
        EXPECT_EQ(at(c.left - 1, 240), 0);
        EXPECT_EQ(at(c.left, 240), 200);
        EXPECT_EQ(at(320, c.bottom - 1), 200);
        EXPECT_EQ(at(320, c.bottom), 0);
        EXPECT_EQ(at(c.right - 1, 240), 200);
        EXPECT_EQ(at(c.right, 240), 0);
    }
}

TEST_F(Blit, WipeCoversOnly640By480OfALargerSurface) {
    ddQuit();
    PlatformClose();
    Open(800, 600);
    ddClear(0, 200);
    WipeToBlack(0, 5, 30);
    EXPECT_EQ(At(0, 639, 479), 0);
    EXPECT_EQ(At(0, 640, 100), 200);
    EXPECT_EQ(At(0, 100, 480), 200);
}

TEST_F(Blit, WipeWithNoSpeedReturnsAtOnce) {
    g_presentedAt.clear();
    WipeToBlack(0, 0, 25);
    WipeToBlack(0, -5, 25);
    EXPECT_TRUE(g_presentedAt.empty());
}

}  // namespace
