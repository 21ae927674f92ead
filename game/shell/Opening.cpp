#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "pictures/Pictures.h"
#include "pictures/Surfaces.h"
#include "platform/platform.h"
#include "shell/Settings.h"
#include "shell/SideScreens.h"
#include "shell/SuperModule.h"

namespace Main2 {
using namespace Lumablit_Declarations_Test;

namespace {
bool CtrlHeld() { return GetAsyncKeyState(vk::Ctrl) != 0; }

void DrawCell(int cell, int x) { BlitKeyed(SurfTukkomi, 0, 0, 64 * cell, 64, 64, x, 400); }
}  // namespace

void Opening() {
    if (CtrlHeld()) return;
    MakeOpeningSurfaces();

    int x = 640;
    int cell = 0;
    bool step = false;
    for (int t = 0; t < 80; ++t) {
        if (CtrlHeld()) break;
        ddFillRect(0, 0, 0, 640, 480, ddColor(0));
        step = !step;
        if (t < 40) DrawCell(step ? 0 : 1, x);
        if (t >= 40 && t <= 60 && t % 2 == 0) cell = 2 + (t - 40) / 2;
        if (t == 52) SUPER_MODULE::WaitMs(700);
        if (t == 54) SUPER_MODULE::WaitMs(900);
        if (t >= 54 && t <= 57) BlitOpaque(SurfTamberlyn[t - 53], 0, 0, 0, 613, 420, 20, 0);
        if (t >= 58) BlitOpaque(SurfTamberlyn[0], 0, 0, 0, 613, 420, 20, 0);
        if (t >= 40) DrawCell(cell, x);
        if (t < 40) x -= 4;
        SUPER_MODULE::WaitMs(2u * Main_Module::FrameDelay);
        DoEvents();
        ddUpdateWindow(0);
    }

    ReleaseOpeningSurfaces();
}

}  // namespace Main2
