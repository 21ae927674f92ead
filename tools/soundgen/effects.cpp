#include "effects.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace soundgen {
namespace {

// Adds f(t, u) for dur seconds from start (t in seconds since start, u = t / dur).
void Add(Buffer& b, double start, double dur, const std::function<double(double t, double u)>& f) {
    const size_t s0 = static_cast<size_t>(start * kRate);
    const size_t n = static_cast<size_t>(dur * kRate);
    if (b.size() < s0 + n) b.resize(s0 + n, 0.0f);
    // Each layer tapers off over its last few milliseconds, so a cut never clicks.
    const size_t taper = std::min<size_t>(n, static_cast<size_t>(0.008 * kRate));
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double edge = i + taper >= n ? static_cast<double>(n - i) / taper : 1.0;
        b[s0 + i] += static_cast<float>(f(t, t / dur) * edge);
    }
}

// Exponential glide from a to b as u goes 0..1.
double Glide(double a, double b, double u) { return a * std::pow(b / a, u); }
double Attack(double t, double a) { return t < a ? t / a : 1.0; }

// A struck metal or glass sound: inharmonic partials with their own decays.
void Bell(Buffer& b, double start, double hz, double dur, double vol, double bright = 1.0) {
    static const double kRatio[5] = {1.0, 2.76, 5.40, 8.93, 1.51};
    static const double kGain[5] = {1.0, 0.5, 0.28, 0.12, 0.35};
    Add(b, start, dur, [=](double t, double) {
        double v = 0;
        for (int k = 0; k < 5; ++k)
            v += kGain[k] * std::sin(2 * kPi * hz * kRatio[k] * t) * std::exp(-t * (2.5 + k * 2.0 / bright));
        return vol * v * Attack(t, 0.002);
    });
}

// A quick falling thump (punch body).
void Thump(Buffer& b, double start, double f0, double f1, double dur, double vol) {
    auto phase = std::make_shared<double>(0.0);
    Add(b, start, dur, [=](double t, double u) {
        *phase += Glide(f0, f1, std::min(1.0, u * 2)) / kRate;
        return vol * std::sin(2 * kPi * *phase) * std::exp(-t * 6 / dur) * Attack(t, 0.001);
    });
}

// Filtered noise with a cutoff glide; mode 'l' low, 'h' high, 'b' band.
void NoiseBurst(Buffer& b, double start, double dur, double vol, double c0, double c1, char mode, double q,
                double decay, uint32_t seed) {
    auto noise = std::make_shared<Noise>(seed);
    auto svf = std::make_shared<Svf>();
    Add(b, start, dur, [=](double t, double u) {
        svf->Set(Glide(c0, c1, u), q);
        const float x = noise->Next();
        const double y = mode == 'l' ? svf->Low(x) : mode == 'h' ? svf->High(x) : svf->Band(x);
        return vol * y * std::exp(-t * decay) * Attack(t, 0.001);
    });
}

// A tone gliding from f0 to f1 with an exponential decay.
void Sweep(Buffer& b, double start, double dur, Wave wave, double f0, double f1, double vol, double decay,
           float duty = 0.5f, double vibHz = 0, double vibDepth = 0) {
    auto osc = std::make_shared<Osc>(wave, duty, 3);
    Add(b, start, dur, [=](double t, double u) {
        double f = Glide(f0, f1, u);
        if (vibHz > 0) f *= 1 + vibDepth * std::sin(2 * kPi * vibHz * t);
        return vol * osc->Next(f) * std::exp(-t * decay) * Attack(t, 0.003);
    });
}

// A short square-wave note (chimes and jingles).
void Blip(Buffer& b, double start, double hz, double dur, double vol, float duty = 0.5f, Wave wave = Wave::Square) {
    auto osc = std::make_shared<Osc>(wave, duty, 5);
    Add(b, start, dur, [=](double t, double u) {
        return vol * osc->Next(hz) * Attack(t, 0.002) * std::pow(1 - u, 1.5);
    });
}

Buffer Finish(Buffer b, float peak, double room = 0.0, double fadeOut = 0.03) {
    if (room > 0) {
        b.resize(b.size() + static_cast<size_t>(0.6 * kRate), 0.0f);
        Reverb(b, static_cast<float>(room), 0.8f);
    }
    // Drop the inaudible end of the tail.
    const float floor = Peak(b) * 0.002f;
    size_t end = b.size();
    while (end > 0 && std::fabs(b[end - 1]) < floor) --end;
    b.resize(std::min(b.size(), end + static_cast<size_t>(0.01 * kRate)));
    FadeEdges(b, 0.001, fadeOut);
    Normalize(b, peak);
    return b;
}

double Midi(int m) { return NoteHz(m); }

}  // namespace

bool HasEffect(int slot) { return slot >= 0 && slot <= 36 && slot != 3 && slot != 4 && slot != 14 && slot != 15 && slot != 16 && slot != 17; }

Buffer MakeEffect(int slot) {
    Buffer b;
    switch (slot) {
        case 0:  // balloon pop, then the fall
            NoiseBurst(b, 0, 0.06, 1.0, 5000, 1500, 'b', 0.8, 60, 101);
            Thump(b, 0, 260, 90, 0.08, 0.6);
            Sweep(b, 0.05, 0.75, Wave::Square, 1400, 180, 0.28, 1.8, 0.3f, 9, 0.025);
            return Finish(b, 0.7f);
        case 1:  // menu tick
            Blip(b, 0, 1760, 0.045, 0.6, 0.25f);
            Blip(b, 0.012, 2637, 0.03, 0.25, 0.5f);
            return Finish(b, 0.5f, 0, 0.005);
        case 2:  // alarm: three rising whoops
            for (int k = 0; k < 3; ++k) {
                Sweep(b, k * 0.42, 0.4, Wave::Saw, 420, 950, 0.35, 0.6);
                Sweep(b, k * 0.42, 0.4, Wave::Square, 425, 960, 0.25, 0.6, 0.4f);
            }
            return Finish(b, 0.6f, 0.15);
        case 5:  // big burst
            NoiseBurst(b, 0, 1.3, 1.0, 5000, 150, 'l', 0.9, 3.2, 501);
            Thump(b, 0, 120, 32, 0.9, 0.9);
            NoiseBurst(b, 0, 0.05, 0.6, 8000, 3000, 'h', 0.7, 40, 502);
            return Finish(b, 0.75f, 0.2, 0.2);
        case 6:  // sharp crack
            NoiseBurst(b, 0, 0.12, 1.0, 9000, 2500, 'h', 0.7, 35, 601);
            Sweep(b, 0, 0.3, Wave::Square, 420, 70, 0.35, 12, 0.5f);
            Thump(b, 0, 200, 50, 0.25, 0.7);
            return Finish(b, 0.7f, 0.1);
        case 7:  // punch
            Thump(b, 0, 190, 55, 0.16, 1.0);
            NoiseBurst(b, 0, 0.07, 0.55, 2500, 800, 'b', 0.9, 45, 701);
            return Finish(b, 0.65f, 0, 0.01);
        case 8:  // heavy landing with a whoosh
            NoiseBurst(b, 0, 0.35, 0.6, 600, 3500, 'b', 1.5, 2, 801);
            Thump(b, 0.3, 110, 30, 0.6, 1.0);
            NoiseBurst(b, 0.3, 0.5, 0.7, 2500, 120, 'l', 0.8, 7, 802);
            return Finish(b, 0.75f, 0.25, 0.1);
        case 9:  // laser zap
            Sweep(b, 0, 0.3, Wave::Square, 2400, 260, 0.5, 6, 0.2f);
            Sweep(b, 0.02, 0.28, Wave::Saw, 1800, 200, 0.25, 7);
            return Finish(b, 0.6f, 0.1);
        case 10:  // a fighter enters: rising chime
            for (int k = 0; k < 4; ++k) {
                static const int kUp[4] = {0, 4, 7, 12};
                Blip(b, k * 0.045, Midi(84 + kUp[k]), 0.22, 0.4, 0.25f);
            }
            Bell(b, 0.18, Midi(96), 0.5, 0.15, 2.0);
            return Finish(b, 0.6f, 0.25, 0.08);
        case 11:  // gauge full: a climbing sparkle
            for (int k = 0; k < 10; ++k) {
                static const int kUp[5] = {0, 4, 7, 11, 14};
                Blip(b, k * 0.04, Midi(72 + 12 * (k / 5) + kUp[k % 5]), 0.12, 0.35, 0.25f);
            }
            Sweep(b, 0, 0.5, Wave::Triangle, 300, 1200, 0.3, 2.5);
            Bell(b, 0.4, Midi(103), 0.6, 0.12, 2.0);
            return Finish(b, 0.6f, 0.3, 0.1);
        case 12: {  // super power: a rising charge through a sweeping resonant filter
            auto osc = std::make_shared<Osc>(Wave::Saw);
            auto osc2 = std::make_shared<Osc>(Wave::Saw);
            auto svf = std::make_shared<Svf>();
            Add(b, 0, 0.6, [=](double t, double u) {
                const double f = Glide(110, 880, u);
                svf->Set(Glide(400, 6000, u), 4.0);
                const double v = osc->Next(f) + osc2->Next(f * 1.505);
                return 0.5 * svf->Low(static_cast<float>(v)) * Attack(t, 0.02) * (1 - u * u);
            });
            NoiseBurst(b, 0.45, 0.2, 0.4, 3000, 9000, 'h', 0.7, 12, 1201);
            return Finish(b, 0.65f, 0.2);
        }
        case 13:  // slash with a metallic ring
            NoiseBurst(b, 0, 0.25, 1.0, 7000, 900, 'b', 2.0, 10, 1301);
            Bell(b, 0.04, 620, 0.9, 0.35, 1.5);
            Thump(b, 0.0, 150, 45, 0.3, 0.6);
            return Finish(b, 0.7f, 0.2, 0.1);
        case 18: {  // the creature leaps: a splash and a rising growl
            NoiseBurst(b, 0, 0.6, 0.8, 1500, 5000, 'b', 0.8, 4, 1801);
            auto osc = std::make_shared<Osc>(Wave::Saw);
            auto svf = std::make_shared<Svf>();
            Add(b, 0.1, 1.0, [=](double t, double u) {
                const double f = Glide(55, 140, u) * (1 + 0.08 * std::sin(2 * kPi * 23 * t));
                svf->Set(900 + 1500 * u, 1.5);
                return 0.6 * svf->Low(osc->Next(f)) * Attack(t, 0.08) * (1 - u);
            });
            return Finish(b, 0.7f, 0.2, 0.1);
        }
        case 19: {  // the creature's catch: chomp, chomp, gulp
            for (int k = 0; k < 2; ++k) {
                Thump(b, k * 0.14, 160, 50, 0.12, 0.9);
                NoiseBurst(b, k * 0.14, 0.06, 0.5, 1800, 600, 'b', 1.0, 50, 1901 + k);
            }
            auto osc = std::make_shared<Osc>(Wave::Sine);
            Add(b, 0.32, 0.35, [=](double t, double u) {
                return 0.7 * osc->Next(Glide(520, 110, u)) * Attack(t, 0.01) * (1 - u);
            });
            return Finish(b, 0.7f, 0.1);
        }
        case 20:  // coin
            Blip(b, 0, Midi(83), 0.07, 0.45, 0.5f);
            Blip(b, 0.07, Midi(88), 0.35, 0.45, 0.5f);
            return Finish(b, 0.55f, 0.1, 0.05);
        case 21:  // dash whoosh
            NoiseBurst(b, 0, 0.4, 1.0, 500, 6000, 'b', 2.5, 3, 2101);
            Sweep(b, 0, 0.25, Wave::Triangle, 200, 800, 0.3, 6);
            return Finish(b, 0.6f, 0.1, 0.1);
        case 22: {  // magic blast: a falling detuned chord over a roar
            for (int k = 0; k < 3; ++k) {
                static const double kHz[3] = {Midi(62), Midi(65), Midi(69)};
                Sweep(b, 0, 1.0, Wave::Saw, kHz[k] * 2, kHz[k] * 0.5, 0.25, 2.2);
                Sweep(b, 0, 1.0, Wave::Saw, kHz[k] * 2.01, kHz[k] * 0.502, 0.2, 2.2);
            }
            NoiseBurst(b, 0, 1.1, 0.7, 6000, 200, 'l', 0.8, 3, 2201);
            return Finish(b, 0.7f, 0.3, 0.2);
        }
        case 23:  // armed turn, left to right: a rising shing
            Bell(b, 0, 1500, 0.35, 0.4, 3.0);
            NoiseBurst(b, 0, 0.2, 0.5, 2000, 9000, 'b', 3.0, 12, 2301);
            return Finish(b, 0.55f, 0.1, 0.05);
        case 24:  // dive: a falling whistle
            Sweep(b, 0, 0.85, Wave::Sine, 1800, 260, 0.6, 0.6, 0.5f, 12, 0.01);
            NoiseBurst(b, 0, 0.85, 0.15, 1500, 500, 'b', 1.5, 1, 2401);
            return Finish(b, 0.6f, 0.1, 0.1);
        case 25:  // armed turn, right to left: a falling shing
            Bell(b, 0, 1150, 0.35, 0.4, 3.0);
            NoiseBurst(b, 0, 0.2, 0.5, 9000, 2000, 'b', 3.0, 12, 2501);
            return Finish(b, 0.55f, 0.1, 0.05);
        case 26:  // uppercut: a rising yelp
            Sweep(b, 0, 0.35, Wave::Square, 280, 1300, 0.4, 4, 0.3f);
            NoiseBurst(b, 0, 0.3, 0.5, 800, 5000, 'b', 1.5, 6, 2601);
            return Finish(b, 0.6f, 0.1, 0.05);
        case 27:  // a short charge
            Sweep(b, 0, 0.28, Wave::Square, 330, 990, 0.4, 2, 0.5f, 30, 0.03);
            return Finish(b, 0.55f, 0.1, 0.05);
        case 28:  // time stops: a deep gong with a sinking tone
            Bell(b, 0, 98, 1.6, 0.6, 0.8);
            Bell(b, 0, 196.5, 1.4, 0.3, 0.8);
            Sweep(b, 0, 1.4, Wave::Sine, 400, 60, 0.35, 1.5);
            NoiseBurst(b, 0, 0.5, 0.3, 200, 2000, 'b', 2.0, 4, 2801);
            return Finish(b, 0.75f, 0.35, 0.2);
        case 29:  // flash bang
            NoiseBurst(b, 0, 0.3, 1.0, 10000, 3000, 'h', 0.7, 14, 2901);
            Bell(b, 0, 2200, 0.6, 0.3, 2.0);
            Thump(b, 0, 140, 40, 0.3, 0.7);
            return Finish(b, 0.7f, 0.25, 0.1);
        case 30: {  // jet dash
            auto osc = std::make_shared<Osc>(Wave::Saw);
            Add(b, 0, 0.5, [=](double t, double u) {
                return 0.4 * osc->Next(Glide(90, 260, u)) * Attack(t, 0.01) * (1 - u);
            });
            NoiseBurst(b, 0, 0.5, 0.8, 1200, 4000, 'b', 1.2, 3, 3001);
            return Finish(b, 0.6f, 0.1, 0.08);
        }
        case 31: {  // beam: a buzzing ray that fades out
            auto a = std::make_shared<Osc>(Wave::Saw);
            auto c = std::make_shared<Osc>(Wave::Square, 0.3f);
            auto svf = std::make_shared<Svf>();
            Add(b, 0, 1.6, [=](double t, double u) {
                const double wob = 1 + 0.02 * std::sin(2 * kPi * 17 * t);
                svf->Set(2500 + 1500 * std::sin(2 * kPi * 3 * t), 3.0);
                const double v = a->Next(220 * wob) + 0.7 * c->Next(331 * wob);
                return 0.45 * svf->Low(static_cast<float>(v)) * Attack(t, 0.03) * (1 - u);
            });
            NoiseBurst(b, 0, 0.15, 0.6, 6000, 2000, 'b', 1.0, 15, 3101);
            return Finish(b, 0.6f, 0.15, 0.15);
        }
        case 32: {  // rampage: a gritty growl
            auto osc = std::make_shared<Osc>(Wave::Saw);
            auto sub = std::make_shared<Osc>(Wave::Square, 0.5f);
            auto noise = std::make_shared<Noise>(3201);
            Add(b, 0, 0.75, [=](double t, double u) {
                const double f = 72 * (1 + 0.12 * std::sin(2 * kPi * 9 * t)) * Glide(1.0, 1.6, u);
                const double v = osc->Next(f) + 0.6 * sub->Next(f * 0.5) + 0.25 * noise->Next();
                return 0.5 * std::tanh(2.5 * v) * Attack(t, 0.01) * (1 - u * u);
            });
            return Finish(b, 0.6f, 0.05, 0.08);
        }
        case 33:  // flurry of blows
            for (int k = 0; k < 6; ++k) {
                Thump(b, k * 0.065, 220 - 10 * k, 60, 0.08, 0.8);
                NoiseBurst(b, k * 0.065, 0.04, 0.45, 3000, 1000, 'b', 0.9, 60, 3301 + k);
            }
            return Finish(b, 0.65f, 0.1, 0.05);
        case 34:  // dramatic hit: a crack over a sinking drone
            NoiseBurst(b, 0, 0.1, 1.0, 9000, 2000, 'h', 0.7, 30, 3401);
            Thump(b, 0, 170, 40, 0.5, 0.9);
            Sweep(b, 0, 0.8, Wave::Saw, 330, 82, 0.3, 2.5);
            return Finish(b, 0.7f, 0.3, 0.15);
        case 35:  // a high charging whistle
            Sweep(b, 0, 0.3, Wave::Square, 1000, 2600, 0.35, 1.5, 0.25f, 40, 0.02);
            return Finish(b, 0.5f, 0.15, 0.05);
        case 36: {  // teleport warble
            auto osc = std::make_shared<Osc>(Wave::Sine);
            Add(b, 0, 0.45, [=](double t, double u) {
                const double f = Glide(300, 1500, u) * (1 + 0.15 * std::sin(2 * kPi * 28 * t));
                return 0.6 * osc->Next(f) * Attack(t, 0.01) * (1 - u);
            });
            return Finish(b, 0.6f, 0.2, 0.05);
        }
        default:
            return b;
    }
}

}  // namespace soundgen
