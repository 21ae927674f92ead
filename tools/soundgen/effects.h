// The one-shot effects, each a short recipe over the synthesizer.
#pragma once

#include "synth.h"

namespace soundgen {

// True if slot is one of the recipes below (the music and jingles come from song files).
bool HasEffect(int slot);
Buffer MakeEffect(int slot);

}  // namespace soundgen
