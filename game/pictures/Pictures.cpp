#include "pictures/Pictures.h"

#include <zlib.h>

#include <cstring>

#include "pictures/Embedded.h"
#include "pictures/Surfaces.h"

namespace Main2 {

std::vector<uint8_t> PictureBytes(const char* name) {
  for (int i = 0; i < kEmbeddedPictureCount; ++i) {
    const EmbeddedPicture& p = kEmbeddedPictures[i];
    if (!p.data || std::strcmp(p.name, name) != 0) continue;
    std::vector<uint8_t> out(p.size);
    uLongf len = p.size;
    if (uncompress(out.data(), &len, p.data, p.packedSize) != Z_OK || len != p.size) return {};
    return out;
  }
  return {};
}

// Surface making lands once the graphics library's header is in the tree.
void MakeStartupSurfaces(int) {}
void BuildSheets() {}
void MakeTitleSurfaces() {}
void ReleaseTitleSurfaces() {}
void MakeOpeningSurfaces() {}
void ReleaseOpeningSurfaces() {}
void WarmUpSurfaces() {}
void ShowNowLoading() {}

}  // namespace Main2
