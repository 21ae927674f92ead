// The fighter record: every per-fighter field, for the four fighter slots 0..3.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace PlayerModule {

inline constexpr int kSlots = 4;

// Position and motion
inline double PosX[kSlots];         // x of the cell's left edge, kept in -32..639
inline int16_t PosY[kSlots];        // y of the cell's top edge
inline double VelX[kSlots];
inline float VelY[kSlots];
inline double CellX[kSlots];        // top-left of the current 32x64 cell of SurfCharSheet
inline int16_t CellY[kSlots];       // + 128 selects the mirrored copy
inline Flag FacingRight[kSlots];

// Inputs of this frame
inline Flag InUp[kSlots], InLeft[kSlots], InRight[kSlots], InDown[kSlots], InFlap[kSlots];
inline Flag InFlapHold[kSlots];

inline Flag OnGround[kSlots];
inline Flag NoFlap[kSlots];
inline uint8_t Balloons[kSlots];
inline Flag JustHit[kSlots];
inline uint8_t BlinkTimer[kSlots];
inline double BlinkOffset[kSlots];  // 0 or 512

// Super gauge and move
inline float Gauge[kSlots];
inline Flag GaugeFullSounded[kSlots];
inline Flag SuperArmed[kSlots];
inline Flag SuperRunning[kSlots];
inline int16_t SuperFrame[kSlots];
inline uint8_t SuperCooldown[kSlots];
inline Flag SuperFacing[kSlots];

inline uint8_t Character[kSlots];   // 0..10; 11..15 special opponent's moves
inline Flag UpSeen[kSlots];
inline uint8_t FallFrame[kSlots];
inline int16_t FallSpeed[kSlots];
inline int16_t CoinsHeld[kSlots];
inline Flag ContactDone[kSlots];
inline Flag Dying[kSlots];
inline int16_t Stock[kSlots];
inline Flag Out[kSlots];

// Entry screen
inline Flag Entered[kSlots];

// Held by the stage creature: the update skips the fighter
inline Flag Captured[kSlots];

// Versus rounds won; kept for the whole run of the program
inline uint8_t Wins[kSlots];

// Super-move fields
inline int16_t BeamX[kSlots];           // x of character 3's beam column
inline Flag DiveUp[kSlots];             // character 5's zigzag goes up
inline uint8_t AfterHitTimer[kSlots];   // character 9: hit test off while it runs
inline int16_t TrailX[kSlots][4], TrailY[kSlots][4];  // character 5's after-images

// Effect counters of the renderer
inline uint8_t StrikeFlash[kSlots];     // strike-flash countdown, 0 = off
inline Flag FlickerToggle[kSlots];

// The special opponent's thrown object
inline Flag SuperObjectOn = False;
inline double SuperObjectX = 0;
inline double SuperObjectY = 0;
// Alternative backdrop during character 9's finish
inline Flag SuperBackdropAlt = False;

}  // namespace PlayerModule
