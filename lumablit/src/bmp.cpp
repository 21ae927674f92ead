#include "bmp.h"

#include <algorithm>
#include <cstring>

namespace lb {
namespace {

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
int32_t I32(const uint8_t* p) { return int32_t(U32(p)); }

bool HasFileHeader(const uint8_t* data, size_t size) {
    return size >= 14 && data[0] == 'B' && data[1] == 'M';
}

}  // namespace

void DefaultPalette(LumablitPaletteEntry out[256]) {
    for (int i = 0; i < 256; ++i) {
        out[i].red = uint8_t((i >> 5) * 255 / 7);
        out[i].green = uint8_t(((i >> 2) & 7) * 255 / 7);
        out[i].blue = uint8_t((i & 3) * 255 / 3);
        out[i].flags = 0;
    }
}

bool DecodeBmp(const uint8_t* data, size_t size, DecodedBitmap& out) {
    if (!data) return false;
    size_t info = 0;
    int64_t pixelOffset = -1;
    if (HasFileHeader(data, size)) {
        info = 14;
        pixelOffset = U32(data + 10);
    }
    if (size < info + 40) return false;
    const uint8_t* h = data + info;
    const uint32_t headerSize = U32(h);
    if (headerSize < 40 || headerSize > size - info) return false;
    const int32_t width = I32(h + 4);
    const int32_t rawHeight = I32(h + 8);
    const uint16_t bits = U16(h + 14);
    const uint32_t compression = U32(h + 16);
    const uint32_t clrUsed = U32(h + 32);
    if (compression != 0) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return false;
    if (width <= 0 || width > kMaxBitmapSide) return false;
    if (rawHeight == 0 || rawHeight < -kMaxBitmapSide || rawHeight > kMaxBitmapSide) return false;
    const bool topDown = rawHeight < 0;
    const int32_t height = topDown ? -rawHeight : rawHeight;
    if (int64_t(width) * height > kMaxBitmapPixels) return false;

    int32_t tableSize = 0;
    if (bits <= 8) {
        const uint32_t maxColours = 1u << bits;
        tableSize = int32_t(clrUsed == 0 ? maxColours : std::min(clrUsed, maxColours));
    }
    const size_t tableAt = info + headerSize;
    if (size - tableAt < size_t(tableSize) * 4) return false;
    const size_t tableEnd = tableAt + size_t(tableSize) * 4;

    const int64_t stride = ((int64_t(width) * bits + 31) / 32) * 4;
    if (pixelOffset < 0 || pixelOffset == 0) pixelOffset = int64_t(tableEnd);
    if (pixelOffset < int64_t(info + headerSize)) return false;
    if (pixelOffset > int64_t(size) || int64_t(size) - pixelOffset < stride * height) return false;

    out.width = width;
    out.height = height;
    out.bits = bits;
    out.tableSize = tableSize;
    std::memset(out.table, 0, sizeof out.table);
    for (int32_t i = 0; i < tableSize; ++i) {
        const uint8_t* q = data + tableAt + size_t(i) * 4;
        out.table[i] = {q[2], q[1], q[0], 0};
    }
    const int bytesPerPixel = bits == 24 ? 3 : 1;
    out.pixels.assign(size_t(width) * height * bytesPerPixel, 0);
    for (int32_t y = 0; y < height; ++y) {
        const int32_t fileRow = topDown ? y : height - 1 - y;
        const uint8_t* row = data + pixelOffset + stride * fileRow;
        uint8_t* dst = out.pixels.data() + size_t(y) * width * bytesPerPixel;
        switch (bits) {
            case 1:
                for (int32_t x = 0; x < width; ++x) dst[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
                break;
            case 4:
                for (int32_t x = 0; x < width; ++x) dst[x] = (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
                break;
            case 8:
                std::memcpy(dst, row, size_t(width));
                break;
            default:
                for (int32_t x = 0; x < width; ++x) {
                    dst[3 * x] = row[3 * x + 2];
                    dst[3 * x + 1] = row[3 * x + 1];
                    dst[3 * x + 2] = row[3 * x];
                }
        }
    }
    return true;
}

void PaletteFromFileBytes(const uint8_t* data, size_t size, LumablitPaletteEntry out[256]) {
    DefaultPalette(out);
    if (!data) return;
    uint8_t header[54] = {};
    std::memcpy(header, data, std::min<size_t>(size, 54));
    size_t tableBytes = size > 54 ? std::min<size_t>(size - 54, 1024) : 0;
    if (tableBytes) std::memcpy(reinterpret_cast<uint8_t*>(out), data + 54, tableBytes);

    uint32_t n = 0;
    const uint32_t headerSize = U32(header + 14);
    const uint16_t bits = U16(header + 28);
    const uint32_t clrUsed = U32(header + 46);
    if (headerSize == 40 && bits <= 8) n = clrUsed ? clrUsed : (1u << bits);
    n = std::min<uint32_t>(n, 256);
    // Only entries that came from the file are in file order; the rest stay default.
    n = std::min<uint32_t>(n, uint32_t(tableBytes / 4));
    for (uint32_t i = 0; i < n; ++i) std::swap(out[i].red, out[i].blue);
}

void PaletteFromDib(const uint8_t* data, size_t size, LumablitPaletteEntry out[256]) {
    DefaultPalette(out);
    if (!data) return;
    if (HasFileHeader(data, size)) {
        data += 14;
        size -= 14;
    }
    if (size < 16) return;
    const uint32_t headerSize = U32(data);
    const uint16_t bits = U16(data + 14);
    if (headerSize < 40 || bits > 8 || size < 36) return;
    uint32_t n = U32(data + 32);
    if (n == 0) n = 1u << bits;
    n = std::min<uint32_t>(n, 256);
    for (uint32_t i = 0; i < n; ++i) {
        const uint64_t at = uint64_t(headerSize) + 4ull * i;
        if (at + 4 > size) break;
        const uint8_t* q = data + at;
        out[i] = {q[2], q[1], q[0], 0};
    }
}

}  // namespace lb
