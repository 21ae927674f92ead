#include "match/TitleMenu.h"

#include "fighters/FighterRecord.h"
#include "lumablit.h"
#include "match/BlitHelpers.h"
#include "match/MatchState.h"
#include "match/OptionMarkers.h"
#include "pictures/Pictures.h"
#include "pictures/Surfaces.h"
#include "platform/platform.h"
#include "shell/Controls.h"
#include "shell/Echowave.h"
#include "shell/Settings.h"
#include "shell/SoundBank.h"
#include "shell/StageBuilder.h"
#include "shell/StateDump.h"
#include "shell/SuperModule.h"

namespace Main_Module {
using namespace Main2;
using namespace Lumablit_Declarations_Test;
using PlayerModule::Character;
using PlayerModule::Entered;

namespace {

struct Rect {
    int x, y, w, h, dx, dy;
};

// Copies of the options picture's own top-left corner mark the cursor and the values.
void ConfigCorner(int w, int h, double dx, double dy) {
    BlitOpaque(SurfConfig, 0, 0, 0, w, h, dx, dy);
}

void DrawOptions() {
    BlitOpaque(SurfConfig, 0, 0, 0, 640, 480, 0, 0);
    if (OptionBlink >= 1) {
        static constexpr Rect kHighlight[] = {
            {0, 0, 150, 40, 60, 65},  {0, 1, 150, 35, 0, 121},  {0, 1, 150, 35, 70, 121},
            {0, 2, 155, 60, 57, 170}, {0, 3, 150, 40, 60, 225}, {0, 4, 150, 50, 0, 270},
            {0, 4, 150, 50, 70, 270}, {0, 5, 150, 50, 70, 320}, {0, 6, 150, 50, 70, 380},
        };
        for (const Rect& r : kHighlight)  // y holds the item here
            if (r.y == OptionItem) ConfigCorner(r.w, r.h, r.dx, r.dy);
    }
    ConfigCorner(StockMarkerW, 32, StockMarkerX, 70);
    ConfigCorner(GaugeMarkerW, 32, GaugeMarkerX - 3, 121);
    ConfigCorner(SpeedMarkerW, 32, SpeedMarkerX, 175);
    ConfigCorner(MusicMarkerW, 32, MusicMarkerX, 230);
    if (IsTrue(AltKeyLayout)) {
        ConfigCorner(150, 50, 450, 270);
        ConfigCorner(150, 50, 400, 270);
    } else {
        ConfigCorner(160, 50, 225, 270);
        ConfigCorner(160, 50, 235, 270);
    }
    SUPER_MODULE::WaitMs(FrameDelay);
    DoEvents();
    OptionBlink = OptionBlink >= 1 ? 0 : OptionBlink + 1;
    ddUpdateWindow(0);
}

void DrawTitlePage() {
    if (MenuPage != 2 && MenuPage != 7) BlitKeyed(SurfTitle[0], 0, 0, 0, 640, 480, 0, 0);
    if (MenuPage == 2) BlitKeyed(SurfVS_Coin, 0, 0, 0, 420, 195, 220, 250);
    if (MenuPage == 7) BlitKeyed(SurfTitle[7], 0, 0, 0, 309, 195, 250, 255);
    TitleFrame = TitleFrame == 5 ? 1 : TitleFrame + 1;
    if (TitleFrame >= 1 && TitleFrame <= 5)
        BlitKeyed(SurfTitle[TitleFrame], 0, 0, 0, 560, 291, 75, 0);
    BlitKeyed(SurfTitle[6], 0, 0, 0, 32, 32, 195, MenuCursorY);
    static constexpr Rect kFighters[] = {
        {160, 128, 32, 64, 40, 210}, {320, 0, 32, 64, 600, 80},    {128, 256, 32, 64, 480, 250},
        {448, 0, 32, 64, 130, 340},  {672, 0, 32, 64, 10, 10},     {640, 128, 32, 64, 600, 250},
        {572, 192, 32, 64, 40, 400}, {1056, 64, 32, 64, 480, 310}, {768, 320, 32, 64, 600, 380},
    };
    for (const Rect& r : kFighters) BlitKeyed(SurfCharSheet, 0, r.x, r.y, r.w, r.h, r.dx, r.dy);
}

void DrawEntryMarks() {
    struct Mark {
        int slot, srcY, y;
    };
    static constexpr Mark kMarks[] = {{0, 0, 224}, {1, 64, 288}, {3, 128, 416}, {2, 192, 352}};
    for (const Mark& m : kMarks)
        if (IsTrue(Entered[m.slot])) BlitKeyed(SurfCHR_2, 0, 512, m.srcY, 64, 64, 573, m.y);
}

void Reset() {
    TitleFrame = 0;
    ScrollX = 0;
    ScrollY = 0;
    OptionBlink = 0;
    WarmedUp = False;
}

void Dump(StateJson& out) {
    out.Int("TitleFrame", TitleFrame);
    out.Int("ScrollX", ScrollX);
    out.Int("ScrollY", ScrollY);
    out.Int("OptionBlink", OptionBlink);
    out.Int("WarmedUp", WarmedUp);
}
const bool registered = RegisterModule({"Main_Module.Title", &Reset, &Dump});

}  // namespace

void DrawMenu() {
    BlitOpaque(SurfScrollBack, 0, ScrollX, ScrollY, 640, 480, 0, 0);
    if (ScrollX != 0) {
        ScrollX -= 2;
        ScrollY -= 2;
    } else {
        ScrollX = 64;
        ScrollY = 64;
    }

    if (IsTrue(EntryOn)) {
        BlitKeyed(SurfBrabou, 0, 0, 0, 640, 480, 0, 0);
        if (!IsTrue(CpuMode)) DrawEntryMarks();
    } else if (IsTrue(StageSelectOn)) {
        BlitKeyed(SurfStageSelect, 0, 0, 0, 640, 480, 0, 0);
        BlitKeyed(SurfStageCRS, 0, 0, 0, 220, 170, StageCursorX, StageCursorY);
    } else {
        switch (MenuPage) {
            case 5: MenuPage = 0; return;
            case 4: MenuPage = 3; return;
            case 3: DrawOptions(); return;
            default: DrawTitlePage(); break;
        }
    }
    if (MenuPage == 6) BlitOpaque(SurfHELP, 0, 0, 0, 640, 480, 0, 0);
    ddUpdateWindow(0);
}

void TitleMenu() {
    TitleFrame = 1;
    MenuCursorY = 310;
    for (;;) {
        if (IsTrue(QuitRequested)) {
            WipeToBlack(0, 5, 30);
            WriteSettings();
            ddQuit();
            FreeSounds();
            Echowave::SoundTerm();
            return;
        }
        if (IsTrue(StartRequest)) break;
        PollJoystick();
        DrawMenu();
        SUPER_MODULE::WaitMs(FrameDelay);
        DoEvents();
    }

    if (MenuPage == 1) MenuPage = 2;
    for (Flag& e : Entered) e = False;
    if (!IsTrue(WarmedUp)) {
        WarmUpSurfaces();
        WarmedUp = True;
    } else {
        ShowNowLoading();
    }
    if (IsTrue(BattleMode) && StageNumber == 5) {
        for (uint8_t& c : Character) {
            if (c == 0) c = 1;
            else if (c == 2) c = 4;
            else if (c == 3) c = 5;
            else if (c == 10) c = 1;
        }
    }
}

}  // namespace Main_Module
