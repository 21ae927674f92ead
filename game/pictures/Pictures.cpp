#include "pictures/Pictures.h"

#include <zlib.h>

#include <cstring>

#include "lumablit/include/lumablit.h"
#include "match/BlitHelpers.h"
#include "pictures/Embedded.h"
#include "pictures/Surfaces.h"
#include "platform/platform.h"
#include "shell/StateDump.h"

namespace Main2 {
namespace {

using Lumablit_Declarations_Test::BlitFX;
using Lumablit_Declarations_Test::BlitKeyed;
using Lumablit_Declarations_Test::BlitOpaque;

struct StartupPicture {
  const char* name;
  int32_t* surface;
};

// Rows 1 to 29 of the picture set, in the order start-up makes them.
const StartupPicture kStartup[] = {
    {"CHR_1", &SurfCHR_1},
    {"CHR_2", &SurfCHR_2},
    {"READY0", &SurfREADY[0]},
    {"READY1", &SurfREADY[1]},
    {"HyperCOMBOBACK", &SurfHyperCOMBOBACK},
    {"Flash", &SurfFlash},
    {"Lightning", &SurfLightning},
    {"SICHISEI", &SurfSICHISEI},
    {"Nowloading", &SurfNowloading},
    {"HAIKEI", &SurfHAIKEI},
    {"Brabou", &SurfBrabou},
    {"TENDON", &SurfTENDON},
    {"TENDON2", &SurfTENDON2},
    {"Config", &SurfConfig},
    {"StageCRS", &SurfStageCRS},
    {"StageSelect", &SurfStageSelect},
    {"Kamikaze0", &SurfKamikaze0},
    {"Kamikaze1", &SurfKamikaze1},
    {"ScrollBack", &SurfScrollBack},
    {"HELP", &SurfHELP},
    {"TENDON3", &SurfTENDON3},
    {"Tukkomi2", &SurfTukkomi2},
    {"STAFF_BACK", &SurfSTAFF_BACK},
    {"STAFF", &SurfSTAFF},
    {"Coin", &SurfCoin},
    {"VS_Coin", &SurfVS_Coin},
    {"Tukkomi_VS", &SurfTukkomi_VS},
    {"NEW", &SurfNEW},
    {"Number", &SurfNumber},
};

// One picture into one surface through a bitmap object; 0 when absent or refused.
int32_t MakeSurface(const char* name) {
  std::vector<uint8_t> bytes = PictureBytes(name);
  if (bytes.empty()) return 0;
  int32_t bitmap = ddCreateBitmap(bytes.data(), int32_t(bytes.size()));
  if (!bitmap) return 0;
  int32_t surface = ddCreateSurfaceFromBitmap(bitmap);
  ddDeleteBitmap(bitmap);
  return surface;
}

void Release(int32_t& surface) {
  if (surface) ddReleaseSurface(surface);
  surface = 0;
}

// The eight Kamikaze0 pieces of the crash sequence, with their screen x.
struct Piece {
  int sx, w, dx;
};
const Piece kKamikazePieces[8] = {{0, 209, 240},   {209, 231, 220}, {440, 257, 220}, {697, 89, 295},
                                  {0, 209, 220},   {209, 231, 220}, {786, 192, 220}, {978, 197, 220}};

void Reset() {
  // Surfaces belong to the display; a reset forgets the handles only.
  for (const auto& p : kStartup) *p.surface = 0;
  for (int32_t& s : SurfTitle) s = 0;
  for (int32_t& s : SurfTamberlyn) s = 0;
  SurfTukkomi = SurfCharSheet = SurfTukkomiSheet = 0;
}

void Dump(StateJson& w) {
  for (const auto& p : kStartup) w.Int(std::string("Surf") + p.name, *p.surface);
  for (int i = 0; i < 8; ++i) w.Int("SurfTitle" + std::to_string(i), SurfTitle[i]);
  for (int i = 0; i < 5; ++i) w.Int("SurfTamberlyn" + std::to_string(i), SurfTamberlyn[i]);
  w.Int("SurfTukkomi", SurfTukkomi);
  w.Int("SurfCharSheet", SurfCharSheet);
  w.Int("SurfTukkomiSheet", SurfTukkomiSheet);
}

}  // namespace

std::vector<uint8_t> PictureBytes(const char* name) {
  if (!name) return {};
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

void MakeStartupSurfaces(int step) {
  const size_t first = step == 12 ? 0 : 2;
  const size_t last = step == 12 ? 2 : sizeof kStartup / sizeof kStartup[0];
  if (step != 12 && step != 13) return;
  for (size_t i = first; i < last; ++i) *kStartup[i].surface = MakeSurface(kStartup[i].name);
}

void BuildSheets() {
  SurfTukkomiSheet = ddCreateSurface(640, 512);
  SurfCharSheet = ddCreateSurface(1280, 1280);
  // A sheet that could not be made gets nothing: handle 0 as a destination is the back surface.
  if (SurfTukkomiSheet) {
    BlitOpaque(SurfTukkomi_VS, SurfTukkomiSheet, 0, 0, 640, 192, 0, 0);
    for (int row = 0; row < 3; ++row)
      for (int x = 0; x <= 640; x += 32)
        BlitFX(SurfTukkomi_VS, SurfTukkomiSheet, x, 64 * row, 32, 64, 32, 64, x, 256 + 64 * row, 1);
    ddSetColorKey(SurfTukkomiSheet, ddColor(0xB860));
  }
  if (SurfCharSheet) {
    // Bands 3, 2, 1, 0 of CHR_1: mirrored strips 128 rows below each copied band.
    for (int band = 3; band >= 0; --band) {
      const int src = 128 * band, dst = 256 * band;
      for (int x = 0; x <= 1280; x += 32)
        BlitFX(SurfCHR_1, SurfCharSheet, x, src, 32, 128, 32, 128, x, dst + 128, 1);
      BlitOpaque(SurfCHR_1, SurfCharSheet, 0, src, 1280, 128, 0, dst);
    }
    ddSetColorKey(SurfCharSheet, ddColor(0x505400));
  }
  Release(SurfTukkomi_VS);
  Release(SurfCHR_1);
}

void MakeTitleSurfaces() {
  for (int i = 0; i < 8; ++i) SurfTitle[i] = MakeSurface(("TitleBMP" + std::to_string(i)).c_str());
}

void ReleaseTitleSurfaces() {
  for (int32_t& s : SurfTitle) Release(s);
}

void MakeOpeningSurfaces() {
  for (int i = 0; i < 5; ++i) SurfTamberlyn[i] = MakeSurface(("Tamberlyn" + std::to_string(i)).c_str());
  SurfTukkomi = MakeSurface("Tukkomi");
}

void ReleaseOpeningSurfaces() {
  Release(SurfTukkomi);
  for (int32_t& s : SurfTamberlyn) Release(s);
}

void ShowNowLoading() {
  ddFillRect(0, 0, 0, 640, 480, ddColor(0));
  BlitOpaque(SurfNowloading, 0, 0, 0, 181, 20, 440, 440);
  ddUpdateWindow(0);
  DoEvents();
}

void WarmUpSurfaces() {
  ShowNowLoading();
  for (int pass = 0; pass < 2; ++pass) {
    BlitKeyed(SurfCharSheet, 0, 0, 0, 1280, 1280, 0, 0);
    BlitKeyed(SurfSICHISEI, 0, 0, 0, 723, 180, 0, 0);
    BlitOpaque(SurfHyperCOMBOBACK, 0, 0, 0, 640, 480, 0, 0);
    BlitKeyed(SurfLightning, 0, 0, 0, 854, 480, 0, 0);
    BlitKeyed(SurfFlash, 0, 0, 0, 2560, 480, 0, 0);
    BlitKeyed(SurfREADY[0], 0, 0, 0, 640, 209, 0, 0);
    BlitKeyed(SurfREADY[1], 0, 0, 0, 260, 209, 0, 0);
    BlitKeyed(SurfTENDON2, 0, 0, 0, 768, 384, 0, 0);
    BlitKeyed(SurfTENDON, 0, 0, 0, 640, 480, 0, 0);
    for (const Piece& p : kKamikazePieces) BlitOpaque(SurfKamikaze0, 0, p.sx, 0, p.w, 237, p.dx, 122);
    BlitOpaque(SurfKamikaze1, 0, 0, 0, 640, 480, 0, 0);
  }
}

static const bool registered = RegisterModule({"Main2.Pictures", &Reset, &Dump});

}  // namespace Main2
