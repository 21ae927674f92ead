#include "match/Random.h"

#include "platform/platform.h"

namespace Main_Module {

namespace {
uint32_t state = 0x2545F491u;
}

void RandomSeed(uint32_t seed) { state = seed ^ 0x2545F491u; }

void Randomize() { RandomSeed(GetTickCount()); }

double Rnd() {
    // 32-bit LCG; the top 24 bits give the value
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 16777216.0;
}

}  // namespace Main_Module
