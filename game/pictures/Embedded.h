// The pictures built into the program: zlib-compressed Windows bitmaps, made by artgen.
#pragma once

#include <cstdint>

namespace Main2 {

struct EmbeddedPicture {
  const char* name;           // "CHR_1", "READY0", "TitleBMP3", ...
  const unsigned char* data;  // compressed bytes
  uint32_t packedSize;
  uint32_t size;              // size of the bitmap file once unpacked
};

extern const EmbeddedPicture kEmbeddedPictures[];
extern const int kEmbeddedPictureCount;

}  // namespace Main2
