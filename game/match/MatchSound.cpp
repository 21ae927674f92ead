#include "match/MatchSound.h"

#include "shell/Echowave.h"
#include "shell/SoundBank.h"

namespace Main_Module {

namespace {
int32_t Buf(int slot) { return slot >= 0 && slot < kSoundSlots ? SoundBuf[slot] : 0; }
}  // namespace

void PlaySound(int slot) {
    if (SoundWatcher) SoundWatcher('p', slot);
    Echowave::dsPlay(Buf(slot));
}

void PlaySoundLooping(int slot) {
    if (SoundWatcher) SoundWatcher('l', slot);
    Echowave::dsPlayLooping(Buf(slot));
}

void StopSound(int slot) {
    if (SoundWatcher) SoundWatcher('s', slot);
    Echowave::dsStop(Buf(slot));
}

}  // namespace Main_Module
