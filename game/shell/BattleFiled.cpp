// The window BattleFiled: its activation runs the game; GameMain is start-up and the
// top-level loop.
#include "shell/BattleFiled.h"

#include <exception>

#include "lumablit.h"
#include "match/Match.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "match/OptionMarkers.h"
#include "match/TitleMenu.h"
#include "pictures/Pictures.h"
#include "shell/Controls.h"
#include "shell/Echowave.h"
#include "shell/MenuKeys.h"
#include "shell/PrepareFighters.h"
#include "shell/ProgramDir.h"
#include "shell/Settings.h"
#include "shell/SideScreens.h"
#include "shell/SoundBank.h"
#include "shell/SuperModule.h"

namespace Main2 {
using namespace Main_Module;

namespace {

// A step that fails is skipped; start-up and the loop go on with the next one. Only errors
// are caught: anything else (the platform unwinding a stopped run) passes through.
template <typename Step>
void Guarded(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

void Caption(const char* text) {
    SetLabel1Caption(text);
    DoEvents();
}

// Set once Config.UAC has been read: closing the window before that must not overwrite the
// player's file with the defaults.
bool settingsRead = false;

void Form_Activate() { GameMain(); }

// Closing the window keeps what was set on the options page.
void Form_Unload() {
    if (settingsRead) WriteSettings();
}

}  // namespace

void GameMain() {
    settingsRead = false;
    Guarded([] { ddSetBitDepth(8); });
    Guarded([] { SUPER_MODULE::HideCursor(True); });
    const int32_t hwnd = BattleFiledHwnd();
    if (ddInit(hwnd, 640, 480, 5) == 0) return;

    Guarded([] { ddSetPalette(0, ddCreatePaletteFromFile(ProgramFile("pal.bmp").c_str())); });
    Guarded([hwnd] {
        DoEvents();
        EnableWindow(hwnd, true);
    });
    Guarded([hwnd] { Echowave::SoundInit(hwnd); });
    Guarded([] {
        ReadSettings();
        settingsRead = true;
    });
    Guarded([] { PlayerModule::SetKeyLayout(); });
    Guarded([] {
        MusicMarkerX = 210;
        MusicMarkerW = 90;
        PlaceOptionMarkers();
        PlaceStageCursor();
    });
    Guarded([] {
        const float first[4] = {350, 50, 200, 550};
        for (int i = 0; i < 4; ++i) SceneryX[i] = first[i];
        for (int i = 4; i < 8; ++i) SceneryX[i] = SceneryX[i - 4] + 300;
    });
    Guarded([] {
        Caption("WAVEファイル初期化中･･･");
        LoadSounds(ProgramDirectory());
    });
    Guarded([] {
        Caption("画像データ初期化中･･･");
        MakeStartupSurfaces(12);
    });
    Guarded([] {
        Caption("DirectXのイニシャライズ");
        MakeStartupSurfaces(13);
    });
    Guarded([] {
        Caption("キャラクター初期化中･･･");
        BuildSheets();
    });
    Guarded([] { Caption("CGデータ初期化中･･･"); });
    Guarded([] {
        Caption("起動しまっす");
        SetLabel1Visible(false);
    });
    Guarded([] { Opening(); });

    for (;;) {
        Guarded([] { MakeTitleSurfaces(); });
        if (IsTrue(MusicOn)) Guarded([] { PlaySoundLooping(14); });
        Guarded([] { TitleMenu(); });
        if (IsTrue(QuitRequested)) return;
        Guarded([] {
            StopSound(14);
            ReleaseTitleSurfaces();
        });
        Guarded([] { PrepareFighters(); });
        Guarded([] { RunMatch(); });
        Guarded([] {
            StopSound(3);
            StopSound(15);
        });
    }
}

const BattleFiledEvents& BattleFiledHandlers() {
    static const BattleFiledEvents events = [] {
        BattleFiledEvents e;
        e.Form_Activate = &Form_Activate;
        e.Form_KeyDown = &Form_KeyDown;
        e.Form_MouseDown = &Form_MouseDown;
        e.Form_MouseUp = &Form_MouseUp;
        e.PLAYER3_Timer = &PLAYER3_Timer;
        e.Form_Unload = &Form_Unload;
        return e;
    }();
    return events;
}

}  // namespace Main2
