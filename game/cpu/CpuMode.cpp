// Computer course and stage creature: the routines the match calls; their state stays at its
// start values for now.
#include "cpu/CpuMode.h"

#include "shell/StateDump.h"

namespace CPU_MODE {

void CourseSetup() {}
void SteerComputers() {}
void CreatureStep() {}
void CreatureStruckStep() {}

namespace {
void Reset() {
    CreatureX = 0;
    CreatureY = 0;
    CreatureJump = CreatureTarget = 0;
    for (auto& f : CaptureFrames) f = 0;
    CreatureStruck = CreatureBlink = False;
    CreatureStruckFrame = CreatureSpeed = 0;
    CpuHandicap = SpecialSuperTimer = 0;
}
void Dump(Main2::StateJson& out) {
    out.Num("CreatureX", CreatureX);
    out.Int("CreatureY", CreatureY);
    out.Int("CreatureJump", CreatureJump);
    out.Int("CreatureStruck", CreatureStruck);
    out.Int("CreatureStruckFrame", CreatureStruckFrame);
    out.Int("CreatureSpeed", CreatureSpeed);
}
const bool registered = Main2::RegisterModule({"CPU_MODE", &Reset, &Dump});
}  // namespace

}  // namespace CPU_MODE
