// Placeholder until the fighters land.
#include "shell/PrepareFighters.h"

namespace Main2 {
void PrepareFighters() {}
}  // namespace Main2
