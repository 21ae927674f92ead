#include "pngout.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace art {

bool WritePng(const Canvas& c, const std::string& path, int scale) {
  if (scale < 1) scale = 1;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  const int w = c.w * scale, h = c.h * scale;
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const auto& p = pal::Colours();
  std::vector<png_byte> row(size_t(w) * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const pal::RGB& col = p[c.Get(x / scale, y / scale)];
      row[size_t(x) * 3] = col.r;
      row[size_t(x) * 3 + 1] = col.g;
      row[size_t(x) * 3 + 2] = col.b;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

}  // namespace art
