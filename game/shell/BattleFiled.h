// The game window BattleFiled: the handlers the platform layer calls.
#pragma once

#include "platform/platform.h"

namespace Main2 {
// Handlers of the window's events (activation runs GameMain).
const BattleFiledEvents& BattleFiledHandlers();
void GameMain();
}  // namespace Main2
