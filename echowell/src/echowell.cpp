// The library's exports: a table of live devices and buffers, and the output device
// (SDL audio, or the null device that mixes only when pulled).
#include "echowell.h"

#include <SDL.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "mixer.h"
#include "wave.h"

namespace echowell {
namespace {

constexpr uint32_t kNullRate = 48000;
constexpr uint32_t kChunkFrames = 1024;
// A RIFF image passed without its size may declare at most this much.
constexpr uint32_t kMaxImageBytes = 256u << 20;

enum class Kind { Free, Device, Buffer };

struct Buffer {
    int32_t device = 0;
    std::vector<int16_t> pcm;
    Voice voice;
};

struct Entry {
    Kind kind = Kind::Free;
    uint16_t generation = 0;
    std::unique_ptr<Buffer> buffer;
};

// Everything the game thread and the audio callback share, under one lock.
struct State {
    std::mutex lock;
    std::vector<Entry> table;
    std::vector<Voice*> sounding;  // scratch for the mixer, reserved ahead
    Mixer mixer;
    int32_t device = 0;            // the one open device
    uint32_t rate = 0;
    bool nullDevice = false;
    SDL_AudioDeviceID sdlDevice = 0;
    bool forceNull = false;
};

State& S() {
    static State s;
    return s;
}

// Handles: low 16 bits = table index + 1, bits 16..30 = generation (never 0), so a freed
// handle is refused even after its entry is reused.
int32_t MakeHandle(size_t index, uint16_t generation) {
    return static_cast<int32_t>(static_cast<uint32_t>(generation) << 16 | static_cast<uint32_t>(index + 1));
}

Entry* Find(State& s, int32_t handle, Kind kind) {
    if (handle <= 0) return nullptr;
    const uint32_t index = (static_cast<uint32_t>(handle) & 0xFFFF);
    const uint16_t generation = static_cast<uint16_t>(static_cast<uint32_t>(handle) >> 16);
    if (index == 0 || index > s.table.size()) return nullptr;
    Entry& e = s.table[index - 1];
    if (e.kind != kind || e.generation != generation) return nullptr;
    return &e;
}

int32_t Allocate(State& s, Kind kind) {
    size_t index = 0;
    while (index < s.table.size() && s.table[index].kind != Kind::Free) ++index;
    if (index == s.table.size()) {
        if (s.table.size() >= 0xFFFF) return 0;
        s.table.emplace_back();
    }
    Entry& e = s.table[index];
    e.generation = static_cast<uint16_t>(e.generation % 0x7FFF + 1);
    e.kind = kind;
    return MakeHandle(index, e.generation);
}

void Release(Entry& e) {
    e.kind = Kind::Free;
    e.buffer.reset();
}

// Mixes into out under the lock (the audio callback and dsMixFrames).
void MixLocked(State& s, int16_t* out, uint32_t frames) {
    s.sounding.clear();
    for (Entry& e : s.table)
        if (e.kind == Kind::Buffer && e.buffer->voice.Audible()) s.sounding.push_back(&e.buffer->voice);
    while (frames > 0) {
        const uint32_t n = frames < kChunkFrames ? frames : kChunkFrames;
        s.mixer.Mix(s.sounding.data(), s.sounding.size(), out, n);
        if (out) out += 2 * n;
        frames -= n;
    }
}

void AudioCallback(void*, Uint8* stream, int len) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    MixLocked(s, reinterpret_cast<int16_t*>(stream), static_cast<uint32_t>(len) / 4);
}

bool OpenSdl(State& s) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{}, have{};
    want.freq = 48000;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 512;
    want.callback = AudioCallback;
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id == 0 || have.freq < 8000 || have.freq > 192000) {
        if (id) SDL_CloseAudioDevice(id);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    s.sdlDevice = id;
    s.rate = static_cast<uint32_t>(have.freq);
    return true;
}

// Starts (loop or not) or stops a buffer; 0 for a refused handle.
int32_t Control(int32_t buffer, bool start, bool loop) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    Entry* e = Find(s, buffer, Kind::Buffer);
    if (!e) return 0;
    if (start) e->buffer->voice.Start(loop);
    else e->buffer->voice.Stop();
    return 1;
}

}  // namespace
}  // namespace echowell

using namespace echowell;

extern "C" {

int32_t dsInitialize(int32_t) {
    State& s = S();
    std::unique_lock<std::mutex> guard(s.lock);
    if (s.device) return 0;
    const bool forceNull = s.forceNull;
    guard.unlock();
    // SDL may call back as soon as the device runs, so it opens paused and outside the lock.
    bool real = !forceNull && OpenSdl(s);
    guard.lock();
    s.nullDevice = !real;
    if (!real) s.rate = kNullRate;
    s.sounding.reserve(64);
    s.mixer.Mix(nullptr, 0, nullptr, kChunkFrames);  // sizes its scratch before any callback
    int32_t handle = Allocate(s, Kind::Device);
    if (!handle) {
        guard.unlock();
        if (real) {
            SDL_CloseAudioDevice(s.sdlDevice);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            s.sdlDevice = 0;
        }
        return 0;
    }
    s.device = handle;
    if (real) SDL_PauseAudioDevice(s.sdlDevice, 0);
    return handle;
}

int32_t dsCreateDSBEx(int32_t device, const void* image, uint32_t size, int32_t flag) {
    if (!image || (flag != 1 && flag != 2)) return 0;
    uint32_t rate;
    {
        State& s = S();
        std::lock_guard<std::mutex> guard(s.lock);
        if (!Find(s, device, Kind::Device)) return 0;
        rate = s.rate;
    }
    // Decoding and conversion run outside the lock so the audio never waits on a load.
    Pcm decoded, converted;
    if (!ParseWave(static_cast<const uint8_t*>(image), size, decoded)) return 0;
    if (!Resample(decoded, rate, flag == 1, converted)) return 0;

    auto buffer = std::make_unique<Buffer>();
    buffer->device = device;
    buffer->pcm = std::move(converted.samples);
    buffer->voice.pcm = buffer->pcm.data();
    buffer->voice.channels = converted.channels;
    buffer->voice.frames = static_cast<uint32_t>(buffer->pcm.size() / converted.channels);

    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!Find(s, device, Kind::Device) || s.rate != rate) return 0;
    int32_t handle = Allocate(s, Kind::Buffer);
    if (!handle) return 0;
    s.table[(static_cast<uint32_t>(handle) & 0xFFFF) - 1].buffer = std::move(buffer);
    if (s.sounding.capacity() < s.table.size()) s.sounding.reserve(s.table.size() * 2);
    return handle;
}

int32_t dsCreateDSB(int32_t device, const void* image, int32_t flag) {
    if (!image) return 0;
    const auto* bytes = static_cast<const uint8_t*>(image);
    if (std::memcmp(bytes, "RIFF", 4) != 0) return 0;
    const uint32_t declared = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<uint32_t>(bytes[7]) << 24;
    if (declared > kMaxImageBytes - 8) return 0;
    return dsCreateDSBEx(device, image, declared + 8, flag);
}

int32_t dsPlay(int32_t buffer) { return Control(buffer, true, false); }
int32_t dsPlayLooping(int32_t buffer) { return Control(buffer, true, true); }
int32_t dsStop(int32_t buffer) { return Control(buffer, false, false); }

int32_t dsFree(int32_t buffer) {
    State& s = S();
    std::unique_ptr<Buffer> doomed;  // destroyed after the lock is let go
    std::lock_guard<std::mutex> guard(s.lock);
    Entry* e = Find(s, buffer, Kind::Buffer);
    if (!e) return 0;
    doomed = std::move(e->buffer);
    Release(*e);
    return 1;
}

int32_t dsTerminate(int32_t device) {
    State& s = S();
    SDL_AudioDeviceID sdl = 0;
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (!Find(s, device, Kind::Device)) return 0;
        sdl = s.sdlDevice;
        s.sdlDevice = 0;
    }
    // Closing waits for a running callback, which takes the lock: do it unlocked.
    if (sdl) {
        SDL_CloseAudioDevice(sdl);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    std::lock_guard<std::mutex> guard(s.lock);
    for (Entry& e : s.table)
        if (e.kind == Kind::Buffer && e.buffer->device == device) Release(e);
    Entry* e = Find(s, device, Kind::Device);
    if (e) Release(*e);
    s.device = 0;
    s.nullDevice = false;
    s.rate = 0;
    return 1;
}

void dsSetNullDevice(int32_t on) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    s.forceNull = on != 0;
}

int32_t dsIsPlaying(int32_t buffer) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    Entry* e = Find(s, buffer, Kind::Buffer);
    return e && e->buffer->voice.playing ? 1 : 0;
}

int32_t dsDeviceRate(int32_t device) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    return Find(s, device, Kind::Device) ? static_cast<int32_t>(s.rate) : 0;
}

int32_t dsMixFrames(int32_t device, int16_t* out, int32_t frames) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    if (frames <= 0 || !Find(s, device, Kind::Device) || !s.nullDevice) return 0;
    MixLocked(s, out, static_cast<uint32_t>(frames));
    return frames;
}

}  // extern "C"
