// Shared fixture: the library on its memory display device with a recording host.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "lumablit.h"

namespace lbtest {

struct HostLog {
    std::vector<std::pair<std::string, std::string>> boxes;  // text, caption
    int cursorCount = 0;
    int enableCalls = 0;
    int lastEnable = -1;
    int presented = 0;
    uint32_t ticks = 5000;
};
inline HostLog gLog;

inline LumablitHost RecordingHost() {
    LumablitHost h{};
    h.sdlWindow = [](int32_t) -> void* { return nullptr; };
    h.showCursor = [](int32_t show) { return gLog.cursorCount += show ? 1 : -1; };
    h.enableWindow = [](int32_t, int32_t enable) {
        ++gLog.enableCalls;
        gLog.lastEnable = enable;
    };
    h.messageBox = [](const char* text, const char* caption) { gLog.boxes.emplace_back(text, caption); };
    h.tickCount = []() { return gLog.ticks; };
    h.presented = []() { ++gLog.presented; };
    return h;
}

// Installs the host; the display itself is set up by the test or by Display below.
class Library : public ::testing::Test {
protected:
    void SetUp() override {
        gLog = HostLog{};
        const LumablitHost host = RecordingHost();
        ddSetHost(&host);
        ddSetBitDepth(8);
    }
    void TearDown() override {
        ddQuit();
        ddSetBitDepth(8);
        ddSetHost(nullptr);
    }
};

// A 640x480 full-screen display at 8 bits.
class Display : public Library {
protected:
    void SetUp() override {
        Library::SetUp();
        ASSERT_EQ(ddInit(1, 640, 480, 5), 1);
    }
};

inline std::vector<uint8_t> ReadPixels(int32_t surface) {
    const int32_t bytes = ddGetWidth(surface) * ddGetHeight(surface) * ddGetSurfaceBitCount() / 8;
    std::vector<uint8_t> out(size_t(bytes > 0 ? bytes : 0));
    EXPECT_EQ(ddGetSurfaceData(out.data(), bytes, surface), 1);
    return out;
}

inline void WritePixels(int32_t surface, const std::vector<uint8_t>& pixels) {
    ASSERT_EQ(ddSetSurfaceData(pixels.data(), int32_t(pixels.size()), surface), 1);
}

// A w x h 8-bit surface whose pixel (x, y) is f(x, y).
template <class F>
int32_t PatternSurface(int32_t w, int32_t h, F f) {
    const int32_t s = ddCreateSurface(w, h);
    std::vector<uint8_t> px(size_t(w) * h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) px[size_t(y) * w + x] = uint8_t(f(x, y));
    WritePixels(s, px);
    return s;
}

inline void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
inline void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

// BMP file bytes. Indexed: pixels are indices, table is B,G,R,0 quads. 24 bits: pixels are
// R,G,B triples. Rows top-down in `pixels`; stored bottom-up unless topDown.
inline std::vector<uint8_t> MakeBmp(int32_t w, int32_t h, int bits, const std::vector<uint8_t>& pixels,
                                    const std::vector<LumablitPaletteEntry>& table, bool topDown = false,
                                    uint32_t clrUsed = 0) {
    const size_t stride = ((size_t(w) * bits + 31) / 32) * 4;
    const size_t tableBytes = table.size() * 4;
    const size_t offset = 14 + 40 + tableBytes;
    std::vector<uint8_t> b(offset + stride * h, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, uint32_t(offset));
    Put32(b, 14, 40);
    Put32(b, 18, uint32_t(w));
    Put32(b, 22, uint32_t(topDown ? -h : h));
    Put16(b, 26, 1);
    Put16(b, 28, uint16_t(bits));
    Put32(b, 46, clrUsed);
    for (size_t i = 0; i < table.size(); ++i) {
        b[54 + 4 * i] = table[i].blue;
        b[55 + 4 * i] = table[i].green;
        b[56 + 4 * i] = table[i].red;
    }
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* row = b.data() + offset + stride * size_t(topDown ? y : h - 1 - y);
        for (int32_t x = 0; x < w; ++x) {
            if (bits == 24) {
                const uint8_t* p = &pixels[(size_t(y) * w + x) * 3];
                row[3 * x] = p[2];
                row[3 * x + 1] = p[1];
                row[3 * x + 2] = p[0];
                continue;
            }
            const uint8_t v = pixels[size_t(y) * w + x];
            if (bits == 8) row[x] = v;
            if (bits == 4) row[x / 2] |= uint8_t(v << ((x & 1) ? 0 : 4));
            if (bits == 1) row[x / 8] |= uint8_t((v & 1) << (7 - (x & 7)));
        }
    }
    return b;
}

// 256 entries, entry i = (i, 255 - i, i / 2): every entry distinct.
inline std::vector<LumablitPaletteEntry> RampPalette() {
    std::vector<LumablitPaletteEntry> p(256);
    for (int i = 0; i < 256; ++i) p[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    return p;
}

}  // namespace lbtest
