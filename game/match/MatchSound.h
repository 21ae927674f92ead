// Sound calls of the match and the fighters, by sound slot.
#pragma once

namespace Main_Module {

void PlaySound(int slot);        // one-shot
void PlaySoundLooping(int slot); // music
void StopSound(int slot);

// Tests watch the calls through this: op is 'p' (play), 'l' (looping) or 's' (stop).
inline void (*SoundWatcher)(char op, int slot) = nullptr;

}  // namespace Main_Module
