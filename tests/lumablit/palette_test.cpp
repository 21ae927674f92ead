// Colour matching, palette files and palette references.
#include <cstdio>
#include <filesystem>

#include "support.h"

using namespace lbtest;

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("lumablit_") + name)).string();
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<LumablitPaletteEntry> Entries(int32_t palette) {
    std::vector<LumablitPaletteEntry> e(256);
    EXPECT_EQ(ddGetPaletteEntries(palette, 0, 256, e.data()), 1);
    return e;
}

bool Same(const LumablitPaletteEntry& a, const LumablitPaletteEntry& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.flags == b.flags;
}

using Palettes = Display;

TEST_F(Palettes, GameColoursMatchTheirExactEntries) {
    // Near misses sit at lower indices than the exact colours; one colour appears twice.
    std::vector<LumablitPaletteEntry> p = RampPalette();
    p[1] = {254, 255, 255, 0};
    p[2] = {1, 0, 0, 0};
    p[10] = {0, 84, 81, 0};
    p[40] = {0, 0, 0, 0};        // black
    p[41] = {255, 255, 255, 0};  // white
    p[42] = {255, 0, 0, 0};      // red (0x0000FF)
    p[43] = {0, 84, 80, 0};      // 0x505400
    p[44] = {96, 184, 0, 0};     // 0x00B860
    p[45] = {255, 255, 255, 0};  // white again
    ASSERT_EQ(ddSetPalette(0, ddCreatePalette(p.data())), 1);
    EXPECT_EQ(ddColor(0x000000), 40);
    EXPECT_EQ(ddColor(0xFFFFFF), 41);
    EXPECT_EQ(ddColor(0x0000FF), 42);
    EXPECT_EQ(ddColor(0x505400), 43);
    EXPECT_EQ(ddColor(0x00B860), 44);
    EXPECT_EQ(ddColor(0xFFFFFD), 1) << "no exact entry: the nearest one";
}

TEST_F(Palettes, ColourOnDeeperDisplays) {
    ddQuit();
    ddSetBitDepth(16);
    ASSERT_EQ(ddInit(1, 64, 64, 1), 1);
    EXPECT_EQ(ddColor(0xFFFFFF), 0xFFFF);
    EXPECT_EQ(ddColor(0x0000FF), 0xF800);
    EXPECT_EQ(ddColor(0x00B860), (96 >> 3) << 11 | (184 >> 2) << 5);
    ddQuit();
    ddSetBitDepth(32);
    ASSERT_EQ(ddInit(1, 64, 64, 1), 1);
    EXPECT_EQ(ddColor(0x505400), 0x005450);
    ddQuit();
    EXPECT_EQ(ddColor(0), -1) << "no display";
}

TEST_F(Palettes, ColorKeys) {
    const int32_t s = PatternSurface(4, 4, [](int32_t x, int32_t y) { return x + y == 0 ? 7 : 1; });
    EXPECT_EQ(ddGetColorKey(s), 0) << "no key yet";
    EXPECT_EQ(ddSetColorKey(s, -1), 1);
    EXPECT_EQ(ddGetColorKey(s), 7);
    EXPECT_EQ(ddSetColorKey(s, 0x1FE), 1);
    EXPECT_EQ(ddGetColorKey(s), 0xFE) << "kept within the pixel's bits";
    EXPECT_EQ(ddSetColorKey(0, 3), 0);
    EXPECT_EQ(ddGetColorKey(0), -1);
}

TEST_F(Palettes, PaletteFiles) {
    std::vector<LumablitPaletteEntry> colours(256);
    for (int i = 0; i < 256; ++i) colours[i] = {uint8_t(i), uint8_t(i ^ 0x55), uint8_t(255 - i), 0};
    std::vector<LumablitPaletteEntry> sixteen(colours.begin(), colours.begin() + 16);

    // 8 bits, 0 colours used: all 256 entries from the file.
    const std::string eight = TempPath("pal8.bmp");
    WriteFile(eight, MakeBmp(2, 2, 8, {0, 1, 2, 3}, colours));
    auto e = Entries(ddCreatePaletteFromFile(eight.c_str()));
    for (int i = 0; i < 256; ++i) ASSERT_TRUE(Same(e[i], colours[i])) << i;

    // 4 bits, 0 colours used: 16 entries converted; the bytes after them stay as read.
    std::vector<uint8_t> four = MakeBmp(4, 2, 4, {0, 1, 2, 3, 4, 5, 6, 7}, sixteen);
    const std::string fourPath = TempPath("pal4.bmp");
    WriteFile(fourPath, four);
    e = Entries(ddCreatePaletteFromFile(fourPath.c_str()));
    for (int i = 0; i < 16; ++i) ASSERT_TRUE(Same(e[i], colours[i])) << i;
    const uint8_t* raw = four.data() + 54 + 64;  // the pixel bytes that follow the table
    EXPECT_EQ(e[16].red, raw[0]);
    EXPECT_EQ(e[16].blue, raw[2]);

    // Missing: the 3-3-2 palette.
    e = Entries(ddCreatePaletteFromFile(TempPath("no_such_palette.bmp").c_str()));
    EXPECT_TRUE(Same(e[255], {255, 255, 255, 0}));
    EXPECT_TRUE(Same(e[0], {0, 0, 0, 0}));
    EXPECT_TRUE(Same(e[3], {0, 0, 255, 0}));
    EXPECT_TRUE(Same(e[0x24], {36, 36, 0, 0}));
    EXPECT_TRUE(Same(Entries(ddCreatePaletteFromFile(nullptr))[3], {0, 0, 255, 0}));

    // Ends after 10 entries: those are converted, the rest stay default and unswapped.
    std::vector<uint8_t> cut = MakeBmp(2, 2, 8, {0, 1, 2, 3}, colours);
    cut.resize(54 + 40 + 2);
    const std::string cutPath = TempPath("pal_cut.bmp");
    WriteFile(cutPath, cut);
    e = Entries(ddCreatePaletteFromFile(cutPath.c_str()));
    EXPECT_TRUE(Same(e[9], colours[9]));
    EXPECT_TRUE(Same(e[11], {0, 72, 255, 0}));
    EXPECT_TRUE(Same(e[200], {218, 72, 0, 0}));

    // A header that is not 40 bytes long: nothing converted.
    std::vector<uint8_t> odd = MakeBmp(2, 2, 8, {0, 1, 2, 3}, colours);
    Put32(odd, 14, 12);
    const std::string oddPath = TempPath("pal_odd.bmp");
    WriteFile(oddPath, odd);
    e = Entries(ddCreatePaletteFromFile(oddPath.c_str()));
    EXPECT_EQ(e[5].red, colours[5].blue);

    for (const auto& p : {eight, fourPath, cutPath, oddPath}) std::remove(p.c_str());
}

TEST_F(Palettes, PaletteFromResource) {
    std::vector<LumablitPaletteEntry> colours(4);
    for (int i = 0; i < 4; ++i) colours[i] = {uint8_t(10 * i), 20, 30, 0};
    const auto bmp = MakeBmp(2, 2, 8, {0, 1, 2, 3}, colours, false, 4);
    ASSERT_EQ(ddAddResource("PAL", bmp.data(), int32_t(bmp.size())), 1);
    auto e = Entries(ddCreatePaletteFromResource(0, "PAL"));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(Same(e[i], colours[i])) << i;
    EXPECT_TRUE(Same(e[4], {0, 36, 0, 0})) << "past the colours used: default";
    EXPECT_TRUE(Same(Entries(ddCreatePaletteFromResource(0, "NONE"))[3], {0, 0, 255, 0}));
    ddAddResource("PAL", nullptr, 0);
}

TEST_F(Palettes, ReferenceCounts) {
    const int32_t p = ddCreateDefPalette();
    ASSERT_NE(p, 0);
    ASSERT_EQ(ddSetPalette(0, p), 1);
    EXPECT_EQ(ddReleasePalette(p), 0) << "still attached";
    EXPECT_EQ(ddGetPalette(0), p);
    EXPECT_EQ(ddReleasePalette(p), 0);
    ASSERT_EQ(ddSetPalette(0, 0), 1);  // detaching drops the last reference
    LumablitPaletteEntry one;
    EXPECT_EQ(ddGetPaletteEntries(p, 0, 1, &one), 0) << "released palette";
    EXPECT_EQ(ddReleasePalette(p), 0);
    EXPECT_EQ(ddGetPalette(0), 0);

    const int32_t q = ddCreateDefPalette();
    EXPECT_EQ(ddReleasePalette(q), 1);
    EXPECT_EQ(ddReleasePalette(0), 0);
}

TEST_F(Palettes, EntryRanges) {
    const int32_t p = ddCreateDefPalette();
    LumablitPaletteEntry e[4] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}, {10, 11, 12, 0}};
    EXPECT_EQ(ddSetPaletteEntries(p, 252, 4, e), 1);
    EXPECT_EQ(ddSetPaletteEntries(p, 253, 4, e), 0);
    EXPECT_EQ(ddSetPaletteEntries(p, -1, 2, e), 0);
    EXPECT_EQ(ddSetPaletteEntries(p, 0, 1, nullptr), 0);
    LumablitPaletteEntry back[2];
    EXPECT_EQ(ddGetPaletteEntries(p, 254, 2, back), 1);
    EXPECT_TRUE(Same(back[1], e[3]));
    EXPECT_EQ(ddGetPaletteEntries(p, 255, 2, back), 0);
    const int32_t copy = ddCopyPalette(p);
    EXPECT_TRUE(Same(Entries(copy)[255], e[3]));
    EXPECT_EQ(ddCopySystemPalette(), 0) << "no palette on the primary yet";
    ASSERT_EQ(ddSetPalette(0, p), 1);
    EXPECT_TRUE(Same(Entries(ddCopySystemPalette())[252], e[0]));
}

}  // namespace
