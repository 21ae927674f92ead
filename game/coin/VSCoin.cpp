// Coin battle: the routines the match calls; the coins stay at their start values for now.
#include "coin/VSCoin.h"

#include "shell/StateDump.h"

namespace VSCoin {

void CoinSetup() {}
void CoinStep() {}

namespace {
void Reset() {
    for (int k = 0; k < kMaxCoins; ++k) {
        CoinTaken[k] = False;
        CoinX[k] = CoinY[k] = CoinVX[k] = 0;
        CoinVY[k] = 0;
    }
    CoinCount = CoinTarget = CoinSpin = 0;
}
void Dump(Main2::StateJson& out) {
    out.Array("CoinTaken", CoinTaken, kMaxCoins);
    out.Array("CoinX", CoinX, kMaxCoins);
    out.Array("CoinY", CoinY, kMaxCoins);
    out.Int("CoinCount", CoinCount);
    out.Int("CoinTarget", CoinTarget);
    out.Int("CoinSpin", CoinSpin);
}
const bool registered = Main2::RegisterModule({"VSCoin", &Reset, &Dump});
}  // namespace

}  // namespace VSCoin
