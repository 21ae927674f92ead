// The fighter record in the module registry: program-start values and the headless dump.
#include <algorithm>

#include "fighters/FighterRecord.h"
#include "shell/StateDump.h"

namespace PlayerModule {
namespace {

#define FIGHTER_FIELDS(X)                                                                     \
    X(PosX) X(PosY) X(VelX) X(VelY) X(CellX) X(CellY) X(FacingRight) X(InUp) X(InLeft)        \
    X(InRight) X(InDown) X(InFlap) X(InFlapHold) X(OnGround) X(NoFlap) X(Balloons) X(JustHit) \
    X(BlinkTimer) X(BlinkOffset) X(Gauge) X(GaugeFullSounded) X(SuperArmed) X(SuperRunning)   \
    X(SuperFrame) X(SuperCooldown) X(SuperFacing) X(Character) X(UpSeen) X(FallFrame)         \
    X(FallSpeed) X(CoinsHeld) X(ContactDone) X(Dying) X(Stock) X(Out) X(Entered)

void Reset() {
#define RESET_FIELD(f) std::fill(std::begin(f), std::end(f), decltype(+f[0]){});
    FIGHTER_FIELDS(RESET_FIELD)
#undef RESET_FIELD
}

void Dump(Main2::StateJson& out) {
#define DUMP_FIELD(f) out.Array(#f, f, kSlots);
    FIGHTER_FIELDS(DUMP_FIELD)
#undef DUMP_FIELD
}

const bool registered = Main2::RegisterModule({"PlayerModule.Record", &Reset, &Dump});

}  // namespace
}  // namespace PlayerModule
