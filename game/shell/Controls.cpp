#include "shell/Controls.h"

#include "fighters/FighterRecord.h"
#include "match/MatchSound.h"
#include "match/MenuState.h"
#include "platform/platform.h"
#include "shell/Cursor.h"
#include "shell/Settings.h"
#include "shell/StateDump.h"

namespace PlayerModule {

void SetKeyLayout() {
    struct Layout {
        int32_t up, left, right, down, a;
        uint8_t b;
    };
    static constexpr Layout kLayouts[2][2] = {
        {{38, 37, 39, 40, 191, 226}, {87, 65, 68, 88, 67, 86}},
        {{38, 37, 39, 40, 97, 98}, {65, 81, 90, 49, 88, 67}},
    };
    const auto& set = kLayouts[IsTrue(Main_Module::AltKeyLayout) ? 1 : 0];
    for (int i = 0; i < 2; ++i) {
        KeyUp[i] = set[i].up;
        KeyLeft[i] = set[i].left;
        KeyRight[i] = set[i].right;
        KeyDown[i] = set[i].down;
        KeyA[i] = set[i].a;
        KeyB[i] = set[i].b;
    }
}

}  // namespace PlayerModule

namespace Main2 {
using namespace PlayerModule;
using namespace Main_Module;

namespace {

constexpr int kCentre = 300;
constexpr int kSoundEntry = 10, kSoundTurnLeft = 23, kSoundTurnRight = 25;

// Slots 2 and 3 read their entry codes from the flags their devices just set.
int ReadFlags(int slot, EntryInput input, bool) {
    const Flag* flags[] = {InUp, InLeft, InRight, InDown, InFlap, InFlapHold};
    return IsTrue(flags[input][slot]) ? 1 : 0;
}

constexpr EntryInput kDeviceOrder[6] = {kEntryRight, kEntryUp, kEntryDown,
                                        kEntryLeft, kEntryA, kEntryB};

void RecentreMouse() {
    SUPER_MODULE::SetMousePos(kCentre, kCentre);
    MouseStillCount = 0;
}

// A turn of character 7 with its super armed has its own sound.
void TurnLeft(int slot, int sound) {
    if (IsTrue(FacingRight[slot]) && IsTrue(SuperArmed[slot]) && Character[slot] == 7)
        PlaySound(sound);
    InLeft[slot] = True;
    FacingRight[slot] = False;
}

void TurnRight(int slot, int sound) {
    if (!IsTrue(FacingRight[slot]) && IsTrue(SuperArmed[slot]) && Character[slot] == 7)
        PlaySound(sound);
    InRight[slot] = True;
    FacingRight[slot] = True;
}

bool mouseEntered = false;
void NoteMouseEntry() { mouseEntered = true; }

}  // namespace

int ApplyEntryCodes(int slot, const EntryInput (&order)[6], EntryReader read,
                    void (*onMatch)()) {
    static constexpr uint8_t kSingle[6] = {0, 1, 2, 3, 4, 5};  // by EntryInput
    struct Combo {
        EntryInput a, b;
        uint8_t character;
    };
    static constexpr Combo kCombos[5] = {{kEntryDown, kEntryA, 6},
                                         {kEntryUp, kEntryB, 7},
                                         {kEntryA, kEntryB, 8},
                                         {kEntryRight, kEntryA, 10},
                                         {kEntryLeft, kEntryB, 15}};
    int matches = 0;
    auto enter = [&](uint8_t character) {
        Character[slot] = character;
        Entered[slot] = True;
        PlaySound(kSoundEntry);
        if (onMatch) onMatch();
        ++matches;
    };
    for (EntryInput in : order) {
        int held = read(slot, in, true);
        if (held < 0) return matches;
        if (held > 0) enter(kSingle[in]);
    }
    for (const Combo& c : kCombos)
        if (read(slot, c.a, false) > 0 && read(slot, c.b, false) > 0) enter(c.character);
    return matches;
}

void CheckEntryComplete() {
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i)
        if (!IsTrue(Entered[i])) return;
    StartRequest = True;
    EntryOn = False;
}

void PLAYER3_Timer() {
    constexpr int slot = 2;
    if (IsTrue(Out[slot])) return;
    InUp[slot] = InLeft[slot] = InRight[slot] = InDown[slot] = False;
    SUPER_MODULE::GetMousePos();
    int32_t x = SUPER_MODULE::MouseX;
    int32_t y = SUPER_MODULE::MouseY;

    if (x != kCentre || y != kCentre) {
        const int dx = x - kCentre, dy = y - kCentre;
        const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
        enum { None, Up, Down, Left, Right } dir = None;
        if (x < kCentre && y < kCentre) dir = x < y ? Left : Up;
        else if (x < kCentre) dir = ax < ay ? Down : Left;
        else if (x > kCentre && y > kCentre) dir = x > y ? Right : Down;
        else if (x > kCentre) dir = ax < ay ? Up : Right;
        switch (dir) {
            case Up: InUp[slot] = True; break;
            case Down: InDown[slot] = True; break;
            case Left: TurnLeft(slot, kSoundTurnLeft); break;
            case Right: TurnRight(slot, kSoundTurnRight); break;
            case None: break;
        }
    }

    if (MouseStillCount <= 2) {
        ++MouseStillCount;
    } else if (x == MouseLastX && y == MouseLastY) {
        RecentreMouse();
    }

    if (IsTrue(EntryOn)) {
        mouseEntered = false;
        ApplyEntryCodes(slot, kDeviceOrder, &ReadFlags, &NoteMouseEntry);
        if (mouseEntered) {
            x = y = kCentre;
            SUPER_MODULE::SetMousePos(kCentre, kCentre);
        }
        CheckEntryComplete();
    }

    MouseLastX = x;
    MouseLastY = static_cast<int16_t>(y);
    if (FacingRight[slot] != MouseLastFacing) RecentreMouse();
    MouseLastFacing = FacingRight[slot];
}

void Form_MouseDown(int16_t button, int16_t, float, float) {
    constexpr int slot = 2;
    if (button == 1 && IsTrue(EntryOn)) InFlap[slot] = True;
    if (button == 2) {
        if (IsTrue(EntryOn)) InFlapHold[slot] = True;
        if (Gauge[slot] == 100.0f && !IsTrue(EntryOn)) SuperArmed[slot] = True;
    }
}

void Form_MouseUp(int16_t button, int16_t, float, float) {
    constexpr int slot = 2;
    if (button == 1) InFlap[slot] = False;
    if (button == 2) InFlapHold[slot] = False;
}

void PollJoystick() {
    constexpr int slot = 3;
    InUp[slot] = InLeft[slot] = InRight[slot] = InDown[slot] = InFlap[slot] = False;
    InFlapHold[slot] = False;
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = 255;
    if (joyGetPosEx(0, &info) != JOYERR_NOERROR) return;

    if (info.dwYpos > 50000) InDown[slot] = True;
    if (info.dwYpos < 10000) InUp[slot] = True;
    if (info.dwXpos > 50000) TurnRight(slot, kSoundTurnRight);
    if (info.dwXpos < 10000) TurnLeft(slot, kSoundTurnLeft);

    switch (info.dwButtons) {
        case 1: InFlap[slot] = True; break;
        case 2: InFlapHold[slot] = True; break;
        case 3: InFlap[slot] = InFlapHold[slot] = True; break;
        case 8: InFlap[slot] = InFlapHold[slot] = InUp[slot] = True; break;
        default: break;
    }
    // Buttons 1 and 2 together count only with the stick up.
    if (!IsTrue(InUp[slot]) && IsTrue(InFlap[slot]) && IsTrue(InFlapHold[slot]))
        InFlap[slot] = InFlapHold[slot] = False;

    if (IsTrue(EntryOn)) {
        ApplyEntryCodes(slot, kDeviceOrder, &ReadFlags);
        CheckEntryComplete();
    }
}

namespace {
void Reset() {
    for (int i = 0; i < 2; ++i) KeyUp[i] = KeyLeft[i] = KeyRight[i] = KeyDown[i] = KeyA[i] = KeyB[i] = 0;
    MouseLastX = 0;
    MouseLastY = 0;
    MouseStillCount = 0;
    MouseLastFacing = 0;
}

void Dump(StateJson& out) {
    out.Array("KeyUp", KeyUp, 2);
    out.Array("KeyLeft", KeyLeft, 2);
    out.Array("KeyRight", KeyRight, 2);
    out.Array("KeyDown", KeyDown, 2);
    out.Array("KeyA", KeyA, 2);
    out.Array("KeyB", KeyB, 2);
    out.Int("MouseLastX", MouseLastX);
    out.Int("MouseLastY", MouseLastY);
    out.Int("MouseStillCount", MouseStillCount);
    out.Int("MouseLastFacing", MouseLastFacing);
}
const bool registered = RegisterModule({"Main2.Controls", &Reset, &Dump});
}  // namespace

}  // namespace Main2
