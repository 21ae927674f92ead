// Surfaces, bitmaps and the resource table.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "internal.h"

namespace lb {
namespace {

constexpr int32_t kMaxSurfaceSide = 16384;
constexpr int64_t kMaxSurfaceBytes = int64_t(1) << 28;

std::map<std::string, std::vector<uint8_t>>& Resources() {
    static std::map<std::string, std::vector<uint8_t>> table;
    return table;
}

// A resource name is text, or a number below 65536 passed in place of the address; the
// number N is the name "#N".
std::string ResourceKey(const char* name) {
    const uintptr_t value = reinterpret_cast<uintptr_t>(name);
    if (value <= 0xFFFF) return "#" + std::to_string(value);
    return name;
}

bool ReadFile(const char* path, std::vector<uint8_t>& out, size_t limit) {
    if (!path) return false;
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    out.clear();
    uint8_t buf[65536];
    size_t n;
    while (out.size() < limit && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.insert(out.end(), buf, buf + std::min(n, limit - out.size()));
    std::fclose(f);
    return true;
}

// Range [offset, offset + count) inside the surface's pixels.
Surface* DataRange(int32_t surface, const void* buffer, int32_t count, int32_t offset) {
    Surface* s = DrawTarget(surface);
    if (!s || !buffer || count < 0 || offset < 0) return nullptr;
    if (int64_t(offset) + count > int64_t(s->pixels.size())) return nullptr;
    return s;
}

int32_t SurfaceFromBitmapBytes(const std::vector<uint8_t>& bytes) {
    const int32_t bitmap = ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
    if (!bitmap) return 0;
    const int32_t surface = ddCreateSurfaceFromBitmap(bitmap);
    ddDeleteBitmap(bitmap);
    return surface;
}

}  // namespace

std::unique_ptr<Surface> AllocSurface(int32_t w, int32_t h, int32_t bits) {
    if (w <= 0 || h <= 0 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) return nullptr;
    const int32_t bpp = bits / 8;
    if (int64_t(w) * h * bpp > kMaxSurfaceBytes) return nullptr;
    auto s = std::make_unique<Surface>();
    s->w = w;
    s->h = h;
    s->bits = bits;
    s->bpp = bpp;
    s->pitch = w * bpp;
    s->pixels.assign(size_t(s->pitch) * size_t(h), 0);
    return s;
}

void ReleasePaletteRef(int32_t palette) {
    Palette* p = Get<Palette>(palette);
    if (p && --p->refs <= 0) FreeHandle(palette);
}

void DestroySurface(int32_t handle) {
    Surface* s = Get<Surface>(handle);
    if (!s) return;
    ReleasePaletteRef(s->palette);
    FreeHandle(s->dc);
    FreeHandle(handle);
}

}  // namespace lb

using namespace lb;

LB_EXPORT int32_t ddCreateSurface(int32_t width, int32_t height) {
    DisplayState& st = State();
    const Surface* primary = Get<Surface>(st.primary);
    if (!st.device || !primary) return 0;
    auto s = AllocSurface(width, height, primary->bits);
    return s ? NewHandle(Kind::Surface, std::move(s)) : 0;
}

LB_EXPORT int32_t ddReleaseSurface(int32_t surface) {
    if (surface == 0) return 1;
    const DisplayState& st = State();
    if (surface == st.primary || surface == st.back) return 0;
    if (!Get<Surface>(surface)) return 0;
    DestroySurface(surface);
    return 1;
}

LB_EXPORT int32_t ddCreateSurfaceFromBitmap(int32_t bitmap) {
    const Bitmap* b = Get<Bitmap>(bitmap);
    if (!State().device || !b) return 0;
    const int32_t surface = ddCreateSurface(b->image.width, b->image.height);
    if (!surface) return 0;
    ddBitmapBlt(surface, 0, 0, 0, 0, bitmap, 0, 0);
    ddSetColorKey(surface, -1);
    return surface;
}

LB_EXPORT int32_t ddCreateSurfaceFromFile(const char* path) {
    std::vector<uint8_t> bytes;
    if (!State().device || !ReadFile(path, bytes, size_t(1) << 30)) return 0;
    return SurfaceFromBitmapBytes(bytes);
}

LB_EXPORT int32_t ddCreateSurfaceFromResource(int32_t, const char* name) {
    const std::vector<uint8_t>* bytes = FindResource(name);
    return State().device && bytes ? SurfaceFromBitmapBytes(*bytes) : 0;
}

LB_EXPORT int32_t ddGetPrimarySurface(void) { return State().primary; }
LB_EXPORT int32_t ddGetBackSurface(void) { return State().back; }

LB_EXPORT int32_t ddGetWidth(int32_t surface) {
    const Surface* s = DrawTarget(surface);
    return s ? s->w : 0;
}

LB_EXPORT int32_t ddGetHeight(int32_t surface) {
    const Surface* s = DrawTarget(surface);
    return s ? s->h : 0;
}

LB_EXPORT int32_t ddInVideoMemory(int32_t) { return 0; }

LB_EXPORT int32_t ddGetDC(int32_t surface) {
    Surface* s = DrawTarget(surface);
    if (!s || Get<DeviceContext>(s->dc)) return 0;
    auto dc = std::make_unique<DeviceContext>();
    dc->surface = surface ? surface : State().back;
    s->dc = NewHandle(Kind::DC, std::move(dc));
    State().lastResult = 0;
    return s->dc;
}

LB_EXPORT int32_t ddReleaseDC(int32_t surface, int32_t dc) {
    Surface* s = DrawTarget(surface);
    if (!s || dc == 0 || s->dc != dc || !Get<DeviceContext>(dc)) return 0;
    FreeHandle(dc);
    s->dc = 0;
    return 1;
}

LB_EXPORT int32_t ddGetSurfaceData2(void* dest, int32_t count, int32_t surface, int32_t offset) {
    Surface* s = DataRange(surface, dest, count, offset);
    if (!s) return 0;
    if (count) std::memcpy(dest, s->pixels.data() + offset, size_t(count));
    return 1;
}

LB_EXPORT int32_t ddSetSurfaceData2(const void* source, int32_t count, int32_t surface,
                                    int32_t offset) {
    Surface* s = DataRange(surface, source, count, offset);
    if (!s) return 0;
    if (count) std::memmove(s->pixels.data() + offset, source, size_t(count));
    return 1;
}

LB_EXPORT int32_t ddGetSurfaceData(void* dest, int32_t count, int32_t surface) {
    return ddGetSurfaceData2(dest, count, surface, 0);
}

LB_EXPORT int32_t ddSetSurfaceData(const void* source, int32_t count, int32_t surface) {
    return ddSetSurfaceData2(source, count, surface, 0);
}

LB_EXPORT int32_t ddGetSurfaceBitCount(void) {
    const Surface* s = Get<Surface>(State().primary);
    return s ? s->bits : 0;
}

LB_EXPORT int32_t ddGetSurfaceImage(LumablitPicture* picture, int32_t surface, int32_t x, int32_t y,
                                    int32_t w, int32_t h) {
    const Surface* s = DrawTarget(surface);
    if (!picture || !s || w <= 0 || h <= 0 || x < 0 || y < 0) return 0;
    if (int64_t(x) + w > s->w || int64_t(y) + h > s->h) return 0;
    const int64_t rowBytes = int64_t(w) * s->bpp;
    if (!picture->pixels || picture->capacity < rowBytes * h) return 0;
    picture->width = w;
    picture->height = h;
    picture->bitCount = s->bits;
    picture->pitch = int32_t(rowBytes);
    for (int32_t r = 0; r < h; ++r)
        std::memcpy(static_cast<uint8_t*>(picture->pixels) + rowBytes * r,
                    s->Row(y + r) + size_t(x) * s->bpp, size_t(rowBytes));
    const Surface* primary = Get<Surface>(State().primary);
    const Palette* p = primary ? Get<Palette>(primary->palette) : nullptr;
    picture->hasPalette = p ? 1 : 0;
    if (p) std::memcpy(picture->palette, p->entries, sizeof p->entries);
    return 1;
}

LB_EXPORT int32_t GetBitmapWidth(int32_t bitmap) {
    const Bitmap* b = Get<Bitmap>(bitmap);
    return b ? b->image.width : 0;
}

LB_EXPORT int32_t GetBitmapHeight(int32_t bitmap) {
    const Bitmap* b = Get<Bitmap>(bitmap);
    return b ? b->image.height : 0;
}

LB_EXPORT int32_t ddCreateBitmap(const void* bmpBytes, int32_t size) {
    if (!bmpBytes || size <= 0) return 0;
    auto b = std::make_unique<Bitmap>();
    if (!DecodeBmp(static_cast<const uint8_t*>(bmpBytes), size_t(size), b->image)) return 0;
    return NewHandle(Kind::Bitmap, std::move(b));
}

LB_EXPORT int32_t ddLoadBitmapFile(const char* path) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes, size_t(1) << 30) || bytes.empty()) return 0;
    return ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
}

LB_EXPORT int32_t ddDeleteBitmap(int32_t bitmap) {
    if (!Get<Bitmap>(bitmap)) return 0;
    FreeHandle(bitmap);
    return 1;
}

LB_EXPORT int32_t ddAddResource(const char* name, const void* bytes, int32_t size) {
    if (!name || size < 0) return 0;
    if (!bytes || size == 0) {
        Resources().erase(ResourceKey(name));
        return 1;
    }
    const uint8_t* p = static_cast<const uint8_t*>(bytes);
    Resources()[ResourceKey(name)].assign(p, p + size);
    return 1;
}

namespace lb {
const std::vector<uint8_t>* FindResource(const char* name) {
    if (!name) return nullptr;
    auto it = Resources().find(ResourceKey(name));
    return it == Resources().end() ? nullptr : &it->second;
}
}  // namespace lb
