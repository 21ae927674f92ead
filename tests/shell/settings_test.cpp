#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/ProgramDir.h"
#include "shell/Settings.h"

namespace fs = std::filesystem;
using namespace Main_Module;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/aerotussle-settings-XXXXXX";
        dir_ = mkdtemp(tmpl);
        Main2::SetProgramDirectory(dir_);
    }
    void TearDown() override {
        Main2::SetProgramDirectory("");
        chmod(dir_.c_str(), 0755);
        fs::remove_all(dir_);
    }
    std::string Path() const { return dir_ + "/Config.UAC"; }
    void Put(const std::string& text) const { std::ofstream(Path(), std::ios::binary) << text; }
    std::string Get() const {
        std::ifstream in(Path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir_;
};

struct Values {
    int stock;
    float gauge;
    int delay;
    Flag music, alt;
};

void ExpectValues(const Values& v) {
    EXPECT_EQ(StockSetting, v.stock);
    EXPECT_EQ(GaugeRateSetting, v.gauge);
    EXPECT_EQ(FrameDelay, v.delay);
    EXPECT_EQ(MusicOn, v.music);
    EXPECT_EQ(AltKeyLayout, v.alt);
}

constexpr Values kDefaults{3, 0.9f, 50, True, False};

TEST_F(SettingsFile, MissingFileGivesDefaultsAndQuitWritesThem) {
    StockSetting = 7;
    Main2::ReadSettings();
    ExpectValues(kDefaults);
    ASSERT_TRUE(Main2::WriteSettings());
    EXPECT_EQ(Get(), "3\r\n0.9\r\n50\r\n#TRUE#\r\n#FALSE#\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SettingsFile, EveryReachableValueRoundTrips) {
    const float gauges[] = {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 1.5f, 2.0f, 3.0f};
    for (int stock = 1; stock <= 9; ++stock)
        for (float gauge : gauges) {
            const Values v{stock, gauge, stock * 7 % 8 * 10, ToFlag(stock % 2), ToFlag(stock > 4)};
            StockSetting = static_cast<uint8_t>(v.stock);
            GaugeRateSetting = v.gauge;
            FrameDelay = static_cast<uint8_t>(v.delay);
            MusicOn = v.music;
            AltKeyLayout = v.alt;
            ASSERT_TRUE(Main2::WriteSettings());
            Main2::ReadSettings();
            ExpectValues(v);
        }
}

TEST_F(SettingsFile, GaugeIsWrittenShortWithAPeriodWhateverTheLocale) {
    // A comma locale must not leak into the file.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) std::setlocale(LC_ALL, "C");
    const std::pair<float, const char*> cases[] = {
        {0.1f, "0.1"}, {1.5f, "1.5"}, {2.0f, "2"}, {3.0f, "3"}, {0.9f, "0.9"}, {1.2345678f, "1.234568"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(Main2::FormatGaugeRate(value), text);
    std::setlocale(LC_ALL, "C");
}

// What a hand-edited or damaged file gives, line by line.
TEST_F(SettingsFile, BadFilesKeepDefaultsWhereALineIsUnusable) {
    struct Case {
        const char* name;
        std::string text;
        Values expect;
    };
    const Case cases[] = {
        {"written by the game", "5\r\n1.5\r\n20\r\n#FALSE#\r\n#TRUE#\r\n", {5, 1.5f, 20, False, True}},
        {"no leading zero", "3\r\n.9\r\n50\r\n#TRUE#\r\n#FALSE#\r\n", kDefaults},
        {"LF only, spaces", " 4 \n 0.5\n10 \n#false#\n#true#\n", {4, 0.5f, 10, False, True}},
        {"truncated after two lines", "9\r\n3\r\n", {9, 3.0f, 50, True, False}},
        {"truncated inside a line", "2\r\n0.3\r\n7", {2, 0.3f, 7, True, False}},
        {"empty", "", kDefaults},
        {"garbage", "abc\r\n1,5\r\nfast\r\nyes\r\n1\r\n", kDefaults},
        {"binary", std::string("\x00\xff\x13\n\x80\x81", 6), kDefaults},
        {"off the ladders but usable", "12\r\n0.25\r\n255\r\n#TRUE#\r\n#FALSE#\r\n", {12, 0.25f, 255, True, False}},
        {"out of range", "0\r\n-1\r\n256\r\n#TRUE#\r\n#FALSE#\r\n", kDefaults},
        {"not finite", "300\r\nnan\r\n-5\r\n#TRUE#\r\n#FALSE#\r\n", kDefaults},
        {"huge gauge", "3\r\n1e999\r\n50\r\n#TRUE#\r\n#FALSE#\r\n", kDefaults},
        {"byte order mark", "\xEF\xBB\xBF" "6\r\n0.7\r\n30\r\n#TRUE#\r\n#FALSE#\r\n", {6, 0.7f, 30, True, False}},
        {"blank line shifts nothing", "\r\n2\r\n40\r\n#FALSE#\r\n#TRUE#\r\n", {3, 2.0f, 40, False, True}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.text);
        StockSetting = 1, GaugeRateSetting = 0.1f, FrameDelay = 0, MusicOn = False, AltKeyLayout = True;
        Main2::ReadSettings();
        ExpectValues(c.expect);
    }
}

TEST_F(SettingsFile, HugeFileIsReadOnlyAtItsHead) {
    Put("8\r\n2\r\n60\r\n#FALSE#\r\n#FALSE#\r\n" + std::string(1 << 20, 'x'));
    Main2::ReadSettings();
    ExpectValues({8, 2.0f, 60, False, False});
}

TEST_F(SettingsFile, FailedWriteKeepsTheOldFile) {
    const std::string old = "5\r\n1.5\r\n20\r\n#FALSE#\r\n#TRUE#\r\n";
    Put(old);
    if (geteuid() == 0)  // root writes anywhere: block the temporary file's name instead
        fs::create_directory(Path() + ".tmp" + std::to_string(getpid()));
    else
        chmod(dir_.c_str(), 0555);
    StockSetting = 9;
    EXPECT_FALSE(Main2::WriteSettings());
    EXPECT_EQ(Get(), old);
}

TEST_F(SettingsFile, MissingDirectoryFailsQuietly) {
    Main2::SetProgramDirectory(dir_ + "/gone");
    EXPECT_FALSE(Main2::WriteSettings());
    Main2::ReadSettings();
    ExpectValues(kDefaults);
}

}  // namespace
