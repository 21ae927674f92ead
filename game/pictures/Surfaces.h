// Surface handles of the picture set: globals shared by all modules (0 = none).
#pragma once

#include <cstdint>

namespace Main2 {

inline int32_t SurfCHR_1, SurfCHR_2;
inline int32_t SurfREADY[2];
inline int32_t SurfHyperCOMBOBACK, SurfFlash, SurfLightning, SurfSICHISEI;
inline int32_t SurfNowloading, SurfHAIKEI, SurfBrabou, SurfTENDON, SurfTENDON2;
inline int32_t SurfConfig, SurfStageCRS, SurfStageSelect;
inline int32_t SurfKamikaze0, SurfKamikaze1;
inline int32_t SurfScrollBack, SurfHELP, SurfTENDON3, SurfTukkomi2;
inline int32_t SurfSTAFF_BACK, SurfSTAFF, SurfCoin, SurfVS_Coin, SurfTukkomi_VS;
inline int32_t SurfNEW, SurfNumber;
inline int32_t SurfTitle[8];
inline int32_t SurfTamberlyn[5];
inline int32_t SurfTukkomi;

// Built at start-up / before each match.
inline int32_t SurfCharSheet, SurfTukkomiSheet, SurfStage;

}  // namespace Main2
