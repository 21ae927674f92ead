// A small synthesizer: oscillators, envelopes, filters, drums and room effects over mono
// float buffers. Everything is deterministic: noise comes from seeded generators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

inline constexpr int kRate = 22050;
inline constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;

enum class Wave { Sine, Triangle, Square, Saw, Noise };

// Deterministic white noise in [-1, 1).
class Noise {
public:
    explicit Noise(uint32_t seed = 1) : state_(seed ? seed : 1) {}
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
    }

private:
    uint32_t state_;
};

// Phase-accumulating oscillator; square and saw are band-limited (polyBLEP).
class Osc {
public:
    Osc(Wave wave = Wave::Square, float duty = 0.5f, uint32_t seed = 1) : wave_(wave), duty_(duty), noise_(seed) {}
    void SetDuty(float duty) { duty_ = duty; }
    float Next(double freq);

private:
    Wave wave_;
    float duty_;
    double phase_ = 0;
    float held_ = 0;  // noise: sample-and-hold at the given rate
    Noise noise_;
};

// Zero-delay state-variable filter.
class Svf {
public:
    void Set(double cutoff, double q);
    float Low(float x) { Run(x); return low_; }
    float High(float x) { Run(x); return high_; }
    float Band(float x) { Run(x); return band_; }

private:
    void Run(float x);
    double g_ = 0.1, k_ = 1.4, a1_ = 0, a2_ = 0, a3_ = 0;
    double ic1_ = 0, ic2_ = 0;
    float low_ = 0, band_ = 0, high_ = 0;
};

// Attack/decay/sustain/release level at time t of a note held for gate seconds.
float Adsr(double t, double gate, double a, double d, double s, double r);

double NoteHz(int midi);

// Drum voices, added into out from sample start (the amplitude is scaled by vol).
void Kick(Buffer& out, size_t start, float vol);
void Snare(Buffer& out, size_t start, float vol, uint32_t seed);
void HiHat(Buffer& out, size_t start, float vol, double decay, uint32_t seed);
void Crash(Buffer& out, size_t start, float vol, uint32_t seed);
void Tom(Buffer& out, size_t start, float vol, double hz);

// Feedback echo with a darkening loop; wet is added to the signal.
void Echo(Buffer& buf, double delaySeconds, float feedback, float wet);
// A small room (comb and all-pass network); wet is added to the signal.
void Reverb(Buffer& buf, float wet, float size = 1.0f);
// Peak level of buf, and scale buf so that its peak is peak.
float Peak(const Buffer& buf);
void Normalize(Buffer& buf, float peak);
// Short fades at both ends (one-shot effects start and end at silence).
void FadeEdges(Buffer& buf, double inSeconds, double outSeconds);

}  // namespace soundgen
