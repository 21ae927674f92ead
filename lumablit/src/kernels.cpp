#include "kernels.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lb {
namespace {

void KeyedRow8(uint8_t* d, const uint8_t* s, int32_t n, uint8_t key) {
    int32_t i = 0;
#if defined(__SSE2__)
    const __m128i k = _mm_set1_epi8(char(key));
    for (; i + 16 <= n; i += 16) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i clear = _mm_cmpeq_epi8(sv, k);
        const int mask = _mm_movemask_epi8(clear);
        if (mask == 0xFFFF) continue;
        if (mask == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), sv);
            continue;
        }
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i out = _mm_or_si128(_mm_and_si128(clear, dv), _mm_andnot_si128(clear, sv));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), out);
    }
#endif
    for (; i < n; ++i)
        if (s[i] != key) d[i] = s[i];
}

template <int B>
void KeyedRow(uint8_t* d, const uint8_t* s, int32_t n, uint32_t key) {
    for (int32_t i = 0; i < n; ++i, d += B, s += B) {
        const uint32_t v = LoadPixel(s, B);
        if (v != key) StorePixel(d, B, v);
    }
}

void KeyedRowAny(uint8_t* d, const uint8_t* s, int32_t n, int32_t bpp, uint32_t key) {
    switch (bpp) {
        case 1: KeyedRow8(d, s, n, uint8_t(key)); break;
        case 2: KeyedRow<2>(d, s, n, key); break;
        case 3: KeyedRow<3>(d, s, n, key); break;
        default: KeyedRow<4>(d, s, n, key); break;
    }
}

// Source coordinate for destination index i of n, stretching over m source pixels.
inline int32_t Scale(int64_t i, int64_t n, int64_t m) { return int32_t(i * m / n); }

template <int B>
void StretchRows(Surface& dst, const LumablitRect& dr, const Surface& src, const LumablitRect& sr,
                 bool keyed, uint32_t key, const Transform& t) {
    const int32_t dw = dr.right - dr.left, dh = dr.bottom - dr.top;
    const int32_t sw = sr.right - sr.left, sh = sr.bottom - sr.top;
    // Along a destination row u runs over source x (no rotation) or source y (rotated).
    std::vector<int32_t> along(static_cast<size_t>(dw)), across(static_cast<size_t>(dh));
    if (t.rotate == 0) {
        for (int32_t u = 0; u < dw; ++u) along[u] = Scale(u, dw, sw);
        for (int32_t v = 0; v < dh; ++v) across[v] = Scale(v, dh, sh);
    } else {
        for (int32_t u = 0; u < dw; ++u) along[u] = Scale(u, dw, sh);
        for (int32_t v = 0; v < dh; ++v) across[v] = Scale(v, dh, sw);
        // 90 ccw: dest (u, v) <- src (sw-1-v', u'); 270 ccw: src (v', sh-1-u').
        if (t.rotate == 90)
            for (auto& x : across) x = sw - 1 - x;
        else
            for (auto& y : along) y = sh - 1 - y;
    }
    const bool flipAlong = t.rotate == 0 ? t.mirrorX : t.mirrorY;
    const bool flipAcross = t.rotate == 0 ? t.mirrorY : t.mirrorX;
    const int32_t alongMax = t.rotate == 0 ? sw - 1 : sh - 1;
    const int32_t acrossMax = t.rotate == 0 ? sh - 1 : sw - 1;
    if (flipAlong)
        for (auto& a : along) a = alongMax - a;
    if (flipAcross)
        for (auto& a : across) a = acrossMax - a;

    const int32_t srcPitch = src.pitch;
    for (int32_t v = 0; v < dh; ++v) {
        uint8_t* d = dst.Row(dr.top + v) + size_t(dr.left) * B;
        if (t.rotate == 0) {
            if (!keyed && v > 0 && across[v] == across[v - 1]) {
                std::memcpy(d, d - dst.pitch, size_t(dw) * B);
                continue;
            }
            const uint8_t* s = src.Row(sr.top + across[v]) + size_t(sr.left) * B;
            if (keyed) {
                for (int32_t u = 0; u < dw; ++u) {
                    const uint32_t p = LoadPixel(s + size_t(along[u]) * B, B);
                    if (p != key) StorePixel(d + size_t(u) * B, B, p);
                }
            } else if (B == 1) {
                for (int32_t u = 0; u < dw; ++u) d[u] = s[along[u]];
            } else {
                for (int32_t u = 0; u < dw; ++u)
                    std::memcpy(d + size_t(u) * B, s + size_t(along[u]) * B, B);
            }
        } else {
            const uint8_t* s = src.Row(sr.top) + size_t(sr.left + across[v]) * B;
            for (int32_t u = 0; u < dw; ++u) {
                const uint32_t p = LoadPixel(s + size_t(along[u]) * srcPitch, B);
                if (!keyed || p != key) StorePixel(d + size_t(u) * B, B, p);
            }
        }
    }
}

}  // namespace

Transform TransformFromFx(int32_t fx) {
    Transform t;
    t.mirrorX = (fx & 2) != 0;
    t.mirrorY = (fx & 4) != 0;
    const int angle = ((fx & 64) ? 90 : 0) + ((fx & 16) ? 180 : 0) + ((fx & 32) ? 270 : 0);
    switch (angle % 360) {
        case 90: t.rotate = 90; break;
        case 270: t.rotate = 270; break;
        case 180:
            t.mirrorX = !t.mirrorX;
            t.mirrorY = !t.mirrorY;
            break;
        default: break;
    }
    return t;
}

void CopyRect(Surface& dst, int32_t dx, int32_t dy, const Surface& src, int32_t sx, int32_t sy,
              int32_t w, int32_t h, bool keyed, uint32_t key) {
    const int32_t B = dst.bpp;
    const size_t rowBytes = size_t(w) * B;
    uint8_t* d = dst.Row(dy) + size_t(dx) * B;
    const uint8_t* s = src.Row(sy) + size_t(sx) * B;
    if (!keyed) {
        if (dx == 0 && sx == 0 && w == dst.w && w == src.w && dst.pitch == src.pitch) {
            std::memcpy(d, s, rowBytes * size_t(h));
            return;
        }
        for (int32_t y = 0; y < h; ++y, d += dst.pitch, s += src.pitch) std::memcpy(d, s, rowBytes);
        return;
    }
    for (int32_t y = 0; y < h; ++y, d += dst.pitch, s += src.pitch) KeyedRowAny(d, s, w, B, key);
}

void StretchRect(Surface& dst, const LumablitRect& dr, const Surface& src, const LumablitRect& sr,
                 bool keyed, uint32_t key, const Transform& t) {
    switch (dst.bpp) {
        case 1: StretchRows<1>(dst, dr, src, sr, keyed, key, t); break;
        case 2: StretchRows<2>(dst, dr, src, sr, keyed, key, t); break;
        case 3: StretchRows<3>(dst, dr, src, sr, keyed, key, t); break;
        default: StretchRows<4>(dst, dr, src, sr, keyed, key, t); break;
    }
}

void FillRect(Surface& dst, int32_t left, int32_t top, int32_t right, int32_t bottom,
              uint32_t value) {
    const int32_t w = right - left;
    for (int32_t y = top; y < bottom; ++y) {
        uint8_t* d = dst.Row(y) + size_t(left) * dst.bpp;
        switch (dst.bpp) {
            case 1: std::memset(d, int(value & 0xFF), size_t(w)); break;
            case 2: {
                const uint16_t v = uint16_t(value);
                for (int32_t x = 0; x < w; ++x) std::memcpy(d + 2 * x, &v, 2);
                break;
            }
            case 3:
                for (int32_t x = 0; x < w; ++x) StorePixel(d + 3 * x, 3, value);
                break;
            default:
                for (int32_t x = 0; x < w; ++x) std::memcpy(d + 4 * x, &value, 4);
        }
    }
}

void PaletteToArgb(const LumablitPaletteEntry* palette, uint32_t lut[256]) {
    for (int i = 0; i < 256; ++i) lut[i] = PixelToArgb(8, uint32_t(i), palette);
}

void ConvertToArgb(const uint8_t* src, int32_t srcPitch, int32_t bits, int32_t w, int32_t h,
                   const uint32_t lut[256], uint8_t* dst, int32_t dstPitch) {
    for (int32_t y = 0; y < h; ++y, src += srcPitch, dst += dstPitch) {
        uint32_t* d = reinterpret_cast<uint32_t*>(dst);
        if (bits == 8) {
            int32_t x = 0;
            for (; x + 8 <= w; x += 8) {
                const uint8_t* s = src + x;
                uint32_t* o = d + x;
                o[0] = lut[s[0]]; o[1] = lut[s[1]]; o[2] = lut[s[2]]; o[3] = lut[s[3]];
                o[4] = lut[s[4]]; o[5] = lut[s[5]]; o[6] = lut[s[6]]; o[7] = lut[s[7]];
            }
            for (; x < w; ++x) d[x] = lut[src[x]];
        } else {
            const int32_t B = bits / 8;
            for (int32_t x = 0; x < w; ++x) d[x] = PixelToArgb(bits, LoadPixel(src + x * B, B), nullptr);
        }
    }
}

}  // namespace lb
