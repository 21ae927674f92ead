// Small helpers over Flag values for the fighter routines.
#pragma once

#include "shell/Flag.h"

namespace PlayerModule {
inline bool On(Flag f) { return f == True; }
inline Flag AsFlag(bool b) { return b ? True : False; }
}  // namespace PlayerModule
