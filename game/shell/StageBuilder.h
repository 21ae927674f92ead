// BuildStage: the battlefield background of the chosen stage into SurfStage.
#pragma once

namespace Main2 {
void BuildStage();
}  // namespace Main2
