// Until the super moves are written, an armed super ends on its first frame and hits nobody.
#include "fighters/SuperMoves.h"

#include "fighters/FighterRecord.h"

namespace PlayerModule {

void RunSuperMove(int slot) { EndSuper(slot); }

void EndSuper(int slot) {
    SuperRunning[slot] = False;
    SuperArmed[slot] = False;
    SuperFrame[slot] = 0;
}

bool SuperHitTests(int, int) { return false; }

void ScreenWideTest(int, int) {}

}  // namespace PlayerModule
