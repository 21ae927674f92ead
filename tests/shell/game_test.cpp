// Whole runs of the game in this process, on the headless platform, in a scratch directory
// with no data files.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Harness.h"
#include "shell/BattleFiled.h"
#include "shell/ProgramDir.h"
#include "shell/Settings.h"

namespace fs = std::filesystem;
using shell_test::SoundCount;

namespace {

class WholeGame : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/aerotussle-game-XXXXXX";
        dir_ = mkdtemp(tmpl);
        Main2::SetProgramDirectory(dir_);
        Main2::ResetAllModules();
        shell_test::SoundLog().clear();
        Main_Module::SoundWatcher = [](char op, int slot) { shell_test::SoundLog().push_back({op, slot}); };
    }
    void TearDown() override {
        Main_Module::SoundWatcher = nullptr;
        PlatformSetStopHandler(nullptr);
        ddQuit();
        ddSetHost(nullptr);
        PlatformClose();
        Main2::SetProgramDirectory("");
        fs::remove_all(dir_);
    }
    // Runs the game to its end under the script; false if the run was stopped instead.
    bool Play(const std::string& script) {
        PlatformOptions options;
        options.headless = true;
        options.scriptText = script;
        options.frameLimit = 5000;
        EXPECT_TRUE(PlatformOpen(options));
        shell_test::WireDisplay();
        PlatformSetStateSource([] { return Main2::DumpAllState(); });
        struct Stopped {};
        PlatformSetStopHandler([](int) { throw Stopped{}; });
        try {
            PlatformRun(Main2::BattleFiledHandlers());
        } catch (const Stopped&) {
            return false;
        }
        return true;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir_;
};

bool Has(const std::string& json, const std::string& field) {
    return json.find(field) != std::string::npos;
}

TEST_F(WholeGame, StartsWithNoDataFilesAndQuitWritesTheSettings) {
    ASSERT_TRUE(Play("0 keydown 17\n"  // skip the opening
                     "1 keyup 17\n"
                     "3 state " + dir_ + "/title.json\n"
                     "4 keydown 27\n"
                     "4 keyup 27\n"));
    const std::string title = Read("title.json");
    EXPECT_TRUE(Has(title, "\"SceneryX\":[350,50,200,550,650,350,500,850,0,0,0]")) << title;
    EXPECT_TRUE(Has(title, "\"MusicMarkerX\":210"));
    EXPECT_TRUE(Has(title, "\"StockMarkerX\":290"));
    EXPECT_TRUE(Has(title, "\"KeyA\":[191,67]"));
    EXPECT_FALSE(Label1Visible());
    // Esc on the title: 55 frames of wipe after the title frames, then the file.
    EXPECT_GE(PlatformFrameCount(), 4 + 55);
    EXPECT_LE(PlatformFrameCount(), 4 + 55 + 2);
    EXPECT_EQ(Read("Config.UAC"), "3\r\n0.9\r\n50\r\n#TRUE#\r\n#FALSE#\r\n");
    EXPECT_EQ(SoundCount('l', 14), 1) << "title music with music on";
    EXPECT_EQ(SoundCount('s', 14), 0) << "quitting does not pass the loop's stop";
}

TEST_F(WholeGame, OptionsChangedOnThePageReachTheFile) {
    std::ofstream(dir_ + "/Config.UAC", std::ios::binary) << "3\r\n.9\r\n0\r\n#FALSE#\r\n#FALSE#\r\n";
    ASSERT_TRUE(Play("0 keydown 17\n1 keyup 17\n"
                     "3 keydown 40\n3 keyup 40\n"
                     "5 keydown 40\n5 keyup 40\n"
                     "7 keydown 13\n7 keyup 13\n"    // options
                     "10 keydown 39\n10 keyup 39\n"  // lives 3 -> 4
                     "12 keydown 40\n12 keyup 40\n"
                     "14 keydown 37\n14 keyup 37\n"  // gauge 0.9 -> 0.7
                     "16 state " + dir_ + "/options.json\n"
                     "18 keydown 27\n18 keyup 27\n"  // back to the main menu
                     "20 keydown 27\n20 keyup 27\n"));
    const std::string options = Read("options.json");
    EXPECT_TRUE(Has(options, "\"MenuPage\":3")) << options;
    EXPECT_TRUE(Has(options, "\"OptionItem\":1"));
    EXPECT_TRUE(Has(options, "\"StockMarkerX\":330"));
    EXPECT_TRUE(Has(options, "\"GaugeMarkerX\":340"));
    EXPECT_EQ(Read("Config.UAC"), "4\r\n0.7\r\n0\r\n#FALSE#\r\n#FALSE#\r\n");
    EXPECT_EQ(SoundCount('l', 14), 0) << "no title music with music off";
}

// The settings cannot be written (here a directory squats on the temporary file's name, which
// stops root too): the old file stays whole and the game still ends through its quit path.
TEST_F(WholeGame, QuitEndsNormallyWhenTheSettingsCannotBeWritten) {
    const std::string old = "5\n.9\n20\n#TRUE#\n#FALSE#\n";  // a rewrite would change its form
    std::ofstream(dir_ + "/Config.UAC", std::ios::binary) << old;
    fs::create_directory(dir_ + "/Config.UAC.tmp" + std::to_string(getpid()));
    ASSERT_TRUE(Play("0 keydown 17\n1 keyup 17\n"
                     "3 keydown 27\n3 keyup 27\n"));
    EXPECT_EQ(Read("Config.UAC"), old);
    EXPECT_EQ(ddGetWidth(0), 0) << "the display was shut down";
    EXPECT_EQ(ShowCursor(true), 1) << "the one hide of the start-up was matched by one show";
}

TEST_F(WholeGame, ClosingTheWindowKeepsTheSettings) {
    EXPECT_FALSE(Play("0 keydown 17\n1 keyup 17\n"
                      "3 keydown 40\n3 keyup 40\n5 keydown 40\n5 keyup 40\n"
                      "7 keydown 13\n7 keyup 13\n"
                      "10 keydown 39\n10 keyup 39\n"
                      "12 close\n"));
    EXPECT_EQ(Read("Config.UAC"), "4\r\n0.9\r\n50\r\n#TRUE#\r\n#FALSE#\r\n");

    // Closed while still loading: the file is left as it is.
    TearDown();
    SetUp();
    const std::string mine = "7\r\n2\r\n10\r\n#FALSE#\r\n#FALSE#\r\n";
    std::ofstream(dir_ + "/Config.UAC", std::ios::binary) << mine;
    EXPECT_FALSE(Play("0 close\n"));
    EXPECT_EQ(Read("Config.UAC"), mine);
}

}  // namespace
