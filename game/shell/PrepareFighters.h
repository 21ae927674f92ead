// PrepareFighters: the match set-up of the top-level loop.
#pragma once

namespace Main2 {
void PrepareFighters();
}  // namespace Main2
