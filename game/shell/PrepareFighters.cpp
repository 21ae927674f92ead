// The match set-up of the top-level loop: stock, gauges and start places of the fighters.
#include "shell/PrepareFighters.h"

#include "fighters/FighterRecord.h"
#include "fighters/Fighters.h"
#include "match/MatchState.h"
#include "shell/Settings.h"

namespace Main2 {

void PrepareFighters() {
    using namespace PlayerModule;
    using namespace Main_Module;
    Out[2] = True;
    Out[3] = True;
    FightersOut = 0;
    for (int i = 0; i <= PlayerCountIdx && i < kSlots; ++i) {
        GaugeFullSounded[i] = False;
        Gauge[i] = 0;
        Out[i] = False;
        BeamX[i] = 0;
        SuperInProgress = False;
        Stock[i] = static_cast<int16_t>(StockSetting + 1);
        LoseLife(i);
    }
}

}  // namespace Main2
