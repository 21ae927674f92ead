// Bitmap bytes to surfaces: the formats taken and the ones refused.
#include "support.h"

using namespace lbtest;

namespace {

class Bitmaps : public Display {
protected:
    void SetUp() override {
        Display::SetUp();
        ASSERT_EQ(ddSetPalette(0, ddCreatePalette(RampPalette().data())), 1);
    }
    // Surface pixels of a bitmap made from bytes (empty if refused).
    std::vector<uint8_t> Decode(const std::vector<uint8_t>& bytes) {
        const int32_t bmp = ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
        if (!bmp) return {};
        const int32_t s = ddCreateSurfaceFromBitmap(bmp);
        EXPECT_EQ(GetBitmapWidth(bmp), ddGetWidth(s));
        EXPECT_EQ(GetBitmapHeight(bmp), ddGetHeight(s));
        ddDeleteBitmap(bmp);
        auto px = ReadPixels(s);
        ddReleaseSurface(s);
        return px;
    }
};

TEST_F(Bitmaps, IndexedAndTrueColourLayouts) {
    const auto ramp = RampPalette();
    // 9 x 3 so rows need padding at every depth.
    std::vector<uint8_t> idx(27);
    for (int i = 0; i < 27; ++i) idx[i] = uint8_t(i * 9 % 256);
    EXPECT_EQ(Decode(MakeBmp(9, 3, 8, idx, ramp)), idx);
    EXPECT_EQ(Decode(MakeBmp(9, 3, 8, idx, ramp, true)), idx) << "top-down";

    std::vector<uint8_t> nib(27);
    for (int i = 0; i < 27; ++i) nib[i] = uint8_t(i % 16);
    std::vector<LumablitPaletteEntry> sixteen(ramp.begin() + 100, ramp.begin() + 116);
    std::vector<uint8_t> mapped(27);
    for (int i = 0; i < 27; ++i) mapped[i] = uint8_t(100 + nib[i]);
    EXPECT_EQ(Decode(MakeBmp(9, 3, 4, nib, sixteen)), mapped) << "4 bits, colours matched";

    std::vector<uint8_t> bits(27);
    for (int i = 0; i < 27; ++i) bits[i] = uint8_t((i * 5 / 3) & 1);
    std::vector<uint8_t> two(27);
    for (int i = 0; i < 27; ++i) two[i] = bits[i] ? 255 : 0;
    EXPECT_EQ(Decode(MakeBmp(9, 3, 1, bits, {ramp[0], ramp[255]})), two);

    std::vector<uint8_t> rgb;
    for (int i = 0; i < 27; ++i) rgb.insert(rgb.end(), {ramp[idx[i]].red, ramp[idx[i]].green, ramp[idx[i]].blue});
    EXPECT_EQ(Decode(MakeBmp(9, 3, 24, rgb, {})), idx) << "24 bits";

    EXPECT_EQ(ddCreateSurfaceFromBitmap(0), 0);
    EXPECT_EQ(GetBitmapWidth(0), 0);
}

TEST_F(Bitmaps, FromFileAndResource) {
    const auto bytes = MakeBmp(2, 1, 8, {5, 6}, RampPalette());
    ASSERT_EQ(ddAddResource("PIC", bytes.data(), int32_t(bytes.size())), 1);
    const int32_t s = ddCreateSurfaceFromResource(0, "PIC");
    EXPECT_EQ(ReadPixels(s), (std::vector<uint8_t>{5, 6}));
    EXPECT_EQ(ddGetColorKey(s), 5);
    EXPECT_EQ(ddCreateSurfaceFromResource(0, "NOPE"), 0);
    EXPECT_EQ(ddCreateSurfaceFromFile("/nonexistent/lumablit.bmp"), 0);
    EXPECT_EQ(ddLoadBitmapFile(nullptr), 0);
    ddAddResource("PIC", nullptr, 0);

    // A numeric resource id in place of a name is never read as an address.
    const char* id101 = reinterpret_cast<const char*>(uintptr_t(101));
    EXPECT_EQ(ddCreateSurfaceFromResource(0, id101), 0);
    EXPECT_NE(ddCreatePaletteFromResource(0, id101), 0) << "the default palette";
    ASSERT_EQ(ddAddResource("#101", bytes.data(), int32_t(bytes.size())), 1);
    EXPECT_EQ(ReadPixels(ddCreateSurfaceFromResource(0, id101)), (std::vector<uint8_t>{5, 6}));
    ddAddResource(id101, nullptr, 0);
    EXPECT_EQ(ddCreateSurfaceFromResource(0, "#101"), 0);
}

TEST_F(Bitmaps, MalformedBytesAreRefused) {
    const auto good = MakeBmp(4, 4, 8, std::vector<uint8_t>(16, 1), RampPalette());
    ASSERT_FALSE(Decode(good).empty());
    struct Case {
        const char* name;
        size_t at;      // where to patch (or the new size for truncation)
        int width;      // 4 or 2 bytes; 0 = truncate
        uint32_t value;
    } cases[] = {
        {"truncated pixels", good.size() - 1, 0, 0},
        {"truncated header", 30, 0, 0},
        {"truncated table", 54 + 512, 0, 0},
        {"header size past the end", 14, 4, 0x7FFFFFF0},
        {"header too small", 14, 4, 12},
        {"huge width", 18, 4, 0x7FFFFFFF},
        {"negative width", 18, 4, uint32_t(-4)},
        {"zero height", 22, 4, 0},
        {"huge top-down height", 22, 4, 0x80000000},
        {"16 bits", 28, 2, 16},
        {"32 bits", 28, 2, 32},
        {"run-length compressed", 30, 4, 1},
        {"pixel offset past the end", 10, 4, 0xFFFFFFF0},
        {"pixel offset inside the header", 10, 4, 20},
        {"huge width and height", 18, 4, 20000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bad = good;
        if (c.width == 0) bad.resize(c.at);
        if (c.width == 4) Put32(bad, c.at, c.value);
        if (c.width == 2) Put16(bad, c.at, uint16_t(c.value));
        EXPECT_EQ(ddCreateBitmap(bad.data(), int32_t(bad.size())), 0);
    }
    EXPECT_EQ(ddCreateBitmap(nullptr, 100), 0);
    EXPECT_EQ(ddCreateBitmap(good.data(), 0), 0);
}

}  // namespace
