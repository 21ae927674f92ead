// Palettes, colour matching and colour keys.
#include <cstdio>
#include <cstring>

#include "internal.h"

namespace lb {
namespace {

int32_t NewPalette(const LumablitPaletteEntry* entries) {
    if (!State().device) return 0;
    auto p = std::make_unique<Palette>();
    std::memcpy(p->entries, entries, sizeof p->entries);
    return NewHandle(Kind::Palette, std::move(p));
}

bool EntryRange(int32_t first, int32_t count, const void* entries) {
    return entries && first >= 0 && count > 0 && int64_t(first) + count <= 256;
}

}  // namespace

const LumablitPaletteEntry* DefaultTable() {
    static const struct Table {
        LumablitPaletteEntry e[256];
        Table() { DefaultPalette(e); }
    } table;
    return table.e;
}

int32_t MatchColor(const LumablitPaletteEntry* palette, uint8_t r, uint8_t g, uint8_t b) {
    int32_t best = 0;
    int32_t bestDistance = 1 << 30;
    for (int32_t i = 0; i < 256; ++i) {
        const LumablitPaletteEntry& e = palette[i];
        const int32_t dr = e.red - r, dg = e.green - g, db = e.blue - b;
        const int32_t d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return best;
}

const LumablitPaletteEntry* MatchingPalette(const Surface& s) {
    if (const Palette* p = Get<Palette>(s.palette)) return p->entries;
    if (const Surface* primary = Get<Surface>(State().primary))
        if (const Palette* p = Get<Palette>(primary->palette)) return p->entries;
    return DefaultTable();
}

uint32_t ColorOnSurface(const Surface& s, uint32_t colour) {
    const uint8_t r = uint8_t(colour), g = uint8_t(colour >> 8), b = uint8_t(colour >> 16);
    if (s.bits == 8) return uint32_t(MatchColor(MatchingPalette(s), r, g, b));
    return RgbToPixel(s.bits, r, g, b);
}

}  // namespace lb

using namespace lb;

LB_EXPORT int32_t ddColorEx(int32_t colour, int32_t surface) {
    const Surface* s = ColorTarget(surface);
    if (!s) return -1;
    State().lastResult = 0;
    return int32_t(ColorOnSurface(*s, uint32_t(colour)));
}

LB_EXPORT int32_t ddColor(int32_t colour) {
    if (!State().primary) return -1;
    return ddColorEx(colour, 0);
}

LB_EXPORT int32_t ddSetColorKey(int32_t surface, int32_t key) {
    if (surface == 0) return 0;
    Surface* s = Get<Surface>(surface);
    if (!s) return 0;
    const uint32_t value = key < 0 ? LoadPixel(s->pixels.data(), s->bpp) : uint32_t(key);
    s->key = value & PixelMask(s->bits);
    s->hasKey = true;
    State().lastResult = 0;
    return 1;
}

LB_EXPORT int32_t ddGetColorKey(int32_t surface) {
    if (surface == 0) return -1;
    const Surface* s = Get<Surface>(surface);
    if (!s) return 0;
    if (!s->hasKey) {
        State().lastResult = LUMABLIT_ERR_NOCOLORKEY;
        return 0;
    }
    State().lastResult = 0;
    return int32_t(s->key);
}

LB_EXPORT int32_t ddCreatePalette(const LumablitPaletteEntry* entries) {
    return entries ? NewPalette(entries) : 0;
}

LB_EXPORT int32_t ddCreateDefPalette(void) { return NewPalette(DefaultTable()); }

LB_EXPORT int32_t ddCreatePaletteFromFile(const char* path) {
    if (!State().device) return 0;
    uint8_t bytes[14 + 40 + 1024];
    size_t n = 0;
    if (path) {
        if (FILE* f = std::fopen(path, "rb")) {
            n = std::fread(bytes, 1, sizeof bytes, f);
            std::fclose(f);
        }
    }
    LumablitPaletteEntry table[256];
    PaletteFromFileBytes(n ? bytes : nullptr, n, table);
    return NewPalette(table);
}

LB_EXPORT int32_t ddCreatePaletteFromResource(int32_t, const char* name) {
    if (!State().device) return 0;
    LumablitPaletteEntry table[256];
    const std::vector<uint8_t>* bytes = FindResource(name);
    PaletteFromDib(bytes ? bytes->data() : nullptr, bytes ? bytes->size() : 0, table);
    return NewPalette(table);
}

LB_EXPORT int32_t ddCopyPalette(int32_t palette) {
    const Palette* p = Get<Palette>(palette);
    return p ? NewPalette(p->entries) : 0;
}

LB_EXPORT int32_t ddCopySystemPalette(void) {
    const Surface* primary = Get<Surface>(State().primary);
    const Palette* p = primary ? Get<Palette>(primary->palette) : nullptr;
    return p ? NewPalette(p->entries) : 0;
}

LB_EXPORT int32_t ddSetPalette(int32_t surface, int32_t palette) {
    Surface* s = ColorTarget(surface);
    if (!s) return 0;
    Palette* p = nullptr;
    if (palette != 0 && !(p = Get<Palette>(palette))) return 0;
    if (s->bits != 8) {
        State().lastResult = LUMABLIT_ERR_INVALIDPIXELFORMAT;
        return 0;
    }
    State().lastResult = 0;
    if (s->palette == palette) return 1;
    if (p) ++p->refs;
    ReleasePaletteRef(s->palette);
    s->palette = palette;
    return 1;
}

LB_EXPORT int32_t ddGetPalette(int32_t surface) {
    const Surface* s = ColorTarget(surface);
    Palette* p = s ? Get<Palette>(s->palette) : nullptr;
    if (!p) return 0;
    ++p->refs;
    return s->palette;
}

LB_EXPORT int32_t ddReleasePalette(int32_t palette) {
    Palette* p = Get<Palette>(palette);
    if (!p) return 0;
    if (--p->refs > 0) return 0;
    FreeHandle(palette);
    return 1;
}

LB_EXPORT int32_t ddGetPaletteEntries(int32_t palette, int32_t first, int32_t count,
                                      LumablitPaletteEntry* entries) {
    const Palette* p = Get<Palette>(palette);
    if (!p || !EntryRange(first, count, entries)) return 0;
    std::memcpy(entries, p->entries + first, sizeof(LumablitPaletteEntry) * size_t(count));
    return 1;
}

LB_EXPORT int32_t ddSetPaletteEntries(int32_t palette, int32_t first, int32_t count,
                                      const LumablitPaletteEntry* entries) {
    Palette* p = Get<Palette>(palette);
    if (!p || !EntryRange(first, count, entries)) return 0;
    std::memmove(p->entries + first, entries, sizeof(LumablitPaletteEntry) * size_t(count));
    return 1;
}
