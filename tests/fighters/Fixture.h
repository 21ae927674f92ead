// A fresh fighter record for each test (every module at its program-start values), with the
// sound calls recorded.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fighters/FighterRecord.h"
#include "fighters/Fighters.h"
#include "match/MatchSound.h"
#include "match/MatchState.h"
#include "platform/platform.h"
#include "shell/Settings.h"
#include "shell/StateDump.h"

namespace fighter_test {

inline std::vector<std::pair<char, int>>& Sounds() {
    static std::vector<std::pair<char, int>> log;
    return log;
}

inline int SoundCount(char op, int slot) {
    int n = 0;
    for (auto [o, s] : Sounds()) n += o == op && s == slot;
    return n;
}

class Fighters : public ::testing::Test {
protected:
    void SetUp() override {
        PlatformOptions options;
        options.headless = true;
        ASSERT_TRUE(PlatformOpen(options));
        Main2::ResetAllModules();
        Sounds().clear();
        Main_Module::SoundWatcher = [](char op, int slot) { Sounds().push_back({op, slot}); };
    }
    void TearDown() override {
        Main_Module::SoundWatcher = nullptr;
        PlatformClose();
    }
    // Two fighters in play, both placed at their start places with three lives.
    static void TwoFighters() {
        using namespace PlayerModule;
        Main_Module::PlayerCountIdx = 1;
        Out[2] = Out[3] = True;
        for (int i = 0; i < 2; ++i) {
            Stock[i] = 4;
            LoseLife(i);
            BlinkTimer[i] = 0;
        }
    }
    // Fighter s in the air at (x, y) with the given speeds, nothing else going on.
    static void Place(int s, double x, int y, double vx = 0, float vy = 0) {
        using namespace PlayerModule;
        PosX[s] = x;
        PosY[s] = static_cast<int16_t>(y);
        VelX[s] = vx;
        VelY[s] = vy;
    }
};

}  // namespace fighter_test
