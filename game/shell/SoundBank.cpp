#include "shell/SoundBank.h"

#include <cstdio>

#include "shell/Echowave.h"
#include "shell/StateDump.h"
#include "shell/SuperModule.h"

namespace Main2 {
namespace {

void Reset() {
    for (int32_t& b : SoundBuf) b = 0;
}

void Dump(StateJson& out) { out.Array("SoundBuf", SoundBuf, Main_Module::kSoundSlots); }

const bool registered = RegisterModule({"Main_Module.SoundBuf", &Reset, &Dump});

}  // namespace

void LoadSounds(const std::string& directory) {
    for (int n = 0; n < Main_Module::kSoundSlots; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "/%02d.wav", n);
        SoundBuf[n] = Echowave::LoadSound(directory + name, Main_Module::SoundLoadFlag(n));
    }
}

void FreeSounds() {
    for (int n = 0; n < Main_Module::kSoundSlots; ++n) Echowave::dsFree(SoundBuf[n]);
    SUPER_MODULE::HideCursor(False);
}

}  // namespace Main2
