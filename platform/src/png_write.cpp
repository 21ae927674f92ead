#include <png.h>

#include <csetjmp>
#include <cstdio>

#include "platform/platform.h"

bool PlatformWritePng(const std::string& path, const CapturedFrame& frame, std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    if (frame.width <= 0 || frame.height <= 0 ||
        frame.rgb.size() != static_cast<size_t>(frame.width) * frame.height * 3)
        return fail("the frame has no pixels or the wrong size");
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return fail("cannot open the file for writing");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return fail("out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::remove(path.c_str());
        return fail("writing the PNG failed");
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(frame.width),
                 static_cast<png_uint_32>(frame.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < frame.height; ++y)
        png_write_row(png, frame.rgb.data() + static_cast<size_t>(y) * frame.width * 3);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        std::remove(path.c_str());
        return fail("writing the file failed");
    }
    return true;
}
