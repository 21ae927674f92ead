// Builds RIFF/WAVE images in memory for the sound tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace wavetest {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void Chunk(Bytes& b, const char* id, const Bytes& body, bool pad = true) {
    b.insert(b.end(), id, id + 4);
    Put32(b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (pad && (body.size() & 1)) b.push_back(0);
}

struct Format {
    uint16_t tag = 1, channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
    int blockAlign = -1;  // -1: channels * bits / 8
};

inline Bytes FmtBody(const Format& f) {
    Bytes b;
    const uint16_t align = static_cast<uint16_t>(f.blockAlign >= 0 ? f.blockAlign : f.channels * f.bits / 8);
    Put16(b, f.tag);
    Put16(b, f.channels);
    Put32(b, f.rate);
    Put32(b, f.rate * align);
    Put16(b, align);
    Put16(b, f.bits);
    return b;
}

// A RIFF image of the given chunks (already framed), with its true size in the header.
inline Bytes Riff(const Bytes& chunks) {
    Bytes b = {'R', 'I', 'F', 'F'};
    Put32(b, static_cast<uint32_t>(4 + chunks.size()));
    b.insert(b.end(), {'W', 'A', 'V', 'E'});
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

inline Bytes Samples16(const std::vector<int16_t>& s) {
    Bytes b;
    for (int16_t v : s) Put16(b, static_cast<uint16_t>(v));
    return b;
}

// The usual file: fmt then data.
inline Bytes Wave(const Format& f, const Bytes& data) {
    Bytes chunks;
    Chunk(chunks, "fmt ", FmtBody(f));
    Chunk(chunks, "data", data);
    return Riff(chunks);
}

// 16-bit mono at rate holding the given samples.
inline Bytes Mono16(uint32_t rate, const std::vector<int16_t>& s) {
    Format f;
    f.rate = rate;
    return Wave(f, Samples16(s));
}

}  // namespace wavetest
