// RIFF/WAVE reading and rate conversion. No I/O and no audio device: pure functions over bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace echowell {

// Decoded PCM: interleaved signed 16-bit samples, channels = 1 or 2.
struct Pcm {
    int channels = 0;
    uint32_t rate = 0;
    std::vector<int16_t> samples;
    uint32_t Frames() const { return channels ? static_cast<uint32_t>(samples.size() / channels) : 0; }
};

// Most sample frames a decoded or converted sound may hold (about six minutes at 48 kHz).
inline constexpr uint32_t kMaxFrames = 48000u * 360u;

// Reads at most size bytes from data. PCM 8/16 bit, mono/stereo, 4..192 kHz, plain or
// extensible format chunk. Returns false (with a short reason in *why, if given) for anything
// else or any malformed file; never reads outside [data, data + size).
bool ParseWave(const uint8_t* data, size_t size, Pcm& out, std::string* why = nullptr);

// Converts to the given rate (cubic interpolation). With cyclic, the sound is treated as one
// period of a loop: the end blends into the start and the length keeps the loop's duration.
// Returns false if the result would be empty or longer than kMaxFrames.
bool Resample(const Pcm& in, uint32_t rate, bool cyclic, Pcm& out);

}  // namespace echowell
