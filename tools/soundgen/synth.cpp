#include "synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {
namespace {

// Smooths the step of a discontinuity at phase 0 (polyBLEP residual).
double Blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

void Ensure(Buffer& out, size_t size) {
    if (out.size() < size) out.resize(size, 0.0f);
}

}  // namespace

float Osc::Next(double freq) {
    const double dt = std::min(freq / kRate, 0.5);
    double v = 0;
    switch (wave_) {
        case Wave::Sine: v = std::sin(2 * kPi * phase_); break;
        case Wave::Triangle: v = phase_ < 0.5 ? 4 * phase_ - 1 : 3 - 4 * phase_; break;
        case Wave::Saw: v = 2 * phase_ - 1 - Blep(phase_, dt); break;
        case Wave::Square: {
            v = phase_ < duty_ ? 1.0 : -1.0;
            v += Blep(phase_, dt);
            double t2 = phase_ - duty_;
            if (t2 < 0) t2 += 1.0;
            v -= Blep(t2, dt);
            break;
        }
        case Wave::Noise: v = held_; break;
    }
    phase_ += dt;
    if (phase_ >= 1.0) {
        phase_ -= 1.0;
        held_ = noise_.Next();
    }
    return static_cast<float>(v);
}

void Svf::Set(double cutoff, double q) {
    cutoff = std::clamp(cutoff, 20.0, kRate * 0.45);
    g_ = std::tan(kPi * cutoff / kRate);
    k_ = 1.0 / std::max(q, 0.1);
    a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
    a2_ = g_ * a1_;
    a3_ = g_ * a2_;
}

void Svf::Run(float x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    low_ = static_cast<float>(v2);
    band_ = static_cast<float>(v1);
    high_ = static_cast<float>(x - k_ * v1 - v2);
}

float Adsr(double t, double gate, double a, double d, double s, double r) {
    auto held = [&](double u) {
        if (u < a) return u / a;
        u -= a;
        return s + (1 - s) * std::exp(-u / std::max(d, 1e-4) * 3.0);
    };
    if (t < 0) return 0;
    if (t < gate) return static_cast<float>(held(t));
    const double past = t - gate;
    if (past >= r) return 0;
    return static_cast<float>(held(gate) * (1 - past / r) * (1 - past / r));
}

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void Kick(Buffer& out, size_t start, float vol) {
    const size_t n = static_cast<size_t>(0.45 * kRate);
    Ensure(out, start + n);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = 45 + 110 * std::exp(-t * 28);
        phase += f / kRate;
        const double amp = std::exp(-t * 7.5) * (t < 0.002 ? t / 0.002 : 1.0);
        const double click = std::exp(-t * 300) * 0.3;
        out[start + i] += vol * static_cast<float>(std::sin(2 * kPi * phase) * amp + click);
    }
}

void Snare(Buffer& out, size_t start, float vol, uint32_t seed) {
    const size_t n = static_cast<size_t>(0.3 * kRate);
    Ensure(out, start + n);
    Noise noise(seed);
    Svf hp;
    hp.Set(1800, 0.7);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += (185 + 60 * std::exp(-t * 40)) / kRate;
        const double tone = std::sin(2 * kPi * phase) * std::exp(-t * 30) * 0.55;
        const double rattle = hp.High(noise.Next()) * std::exp(-t * 16) * 0.8;
        out[start + i] += vol * static_cast<float>(tone + rattle);
    }
}

void HiHat(Buffer& out, size_t start, float vol, double decay, uint32_t seed) {
    const size_t n = static_cast<size_t>((decay * 5 + 0.01) * kRate);
    Ensure(out, start + n);
    Noise noise(seed);
    Svf hp;
    hp.Set(7000, 0.9);
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        out[start + i] += vol * static_cast<float>(hp.High(noise.Next()) * std::exp(-t / decay));
    }
}

void Crash(Buffer& out, size_t start, float vol, uint32_t seed) {
    const size_t n = static_cast<size_t>(1.8 * kRate);
    Ensure(out, start + n);
    Noise noise(seed);
    Svf hp;
    hp.Set(4500, 0.6);
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double env = std::exp(-t * 2.6) * std::min(1.0, t / 0.003);
        out[start + i] += vol * static_cast<float>(hp.High(noise.Next()) * env);
    }
}

void Tom(Buffer& out, size_t start, float vol, double hz) {
    const size_t n = static_cast<size_t>(0.4 * kRate);
    Ensure(out, start + n);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += hz * (1 + 0.6 * std::exp(-t * 20)) / kRate;
        out[start + i] += vol * static_cast<float>(std::sin(2 * kPi * phase) * std::exp(-t * 9));
    }
}

void Echo(Buffer& buf, double delaySeconds, float feedback, float wet) {
    const size_t d = std::max<size_t>(1, static_cast<size_t>(delaySeconds * kRate));
    Buffer line(buf.size(), 0.0f);
    float lp = 0;
    for (size_t i = 0; i < buf.size(); ++i) {
        const float back = i >= d ? line[i - d] : 0.0f;
        lp += 0.45f * (back - lp);
        line[i] = buf[i] + lp * feedback;
    }
    for (size_t i = 0; i < buf.size(); ++i) buf[i] += wet * (i >= d ? line[i - d] : 0.0f);
}

void Reverb(Buffer& buf, float wet, float size) {
    static const int kComb[4] = {1116, 1188, 1277, 1356};
    static const int kAll[2] = {556, 441};
    Buffer out(buf.size(), 0.0f);
    for (int c = 0; c < 4; ++c) {
        const size_t d = static_cast<size_t>(kComb[c] * size * kRate / 44100.0);
        Buffer line(d, 0.0f);
        float lp = 0;
        size_t p = 0;
        for (size_t i = 0; i < buf.size(); ++i) {
            const float y = line[p];
            lp = y * 0.6f + lp * 0.4f;
            line[p] = buf[i] + lp * 0.8f;
            p = (p + 1) % d;
            out[i] += y * 0.25f;
        }
    }
    for (int a = 0; a < 2; ++a) {
        const size_t d = static_cast<size_t>(kAll[a] * size * kRate / 44100.0);
        Buffer line(d, 0.0f);
        size_t p = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            const float delayed = line[p];
            const float x = out[i];
            line[p] = x + delayed * 0.5f;
            out[i] = delayed - x * 0.5f;
            p = (p + 1) % d;
        }
    }
    for (size_t i = 0; i < buf.size(); ++i) buf[i] += wet * out[i];
}

float Peak(const Buffer& buf) {
    float peak = 0;
    for (float v : buf) peak = std::max(peak, std::fabs(v));
    return peak;
}

void Normalize(Buffer& buf, float peak) {
    const float p = Peak(buf);
    if (p <= 0) return;
    for (float& v : buf) v *= peak / p;
}

void FadeEdges(Buffer& buf, double inSeconds, double outSeconds) {
    const size_t in = std::min(buf.size(), static_cast<size_t>(inSeconds * kRate));
    const size_t outN = std::min(buf.size(), static_cast<size_t>(outSeconds * kRate));
    for (size_t i = 0; i < in; ++i) buf[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < outN; ++i) buf[buf.size() - 1 - i] *= static_cast<float>(i) / outN;
}

}  // namespace soundgen
