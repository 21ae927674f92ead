// Computer opponents and the stage creature (module CPU_MODE): state and the routines the
// match calls.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace CPU_MODE {

// Stage creature
inline double CreatureX = 0;
inline int16_t CreatureY = 0;
inline uint8_t CreatureJump = 0;
inline uint8_t CreatureTarget = 0;
inline uint8_t CaptureFrames[4];
inline Flag CreatureStruck = False;
inline int16_t CreatureStruckFrame = 0;
inline int16_t CreatureSpeed = 0;
inline Flag CreatureBlink = False;

// Computer steering
inline uint8_t CpuHandicap = 0;
inline uint8_t SpecialSuperTimer = 0;

void CourseSetup();
void SteerComputers();
void CreatureStep();
void CreatureStruckStep();

}  // namespace CPU_MODE
