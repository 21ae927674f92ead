// The WAVE reader on good and malformed files, and the rate conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "wave.h"
#include "wave_image.h"

using namespace wavetest;
using echowell::Pcm;

namespace {

struct Case {
    const char* name;
    std::function<Bytes()> make;
    bool ok;
    int channels = 0;
    uint32_t frames = 0;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

Bytes Good16() { return Mono16(22050, {1, -2, 300, -32768}); }

Bytes Patched(Bytes b, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return b;
}

Bytes Extensible(const uint8_t* guidTail, uint16_t subFormat) {
    Format f;
    f.tag = 0xFFFE;
    f.channels = 2;
    Bytes fmt = FmtBody(f);
    Put16(fmt, 22);
    Put16(fmt, 16);
    Put32(fmt, 3);
    Put16(fmt, subFormat);
    fmt.insert(fmt.end(), guidTail, guidTail + 14);
    Bytes chunks;
    Chunk(chunks, "fmt ", fmt);
    Chunk(chunks, "data", Samples16({1, 2, 3, 4}));
    return Riff(chunks);
}

const uint8_t kPcmTail[14] = {0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
const uint8_t kOtherTail[14] = {1, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};

Bytes WithFormat(std::function<void(Format&)> edit, Bytes data = Samples16({1, 2, 3, 4})) {
    Format f;
    edit(f);
    return Wave(f, data);
}

const Case kCases[] = {
    {"mono16", Good16, true, 1, 4},
    {"stereo8", [] { Format f; f.channels = 2; f.bits = 8; return Wave(f, {0, 255, 128, 128}); }, true, 2, 2},
    {"extensible_pcm", [] { return Extensible(kPcmTail, 1); }, true, 2, 2},
    {"chunks_before_fmt_and_odd_pad", [] {
         Bytes c;
         Chunk(c, "LIST", {1, 2, 3});
         Chunk(c, "fmt ", FmtBody(Format{}));
         Chunk(c, "junk", {9});
         Chunk(c, "data", Samples16({5, 6}));
         return Riff(c);
     }, true, 1, 2},
    {"data_before_fmt", [] {
         Bytes c;
         Chunk(c, "data", Samples16({5, 6, 7}));
         Chunk(c, "fmt ", FmtBody(Format{}));
         return Riff(c);
     }, true, 1, 3},
    {"last_chunk_without_pad", [] {
         Bytes c;
         Chunk(c, "fmt ", FmtBody(Format{}));
         Chunk(c, "data", Samples16({5, 6}));
         Chunk(c, "note", {1}, false);
         return Riff(c);
     }, true, 1, 2},
    {"bytes_after_riff_end", [] { Bytes b = Good16(); b.insert(b.end(), 100, 0xEE); return b; }, true, 1, 4},
    {"odd_byte_drops_half_frame", [] { return WithFormat([](Format&) {}, {1, 0, 2, 0, 3}); }, true, 1, 2},

    {"empty", [] { return Bytes{}; }, false},
    {"header_only", [] { Bytes b = Good16(); b.resize(11); return b; }, false},
    {"not_riff", [] { Bytes b = Good16(); b[0] = 'X'; return b; }, false},
    {"not_wave", [] { Bytes b = Good16(); b[8] = 'A'; return b; }, false},
    {"truncated_file", [] { Bytes b = Good16(); b.pop_back(); return b; }, false},
    {"riff_size_absurd", [] { return Patched(Good16(), 4, 0xFFFFFFF0u); }, false},
    {"data_size_lies", [] { return Patched(Good16(), 40, 1000); }, false},
    {"data_size_absurd", [] { return Patched(Good16(), 40, 0xFFFFFFFFu); }, false},
    {"fmt_size_lies", [] { return Patched(Good16(), 16, 0x7FFFFFFF); }, false},
    {"no_fmt", [] { Bytes c; Chunk(c, "data", Samples16({1})); return Riff(c); }, false},
    {"no_data", [] { Bytes c; Chunk(c, "fmt ", FmtBody(Format{})); return Riff(c); }, false},
    {"short_fmt", [] {
         Bytes fmt = FmtBody(Format{});
         fmt.resize(14);
         Bytes c;
         Chunk(c, "fmt ", fmt);
         Chunk(c, "data", Samples16({1}));
         return Riff(c);
     }, false},
    {"float_format", [] { return WithFormat([](Format& f) { f.tag = 3; f.bits = 32; }); }, false},
    {"adpcm_format", [] { return WithFormat([](Format& f) { f.tag = 2; }); }, false},
    {"extensible_not_pcm", [] { return Extensible(kOtherTail, 1); }, false},
    {"extensible_float", [] { return Extensible(kPcmTail, 3); }, false},
    {"no_channels", [] { return WithFormat([](Format& f) { f.channels = 0; f.blockAlign = 2; }); }, false},
    {"three_channels", [] { return WithFormat([](Format& f) { f.channels = 3; }); }, false},
    {"24_bit", [] { return WithFormat([](Format& f) { f.bits = 24; }); }, false},
    {"zero_rate", [] { return WithFormat([](Format& f) { f.rate = 0; }); }, false},
    {"absurd_rate", [] { return WithFormat([](Format& f) { f.rate = 4000000; }); }, false},
    {"wrong_block_align", [] { return WithFormat([](Format& f) { f.blockAlign = 4; }); }, false},
    {"zero_block_align", [] { return WithFormat([](Format& f) { f.blockAlign = 0; }); }, false},
    {"empty_data", [] { return WithFormat([](Format&) {}, {}); }, false},
    {"less_than_a_frame", [] { return WithFormat([](Format& f) { f.channels = 2; }, {1, 2, 3}); }, false},
};

class WaveReader : public ::testing::TestWithParam<Case> {};

TEST_P(WaveReader, AcceptsOrRefuses) {
    const Case& c = GetParam();
    // A heap copy of exactly the image, so any read past its end is caught by the sanitizer.
    Bytes image = c.make();
    std::unique_ptr<uint8_t[]> exact(new uint8_t[image.size() + 1]);
    if (!image.empty()) std::memcpy(exact.get(), image.data(), image.size());
    Pcm pcm;
    std::string why;
    ASSERT_EQ(echowell::ParseWave(image.empty() ? nullptr : exact.get(), image.size(), pcm, &why), c.ok) << why;
    if (c.ok) {
        EXPECT_EQ(pcm.channels, c.channels);
        EXPECT_EQ(pcm.Frames(), c.frames);
    } else {
        EXPECT_FALSE(why.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WaveReader, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

TEST(WaveReader, DecodesSampleValues) {
    Pcm pcm;
    ASSERT_TRUE(echowell::ParseWave(Good16().data(), Good16().size(), pcm));
    EXPECT_EQ(pcm.rate, 22050u);
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{1, -2, 300, -32768}));

    Format f;
    f.bits = 8;
    Bytes eight = Wave(f, {0, 128, 255});
    ASSERT_TRUE(echowell::ParseWave(eight.data(), eight.size(), pcm));
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{-32768, 0, 32512}));
}

// Zero crossings per channel-0 sample, to compare pitch before and after conversion.
double CrossingsPerSecond(const Pcm& p) {
    int n = 0;
    for (uint32_t i = 1; i < p.Frames(); ++i)
        if ((p.samples[(i - 1) * p.channels] < 0) != (p.samples[i * p.channels] < 0)) ++n;
    return n * static_cast<double>(p.rate) / p.Frames();
}

Pcm Sine(uint32_t rate, double hz, uint32_t frames, int channels) {
    Pcm p;
    p.rate = rate;
    p.channels = channels;
    for (uint32_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            p.samples.push_back(static_cast<int16_t>(std::lround(12000 * std::sin(2 * M_PI * hz * i / rate))));
    return p;
}

TEST(Resample, KeepsPitchAndLevel) {
    for (int channels : {1, 2}) {
        const Pcm in = Sine(22050, 441, 22050, channels);
        Pcm out;
        ASSERT_TRUE(echowell::Resample(in, 48000, false, out));
        EXPECT_EQ(out.channels, channels);
        EXPECT_EQ(out.Frames(), 48000u);
        EXPECT_NEAR(CrossingsPerSecond(out), CrossingsPerSecond(in), 2.0);
        int16_t peak = 0;
        for (int16_t v : out.samples) peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(v)));
        EXPECT_NEAR(peak, 12000, 300);
    }
    Pcm same;
    const Pcm in = Sine(48000, 100, 10, 1);
    ASSERT_TRUE(echowell::Resample(in, 48000, false, same));
    EXPECT_EQ(same.samples, in.samples);
}

TEST(Resample, LoopsStayContinuousAcrossTheWrap) {
    // 50 whole periods: the converted loop must join its end to its start smoothly.
    const Pcm in = Sine(22050, 110.25, 10000, 1);
    Pcm out;
    ASSERT_TRUE(echowell::Resample(in, 44100, true, out));
    ASSERT_EQ(out.Frames(), 20000u);
    int worst = 0;
    for (uint32_t i = 0; i < out.Frames(); ++i)
        worst = std::max(worst, std::abs(out.samples[(i + 1) % out.Frames()] - out.samples[i]));
    const int wrap = std::abs(out.samples[0] - out.samples.back());
    EXPECT_LE(wrap, worst);
    EXPECT_LT(worst, 250);  // 12000 * 2 * pi * 110 / 44100 is about 190
}

TEST(Resample, RefusesResultsTooLongOrEmpty) {
    Pcm big;
    big.channels = 1;
    big.rate = 4000;
    big.samples.assign(echowell::kMaxFrames / 4, 0);
    Pcm out;
    EXPECT_FALSE(echowell::Resample(big, 48000, false, out));
    EXPECT_FALSE(echowell::Resample(Pcm{}, 48000, false, out));
}

}  // namespace
