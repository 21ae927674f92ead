// Match state of RunMatch and the round flow (module Main_Module).
#pragma once

#include <cstdint>

#include "match/MenuState.h"
#include "shell/Flag.h"

namespace Main_Module {
inline uint8_t FightersOut = 0;
inline uint8_t StageCount = 0;
inline Flag SpecialRound = False;
inline Flag SpecialShown = False;
inline Flag RestartRound = False;
inline Flag IntroActive = False;
inline Flag IntroRolling = False;
inline int16_t IntroCounter = 0;
inline int16_t BannerSlide = 0;
inline Flag VersusBanner = False;
inline int16_t VersusBannerFrame = 0;
inline int16_t VersusBannerPos[3] = {};
inline Flag CourseBanner = False;
inline int16_t CourseBannerFrame = 0;
inline int16_t CourseBannerX = 0;
inline Flag SuperInProgress = False;
}  // namespace Main_Module
