#include "shell/MenuKeys.h"

#include <initializer_list>

#include "fighters/FighterRecord.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "match/MenuState.h"
#include "match/OptionMarkers.h"
#include "match/Random.h"
#include "platform/platform.h"
#include "shell/Controls.h"
#include "shell/Settings.h"
#include "shell/StageBuilder.h"

namespace Main2 {
using namespace Main_Module;
using namespace PlayerModule;

namespace {

constexpr int kKeyEnter = 13, kKeyShift = 16, kKeyCtrl = 17, kKeyPause = 19, kKeyEsc = 27;
constexpr int kSoundMenu = 1;
constexpr int16_t kRow1 = 310, kRow2 = 363, kRow3 = 413;

enum Page : uint8_t {
    kMain = 0, kCourseEntry = 1, kModeChoice = 2, kOptions = 3, kOpenOptions = 4,
    kCloseOptions = 5, kHelp = 6, kPlayerCount = 7
};

void BackToMainMenu() {
    SetPLAYER3Enabled(false);
    MenuPage = kMain;
    MenuCursorY = kRow1;
}

bool Held(int vkey) { return GetAsyncKeyState(vkey) != 0; }

int KeyOf(int slot, EntryInput input) {
    switch (input) {
        case kEntryUp: return KeyUp[slot];
        case kEntryLeft: return KeyLeft[slot];
        case kEntryRight: return KeyRight[slot];
        case kEntryDown: return KeyDown[slot];
        case kEntryA: return KeyA[slot];
        case kEntryB: return KeyB[slot];
    }
    return 0;
}

// A single key counts when two readings in a row both show it held; a key that was only
// tapped since the last reading stops this fighter's tests.
int ReadKeys(int slot, EntryInput input, bool single) {
    const int key = KeyOf(slot, input);
    if (!single) return Held(key) ? 1 : 0;
    if (!Held(key)) return 0;
    return Held(key) ? 1 : -1;
}

// Menu keys arrive as events and nobody reads their key state, so each press leaves its
// "pressed since the last reading" mark; the entry's double reading would take an old mark
// for a tap and skip the fighter. The entry screen starts with the marks read away.
void ForgetMenuKeyPresses() {
    for (int i = 0; i < 2; ++i)
        for (EntryInput in : {kEntryUp, kEntryLeft, kEntryRight, kEntryDown, kEntryA, kEntryB})
            GetAsyncKeyState(KeyOf(i, in));
}

void EntryKeys(int16_t keyCode) {
    static constexpr EntryInput kKeyOrder[6] = {kEntryDown, kEntryUp, kEntryLeft,
                                                kEntryRight, kEntryA, kEntryB};
    for (int i = 0; i <= PlayerCountIdx; ++i) {
        if (keyCode == kKeyShift || keyCode == kKeyCtrl) return;
        if (i == 2) return;  // the mouse and the joystick enter fighters 2 and 3
        if (i == 1 && IsTrue(CpuMode)) {
            Entered[1] = Entered[2] = Entered[3] = True;
            break;
        }
        ApplyEntryCodes(i, kKeyOrder, &ReadKeys);
    }
    CheckEntryComplete();
}

// One step along a ladder of values; a value off the ladder stays.
template <typename T, size_t N>
void StepLadder(T& value, const T (&ladder)[N], int step) {
    for (size_t i = 0; i < N; ++i) {
        if (ladder[i] != value) continue;
        const long j = static_cast<long>(i) + step;
        if (j >= 0 && j < static_cast<long>(N)) value = ladder[j];
        return;
    }
}

void StepOption(int step) {
    static constexpr float kGaugeLadder[8] = {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 1.5f, 2.0f, 3.0f};
    static constexpr uint8_t kSpeedLadder[8] = {0, 10, 20, 30, 40, 50, 60, 70};
    switch (OptionItem) {
        case 0:
            if (StockSetting != (step < 0 ? 1 : 9)) StockSetting = static_cast<uint8_t>(StockSetting + step);
            break;
        case 1: StepLadder(GaugeRateSetting, kGaugeLadder, step); break;
        case 2: StepLadder(FrameDelay, kSpeedLadder, step); break;
        case 3: MusicOn = step < 0 ? True : False; break;
        case 4: AltKeyLayout = step < 0 ? False : True; break;
        default: break;
    }
    PlaceOptionMarkers();
}

// Up (-1) or down (+1) on the row pages. Returns true when MenuKeyDown stops.
bool MoveCursor(int step) {
    if (MenuPage == kMain || MenuPage == kPlayerCount) {
        if (step < 0) {
            if (MenuCursorY == kRow3) MenuCursorY = kRow2;
            else if (MenuCursorY == kRow2) MenuCursorY = kRow1;
            else if (MenuCursorY == kRow1) return MenuCursorY = kRow3, true;
        } else {
            if (MenuCursorY == kRow1) MenuCursorY = kRow2;
            else if (MenuCursorY == kRow2) MenuCursorY = kRow3;
            else if (MenuCursorY == kRow3) return MenuCursorY = kRow1, true;
        }
    } else if (MenuPage == kModeChoice) {
        if (MenuCursorY == kRow2) return MenuCursorY = kRow1, true;
        if (MenuCursorY == kRow1) MenuCursorY = kRow2;
    } else if (MenuPage == kOptions) {
        OptionItem = static_cast<uint8_t>((OptionItem + 7 + step) % 7);
        PlaySound(kSoundMenu);
    }
    return false;
}

// Returns true when MenuKeyDown stops.
bool Confirm() {
    if (IsTrue(StageSelectOn)) {
        PlaySound(kSoundMenu);
        if (StageChoice == 5) {
            int digit = static_cast<int>(GetTickCount() % 10);
            if (digit > 5) digit -= 5;
            if (digit == 5) digit = 0;
            StageChoice = static_cast<uint8_t>(digit);
            PlaceStageCursor();
            return true;
        }
        BuildStage();
        ForgetMenuKeyPresses();
        EntryOn = True;
        StageSelectOn = False;
        return true;
    }
    if (MenuPage == kModeChoice) {
        PlaySound(kSoundMenu);
        if (MenuCursorY == kRow2) {
            CoinMode = True;
            MenuPage = kPlayerCount;
            MenuCursorY = kRow1;
            return true;
        }
        if (MenuCursorY == kRow1) {
            BattleMode = True;
            MenuPage = kPlayerCount;
            return true;
        }
    }
    if (MenuPage == kPlayerCount) {
        if (MenuCursorY == kRow3 && !IsTrue(AltKeyLayout)) {
            PlaySound(kSoundMenu);
            PlayerCountIdx = 3;
            StageSelectOn = True;
            SetPLAYER3Enabled(true);
        } else if (MenuCursorY == kRow2) {
            SetPLAYER3Enabled(true);
            PlaySound(kSoundMenu);
            PlayerCountIdx = 2;
            StageSelectOn = True;
        } else if (MenuCursorY == kRow1) {
            PlaySound(kSoundMenu);
            PlayerCountIdx = 1;
            StageSelectOn = True;
        }
    }
    if (MenuPage == kMain) {
        if (MenuCursorY == kRow1) {
            PlaySound(kSoundMenu);
            CpuMode = True;
            ForgetMenuKeyPresses();
            EntryOn = True;
            MenuPage = kCourseEntry;
            PlayerCountIdx = 0;
        } else if (MenuCursorY == kRow2) {
            PlaySound(kSoundMenu);
            MenuPage = kModeChoice;
            StageChoice = 0;
            PlaceStageCursor();
            MenuCursorY = kRow1;
            return true;
        } else if (MenuCursorY == kRow3) {
            PlaySound(kSoundMenu);
            MenuPage = kOpenOptions;
            OptionItem = 0;
        }
    }
    if (MenuPage == kOptions) {
        if (OptionItem == 5) {
            PlaySound(kSoundMenu);
            MenuPage = kHelp;
            return true;
        }
        if (OptionItem == 6) {
            PlaySound(kSoundMenu);
            MenuPage = kCloseOptions;
            OptionItem = 0;
            SetKeyLayout();
        }
    }
    if (MenuPage == kHelp) {
        PlaySound(kSoundMenu);
        MenuPage = kOptions;
        return true;
    }
    return false;
}

}  // namespace

void MenuKeyDown(int16_t keyCode) {
    Randomize();
    DoEvents();
    if (keyCode == kKeyCtrl) return;

    if (IsTrue(StartRequest) || IsTrue(EntryOn)) {
        EntryKeys(keyCode);
        return;
    }

    if (keyCode == kKeyEsc) {
        if (MenuPage != kMain) {
            CoinMode = BattleMode = CpuMode = StageSelectOn = EntryOn = False;
            BackToMainMenu();
        } else {
            QuitRequested = True;
        }
    }

    for (int i = 0; i < 2; ++i) {
        if (keyCode == KeyUp[i] && MoveCursor(-1)) return;
        if (keyCode == KeyDown[i] && MoveCursor(+1)) return;
        if (keyCode == KeyLeft[i]) {
            if (IsTrue(StageSelectOn)) {
                if (StageChoice != 0) --StageChoice;
                PlaceStageCursor();
            }
            if (MenuPage == kOptions) StepOption(-1);
        }
        if (keyCode == KeyRight[i]) {
            if (IsTrue(StageSelectOn)) {
                if (StageChoice != 5) ++StageChoice;
                PlaceStageCursor();
            }
            if (MenuPage == kOptions) StepOption(+1);
        }
        const bool confirm = keyCode == KeyA[i] || keyCode == KeyB[i] || keyCode == kKeyEnter;
        if (confirm && Confirm()) return;
    }
}

void Form_KeyDown(int16_t keyCode, int16_t) {
    if (keyCode == kKeyEsc && IsTrue(EntryOn)) {
        if (IsTrue(CpuMode) && MenuPage != kCourseEntry) QuitRequested = True;
        for (Flag& e : Entered) e = False;
        CourseBanner = CoinMode = BattleMode = CpuMode = StageSelectOn = EntryOn = False;
        IntroRolling = False;
        BannerSlide = 0;
        BackToMainMenu();
        return;
    }
    if (!IsTrue(InMatch)) {
        MenuKeyDown(keyCode);
        return;
    }
    if (IsTrue(CourseBanner)) return;
    if (keyCode == kKeyEsc && (IsTrue(CpuMode) || IsTrue(CoinMode) || IsTrue(BattleMode)))
        QuitRequested = True;
    if (keyCode == kKeyPause || keyCode == kKeyEnter) Paused = ToFlag(!IsTrue(Paused));
}

}  // namespace Main2
