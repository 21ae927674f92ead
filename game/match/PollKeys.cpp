#include "match/PollKeys.h"

#include "fighters/FighterRecord.h"
#include "fighters/FlagOps.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "platform/platform.h"
#include "shell/Controls.h"

namespace Main_Module {

namespace {
bool Held(int vkey) { return GetAsyncKeyState(vkey) != 0; }
}  // namespace

void PollKeys() {
    using namespace PlayerModule;
    if (!On(InMatch)) return;
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) {
        if (i == 2) {
            InFlap[2] = AsFlag(Held(vk::LButton));
            InFlapHold[2] = AsFlag(Held(vk::RButton));
            return;
        }
        if (i == 1 && On(CpuMode)) return;
        if (On(Out[i])) continue;
        if (Held(KeyUp[i])) {
            InUp[i] = True;
        } else {
            InUp[i] = False;
            UpSeen[i] = False;
        }
        if (Held(KeyLeft[i])) {
            if (On(FacingRight[i]) && On(SuperArmed[i]) && Character[i] == 7) PlaySound(25);
            InLeft[i] = True;
            FacingRight[i] = False;
        } else {
            InLeft[i] = False;
        }
        if (Held(KeyRight[i])) {
            if (!On(FacingRight[i]) && On(SuperArmed[i]) && Character[i] == 7) PlaySound(23);
            InRight[i] = True;
            FacingRight[i] = True;
        } else {
            InRight[i] = False;
        }
        InDown[i] = AsFlag(Held(KeyDown[i]));
        if (!Held(KeyUp[i]) && Held(KeyA[i]) && Held(KeyB[i])) continue;
        if (!On(UpSeen[i])) InFlap[i] = AsFlag(Held(KeyA[i]));
        if (On(InLeft[i]) && On(InRight[i])) InLeft[i] = False;
    }
}

}  // namespace Main_Module
