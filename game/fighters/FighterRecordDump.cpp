// The fighter record in the module registry: program-start values and the headless dump.
#include <algorithm>
#include <string>

#include "fighters/FighterRecord.h"
#include "shell/StateDump.h"

namespace PlayerModule {
namespace {

#define FIGHTER_FIELDS(X)                                                                     \
    X(PosX) X(PosY) X(VelX) X(VelY) X(CellX) X(CellY) X(FacingRight) X(InUp) X(InLeft)        \
    X(InRight) X(InDown) X(InFlap) X(InFlapHold) X(OnGround) X(NoFlap) X(Balloons) X(JustHit) \
    X(BlinkTimer) X(BlinkOffset) X(Gauge) X(GaugeFullSounded) X(SuperArmed) X(SuperRunning)   \
    X(SuperFrame) X(SuperCooldown) X(SuperFacing) X(Character) X(UpSeen) X(FallFrame)         \
    X(FallSpeed) X(CoinsHeld) X(ContactDone) X(Dying) X(Stock) X(Out) X(Entered)            \
    X(Captured) X(Wins) X(BeamX) X(DiveUp) X(AfterHitTimer) X(StrikeFlash) X(FlickerToggle)

void Reset() {
#define RESET_FIELD(f) std::fill(std::begin(f), std::end(f), decltype(+f[0]){});
    FIGHTER_FIELDS(RESET_FIELD)
#undef RESET_FIELD
    for (int i = 0; i < kSlots; ++i)
        for (int k = 0; k < 4; ++k) TrailX[i][k] = TrailY[i][k] = 0;
    SuperObjectOn = False;
    SuperObjectX = SuperObjectY = 0;
    SuperBackdropAlt = False;
}

void Dump(Main2::StateJson& out) {
#define DUMP_FIELD(f) out.Array(#f, f, kSlots);
    FIGHTER_FIELDS(DUMP_FIELD)
#undef DUMP_FIELD
    for (int i = 0; i < kSlots; ++i) {
        out.Array("TrailX" + std::to_string(i), TrailX[i], 4);
        out.Array("TrailY" + std::to_string(i), TrailY[i], 4);
    }
    out.Int("SuperObjectOn", SuperObjectOn);
    out.Num("SuperObjectX", SuperObjectX);
    out.Num("SuperObjectY", SuperObjectY);
    out.Int("SuperBackdropAlt", SuperBackdropAlt);
}

const bool registered = Main2::RegisterModule({"PlayerModule.Record", &Reset, &Dump});

}  // namespace
}  // namespace PlayerModule
