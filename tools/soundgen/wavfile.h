// Writes mono 16-bit PCM WAVE files.
#pragma once

#include <string>

#include "synth.h"

namespace soundgen {
// Clamps each sample to [-1, 1]; false if the file cannot be written.
bool WriteWave(const std::string& path, const Buffer& samples);
}  // namespace soundgen
