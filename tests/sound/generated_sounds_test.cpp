// The 37 generated sounds: readable, unclipped, sensible lengths, small, and music that loops
// without a click.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "wave.h"

namespace {

echowell::Pcm Load(int slot, uintmax_t* bytes = nullptr) {
    char name[16];
    std::snprintf(name, sizeof name, "/%02d.wav", slot);
    const std::string path = std::string(AEROTUSSLE_BIN_DIR) + name;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes) *bytes = data.size();
    echowell::Pcm pcm;
    EXPECT_TRUE(echowell::ParseWave(data.data(), data.size(), pcm)) << path;
    return pcm;
}

bool IsMusic(int slot) { return slot == 3 || slot == 14 || slot == 15; }

TEST(GeneratedSounds, AllReadableUnclippedAndSmall) {
    uintmax_t total = 0;
    for (int slot = 0; slot < 37; ++slot) {
        SCOPED_TRACE(slot);
        uintmax_t bytes = 0;
        const echowell::Pcm pcm = Load(slot, &bytes);
        total += bytes;
        ASSERT_EQ(pcm.channels, 1);
        ASSERT_EQ(pcm.rate, 22050u);
        const double seconds = static_cast<double>(pcm.Frames()) / pcm.rate;
        if (IsMusic(slot)) {
            EXPECT_GE(seconds, 30.0);
            EXPECT_LE(seconds, 60.0);
        } else {
            EXPECT_GE(seconds, 0.03);
            EXPECT_LE(seconds, 6.0);
        }
        int peak = 0;
        for (int16_t v : pcm.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_LT(peak, 32000) << "clips";
        EXPECT_GT(peak, 8000) << "too quiet";
        if (!IsMusic(slot)) {
            EXPECT_LT(std::abs(pcm.samples.back()), 100) << "effects end in silence";
        }
    }
    EXPECT_LT(total, 8u << 20);
}

TEST(GeneratedSounds, MusicJoinsItsEndToItsStart) {
    for (int slot : {3, 14, 15}) {
        SCOPED_TRACE(slot);
        const echowell::Pcm pcm = Load(slot);
        const auto& s = pcm.samples;
        // The step across the loop point must look like any other step of the track.
        std::vector<int> steps;
        for (size_t i = 1; i < s.size(); ++i) steps.push_back(std::abs(s[i] - s[i - 1]));
        std::sort(steps.begin(), steps.end());
        const int typical = steps[steps.size() * 99 / 100];
        EXPECT_LE(std::abs(s.front() - s.back()), typical);
        // No level jump either: the loudness just before and just after the join is alike.
        auto rms = [&](size_t from, size_t n) {
            double sum = 0;
            for (size_t i = 0; i < n; ++i) sum += std::pow(s[(from + i) % s.size()], 2);
            return std::sqrt(sum / n);
        };
        const size_t win = 2205;
        EXPECT_GT(rms(s.size() - win, win), 0.2 * rms(0, win));
    }
}

}  // namespace
