// The coin battle (module VSCoin): coin state and the routines the match calls.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace VSCoin {

inline constexpr int kMaxCoins = 41;  // coins 0..CoinCount, CoinCount at most 40

inline Flag CoinTaken[kMaxCoins];
inline double CoinX[kMaxCoins], CoinY[kMaxCoins];
inline double CoinVX[kMaxCoins];
inline int16_t CoinVY[kMaxCoins];
inline uint8_t CoinCount = 0;   // highest coin number in play
inline uint8_t CoinTarget = 0;  // coins a fighter must hold to win
inline uint8_t CoinSpin = 0;    // animation step 0..4

void CoinSetup();
void CoinStep();

}  // namespace VSCoin
