// Menu state of the title screen and the flags shared with the match (module Main_Module).
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace Main_Module {
inline uint8_t MenuPage = 0;
inline int16_t MenuCursorY = 310;
inline uint8_t OptionItem = 0;
inline uint8_t StageChoice = 0;
inline Flag StageSelectOn = False;
inline Flag EntryOn = False;
inline Flag StartRequest = False;
inline Flag CpuMode = False, BattleMode = False, CoinMode = False;
inline uint8_t PlayerCountIdx = 0;
inline Flag InMatch = False;
inline Flag Paused = False;
inline Flag QuitRequested = False;
}  // namespace Main_Module
