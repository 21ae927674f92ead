#include "wave.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace echowell {
namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool Fail(std::string* why, const char* reason) {
    if (why) *why = reason;
    return false;
}

// KSDATAFORMAT_SUBTYPE_PCM after its first two bytes.
constexpr uint8_t kPcmGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                      0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

}  // namespace

bool ParseWave(const uint8_t* data, size_t size, Pcm& out, std::string* why) {
    if (!data || size < 12) return Fail(why, "too short");
    if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return Fail(why, "not RIFF/WAVE");
    uint64_t riffEnd = 8ull + Le32(data + 4);
    if (riffEnd > size) return Fail(why, "truncated");
    const size_t end = static_cast<size_t>(riffEnd);

    const uint8_t* fmt = nullptr;
    uint32_t fmtSize = 0;
    const uint8_t* pcm = nullptr;
    uint32_t pcmSize = 0;
    size_t pos = 12;
    while (pos + 8 <= end) {
        const uint8_t* chunk = data + pos;
        uint32_t chunkSize = Le32(chunk + 4);
        if (chunkSize > end - pos - 8) return Fail(why, "chunk overruns file");
        const uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !fmt) {
            fmt = body;
            fmtSize = chunkSize;
        } else if (std::memcmp(chunk, "data", 4) == 0 && !pcm) {
            pcm = body;
            pcmSize = chunkSize;
        }
        // Chunks are padded to even length; a missing pad on the last chunk is tolerated.
        pos += 8 + static_cast<size_t>(chunkSize) + (chunkSize & 1);
    }
    if (!fmt) return Fail(why, "no fmt chunk");
    if (!pcm) return Fail(why, "no data chunk");
    if (fmtSize < 16) return Fail(why, "short fmt chunk");

    uint16_t tag = Le16(fmt);
    uint16_t channels = Le16(fmt + 2);
    uint32_t rate = Le32(fmt + 4);
    uint16_t blockAlign = Le16(fmt + 12);
    uint16_t bits = Le16(fmt + 14);
    if (tag == 0xFFFE) {
        if (fmtSize < 40 || Le16(fmt + 16) < 22) return Fail(why, "short extensible fmt");
        if (Le16(fmt + 24) != 1 || std::memcmp(fmt + 26, kPcmGuidTail, 14) != 0)
            return Fail(why, "not PCM");
        if (Le16(fmt + 18) != bits) return Fail(why, "padded samples");
    } else if (tag != 1) {
        return Fail(why, "not PCM");
    }
    if (channels != 1 && channels != 2) return Fail(why, "channels");
    if (bits != 8 && bits != 16) return Fail(why, "sample size");
    if (rate < 4000 || rate > 192000) return Fail(why, "rate");
    if (blockAlign != channels * bits / 8) return Fail(why, "block align");

    uint32_t frames = pcmSize / blockAlign;
    if (frames == 0) return Fail(why, "no samples");
    if (frames > kMaxFrames) return Fail(why, "too long");

    out.channels = channels;
    out.rate = rate;
    out.samples.resize(static_cast<size_t>(frames) * channels);
    const size_t count = out.samples.size();
    if (bits == 8) {
        for (size_t i = 0; i < count; ++i) out.samples[i] = static_cast<int16_t>((pcm[i] - 128) * 256);
    } else {
        for (size_t i = 0; i < count; ++i) out.samples[i] = static_cast<int16_t>(Le16(pcm + 2 * i));
    }
    return true;
}

bool Resample(const Pcm& in, uint32_t rate, bool cyclic, Pcm& out) {
    const uint32_t n = in.Frames();
    if (n == 0 || rate == 0 || in.rate == 0) return false;
    out.channels = in.channels;
    out.rate = rate;
    if (rate == in.rate) {
        out.samples = in.samples;
        return true;
    }
    // Loops keep their duration (rounded); one-shots keep every input frame.
    const uint64_t scaled = static_cast<uint64_t>(n) * rate;
    const uint64_t frames64 = cyclic ? (scaled + in.rate / 2) / in.rate : (scaled + in.rate - 1) / in.rate;
    if (frames64 == 0 || frames64 > kMaxFrames) return false;
    const uint32_t frames = static_cast<uint32_t>(frames64);
    const int ch = in.channels;
    out.samples.assign(static_cast<size_t>(frames) * ch, 0);

    auto at = [&](int64_t i, int c) -> float {
        if (cyclic) {
            i %= n;
            if (i < 0) i += n;
        } else {
            i = std::clamp<int64_t>(i, 0, n - 1);
        }
        return in.samples[static_cast<size_t>(i) * ch + c];
    };
    // Step through the input in 32.32 fixed point; for a loop the step makes the period exact.
    const double step = cyclic ? static_cast<double>(n) / frames : static_cast<double>(in.rate) / rate;
    const uint64_t stepFx = static_cast<uint64_t>(step * 4294967296.0);
    uint64_t posFx = 0;
    for (uint32_t i = 0; i < frames; ++i, posFx += stepFx) {
        const int64_t idx = static_cast<int64_t>(posFx >> 32);
        const float t = static_cast<float>(posFx & 0xFFFFFFFFu) / 4294967296.0f;
        for (int c = 0; c < ch; ++c) {
            const float p0 = at(idx - 1, c), p1 = at(idx, c), p2 = at(idx + 1, c), p3 = at(idx + 2, c);
            // Catmull-Rom spline through p1..p2.
            const float v = p1 + 0.5f * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
            out.samples[static_cast<size_t>(i) * ch + c] =
                static_cast<int16_t>(std::clamp(std::lround(v), -32768l, 32767l));
        }
    }
    return true;
}

}  // namespace echowell
