#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "match/MatchSound.h"
#include "pictures/Surfaces.h"
#include "platform/platform.h"
#include "shell/Settings.h"
#include "shell/SideScreens.h"
#include "shell/SuperModule.h"

namespace Main2 {
using namespace Lumablit_Declarations_Test;

namespace {

struct Credit {
    int16_t startY;
    int16_t srcY, w, h, screenX;
};

constexpr Credit kCredits[16] = {
    {460, 0, 274, 54, 175},      {590, 50, 300, 89, 180},     {790, 138, 270, 58, 190},
    {900, 194, 286, 95, 190},    {1030, 50, 300, 89, 180},    {1230, 797, 315, 64, 165},
    {1340, 861, 266, 106, 170},  {1560, 347, 228, 81, 180},   {1670, 428, 372, 109, 150},
    {1810, 50, 300, 89, 180},    {2000, 537, 268, 68, 180},   {2110, 605, 288, 192, 180},
    {2430, 289, 267, 58, 190},   {2540, 194, 300, 95, 190},   {2760, 967, 338, 62, 170},
    {2870, 1029, 436, 56, 130},
};

// The closing pieces follow the last credit at fixed offsets (startY holds the offset).
constexpr Credit kClosing[7] = {
    {110, 1085, 436, 63, 160},  {440, 1148, 436, 65, 155},  {550, 1213, 436, 70, 155},
    {770, 1283, 436, 67, 155},  {980, 1360, 436, 80, 155},  {1350, 1438, 436, 90, 125},
    {1500, 1528, 436, 86, 125},
};

constexpr int kMusic = 14;
constexpr int16_t kEndY = -1636;

bool CtrlHeld() { return GetAsyncKeyState(vk::Ctrl) != 0; }

void DrawPiece(const Credit& c, int y) { BlitKeyed(SurfSTAFF, 0, 0, c.srcY, c.w, c.h, c.screenX, y); }

}  // namespace

void StaffRoll() {
    int16_t y[16];
    for (int k = 0; k < 16; ++k) y[k] = kCredits[k].startY;

    Main_Module::StopSound(kMusic);
    if (IsTrue(Main_Module::MusicOn)) Main_Module::PlaySoundLooping(kMusic);

    for (;;) {
        for (int16_t& yk : y) yk = static_cast<int16_t>(yk - (CtrlHeld() ? 8 : 4));
        ddFillRect(0, 0, 0, 640, 480, ddColor(0));
        for (int k = 0; k < 16; ++k) DrawPiece(kCredits[k], y[k]);
        for (const Credit& c : kClosing) DrawPiece(c, y[15] + c.startY);
        if (y[15] < kEndY) break;
        BlitKeyed(SurfSTAFF_BACK, 0, 0, 0, 640, 480, 0, 0);
        if (!CtrlHeld()) SUPER_MODULE::WaitMs(Main_Module::FrameDelay);
        ddUpdateWindow(0);
    }

    Main_Module::StopSound(kMusic);
}

}  // namespace Main2
