// The mixing core: sums the sounding voices into stereo 16-bit output with a soft limiter.
// No locking here; the caller serialises access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace echowell {

struct Voice {
    const int16_t* pcm = nullptr;  // interleaved, channels per frame, at the output rate
    uint32_t frames = 0;
    int channels = 1;
    uint32_t pos = 0;   // next frame to play
    bool playing = false;
    bool looping = false;
    uint32_t rampIn = 0;   // frames left of the fade-in after a start
    uint32_t fadeOut = 0;  // frames left of the fade-out after a stop (playing is false)

    // Starts from the beginning with a short fade-in; stops with a short fade-out, so neither
    // clicks. A stopped voice reports playing = false at once.
    void Start(bool loop);
    void Stop();
    bool Audible() const { return playing || fadeOut > 0; }
};

// Length of the start and stop fades, in output frames.
inline constexpr uint32_t kRampFrames = 96;

class Mixer {
public:
    // Mixes frames stereo frames of every voice into out (2 * frames values; may be null).
    // Voices that reach their end stop; looping voices wrap.
    void Mix(Voice* const* voices, size_t count, int16_t* out, uint32_t frames);

private:
    std::vector<int32_t> acc_;
};

// Maps a summed sample to 16 bits: linear up to a knee, then bends smoothly towards full scale.
int16_t SoftLimit(int32_t x);

}  // namespace echowell
