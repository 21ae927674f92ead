// Placeholder until the stage builder lands.
#include "shell/StageBuilder.h"

namespace Main2 {
void BuildStage() {}
}  // namespace Main2
