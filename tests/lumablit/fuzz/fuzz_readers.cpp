// libFuzzer target for the bitmap and palette readers. With LUMABLIT_SEED_DIR set it first
// writes a few well-formed seeds into that directory.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bmp.h"

namespace {

void Put(std::vector<uint8_t>& b, size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

std::vector<uint8_t> Seed(int32_t w, int32_t h, int bits, bool topDown) {
    const size_t colours = bits <= 8 ? (1u << bits) : 0;
    const size_t stride = ((size_t(w) * bits + 31) / 32) * 4;
    const size_t offset = 54 + colours * 4;
    std::vector<uint8_t> b(offset + stride * h);
    for (size_t i = 54; i < b.size(); ++i) b[i] = uint8_t(i * 37);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, uint32_t(b.size()), 4);
    Put(b, 10, uint32_t(offset), 4);
    Put(b, 14, 40, 4);
    Put(b, 18, uint32_t(w), 4);
    Put(b, 22, uint32_t(topDown ? -h : h), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, uint32_t(bits), 2);
    return b;
}

void WriteSeeds(const char* dir) {
    const struct { int w, h, bits; bool topDown; } seeds[] = {
        {3, 2, 1, false}, {5, 3, 4, false}, {7, 4, 8, true}, {3, 3, 24, false}, {2, 2, 8, false}};
    int n = 0;
    for (const auto& s : seeds) {
        const auto bytes = Seed(s.w, s.h, s.bits, s.topDown);
        const std::string path = std::string(dir) + "/seed" + std::to_string(n++) + ".bmp";
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* dir = std::getenv("LUMABLIT_SEED_DIR")) WriteSeeds(dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lb::DecodedBitmap bmp;
    if (lb::DecodeBmp(data, size, bmp)) {
        const size_t perPixel = bmp.bits == 24 ? 3 : 1;
        if (bmp.width <= 0 || bmp.height <= 0 ||
            bmp.pixels.size() != size_t(bmp.width) * size_t(bmp.height) * perPixel)
            std::abort();
        if (bmp.bits <= 8)
            for (uint8_t p : bmp.pixels)
                if (p >= (1u << bmp.bits)) std::abort();
    }
    LumablitPaletteEntry table[256];
    lb::PaletteFromFileBytes(data, size < 1078 ? size : 1078, table);
    lb::PaletteFromDib(data, size, table);
    return 0;
}
