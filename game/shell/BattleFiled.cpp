// Placeholder until the game shell lands: activation shows the display test pattern.
#include "shell/BattleFiled.h"

void RunTestPattern();  // game/shell/TestPattern.cpp

namespace Main2 {

void GameMain() { RunTestPattern(); }

const BattleFiledEvents& BattleFiledHandlers() {
    static const BattleFiledEvents events = [] {
        BattleFiledEvents e;
        e.Form_Activate = &GameMain;
        return e;
    }();
    return events;
}

}  // namespace Main2
