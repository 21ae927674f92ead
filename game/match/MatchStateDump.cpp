// The match state in the module registry: program-start values and the headless dump.
#include "match/MatchState.h"
#include "shell/StateDump.h"

namespace Main_Module {
namespace {

#define MATCH_SCALARS(X)                                                                       \
    X(FightersOut) X(StageCount) X(SpecialRound) X(SpecialShown) X(RestartRound) X(IntroActive) \
    X(IntroRolling) X(IntroCounter) X(BannerSlide) X(VersusBanner) X(VersusBannerFrame)        \
    X(CourseBanner) X(CourseBannerFrame) X(CourseBannerX) X(SuperInProgress) X(StageNumber)    \
    X(ShakeFrame) X(ZoomTimer) X(ZoomTarget) X(ZoomX) X(ZoomY) X(SequenceFrame)

void Reset() {
#define RESET_SCALAR(v) v = decltype(v){};
    MATCH_SCALARS(RESET_SCALAR)
#undef RESET_SCALAR
    for (auto& p : VersusBannerPos) p = 0;
    for (auto& x : SceneryX) x = 0;
}

void Dump(Main2::StateJson& out) {
#define DUMP_SCALAR(v) out.Num(#v, static_cast<double>(v));
    MATCH_SCALARS(DUMP_SCALAR)
#undef DUMP_SCALAR
    out.Array("VersusBannerPos", VersusBannerPos, 3);
    out.Array("SceneryX", SceneryX, 11);
}

const bool registered = Main2::RegisterModule({"Main_Module.Match", &Reset, &Dump});

}  // namespace
}  // namespace Main_Module
