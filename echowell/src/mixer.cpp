#include "mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace echowell {
namespace {

constexpr int32_t kKnee = 24576;
constexpr float kHeadroom = 32767.0f - kKnee;

// Adds run frames from the voice's position with a gain going from g0 by step per frame.
void AddRamped(const Voice& v, int32_t* dst, uint32_t run, float g0, float step) {
    for (uint32_t i = 0; i < run; ++i, g0 += step) {
        const size_t at = static_cast<size_t>(v.pos + i) * v.channels;
        const int32_t l = static_cast<int32_t>(v.pcm[at] * g0);
        const int32_t r = v.channels == 1 ? l : static_cast<int32_t>(v.pcm[at + 1] * g0);
        dst[2 * i] += l;
        dst[2 * i + 1] += r;
    }
}

void AddPlain(const Voice& v, int32_t* dst, uint32_t run) {
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
}

void AddVoice(Voice& v, int32_t* acc, uint32_t frames) {
    constexpr float kStep = 1.0f / kRampFrames;
    uint32_t done = 0;
    while (done < frames && v.Audible()) {
        uint32_t run = std::min(frames - done, v.frames - v.pos);
        int32_t* dst = acc + 2 * done;
        if (!v.playing) {
            run = std::min(run, v.fadeOut);
            AddRamped(v, dst, run, v.fadeOut * kStep, -kStep);
            v.fadeOut -= run;
        } else if (v.rampIn > 0) {
            run = std::min(run, v.rampIn);
            AddRamped(v, dst, run, (kRampFrames - v.rampIn) * kStep, kStep);
            v.rampIn -= run;
        } else {
            AddPlain(v, dst, run);
        }
        done += run;
        v.pos += run;
        if (v.pos >= v.frames) {
            v.pos = 0;
            if (!v.looping) {
                v.playing = false;
                v.fadeOut = 0;
            }
        }
    }
}

}  // namespace

void Voice::Start(bool loop) {
    pos = 0;
    playing = true;
    looping = loop;
    rampIn = kRampFrames;
    fadeOut = 0;
}

void Voice::Stop() {
    if (playing) fadeOut = kRampFrames;
    playing = false;
}

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
        if (v.Audible() && v.pcm && v.frames) AddVoice(v, acc, frames);
    }
    if (!out) return;
    for (size_t i = 0; i < 2 * static_cast<size_t>(frames); ++i) out[i] = SoftLimit(acc[i]);
}

}  // namespace echowell
