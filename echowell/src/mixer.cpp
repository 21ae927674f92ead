#include "mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace echowell {
namespace {

constexpr int32_t kKnee = 24576;
constexpr float kHeadroom = 32767.0f - kKnee;

void AddVoice(Voice& v, int32_t* acc, uint32_t frames) {
    uint32_t done = 0;
    while (done < frames && v.playing) {
        const uint32_t run = std::min(frames - done, v.frames - v.pos);
        int32_t* dst = acc + 2 * done;
        if (v.channels == 1) {
            const int16_t* src = v.pcm + v.pos;
            for (uint32_t i = 0; i < run; ++i) {
                dst[2 * i] += src[i];
                dst[2 * i + 1] += src[i];
            }
        } else {
            const int16_t* src = v.pcm + 2 * static_cast<size_t>(v.pos);
            for (uint32_t i = 0; i < 2 * run; ++i) dst[i] += src[i];
        }
        done += run;
        v.pos += run;
        if (v.pos >= v.frames) {
            v.pos = 0;
            if (!v.looping) v.playing = false;
        }
    }
}

}  // namespace

int16_t SoftLimit(int32_t x) {
    const int32_t mag = x < 0 ? -x : x;
    if (mag <= kKnee) return static_cast<int16_t>(x);
    const float bent = kKnee + kHeadroom * std::tanh((mag - kKnee) / kHeadroom);
    const int32_t y = std::min<int32_t>(static_cast<int32_t>(bent), 32767);
    return static_cast<int16_t>(x < 0 ? -y : y);
}

void Mixer::Mix(Voice* const* voices, size_t count, int16_t* out, uint32_t frames) {
    if (acc_.size() < 2 * static_cast<size_t>(frames)) acc_.resize(2 * static_cast<size_t>(frames));
    int32_t* acc = acc_.data();
    std::memset(acc, 0, 2 * static_cast<size_t>(frames) * sizeof(int32_t));
    for (size_t i = 0; i < count; ++i) {
        Voice& v = *voices[i];
        if (v.playing && v.pcm && v.frames) AddVoice(v, acc, frames);
    }
    if (!out) return;
    for (size_t i = 0; i < 2 * static_cast<size_t>(frames); ++i) out[i] = SoftLimit(acc[i]);
}

}  // namespace echowell
