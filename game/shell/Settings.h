// The five settings of Config.UAC (module Main_Module's globals) and the file routines.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace Main_Module {
inline uint8_t StockSetting = 3;
inline float GaugeRateSetting = 0.9f;
inline uint8_t FrameDelay = 50;
inline Flag MusicOn = True;
inline Flag AltKeyLayout = False;
}  // namespace Main_Module
