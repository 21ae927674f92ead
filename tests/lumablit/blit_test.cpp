// Copies, clipping, stretches, effects and fills.
#include "support.h"

using namespace lbtest;

namespace {

constexpr int32_t W = 640, H = 480;
constexpr int32_t kSrcCopy = 0xCC0020;

uint8_t Pattern(int32_t x, int32_t y) { return uint8_t(1 + (x + 40 * y) % 250); }

struct Drawn {
    int32_t x, y, w, h, sx, sy;
};

// The back surface after clearing it to 0 and copying `d` from the pattern source.
std::vector<uint8_t> Expected(const Drawn* d) {
    std::vector<uint8_t> px(size_t(W) * H, 0);
    if (d)
        for (int32_t y = 0; y < d->h; ++y)
            for (int32_t x = 0; x < d->w; ++x) px[size_t(d->y + y) * W + d->x + x] = Pattern(d->sx + x, d->sy + y);
    return px;
}

struct ClipCase {
    const char* name;
    int32_t x, y, w, h, destW, destH, sx, sy, srcW, srcH;
    bool drawn;
    Drawn expect;
    bool fastFails;  // the fast blit refuses what clipping left; the general one clips it
};

const ClipCase kClipCases[] = {
    {"worked example", -10, 470, 32, 32, W, H, 4, 2, 40, 40, true, {0, 470, 22, 10, 14, 2}, false},
    {"just off the left edge", -32, 100, 32, 32, W, H, 0, 0, 40, 40, false, {}, false},
    {"source starts left of its edge", 100, 100, 20, 20, W, H, -5, 0, 40, 40, true, {105, 100, 15, 20, 0, 0}, false},
    {"limits cut right and bottom", 630, 475, 20, 20, W, H, 0, 0, 40, 40, true, {630, 475, 10, 5, 0, 0}, false},
    {"source limits", 0, 0, 30, 30, W, H, 25, 30, 40, 40, true, {0, 0, 15, 10, 25, 30}, false},
    {"wholly inside", 50, 60, 16, 8, W, H, 3, 4, 40, 40, true, {50, 60, 16, 8, 3, 4}, false},
    {"top edge then source top", 10, -3, 10, 10, W, H, 0, -2, 40, 40, true, {10, 0, 10, 7, 0, 1}, false},
    {"wholly below", 10, 480, 10, 10, W, H, 0, 0, 40, 40, false, {}, false},
    {"source far left", 10, 10, 20, 20, W, H, -40, 0, 40, 40, false, {}, false},
    {"no limits, crosses the right edge", 630, 10, 20, 10, 0, 0, 0, 0, 0, 0, true, {630, 10, 10, 10, 0, 0}, true},
};

class Blits : public Display {
protected:
    void SetUp() override {
        Display::SetUp();
        src = PatternSurface(40, 40, Pattern);
        ASSERT_NE(src, 0);
    }
    int32_t src = 0;
};

TEST_F(Blits, SafeBlitsClipAlike) {
    for (const ClipCase& c : kClipCases) {
        for (bool fast : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (fast ? " (fast)" : " (general)"));
            ASSERT_EQ(ddClear(0, 0), 1);
            const int32_t r = fast ? ddSafeBltFast(0, c.x, c.y, c.w, c.h, c.destW, c.destH, src, c.sx, c.sy, c.srcW, c.srcH, 0)
                                   : ddSafeBitBlt(0, c.x, c.y, c.w, c.h, c.destW, c.destH, src, c.sx, c.sy, c.srcW, c.srcH, 0);
            const bool refused = fast && c.fastFails;
            EXPECT_EQ(r, refused ? 0 : 1);
            EXPECT_EQ(ReadPixels(0), Expected(c.drawn && !refused ? &c.expect : nullptr));
        }
    }
}

TEST_F(Blits, MissingSurfaces) {
    EXPECT_EQ(ddSafeBltFast(0, 0, 0, 8, 8, W, H, 0, 0, 0, 40, 40, 0), 0);
    EXPECT_EQ(ddSafeBitBlt(0, -100, 0, 8, 8, W, H, 0, 0, 0, 40, 40, 0), 1);  // wholly clipped
    EXPECT_EQ(ddSafeBitBlt(0, 0, 0, 8, 8, W, H, 0, 0, 0, 40, 40, 0), 0);
    EXPECT_EQ(ddBltFast(0, 0, 0, 8, 8, 0, 0, 0, 0), 0);
    EXPECT_EQ(ddBltFX(0, 0, 0, 8, 8, 0, 0, 0, 8, 8, kSrcCopy, 0), 0);
}

TEST_F(Blits, FastBlitRefusesRectanglesCrossingAnEdge) {
    struct Case {
        const char* name;
        int32_t x, y, w, h, sx, sy;
    } cases[] = {
        {"dest right", 630, 0, 20, 10, 0, 0}, {"dest bottom", 0, 475, 10, 10, 0, 0},
        {"dest left", -1, 0, 10, 10, 0, 0},   {"source right", 0, 0, 20, 10, 30, 0},
        {"source top", 0, 0, 10, 10, 0, -1},  {"empty", 0, 0, 0, 10, 0, 0},
    };
    ASSERT_EQ(ddClear(0, 0), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ddBltFast(0, c.x, c.y, c.w, c.h, src, c.sx, c.sy, 0), 0);
        EXPECT_EQ(ddError(), 150);
    }
    EXPECT_EQ(ReadPixels(0), Expected(nullptr));
    EXPECT_EQ(ddBltFast(0, 600, 440, 40, 40, src, 0, 0, 0), 1);
    const Drawn all{600, 440, 40, 40, 0, 0};
    EXPECT_EQ(ReadPixels(0), Expected(&all));
}

// A 12x1 strip drawn at (3, 5), given as x -> pixel value.
std::vector<uint8_t> Strip(const std::vector<uint8_t>& back, int32_t y, int32_t x0, int32_t n) {
    return {back.begin() + y * W + x0, back.begin() + y * W + x0 + n};
}

TEST_F(Blits, BitmapTopLeftPixelBecomesTheKey) {
    // 37 wide: two 16-pixel spans and a tail, mixing clear runs and opaque runs.
    const int32_t w = 37;
    std::vector<uint8_t> pixels(w);
    for (int32_t x = 0; x < w; ++x) pixels[x] = (x < 16 ? x % 3 == 0 : x >= 32 && x % 2) ? 7 : uint8_t(20 + x);
    pixels[0] = 7;
    const auto bytes = MakeBmp(w, 1, 8, pixels, RampPalette());
    // The display palette equals the bitmap's colours, so indices survive the colour match.
    const int32_t pal = ddCreatePalette(RampPalette().data());
    ASSERT_EQ(ddSetPalette(0, pal), 1);
    const int32_t bmp = ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
    const int32_t surf = ddCreateSurfaceFromBitmap(bmp);
    ASSERT_NE(surf, 0);
    EXPECT_EQ(ddGetColorKey(surf), 7);

    ASSERT_EQ(ddClear(0, 200), 1);
    EXPECT_EQ(ddSafeBltFast(0, 3, 5, w, 1, W, H, surf, 0, 0, w, 1, -1), 1);
    std::vector<uint8_t> keyed = pixels;
    for (auto& p : keyed) if (p == 7) p = 200;
    EXPECT_EQ(Strip(ReadPixels(0), 5, 3, w), keyed);

    EXPECT_EQ(ddSafeBltFast(0, 3, 6, w, 1, W, H, surf, 0, 0, w, 1, 0), 1);
    EXPECT_EQ(Strip(ReadPixels(0), 6, 3, w), pixels);
    ddDeleteBitmap(bmp);
}

class DepthBlits : public Library, public ::testing::WithParamInterface<int> {};

TEST_P(DepthBlits, KeyedAndOpaqueCopies) {
    const int bits = GetParam();
    ddSetBitDepth(bits);
    ASSERT_EQ(ddInit(1, 64, 8, 1), 1);
    ASSERT_EQ(ddGetSurfaceBitCount(), bits);
    const int B = bits / 8;
    const uint32_t mask = bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    const uint32_t key = 0x00A1B2C3u & mask, fill = 0x00102030u & mask;
    const int32_t w = 37;
    std::vector<uint32_t> values(w);
    for (int32_t x = 0; x < w; ++x) values[x] = (x % 3 == 0 || (x >= 16 && x < 32)) ? key : ((0x00010203u * (x + 1)) & mask);
    std::vector<uint8_t> raw(size_t(w) * B);
    for (int32_t x = 0; x < w; ++x)
        for (int i = 0; i < B; ++i) raw[x * B + i] = uint8_t(values[x] >> (8 * i));
    const int32_t s = ddCreateSurface(w, 1);
    WritePixels(s, raw);
    ASSERT_EQ(ddSetColorKey(s, -1), 1);
    EXPECT_EQ(uint32_t(ddGetColorKey(s)), key);

    for (bool keyed : {true, false}) {
        SCOPED_TRACE(keyed ? "keyed" : "opaque");
        ASSERT_EQ(ddClear(0, int32_t(fill)), 1);
        ASSERT_EQ(ddBltFast(0, 2, 3, w, 1, s, 0, 0, keyed ? -1 : 0), 1);
        std::vector<uint8_t> back(size_t(64) * 8 * B);
        ASSERT_EQ(ddGetSurfaceData2(back.data(), int32_t(back.size()), 0, 0), 1);
        for (int32_t x = 0; x < w; ++x) {
            uint32_t got = 0;
            for (int i = 0; i < B; ++i) got |= uint32_t(back[(3 * 64 + 2 + x) * B + i]) << (8 * i);
            EXPECT_EQ(got, keyed && values[x] == key ? fill : values[x]) << "x=" << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, DepthBlits, ::testing::Values(8, 16, 24, 32));

struct FxCase {
    const char* name;
    int32_t fx, w, h;
    std::vector<std::vector<uint8_t>> rows;
};

TEST_F(Blits, StretchMirrorAndRotate) {
    // Source values 1..6 as [1 2 3; 4 5 6] at (1, 1) of a frame of 99s.
    const int32_t s = PatternSurface(5, 4, [](int32_t x, int32_t y) {
        return (x >= 1 && x <= 3 && y >= 1 && y <= 2) ? x + 3 * (y - 1) : 99;
    });
    const FxCase cases[] = {
        {"copy, stretched", 0, 6, 4, {{1, 1, 2, 2, 3, 3}, {1, 1, 2, 2, 3, 3}, {4, 4, 5, 5, 6, 6}, {4, 4, 5, 5, 6, 6}}},
        {"mirror left-right", 2, 3, 2, {{3, 2, 1}, {6, 5, 4}}},
        {"mirror left-right, stretched", 2, 6, 2, {{3, 3, 2, 2, 1, 1}, {6, 6, 5, 5, 4, 4}}},
        {"mirror up-down", 4, 3, 2, {{4, 5, 6}, {1, 2, 3}}},
        {"rotate 180", 16, 3, 2, {{6, 5, 4}, {3, 2, 1}}},
        {"rotate 90", 64, 2, 3, {{3, 6}, {2, 5}, {1, 4}}},
        {"rotate 270", 32, 2, 3, {{4, 1}, {5, 2}, {6, 3}}},
        {"rotate 90, stretched", 64, 4, 3, {{3, 3, 6, 6}, {2, 2, 5, 5}, {1, 1, 4, 4}}},
        {"arithmetic stretch is a plain stretch", 1, 3, 4, {{1, 2, 3}, {1, 2, 3}, {4, 5, 6}, {4, 5, 6}}},
        {"no-tearing is a plain copy", 8, 3, 2, {{1, 2, 3}, {4, 5, 6}}},
    };
    for (const FxCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(ddClear(0, 0), 1);
        // rop is ignored whenever fx is set.
        ASSERT_EQ(ddBltFX(0, 10, 20, c.w, c.h, s, 1, 1, 3, 2, c.fx ? 0 : kSrcCopy, c.fx), 1);
        const auto back = ReadPixels(0);
        for (int32_t y = 0; y < c.h; ++y) EXPECT_EQ(Strip(back, 20 + y, 10, c.w), c.rows[y]) << "row " << y;
        EXPECT_EQ(back[20 * W + 9], 0);
        EXPECT_EQ(back[20 * W + 10 + c.w], 0);
    }
    EXPECT_EQ(ddBltFX(0, 10, 20, 3, 2, s, 1, 1, 3, 2, 0, 0), 0) << "fx 0 takes only the copy rop";
    EXPECT_EQ(ddBltFX(0, 630, 20, 20, 2, s, 1, 1, 3, 2, 0, 2), 0) << "stretch leaving the surface";
}

TEST_F(Blits, StretchSkipsTheKey) {
    const int32_t s = PatternSurface(2, 1, [](int32_t x, int32_t) { return x ? 9 : 4; });
    ASSERT_EQ(ddSetColorKey(s, 4), 1);
    ASSERT_EQ(ddClear(0, 50), 1);
    ASSERT_EQ(ddStretchBlt(0, 0, 0, 4, 2, s, 0, 0, 2, 1, -1), 1);
    const auto back = ReadPixels(0);
    EXPECT_EQ(Strip(back, 0, 0, 4), (std::vector<uint8_t>{50, 50, 9, 9}));
    EXPECT_EQ(Strip(back, 1, 0, 4), (std::vector<uint8_t>{50, 50, 9, 9}));
}

TEST_F(Blits, ZoomOfTheBackSurfaceOntoItselfReadsTheOldPicture) {
    std::vector<uint8_t> before(size_t(W) * H);
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) before[size_t(y) * W + x] = uint8_t(x * 7 + y * 3);
    WritePixels(0, before);
    const int32_t back = ddGetBackSurface();
    for (auto [zx, zy] : {std::pair{512, 352}, std::pair{0, 0}, std::pair{300, 200}}) {
        SCOPED_TRACE(zx);
        WritePixels(0, before);
        ASSERT_EQ(ddBltFX(0, 0, 0, W, H, back, zx, zy, 128, 96, kSrcCopy, 0), 1);
        const auto after = ReadPixels(0);
        int wrong = 0;
        for (int32_t y = 0; y < H; ++y)
            for (int32_t x = 0; x < W; ++x)
                wrong += after[size_t(y) * W + x] != before[size_t(zy + y / 5) * W + zx + x / 5];
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(Blits, OverlappingCopyWithinOneSurface) {
    std::vector<uint8_t> before(size_t(W) * H);
    for (size_t i = 0; i < before.size(); ++i) before[i] = uint8_t(i * 31 / 7);
    WritePixels(0, before);
    ASSERT_EQ(ddBltFast(0, 5, 3, 100, 50, ddGetBackSurface(), 0, 0, 0), 1);
    const auto after = ReadPixels(0);
    for (int32_t y = 0; y < 50; ++y)
        ASSERT_EQ(Strip(after, 3 + y, 5, 100), Strip(before, y, 0, 100)) << "row " << y;
}

TEST_F(Blits, FillsAreClippedToTheSurface) {
    struct Case {
        const char* name;
        int32_t l, t, r, b;
        int32_t el, et, er, eb;  // what gets filled
    } cases[] = {
        {"whole screen", 0, 0, 640, 480, 0, 0, 640, 480},
        {"inside", 10, 20, 30, 25, 10, 20, 30, 25},
        {"over the top left", -5, -5, 3, 2, 0, 0, 3, 2},
        {"over the bottom right", 600, 470, 700, 500, 600, 470, 640, 480},
        {"inverted", 50, 50, 40, 60, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(ddClear(0, 0), 1);
        EXPECT_EQ(ddFillRect(0, c.l, c.t, c.r, c.b, 0x1234), 1);
        std::vector<uint8_t> expect(size_t(W) * H, 0);
        for (int32_t y = c.et; y < c.eb; ++y)
            for (int32_t x = c.el; x < c.er; ++x) expect[size_t(y) * W + x] = 0x34;
        EXPECT_EQ(ReadPixels(0), expect);
    }
    EXPECT_EQ(ddClear(src, 3), 1);
    EXPECT_EQ(ReadPixels(src), std::vector<uint8_t>(40 * 40, 3));
}

TEST_F(Blits, BitmapBltCopiesWholeBitmapWhenSizeIsZero) {
    const int32_t pal = ddCreatePalette(RampPalette().data());
    ASSERT_EQ(ddSetPalette(0, pal), 1);
    std::vector<uint8_t> px{1, 2, 3, 4, 5, 6};
    const auto bytes = MakeBmp(3, 2, 8, px, RampPalette());
    const int32_t bmp = ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
    ASSERT_EQ(ddClear(0, 0), 1);
    EXPECT_EQ(ddBitmapBlt(0, 638, 0, 0, 0, bmp, 0, 0), 1);
    const auto back = ReadPixels(0);
    EXPECT_EQ(Strip(back, 0, 637, 3), (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(Strip(back, 1, 637, 3), (std::vector<uint8_t>{0, 4, 5}));
    EXPECT_EQ(ddBitmapBlt(0, 0, 0, 0, 0, 0, 0, 0), 0);
    ddDeleteBitmap(bmp);
}

}  // namespace
