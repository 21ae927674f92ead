// The game's flag type: a 16-bit integer, True = -1, False = 0. A flag is true only when -1.
#pragma once

#include <cstdint>

using Flag = int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;

inline constexpr Flag ToFlag(bool b) { return b ? True : False; }
inline constexpr bool IsTrue(Flag f) { return f == True; }
