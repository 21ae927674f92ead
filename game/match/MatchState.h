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

inline uint8_t StageNumber = 0;      // battlefield in play

// Renderer state
inline float SceneryX[11] = {};      // drifting scenery pieces
inline uint8_t ShakeFrame = 0;       // nonzero: background 2 pixels higher for one frame
inline double ZoomTimer = 0;         // 0 = off, 1..4 = frame of the hit zoom
inline uint8_t ZoomTarget = 0;
inline double ZoomX = 0;
inline int16_t ZoomY = 0;
inline int16_t SequenceFrame = 0;    // frame of a full-screen super sequence
}  // namespace Main_Module
