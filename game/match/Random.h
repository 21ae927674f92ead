// The game's random numbers: uniform values in [0, 1) from one generator that several routines
// reseed from the clock each time they run.
#pragma once

#include <cstdint>

namespace Main_Module {

// Reseeds the generator from the millisecond clock.
void Randomize();
// Sets the generator's state (tests).
void RandomSeed(uint32_t seed);
// Next value, uniform in [0, 1).
double Rnd();

}  // namespace Main_Module
