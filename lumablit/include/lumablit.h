/* Lumablit: the game's graphics library (liblumablit.so).
 *
 * A software display layer: surfaces are pixel buffers in the display's bit depth
 * (8 = palette indices; 16 = RGB565; 24 = B,G,R bytes; 32 = XRGB8888), one primary and one
 * back surface, reference-counted 256-entry palettes, source colour keys, blits, fills and
 * presentation. Behind it either an SDL2 window or a memory-only display device (headless
 * mode and tests; chosen when the host resolves the window to no SDL window).
 *
 * Conventions shared by every export:
 *  - Arguments and results are 32-bit. Results 1 = success, 0 = failure unless noted.
 *  - Surfaces, palettes, bitmaps and device contexts are handles: non-zero 32-bit values
 *    taken from a table of live objects. An unknown or released handle makes the call fail
 *    (0, or -1 where the call answers -1); it never touches freed memory.
 *  - Drawing calls take surface 0 as the back surface; palette and colour calls take it as
 *    the primary surface. With no display those defaults are missing and the call fails.
 *  - Rectangles are left, top, right, bottom; right and bottom are exclusive.
 *  - Colours are 0x00BBGGRR. Pixel values are raw pixels in the surface's format.
 *  - Single-threaded: call everything from one thread.
 */
#ifndef LUMABLIT_H
#define LUMABLIT_H

#include <stdint.h>

#if defined(LUMABLIT_BUILD)
#define LUMABLIT_API __attribute__((visibility("default")))
#else
#define LUMABLIT_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct LumablitRect {
    int32_t left, top, right, bottom;
} LumablitRect;

/* Palette entry: red, green, blue, flags. A table is 256 of them (1024 bytes). */
typedef struct LumablitPaletteEntry {
    uint8_t red, green, blue, flags;
} LumablitPaletteEntry;

/* Result codes kept for ddError (its low 16 bits). */
#define LUMABLIT_OK 0
#define LUMABLIT_ERR_SURFACELOST ((int32_t)0x887601C2)      /* low word 450 */
#define LUMABLIT_ERR_WASSTILLDRAWING ((int32_t)0x8876021C)  /* low word 540 */
#define LUMABLIT_ERR_INVALIDRECT ((int32_t)0x88760096)      /* rectangle crosses an edge */
#define LUMABLIT_ERR_INVALIDPARAMS ((int32_t)0x80070057)    /* bad argument */
#define LUMABLIT_ERR_NOCOLORKEY ((int32_t)0x887600D7)       /* surface has no colour key */
#define LUMABLIT_ERR_NOFLIP ((int32_t)0x887600B4)           /* no flipping chain (windowed) */
#define LUMABLIT_ERR_INVALIDPIXELFORMAT ((int32_t)0x88760091) /* palette on a non-8-bit surface */
#define LUMABLIT_ERR_OUTOFMEMORY ((int32_t)0x8007000E)

/* ---- Host: window-system operations supplied by the executable ---------------------------
 * Every member may be NULL:
 *  sdlWindow    the SDL_Window* behind a window handle, or NULL => memory display device.
 *               NULL member => always the memory device.
 *  showCursor   counted cursor show/hide (returns the new display count); NULL => no-op.
 *  enableWindow enable (1) / disable (0) the window's input; NULL => no-op.
 *  messageBox   OK box with text and caption; NULL => "caption: text" on stderr.
 *  tickCount    32-bit millisecond tick; NULL => the library's own monotonic ms clock.
 *  presented    called after every presentation (ddUpdateWindow, ddAsyncUpdateWindow,
 *               ddFlip) that succeeded; NULL => nothing.
 * The library copies the struct; call again to change it. ddSetHost(NULL) clears it. */
typedef struct LumablitHost {
    void* (*sdlWindow)(int32_t window);
    int32_t (*showCursor)(int32_t show);
    void (*enableWindow)(int32_t window, int32_t enable);
    void (*messageBox)(const char* text, const char* caption);
    uint32_t (*tickCount)(void);
    void (*presented)(void);
} LumablitHost;

LUMABLIT_API void ddSetHost(const LumablitHost* host);

/* The last presented frame as RGB triples, row by row, converted through the palette that
 * was current at presentation. *width / *height (either may be NULL) get its size even when
 * the buffer is too small; rgb may be NULL to ask for the size. 1 when a frame was written
 * (capacity >= width*height*3), else 0. Kept by both display devices; ddQuit keeps it. */
LUMABLIT_API int32_t ddGetFrame(uint8_t* rgb, int32_t capacity, int32_t* width, int32_t* height);

/* ---- Bitmaps (stand-ins for GDI bitmaps) -------------------------------------------------
 * ddCreateBitmap decodes BMP file bytes held in memory ("BM" file header, then a 40-byte or
 * larger information header; a bare information header without the file header is taken
 * too). Uncompressed 1, 4 and 8 bits per pixel with colour table, and 24 bits; bottom-up and
 * top-down. Returns a bitmap handle, 0 for anything else or malformed bytes. The bytes are
 * decoded at once; the caller keeps ownership of them.
 * ddLoadBitmapFile reads a BMP file and does the same. ddDeleteBitmap frees one: 1/0. */
LUMABLIT_API int32_t ddCreateBitmap(const void* bmpBytes, int32_t size);
LUMABLIT_API int32_t ddLoadBitmapFile(const char* path);
LUMABLIT_API int32_t ddDeleteBitmap(int32_t bitmap);

/* In-memory resource table for ddCreateSurfaceFromResource and ddCreatePaletteFromResource:
 * stores a COPY of the bytes (BMP file bytes, or a bare information header + table + pixels)
 * under name; a second call with the same name replaces it; size 0 or bytes NULL removes
 * it. 1/0. The module instance argument of the resource calls is ignored. A name below
 * 65536 is a number, not an address: N stands for the name "#N" (NULL is no name). */
LUMABLIT_API int32_t ddAddResource(const char* name, const void* bytes, int32_t size);

/* ---- Library frame and display ------------------------------------------------------------ */

/* flags: bit 0 full screen; bit 1 full screen (same as bit 0 here); bit 2 no effect.
 * Full screen on SDL: desktop full screen, the width x height picture scaled to fit with
 * nearest-neighbour pixels, aspect kept, black borders (SDL_Renderer with logical size set
 * on that window). Windowed: the window's client area becomes width x height, 32 bits per
 * pixel; ddQuit gives the earlier size back. Full screen disables the window and hides the
 * cursor through the host; ddQuit undoes that. A failing step shows "Error in <step>"
 * captioned "Lumablit.Dll" and returns 0. window 0 or already initialised: 0, no box. */
LUMABLIT_API int32_t ddInit(int32_t window, int32_t width, int32_t height, int32_t flags);
LUMABLIT_API int32_t ddQuit(void);
/* 16, 24, 32 stored, anything else 8; used by the next full-screen ddInit. Always 1. */
LUMABLIT_API int32_t ddSetBitDepth(int32_t bits);
/* Low 16 bits of the last result code. */
LUMABLIT_API int32_t ddError(void);

/* ---- Surfaces ----------------------------------------------------------------------------- */

LUMABLIT_API int32_t ddCreateSurface(int32_t width, int32_t height);
/* 1 (also for 0); 0 for the primary or back surface and for unknown handles. */
LUMABLIT_API int32_t ddReleaseSurface(int32_t surface);
/* A surface of the bitmap's size holding its pixels, colours matched to the display palette;
 * its colour key becomes its top-left pixel. */
LUMABLIT_API int32_t ddCreateSurfaceFromBitmap(int32_t bitmap);
LUMABLIT_API int32_t ddCreateSurfaceFromFile(const char* path);
LUMABLIT_API int32_t ddCreateSurfaceFromResource(int32_t instance, const char* name);
LUMABLIT_API int32_t ddGetPrimarySurface(void);
LUMABLIT_API int32_t ddGetBackSurface(void);
LUMABLIT_API int32_t ddGetWidth(int32_t surface);
LUMABLIT_API int32_t ddGetHeight(int32_t surface);
/* Always 0: every surface lives in system memory. */
LUMABLIT_API int32_t ddInVideoMemory(int32_t surface);
/* A device-context handle bound to the surface (no drawing calls take it; it marks the
 * surface as handed out until ddReleaseDC). 0 on failure. */
LUMABLIT_API int32_t ddGetDC(int32_t surface);
/* 1 when dc is the live context of that surface (and frees it), else 0. */
LUMABLIT_API int32_t ddReleaseDC(int32_t surface, int32_t dc);
/* Flat byte copies from/to the start of the pixels (+ offset for the 2 variants). Rows are
 * pitch = width * bytes per pixel apart. A range outside pitch*height, a negative count or
 * offset, or a NULL buffer fails with nothing copied. */
LUMABLIT_API int32_t ddGetSurfaceData(void* dest, int32_t count, int32_t surface);
LUMABLIT_API int32_t ddSetSurfaceData(const void* source, int32_t count, int32_t surface);
LUMABLIT_API int32_t ddGetSurfaceData2(void* dest, int32_t count, int32_t surface, int32_t offset);
LUMABLIT_API int32_t ddSetSurfaceData2(const void* source, int32_t count, int32_t surface,
                                       int32_t offset);
/* Bits per pixel of the primary surface, 0 without one. */
LUMABLIT_API int32_t ddGetSurfaceBitCount(void);

/* Stand-in for the framework picture object of ddGetSurfaceImage: the caller sets pixels and
 * capacity (bytes); the call fills width, height, bitCount, pitch (= width * bytes per
 * pixel), the pixels row by row, and, when the primary surface has a palette, its 256
 * entries with hasPalette = 1 (else 0). */
typedef struct LumablitPicture {
    int32_t width, height, bitCount, pitch;
    void* pixels;
    int32_t capacity;
    int32_t hasPalette;
    LumablitPaletteEntry palette[256];
} LumablitPicture;
/* Copies the w x h rectangle at (x, y) of the surface into the picture. 0 if the rectangle
 * is empty or not inside the surface, or the picture's buffer is too small. */
LUMABLIT_API int32_t ddGetSurfaceImage(LumablitPicture* picture, int32_t surface, int32_t x,
                                       int32_t y, int32_t w, int32_t h);
/* Size of a bitmap handle; 0 for 0 or unknown handles. */
LUMABLIT_API int32_t GetBitmapWidth(int32_t bitmap);
LUMABLIT_API int32_t GetBitmapHeight(int32_t bitmap);

/* ---- Blits, fills and presenting ----------------------------------------------------------
 * useKey != 0 skips source pixels equal to the source's colour key (no key set: nothing
 * skipped). ddBlt and the calls built on it clip to the destination when the rectangles are
 * the same size, stretch (nearest pixel) otherwise, and read an unchanged copy of the
 * source when source and destination overlap in the same surface. ddBltFast and
 * ddSafeBltFast fail on a rectangle that crosses an edge of either surface. */
LUMABLIT_API int32_t ddBlt(int32_t dest, const LumablitRect* destRect, int32_t src,
                           const LumablitRect* srcRect, int32_t useKey);
LUMABLIT_API int32_t ddBitBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                              int32_t src, int32_t sx, int32_t sy, int32_t useKey);
LUMABLIT_API int32_t ddStretchBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t src, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                                  int32_t useKey);
LUMABLIT_API int32_t ddSafeBitBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t destW, int32_t destH, int32_t src, int32_t sx,
                                  int32_t sy, int32_t srcW, int32_t srcH, int32_t useKey);
LUMABLIT_API int32_t ddBltFast(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                               int32_t src, int32_t sx, int32_t sy, int32_t useKey);
LUMABLIT_API int32_t ddSafeBltFast(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t destW, int32_t destH, int32_t src, int32_t sx,
                                   int32_t sy, int32_t srcW, int32_t srcH, int32_t useKey);
/* fx: 2 mirror left-right, 4 mirror up-down, 16 rotate 180, 32 rotate 270, 64 rotate 90
 * (counter-clockwise), combinable; 1, 8, 128, 256 do nothing extra. fx != 0 ignores rop;
 * fx 0 takes rop 0xCC0020 (copy) only, any other rop fails. No colour key. */
LUMABLIT_API int32_t ddBltFX(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                             int32_t src, int32_t sx, int32_t sy, int32_t sw, int32_t sh,
                             int32_t rop, int32_t fx);
/* Copies w x h from (sx, sy) of the bitmap to (x, y), clipped to both; w or h 0 takes the
 * bitmap's size. Colours are matched to the palette of the destination (else the primary
 * surface's, else the 3-3-2 default). */
LUMABLIT_API int32_t ddBitmapBlt(int32_t dest, int32_t x, int32_t y, int32_t w, int32_t h,
                                 int32_t bitmap, int32_t sx, int32_t sy);
/* Fill the rectangle (edges, clipped to the surface) with a pixel value. */
LUMABLIT_API int32_t ddFillRect(int32_t dest, int32_t left, int32_t top, int32_t right,
                                int32_t bottom, int32_t color);
LUMABLIT_API int32_t ddClear(int32_t dest, int32_t color);
/* Present src (0 = back surface) after waiting for the next refresh; the memory device does
 * not wait. ddAsyncUpdateWindow does not wait. ddFlip presents the back surface (full
 * screen only; windowed fails). */
LUMABLIT_API int32_t ddUpdateWindow(int32_t src);
LUMABLIT_API int32_t ddAsyncUpdateWindow(int32_t src);
LUMABLIT_API int32_t ddFlip(void);

/* ---- Palettes and colours ------------------------------------------------------------------
 * Colour matching picks the entry holding exactly the colour (lowest index), else the
 * nearest by squared RGB distance. 8-bit surfaces match against their own palette, else
 * the primary surface's, else the 3-3-2 default. */
LUMABLIT_API int32_t ddColor(int32_t colour);
LUMABLIT_API int32_t ddColorEx(int32_t colour, int32_t surface);
/* key < 0 takes the top-left pixel. Surface 0 fails. */
LUMABLIT_API int32_t ddSetColorKey(int32_t surface, int32_t key);
/* The key; 0 on failure or with no key; -1 for surface 0. */
LUMABLIT_API int32_t ddGetColorKey(int32_t surface);
LUMABLIT_API int32_t ddCreatePalette(const LumablitPaletteEntry* entries);
LUMABLIT_API int32_t ddCreateDefPalette(void);
/* Palette from a BMP file's colour table; a missing file gives the 3-3-2 default. */
LUMABLIT_API int32_t ddCreatePaletteFromFile(const char* path);
LUMABLIT_API int32_t ddCreatePaletteFromResource(int32_t instance, const char* name);
/* No GDI palettes here: copies all 256 entries of another Lumablit palette handle. */
LUMABLIT_API int32_t ddCopyPalette(int32_t palette);
/* The palette the screen shows: a copy of the primary surface's palette, 0 without one. */
LUMABLIT_API int32_t ddCopySystemPalette(void);
/* Attach (palette 0 detaches); the surface holds a reference. 8-bit surfaces only. */
LUMABLIT_API int32_t ddSetPalette(int32_t surface, int32_t palette);
/* The attached palette as a new reference (release it), 0 if none. */
LUMABLIT_API int32_t ddGetPalette(int32_t surface);
/* Drops one reference; 1 only when that was the last one. */
LUMABLIT_API int32_t ddReleasePalette(int32_t palette);
/* first >= 0, count > 0, first + count <= 256, else 0. */
LUMABLIT_API int32_t ddGetPaletteEntries(int32_t palette, int32_t first, int32_t count,
                                         LumablitPaletteEntry* entries);
LUMABLIT_API int32_t ddSetPaletteEntries(int32_t palette, int32_t first, int32_t count,
                                         const LumablitPaletteEntry* entries);

/* ---- Timing, vertical blank and modes --------------------------------------------------- */

LUMABLIT_API int32_t SetTimeKeeper(int32_t interval);
LUMABLIT_API int32_t IsTimeElapsed(void);
LUMABLIT_API int32_t WaitTimeElapsed(void);
/* Wait for the start / end of the next refresh; memory device: 1 at once; no display: 0. */
LUMABLIT_API int32_t ddWaitVBBegin(void);
LUMABLIT_API int32_t ddWaitVBEnd(void);
/* Writes width, height, bits per pixel per mode, at most maxModes modes (maxModes <= 0 or
 * buffer NULL: nothing written, 0). Returns the number of modes written. */
LUMABLIT_API int32_t ddEnumDisplayModes(int32_t* buffer, int32_t maxModes);
/* Always 0 (no overlays) / 1 (any width) once initialised; 0 without a display. */
LUMABLIT_API int32_t ddCanOverlay(int32_t emulated);
LUMABLIT_API int32_t ddCanWideSurface(int32_t emulated);
/* Always 0: no Mode X. */
LUMABLIT_API int32_t ddIsModeX(void);
/* Bits per pixel of the desktop (32 on the memory device). */
LUMABLIT_API int32_t GetBitsPixel(void);

#ifdef __cplusplus
}
#endif

#endif /* LUMABLIT_H */
