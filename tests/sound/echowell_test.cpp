// The sound library through its exports, on the null device (and one run on SDL's dummy driver).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "echowell.h"
#include "mixer.h"
#include "wave_image.h"

using namespace wavetest;

namespace {

class Library : public ::testing::Test {
protected:
    void SetUp() override {
        dsSetNullDevice(1);
        device = dsInitialize(0);
        ASSERT_NE(device, 0);
        ASSERT_EQ(dsDeviceRate(device), 48000);
    }
    void TearDown() override {
        if (device) dsTerminate(device);
    }
    // A buffer of frames samples of constant value at the device rate.
    int32_t Constant(int16_t value, size_t frames, int32_t flag = 2) {
        image = Mono16(48000, std::vector<int16_t>(frames, value));
        return dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), flag);
    }
    std::vector<int16_t> Mix(int frames) {
        std::vector<int16_t> out(2 * frames);
        EXPECT_EQ(dsMixFrames(device, out.data(), frames), frames);
        return out;
    }
    int32_t device = 0;
    Bytes image;
};

TEST_F(Library, ZeroUnknownAndWrongKindHandlesAreRefused) {
    const int32_t buffer = Constant(1000, 500);
    ASSERT_NE(buffer, 0);
    for (int32_t bad : {0, -1, 12345, 0x7FFF0001, device}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(dsPlay(bad), 0);
        EXPECT_EQ(dsPlayLooping(bad), 0);
        EXPECT_EQ(dsStop(bad), 0);
        EXPECT_EQ(dsFree(bad), 0);
        EXPECT_EQ(dsIsPlaying(bad), 0);
    }
    for (int32_t bad : {0, 777, buffer}) {
        EXPECT_EQ(dsTerminate(bad), 0);
        EXPECT_EQ(dsDeviceRate(bad), 0);
        EXPECT_EQ(dsMixFrames(bad, nullptr, 10), 0);
        EXPECT_EQ(dsCreateDSBEx(bad, image.data(), static_cast<uint32_t>(image.size()), 2), 0);
    }
    EXPECT_EQ(dsInitialize(0), 0) << "one device at a time";
    EXPECT_EQ(dsCreateDSBEx(device, nullptr, 100, 2), 0);
    EXPECT_EQ(dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), 0), 0);
    EXPECT_EQ(dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), 3), 0);
    EXPECT_EQ(dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()) - 1, 2), 0);
    EXPECT_EQ(dsIsPlaying(buffer), 0) << "nothing above started it";
}

TEST_F(Library, TakesItsOwnCopyOfTheImage) {
    const int32_t buffer = Constant(8000, 1000);
    ASSERT_NE(buffer, 0);
    std::fill(image.begin(), image.end(), 0xCC);
    image.clear();
    image.shrink_to_fit();
    dsPlay(buffer);
    auto out = Mix(600);
    EXPECT_EQ(out[2 * 500], 8000);
    EXPECT_EQ(out[2 * 500 + 1], 8000);
    EXPECT_LT(std::abs(out[0]), 200) << "starts with a short fade-in";
}

TEST_F(Library, OneShotEndsLoopRepeatsStopSilences) {
    const int32_t buffer = Constant(4000, 1000);
    ASSERT_NE(buffer, 0);
    dsPlay(buffer);
    Mix(999);
    EXPECT_EQ(dsIsPlaying(buffer), 1);
    Mix(1);
    EXPECT_EQ(dsIsPlaying(buffer), 0);
    EXPECT_EQ(Mix(10)[0], 0);

    dsPlayLooping(buffer);
    auto out = Mix(5500);
    EXPECT_EQ(dsIsPlaying(buffer), 1);
    EXPECT_EQ(out[2 * 3000], 4000);
    EXPECT_EQ(out[2 * 5499], 4000);
    EXPECT_EQ(dsStop(buffer), 1);
    EXPECT_EQ(dsIsPlaying(buffer), 0);
    out = Mix(200);
    EXPECT_EQ(out[2 * 150], 0) << "silent once the stop fade is over";
    EXPECT_EQ(dsStop(buffer), 1) << "stopping a stopped buffer is harmless";
}

TEST_F(Library, PlayingAgainRestartsFromTheStart) {
    std::vector<int16_t> ramp(2000);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 10);
    image = Mono16(48000, ramp);
    const int32_t buffer = dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), 2);
    dsPlay(buffer);
    Mix(1500);
    dsPlay(buffer);
    auto out = Mix(300);
    EXPECT_EQ(out[2 * 200], ramp[200]);
}

TEST_F(Library, SoundsTogetherAndLimitsSoftly) {
    const int32_t a = Constant(1000, 4000), b = Constant(2000, 4000);
    image = Mono16(48000, std::vector<int16_t>(4000, 30000));
    const int32_t loud1 = dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), 2);
    const int32_t loud2 = dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), 2);
    dsPlay(a);
    dsPlay(b);
    EXPECT_EQ(Mix(500)[2 * 400], 3000) << "quiet sounds add exactly";
    dsPlay(loud1);
    dsPlay(loud2);
    const int16_t sum = Mix(500)[2 * 400];
    EXPECT_GT(sum, 30000);
    EXPECT_LE(sum, 32767);
    for (int32_t x = -300000; x <= 300000; x += 97) {
        ASSERT_LE(echowell::SoftLimit(x), echowell::SoftLimit(x + 97)) << x;
        if (std::abs(x) <= 24576) {
            ASSERT_EQ(echowell::SoftLimit(x), x);
        }
    }
    EXPECT_EQ(echowell::SoftLimit(1 << 30), 32767);
    EXPECT_EQ(echowell::SoftLimit(-(1 << 30)), -32767);
}

TEST_F(Library, FreedHandlesStayRefusedAfterReuse) {
    const int32_t first = Constant(100, 200);
    ASSERT_EQ(dsFree(first), 1);
    const int32_t second = Constant(100, 200);
    ASSERT_NE(second, 0);
    EXPECT_NE(second, first);
    EXPECT_EQ(dsPlay(first), 0);
    EXPECT_EQ(dsFree(first), 0);
    EXPECT_EQ(dsPlay(second), 1);
}

TEST_F(Library, TerminateReleasesEverythingAndAllowsANewDevice) {
    const int32_t buffer = Constant(100, 200);
    dsPlayLooping(buffer);
    ASSERT_EQ(dsTerminate(device), 1);
    EXPECT_EQ(dsPlay(buffer), 0);
    EXPECT_EQ(dsFree(buffer), 0);
    EXPECT_EQ(dsTerminate(device), 0);
    const int32_t again = dsInitialize(0);
    ASSERT_NE(again, 0);
    EXPECT_NE(again, device);
    device = again;
}

TEST_F(Library, ConvertsToTheDeviceRateAtLoad) {
    // One second at 22.05 kHz lasts 48000 frames at the device rate, looped or not.
    image = Mono16(22050, std::vector<int16_t>(22050, 500));
    for (int32_t flag : {1, 2}) {
        const int32_t buffer = dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), flag);
        ASSERT_NE(buffer, 0);
        dsPlay(buffer);
        Mix(47990);
        EXPECT_EQ(dsIsPlaying(buffer), 1);
        Mix(20);
        EXPECT_EQ(dsIsPlaying(buffer), 0);
        dsFree(buffer);
    }
}

TEST_F(Library, PlainCreateReadsTheDeclaredSize) {
    image = Mono16(48000, std::vector<int16_t>(100, 1));
    EXPECT_NE(dsCreateDSB(device, image.data(), 2), 0);
    EXPECT_EQ(dsCreateDSB(device, nullptr, 2), 0);
    Bytes absurd = image;
    absurd[7] = 0x7F;  // claims about 2 GiB
    EXPECT_EQ(dsCreateDSB(device, absurd.data(), 2), 0);
}

// A real audio thread (SDL's dummy driver) pulls the mixer while this thread plays, stops and
// frees; the sanitizer builds catch any race on freed buffers.
TEST(LibraryThreads, CallbackAndGameThreadShareSafely) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    dsSetNullDevice(0);
    const int32_t device = dsInitialize(0);
    dsSetNullDevice(1);
    ASSERT_NE(device, 0);
    const Bytes image = Mono16(22050, std::vector<int16_t>(3000, 1200));
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    int rounds = 0;
    while (std::chrono::steady_clock::now() < until) {
        int32_t b[4];
        for (int32_t& h : b) {
            h = dsCreateDSBEx(device, image.data(), static_cast<uint32_t>(image.size()), 2);
            ASSERT_NE(h, 0);
            (rounds & 1) ? dsPlayLooping(h) : dsPlay(h);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        dsStop(b[0]);
        for (int32_t h : b) dsFree(h);
        ++rounds;
    }
    EXPECT_GT(rounds, 10);
    EXPECT_EQ(dsTerminate(device), 1);
}

}  // namespace
