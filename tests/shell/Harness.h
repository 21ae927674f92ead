// A fresh headless game in this process: every module at its program-start values, the key
// layout installed, the sound calls recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lumablit.h"
#include "match/MatchSound.h"
#include "platform/platform.h"
#include "shell/Controls.h"
#include "shell/StateDump.h"

namespace shell_test {

inline std::vector<std::pair<char, int>>& SoundLog() {
    static std::vector<std::pair<char, int>> log;
    return log;
}

inline int SoundCount(char op, int slot) {
    int n = 0;
    for (auto [o, s] : SoundLog()) n += o == op && s == slot;
    return n;
}

inline void Command(const std::string& command) {
    std::string error;
    ASSERT_TRUE(PlatformHeadlessCommand(command, &error)) << command << ": " << error;
}

// Lumablit reports presentations and reads the clock through the platform, as in the game.
inline void WireDisplay() {
    LumablitHost host{};
    host.tickCount = [] { return GetTickCount(); };
    host.presented = [] { PlatformFramePresented(); };
    host.showCursor = [](int32_t show) { return static_cast<int32_t>(ShowCursor(show != 0)); };
    ddSetHost(&host);
}

class Game : public ::testing::Test {
protected:
    void SetUp() override {
        PlatformOptions options;
        options.headless = true;
        ASSERT_TRUE(PlatformOpen(options));
        Main2::ResetAllModules();
        PlayerModule::SetKeyLayout();
        SoundLog().clear();
        Main_Module::SoundWatcher = [](char op, int slot) { SoundLog().push_back({op, slot}); };
    }
    void TearDown() override {
        Main_Module::SoundWatcher = nullptr;
        ddQuit();
        ddSetHost(nullptr);
        PlatformClose();
    }
    // Opens the memory display, for tests that count presented frames.
    void OpenDisplay() {
        WireDisplay();
        ASSERT_EQ(ddInit(BattleFiledHwnd(), 640, 480, 5), 1);
    }
};

}  // namespace shell_test
