// The menu state in the module registry.
#include "match/MenuState.h"

#include "shell/StateDump.h"

namespace Main_Module {
namespace {

void Reset() {
    MenuPage = 0;
    MenuCursorY = 310;
    OptionItem = 0;
    StageChoice = 0;
    StageSelectOn = EntryOn = StartRequest = False;
    CpuMode = BattleMode = CoinMode = False;
    PlayerCountIdx = 0;
    InMatch = Paused = QuitRequested = False;
}

void Dump(Main2::StateJson& out) {
    out.Int("MenuPage", MenuPage);
    out.Int("MenuCursorY", MenuCursorY);
    out.Int("OptionItem", OptionItem);
    out.Int("StageChoice", StageChoice);
    out.Int("StageSelectOn", StageSelectOn);
    out.Int("EntryOn", EntryOn);
    out.Int("StartRequest", StartRequest);
    out.Int("CpuMode", CpuMode);
    out.Int("BattleMode", BattleMode);
    out.Int("CoinMode", CoinMode);
    out.Int("PlayerCountIdx", PlayerCountIdx);
    out.Int("InMatch", InMatch);
    out.Int("Paused", Paused);
    out.Int("QuitRequested", QuitRequested);
}

const bool registered = Main2::RegisterModule({"Main_Module.Menu", &Reset, &Dump});

}  // namespace
}  // namespace Main_Module
