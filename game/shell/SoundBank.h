// The 37 sound buffers of the game, loaded from 00.wav .. 36.wav at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace Main_Module {
inline constexpr int kSoundSlots = 37;
// Buffer handle per slot (slot n = file "nn.wav"); 0 = not loaded, and plays nothing.
inline int32_t SoundBuf[kSoundSlots] = {};
// Load flag of a slot: 1 for the music tracks (3, 14, 15, started looping), 2 for effects.
constexpr int32_t SoundLoadFlag(int slot) { return slot == 3 || slot == 14 || slot == 15 ? 1 : 2; }
}  // namespace Main_Module

namespace Main2 {
using Main_Module::SoundBuf;
// SoundBuf(n) = LoadSound(directory/nn.wav, flag) for n = 0 to 36 in order.
void LoadSounds(const std::string& directory);
// dsFree of every slot, 0 to 36 in order, then gives the mouse cursor back (HideCursor(False)).
void FreeSounds();
}  // namespace Main2
