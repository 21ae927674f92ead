// Blits, fills and presenting.
#include <algorithm>
#include <cstring>
#include <limits>

#include "internal.h"
#include "kernels.h"

namespace lb {
namespace {

constexpr int32_t kSrcCopy = 0xCC0020;

int32_t Fail(int32_t code) {
    State().lastResult = code;
    return 0;
}

int32_t Ok() {
    State().lastResult = 0;
    return 1;
}

bool Inside(const LumablitRect& r, const Surface& s) {
    return r.left >= 0 && r.top >= 0 && r.right <= s.w && r.bottom <= s.h;
}

bool Overlap(const LumablitRect& a, const LumablitRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool FitsInt32(int64_t v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// The general blit: stretches, applies effects, clips equal-sized rectangles to both
// surfaces, and reads an unchanged copy of the source when it overlaps the destination.
int32_t GeneralBlit(Surface& d, const LumablitRect* destRect, const Surface& s,
                    const LumablitRect* srcRect, bool keyed, const Transform& t) {
    LumablitRect dr = destRect ? *destRect : LumablitRect{0, 0, d.w, d.h};
    LumablitRect sr = srcRect ? *srcRect : LumablitRect{0, 0, s.w, s.h};
    if (dr.right <= dr.left || dr.bottom <= dr.top || sr.right <= sr.left || sr.bottom <= sr.top)
        return Fail(LUMABLIT_ERR_INVALIDRECT);
    if (d.bits != s.bits) return Fail(LUMABLIT_ERR_INVALIDPIXELFORMAT);
    int64_t dw = int64_t(dr.right) - dr.left, dh = int64_t(dr.bottom) - dr.top;
    int64_t sw = int64_t(sr.right) - sr.left, sh = int64_t(sr.bottom) - sr.top;
    if (dw == sw && dh == sh && t.Identity()) {
        // Cut to the destination, then to the source, moving the other rectangle along.
        int64_t x = dr.left, y = dr.top, sx = sr.left, sy = sr.top, w = dw, h = dh;
        if (x < 0) { sx -= x; w += x; x = 0; }
        if (y < 0) { sy -= y; h += y; y = 0; }
        if (sx < 0) { x -= sx; w += sx; sx = 0; }
        if (sy < 0) { y -= sy; h += sy; sy = 0; }
        w = std::min({w, int64_t(d.w) - x, int64_t(s.w) - sx});
        h = std::min({h, int64_t(d.h) - y, int64_t(s.h) - sy});
        if (w <= 0 || h <= 0) return Ok();
        dr = {int32_t(x), int32_t(y), int32_t(x + w), int32_t(y + h)};
        sr = {int32_t(sx), int32_t(sy), int32_t(sx + w), int32_t(sy + h)};
        dw = sw = w;
        dh = sh = h;
    } else if (!Inside(dr, d) || !Inside(sr, s)) {
        return Fail(LUMABLIT_ERR_INVALIDRECT);
    }
    const Surface* from = &s;
    Surface copy;
    if (&d == &s && Overlap(dr, sr)) {
        copy.w = int32_t(sw);
        copy.h = int32_t(sh);
        copy.bits = s.bits;
        copy.bpp = s.bpp;
        copy.pitch = copy.w * s.bpp;
        copy.pixels.resize(size_t(copy.pitch) * size_t(copy.h));
        for (int32_t r = 0; r < copy.h; ++r)
            std::memcpy(copy.Row(r), s.Row(sr.top + r) + size_t(sr.left) * s.bpp, size_t(copy.pitch));
        sr = {0, 0, copy.w, copy.h};
        from = &copy;
    }
    const bool useKey = keyed && s.hasKey;
    if (dw == sw && dh == sh && t.Identity())
        CopyRect(d, dr.left, dr.top, *from, sr.left, sr.top, int32_t(dw), int32_t(dh), useKey, s.key);
    else
        StretchRect(d, dr, *from, sr, useKey, s.key, t);
    return Ok();
}

// The fast blit: no clipping, no stretching; a rectangle crossing an edge fails.
int32_t FastBlit(Surface& d, int32_t x, int32_t y, int32_t w, int32_t h, const Surface& s,
                 int32_t sx, int32_t sy, int32_t useKey) {
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || sx < 0 || sy < 0 || int64_t(x) + w > d.w ||
        int64_t(y) + h > d.h || int64_t(sx) + w > s.w || int64_t(sy) + h > s.h)
        return Fail(LUMABLIT_ERR_INVALIDRECT);
    if (d.bits != s.bits) return Fail(LUMABLIT_ERR_INVALIDPIXELFORMAT);
    if (&d == &s) {
        const LumablitRect dr{x, y, x + w, y + h}, sr{sx, sy, sx + w, sy + h};
        if (Overlap(dr, sr)) return GeneralBlit(d, &dr, s, &sr, useKey != 0, Transform{});
    }
    CopyRect(d, x, y, s, sx, sy, w, h, useKey != 0 && s.hasKey, s.key);
    return Ok();
}

struct Clipped {
    int64_t x, y, w, h, sx, sy;
};

// Clipping of the safe blits, in the order the callers rely on. false: nothing to draw.
bool SafeClip(Clipped& c, int32_t destW, int32_t destH, int32_t srcW, int32_t srcH) {
    if (c.x < 0) { c.sx -= c.x; c.w += c.x; c.x = 0; }
    if (c.y < 0) { c.sy -= c.y; c.h += c.y; c.y = 0; }
    if (c.w <= 0 || c.h <= 0) return false;
    if (destW != 0 && c.x + c.w > destW) c.w = destW - c.x;
    if (destH != 0 && c.y + c.h > destH) c.h = destH - c.y;
    if (c.w <= 0 || c.h <= 0) return false;
    if (c.sx < 0) { c.x -= c.sx; c.w += c.sx; c.sx = 0; }
    if (c.sy < 0) { c.y -= c.sy; c.h += c.sy; c.sy = 0; }
    if (c.w <= 0 || c.h <= 0) return false;
    if (srcW != 0 && c.sx + c.w > srcW) c.w = srcW - c.sx;
    if (srcH != 0 && c.sy + c.h > srcH) c.h = srcH - c.sy;
    return c.w > 0 && c.h > 0;
}

int32_t Present(int32_t src, bool wait) {
    DisplayState& st = State();
    Surface* primary = Get<Surface>(st.primary);
    if (!primary || !st.device) return 0;
    Surface* s = DrawTarget(src);
    if (!s) return 0;
    st.repaint = st.back;
    if (wait) st.device->WaitRefresh(false);
    if (s != primary) {
        const int32_t r = GeneralBlit(*primary, nullptr, *s, nullptr, false, Transform{});
        if (!r) return 0;
    }
    const Palette* p = Get<Palette>(primary->palette);
    const LumablitPaletteEntry* palette = p ? p->entries : DefaultTable();
    Frame& f = LastFrame();
    f.w = primary->w;
    f.h = primary->h;
    f.bits = primary->bits;
    f.pixels = primary->pixels;
    std::memcpy(f.palette, palette, sizeof f.palette);
    if (!st.device->Show(*primary, palette)) return Fail(LUMABLIT_ERR_SURFACELOST);
    if (Host().presented) Host().presented();
    return Ok();
}

}  // namespace
}  // namespace lb

using namespace lb;

LB_EXPORT int32_t ddBlt(int32_t dest, const LumablitRect* destRect, int32_t src,
                        const LumablitRect* srcRect, int32_t useKey) {
    Surface* d = DrawTarget(dest);
    Surface* s = Get<Surface>(src);
    if (!d || !s) return 0;
    return GeneralBlit(*d, destRect, *s, srcRect, useKey != 0, Transform{});
}

LB_EXPORT int32_t ddBitBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h, int32_t src,
                           int32_t sx, int32_t sy, int32_t useKey) {
    return ddStretchBlt(dest, x, y, w, h, src, sx, sy, w, h, useKey);
}

LB_EXPORT int32_t ddStretchBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                               int32_t src, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                               int32_t useKey) {
    const int64_t r[4] = {int64_t(x) + w, int64_t(y) + h, int64_t(sx) + sw, int64_t(sy) + sh};
    for (int64_t v : r)
        if (!FitsInt32(v)) return Fail(LUMABLIT_ERR_INVALIDRECT);
    const LumablitRect dr{x, y, int32_t(r[0]), int32_t(r[1])};
    const LumablitRect sr{sx, sy, int32_t(r[2]), int32_t(r[3])};
    return ddBlt(dest, &dr, src, &sr, useKey);
}

LB_EXPORT int32_t ddSafeBitBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                               int32_t destW, int32_t destH, int32_t src, int32_t sx, int32_t sy,
                               int32_t srcW, int32_t srcH, int32_t useKey) {
    Clipped c{x, y, w, h, sx, sy};
    if (!SafeClip(c, destW, destH, srcW, srcH)) return 1;
    if (!FitsInt32(c.x + c.w) || !FitsInt32(c.y + c.h) || !FitsInt32(c.sx + c.w) ||
        !FitsInt32(c.sy + c.h))
        return Fail(LUMABLIT_ERR_INVALIDRECT);
    return ddBitBlt(dest, int32_t(c.x), int32_t(c.y), int32_t(c.w), int32_t(c.h), src,
                    int32_t(c.sx), int32_t(c.sy), useKey);
}

LB_EXPORT int32_t ddBltFast(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h, int32_t src,
                            int32_t sx, int32_t sy, int32_t useKey) {
    Surface* d = DrawTarget(dest);
    Surface* s = Get<Surface>(src);
    if (!d || !s) return 0;
    return FastBlit(*d, x, y, w, h, *s, sx, sy, useKey);
}

LB_EXPORT int32_t ddSafeBltFast(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                                int32_t destW, int32_t destH, int32_t src, int32_t sx, int32_t sy,
                                int32_t srcW, int32_t srcH, int32_t useKey) {
    Surface* d = DrawTarget(dest);
    Surface* s = Get<Surface>(src);
    if (!d || !s) return 0;
    Clipped c{x, y, w, h, sx, sy};
    if (!SafeClip(c, destW, destH, srcW, srcH)) return 1;
    if (!FitsInt32(c.x) || !FitsInt32(c.y) || !FitsInt32(c.w) || !FitsInt32(c.h) ||
        !FitsInt32(c.sx) || !FitsInt32(c.sy))
        return Fail(LUMABLIT_ERR_INVALIDRECT);
    return FastBlit(*d, int32_t(c.x), int32_t(c.y), int32_t(c.w), int32_t(c.h), *s, int32_t(c.sx),
                    int32_t(c.sy), useKey);
}

LB_EXPORT int32_t ddBltFX(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h, int32_t src,
                          int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t rop, int32_t fx) {
    Surface* d = DrawTarget(dest);
    Surface* s = Get<Surface>(src);
    if (!d || !s) return 0;
    if (fx == 0 && rop != kSrcCopy) return Fail(LUMABLIT_ERR_INVALIDPARAMS);
    const int64_t r[4] = {int64_t(x) + w, int64_t(y) + h, int64_t(sx) + sw, int64_t(sy) + sh};
    for (int64_t v : r)
        if (!FitsInt32(v)) return Fail(LUMABLIT_ERR_INVALIDRECT);
    const LumablitRect dr{x, y, int32_t(r[0]), int32_t(r[1])};
    const LumablitRect sr{sx, sy, int32_t(r[2]), int32_t(r[3])};
    return GeneralBlit(*d, &dr, *s, &sr, false, TransformFromFx(fx));
}

LB_EXPORT int32_t ddBitmapBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                              int32_t bitmap, int32_t sx, int32_t sy) {
    Surface* d = DrawTarget(dest);
    const Bitmap* b = Get<Bitmap>(bitmap);
    if (!d || !b) return 0;
    const DecodedBitmap& img = b->image;
    if (w == 0 || h == 0) {
        w = img.width;
        h = img.height;
    }
    State().lastResult = 0;
    Clipped c{x, y, w, h, sx, sy};
    if (!SafeClip(c, d->w, d->h, img.width, img.height)) return 1;
    // Pixel value of each colour-table index (indexed bitmaps).
    uint32_t lut[256];
    const LumablitPaletteEntry* match = d->bits == 8 ? MatchingPalette(*d) : nullptr;
    if (img.bits <= 8) {
        for (int i = 0; i < 256; ++i) {
            const LumablitPaletteEntry& e = img.table[i];
            if (match && match[i].red == e.red && match[i].green == e.green && match[i].blue == e.blue)
                lut[i] = uint32_t(i);
            else
                lut[i] = match ? uint32_t(MatchColor(match, e.red, e.green, e.blue))
                               : RgbToPixel(d->bits, e.red, e.green, e.blue);
        }
    }
    uint32_t lastRgb = 0xFFFFFFFFu, lastPixel = 0;
    for (int64_t row = 0; row < c.h; ++row) {
        uint8_t* out = d->Row(int32_t(c.y + row)) + size_t(c.x) * d->bpp;
        if (img.bits <= 8) {
            const uint8_t* in = img.pixels.data() + size_t(c.sy + row) * img.width + c.sx;
            if (d->bpp == 1)
                for (int64_t i = 0; i < c.w; ++i) out[i] = uint8_t(lut[in[i]]);
            else
                for (int64_t i = 0; i < c.w; ++i) StorePixel(out + i * d->bpp, d->bpp, lut[in[i]]);
        } else {
            const uint8_t* in = img.pixels.data() + (size_t(c.sy + row) * img.width + c.sx) * 3;
            for (int64_t i = 0; i < c.w; ++i, in += 3) {
                const uint32_t rgb = uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16;
                if (rgb != lastRgb) {
                    lastRgb = rgb;
                    lastPixel = match ? uint32_t(MatchColor(match, in[0], in[1], in[2]))
                                      : RgbToPixel(d->bits, in[0], in[1], in[2]);
                }
                StorePixel(out + i * d->bpp, d->bpp, lastPixel);
            }
        }
    }
    return 1;
}

LB_EXPORT int32_t ddFillRect(int32_t dest, int32_t left, int32_t top, int32_t right,
                             int32_t bottom, int32_t color) {
    Surface* d = DrawTarget(dest);
    if (!d) return 0;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, d->w);
    bottom = std::min(bottom, d->h);
    if (left < right && top < bottom)
        FillRect(*d, left, top, right, bottom, uint32_t(color) & PixelMask(d->bits));
    return Ok();
}

LB_EXPORT int32_t ddClear(int32_t dest, int32_t color) {
    const Surface* d = DrawTarget(dest);
    return d ? ddFillRect(dest, 0, 0, d->w, d->h, color) : 0;
}

LB_EXPORT int32_t ddUpdateWindow(int32_t src) { return Present(src, true); }
LB_EXPORT int32_t ddAsyncUpdateWindow(int32_t src) { return Present(src, false); }

LB_EXPORT int32_t ddFlip(void) {
    DisplayState& st = State();
    Surface* primary = Get<Surface>(st.primary);
    Surface* back = Get<Surface>(st.back);
    if (!primary || !back || !st.device) return 0;
    if (!st.fullScreen) return Fail(LUMABLIT_ERR_NOFLIP);
    st.device->WaitRefresh(false);
    std::swap(primary->pixels, back->pixels);
    return Present(st.primary, false);
}
