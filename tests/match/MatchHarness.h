// A headless match in this process: memory display, the window's key handlers, FrameDelay 0,
// the sound calls and a few values of every presented frame recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fighters/FighterRecord.h"
#include "lumablit.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "platform/platform.h"
#include "shell/BattleFiled.h"
#include "shell/Controls.h"
#include "shell/PrepareFighters.h"
#include "shell/Settings.h"
#include "shell/StageBuilder.h"
#include "shell/StateDump.h"

namespace match_test {

struct FrameSeen {
    bool introActive, paused, versusBanner;
    int introCounter;
    double posX1;
    int sounds;  // sound calls made before this frame was presented
};

struct Log {
    std::vector<std::pair<char, int>> sounds;
    std::vector<FrameSeen> frames;
};

inline Log& Seen() {
    static Log log;
    return log;
}

inline int SoundCount(char op, int slot) {
    int n = 0;
    for (auto [o, s] : Seen().sounds) n += o == op && s == slot;
    return n;
}

class Match : public ::testing::Test {
protected:
    void TearDown() override {
        Main_Module::SoundWatcher = nullptr;
        ddQuit();
        ddSetHost(nullptr);
        PlatformClose();
    }

    // Opens the headless run with the script and a two-fighter versus battle on stage.
    void Open(const std::string& script, int stage = 0, int players = 2) {
        PlatformOptions options;
        options.headless = true;
        options.scriptText = script;
        ASSERT_TRUE(PlatformOpen(options));
        PlatformSetHandlers(Main2::BattleFiledHandlers());
        Main2::ResetAllModules();
        PlayerModule::SetKeyLayout();
        Seen() = Log{};
        Main_Module::SoundWatcher = [](char op, int slot) { Seen().sounds.push_back({op, slot}); };
        LumablitHost host{};
        host.tickCount = [] { return GetTickCount(); };
        host.presented = [] {
            using namespace Main_Module;
            Seen().frames.push_back({IntroActive == True, Paused == True, VersusBanner == True, IntroCounter,
                                     PlayerModule::PosX[1], static_cast<int>(Seen().sounds.size())});
            PlatformFramePresented();
        };
        ddSetHost(&host);
        ASSERT_EQ(ddInit(BattleFiledHwnd(), 640, 480, 5), 1);

        using namespace Main_Module;
        FrameDelay = 0;
        MusicOn = True;
        StockSetting = 1;
        BattleMode = True;
        InMatch = False;
        PlayerCountIdx = static_cast<uint8_t>(players - 1);
        StageChoice = static_cast<uint8_t>(stage);
        Main2::BuildStage();
        Main2::PrepareFighters();
    }
};

}  // namespace match_test
