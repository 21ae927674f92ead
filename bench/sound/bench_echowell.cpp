// One second of output with 16 voices sounding, through the library's mixer and through two
// references over the same data: a naive per-sample float mix and SDL_MixAudioFormat.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "mixer.h"

namespace {

constexpr uint32_t kRate = 48000;
constexpr uint32_t kChunk = 512;  // frames per audio callback
constexpr int kVoices = 16;

struct Data {
    std::vector<std::vector<int16_t>> mono;    // what the library holds (mono sounds)
    std::vector<std::vector<int16_t>> stereo;  // the same, interleaved L/R for SDL
    Data() {
        for (int v = 0; v < kVoices; ++v) {
            // Lengths differ so voices end and wrap at different moments.
            const uint32_t frames = kRate / 3 + 997 * v;
            std::vector<int16_t> m(frames), s(2 * frames);
            for (uint32_t i = 0; i < frames; ++i) {
                m[i] = static_cast<int16_t>(3000 * std::sin(0.01 * (v + 1) * i));
                s[2 * i] = s[2 * i + 1] = m[i];
            }
            mono.push_back(std::move(m));
            stereo.push_back(std::move(s));
        }
    }
};

const Data& Sounds() {
    static const Data d;
    return d;
}

void Library(benchmark::State& state) {
    std::vector<echowell::Voice> voices(kVoices);
    std::vector<echowell::Voice*> ptrs;
    for (int v = 0; v < kVoices; ++v) {
        voices[v].pcm = Sounds().mono[v].data();
        voices[v].frames = static_cast<uint32_t>(Sounds().mono[v].size());
        voices[v].channels = 1;
        voices[v].Start(true);
        ptrs.push_back(&voices[v]);
    }
    echowell::Mixer mixer;
    std::vector<int16_t> out(2 * kChunk);
    for (auto _ : state) {
        for (uint32_t done = 0; done < kRate; done += kChunk) {
            mixer.Mix(ptrs.data(), ptrs.size(), out.data(), kChunk);
            benchmark::DoNotOptimize(out.data());
        }
    }
}

// The straightforward loop: every sample of every voice, floats, position checks, clamping.
void NaiveLoop(benchmark::State& state) {
    std::vector<size_t> pos(kVoices, 0);
    std::vector<int16_t> out(2 * kChunk);
    for (auto _ : state) {
        for (uint32_t done = 0; done < kRate; done += kChunk) {
            for (uint32_t i = 0; i < kChunk; ++i) {
                float l = 0, r = 0;
                for (int v = 0; v < kVoices; ++v) {
                    const auto& s = Sounds().mono[v];
                    const float x = s[pos[v]] / 32768.0f;
                    l += x;
                    r += x;
                    if (++pos[v] >= s.size()) pos[v] = 0;
                }
                out[2 * i] = static_cast<int16_t>(std::clamp(l, -1.0f, 1.0f) * 32767.0f);
                out[2 * i + 1] = static_cast<int16_t>(std::clamp(r, -1.0f, 1.0f) * 32767.0f);
            }
            benchmark::DoNotOptimize(out.data());
        }
    }
}

void SdlMixAudio(benchmark::State& state) {
    std::vector<size_t> pos(kVoices, 0);
    std::vector<int16_t> out(2 * kChunk);
    for (auto _ : state) {
        for (uint32_t done = 0; done < kRate; done += kChunk) {
            std::fill(out.begin(), out.end(), 0);
            for (int v = 0; v < kVoices; ++v) {
                const auto& s = Sounds().stereo[v];
                uint32_t left = kChunk, at = 0;
                while (left > 0) {
                    const uint32_t run = std::min<uint32_t>(left, static_cast<uint32_t>(s.size() / 2 - pos[v]));
                    SDL_MixAudioFormat(reinterpret_cast<Uint8*>(out.data() + 2 * at),
                                       reinterpret_cast<const Uint8*>(s.data() + 2 * pos[v]), AUDIO_S16SYS,
                                       run * 4, SDL_MIX_MAXVOLUME);
                    pos[v] = (pos[v] + run) % (s.size() / 2);
                    at += run;
                    left -= run;
                }
            }
            benchmark::DoNotOptimize(out.data());
        }
    }
}

// Keeps each run's time CPU time per iteration (= per second of audio) for the summary.
class Summary : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                seconds[r.run_name.function_name] = r.cpu_accumulated_time / static_cast<double>(r.iterations);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    Sounds();
    benchmark::RegisterBenchmark("echowell_mixer_16_voices_1s", Library)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reference_naive_loop_16_voices_1s", NaiveLoop)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reference_SDL_MixAudioFormat_16_voices_1s", SdlMixAudio)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    const double mine = summary.seconds["echowell_mixer_16_voices_1s"];
    const double naive = summary.seconds["reference_naive_loop_16_voices_1s"];
    const double sdl = summary.seconds["reference_SDL_MixAudioFormat_16_voices_1s"];
    if (mine > 0) {
        std::printf("\nechowell mixer: %.3f ms of CPU per second of audio = %.3f%% of one core\n", mine * 1e3, mine * 100);
        if (naive > 0) std::printf("naive loop / echowell mixer: %.2fx\n", naive / mine);
        if (sdl > 0) std::printf("SDL_MixAudioFormat / echowell mixer: %.2fx\n", sdl / mine);
    }
    benchmark::Shutdown();
    return 0;
}
