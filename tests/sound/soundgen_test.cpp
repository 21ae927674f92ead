// The song reader of the sound generator: pitches, lengths, loops and its error messages.
#include <gtest/gtest.h>

#include <cmath>

#include "song.h"

using soundgen::Buffer;
using soundgen::kRate;

namespace {

double Hz(const Buffer& b, size_t from, size_t to) {
    int crossings = 0;
    for (size_t i = from + 1; i < to; ++i)
        if ((b[i - 1] < 0) != (b[i] < 0)) ++crossings;
    return crossings / 2.0 * kRate / static_cast<double>(to - from);
}

std::string OneNote(const std::string& note, const std::string& extra = "") {
    return "tempo 60\n" + extra + "inst tone sine a=0.001 s=1 d=1 vol=0.5\npart P 1\ntone " + note +
           ":16   # a comment\nend\nsong P\n";
}

TEST(SongReader, PlaysTheWrittenPitch) {
    const struct {
        const char* note;
        double hz;
    } cases[] = {{"a4", 440.0}, {"c#5", 554.37}, {"bb3", 233.08}, {"e2", 82.41}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        Buffer b;
        std::string error;
        ASSERT_TRUE(soundgen::RenderSong(OneNote(c.note), b, &error)) << error;
        // A bar of sixteen steps at 60 beats a minute lasts four seconds.
        EXPECT_NEAR(Hz(b, kRate / 2, 3 * kRate), c.hz, c.hz * 0.01);
    }
}

TEST(SongReader, LoopsLastExactlyTheirBars) {
    Buffer b;
    std::string error;
    ASSERT_TRUE(soundgen::RenderSong(OneNote("a4", "loop\n"), b, &error)) << error;
    EXPECT_EQ(b.size(), static_cast<size_t>(4 * kRate));
}

TEST(SongReader, ReportsMistakes) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"inst t sine\npart P 1\nx a4:16\nend\nsong P\n", "unknown voice x"},
        {"inst t sine\npart P 1\nt h4:16\nend\nsong P\n", "bad note h4:16"},
        {"inst t sine\npart P 1\nt a4:12\nend\nsong P\n", "not a divisor of 16"},
        {"inst t sine\npart P 1\nt a4:16\n", "has no end"},
        {"inst t sine\npart P 1\nt a4:16\nend\nsong Q\n", "unknown part Q"},
        {"inst k kick\npart P 1\nk x..z\nend\nsong P\n", "bad drum step z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Buffer b;
        std::string error;
        EXPECT_FALSE(soundgen::RenderSong(c.text, b, &error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

}  // namespace
