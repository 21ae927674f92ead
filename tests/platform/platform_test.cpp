#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/platform.h"
#include "shell/SuperModule.h"

namespace {

struct RunStopped {
    int code;
};

// What the window's handlers saw.
struct Seen {
    std::vector<int> keys;
    std::vector<int> downs, ups;
    int ticks = 0;
    int unloads = 0;
    bool nestedDoEvents = false;
};
Seen g_seen;

BattleFiledEvents Recorder() {
    BattleFiledEvents e;
    e.Form_KeyDown = [](int16_t key, int16_t) {
        g_seen.keys.push_back(key);
        if (g_seen.nestedDoEvents) DoEvents();
    };
    e.Form_MouseDown = [](int16_t b, int16_t, float, float) { g_seen.downs.push_back(b); };
    e.Form_MouseUp = [](int16_t b, int16_t, float, float) { g_seen.ups.push_back(b); };
    e.PLAYER3_Timer = [] { ++g_seen.ticks; };
    e.Form_Unload = [] { ++g_seen.unloads; };
    return e;
}

class Headless : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = Seen{};
        PlatformSetStopHandler([](int code) { throw RunStopped{code}; });
    }
    void TearDown() override {
        PlatformClose();
        PlatformSetStopHandler(nullptr);
        PlatformSetCaptureSource(nullptr);
        PlatformSetStateSource(nullptr);
    }
    // Opens with the script and installs the recorder; the test body plays the game.
    void Open(const std::string& script, long frameLimit = -1) {
        PlatformOptions o;
        o.headless = true;
        o.scriptText = script;
        o.scriptName = "t.txt";
        o.frameLimit = frameLimit;
        ASSERT_TRUE(PlatformOpen(o));
        PlatformSetHandlers(Recorder());
    }
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) PlatformFramePresented();
    }
    static bool Held(int vk) { return GetAsyncKeyState(vk) != 0; }
};

TEST_F(Headless, KeyHeldAndPressReleasedBeforeReadCountsOnce) {
    Open("");
    ASSERT_TRUE(PlatformHeadlessCommand("keydown 37", nullptr));
    EXPECT_EQ(GetAsyncKeyState(37), static_cast<int16_t>(0x8001));  // held, pressed since last read
    EXPECT_EQ(GetAsyncKeyState(37), static_cast<int16_t>(0x8000));  // still held
    PlatformHeadlessCommand("keyup 37", nullptr);
    EXPECT_EQ(GetAsyncKeyState(37), 0);

    // A tap between two reads shows once, then not again.
    PlatformHeadlessCommand("keydown 191", nullptr);
    PlatformHeadlessCommand("keyup 191", nullptr);
    EXPECT_EQ(GetAsyncKeyState(191), 1);
    EXPECT_EQ(GetAsyncKeyState(191), 0);

    // Mouse buttons are keys 1 and 2.
    PlatformHeadlessCommand("mousedown 2", nullptr);
    EXPECT_TRUE(Held(2));
    EXPECT_FALSE(Held(1));
    PlatformHeadlessCommand("mouseup 2", nullptr);
    EXPECT_FALSE(Held(2));
    EXPECT_EQ(GetAsyncKeyState(0), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
}

TEST_F(Headless, ScriptChangesKeysAtItsFrameAndEventsWaitForDoEvents) {
    Open("0 keydown 38\n2 keyup 38\n2 keydown 27\n2 mousedown 1\n3 mouseup 1\n");
    EXPECT_TRUE(Held(38));  // frame 0 applies before the first frame
    Frames(1);
    EXPECT_TRUE(Held(38));
    Frames(1);
    // No DoEvents yet: the key state has changed, the handlers have not run.
    EXPECT_FALSE(Held(38));
    EXPECT_TRUE(Held(27));
    EXPECT_TRUE(Held(1));
    EXPECT_TRUE(g_seen.keys.empty());
    DoEvents();
    EXPECT_EQ(g_seen.keys, (std::vector<int>{38, 27}));
    EXPECT_EQ(g_seen.downs, std::vector<int>{1});
    DoEvents();
    EXPECT_EQ(g_seen.keys.size(), 2u);  // each event once
    Frames(1);
    DoEvents();
    EXPECT_EQ(g_seen.ups, std::vector<int>{1});
}

TEST_F(Headless, DisabledWindowGetsNoInputEventsButKeyStateStillReads) {
    Open("");
    const int32_t hwnd = BattleFiledHwnd();
    ASSERT_NE(hwnd, 0);
    EnableWindow(hwnd, false);
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    PlatformHeadlessCommand("keydown 13", nullptr);
    PlatformHeadlessCommand("mousedown 1", nullptr);
    EXPECT_TRUE(Held(13));
    DoEvents();
    EXPECT_TRUE(g_seen.keys.empty());
    EXPECT_TRUE(g_seen.downs.empty());
    // Queued while enabled, delivered after a disable: still dropped.
    EnableWindow(hwnd, true);
    PlatformHeadlessCommand("keydown 40", nullptr);
    EnableWindow(hwnd, false);
    DoEvents();
    EXPECT_TRUE(g_seen.keys.empty());
    EnableWindow(hwnd, true);
    PlatformHeadlessCommand("keydown 40", nullptr);
    DoEvents();
    EXPECT_EQ(g_seen.keys, std::vector<int>{40});
}

TEST_F(Headless, HandlerCallingDoEventsTakesTheNextEventOnlyOnce) {
    Open("");
    g_seen.nestedDoEvents = true;
    for (const char* c : {"keydown 37", "keydown 38", "keydown 39"}) PlatformHeadlessCommand(c, nullptr);
    DoEvents();
    EXPECT_EQ(g_seen.keys, (std::vector<int>{37, 38, 39}));
    EXPECT_EQ(PlatformPendingEvents(), 0u);
}

TEST_F(Headless, TimerTicksAtMostOncePerDoEventsAndNeverPilesUp) {
    Open("");
    DoEvents();
    EXPECT_EQ(g_seen.ticks, 0);  // disabled
    SetPLAYER3Enabled(true);
    DoEvents();
    EXPECT_EQ(g_seen.ticks, 0);  // no time has passed
    PlatformWait(9);
    DoEvents();
    EXPECT_EQ(g_seen.ticks, 0);
    PlatformWait(1);
    DoEvents();
    EXPECT_EQ(g_seen.ticks, 1);
    PlatformWait(1000);  // a hundred intervals
    DoEvents();
    DoEvents();
    DoEvents();
    EXPECT_EQ(g_seen.ticks, 2);
    SetPLAYER3Enabled(false);
    PlatformWait(50);
    DoEvents();
    EXPECT_EQ(g_seen.ticks, 2);
}

TEST_F(Headless, VirtualClockMovesOnlyByWaits) {
    Open("");
    const uint32_t t0 = GetTickCount();
    SUPER_MODULE::WaitMs(0);
    SUPER_MODULE::WaitMs(-5);
    EXPECT_EQ(GetTickCount(), t0);
    SUPER_MODULE::WaitMs(50);
    EXPECT_GE(GetTickCount() - t0, 50u);
    EXPECT_LT(GetTickCount() - t0, 60u);

    // Across the 32-bit wrap the wait still lasts its length.
    PlatformHeadlessSetClock(0xFFFFFFF0u);
    SUPER_MODULE::WaitMs(50);
    EXPECT_EQ(GetTickCount(), 0x22u);

    PlatformHeadlessSetClock(125000);
    EXPECT_EQ(TimeOfDaySeconds(), 5);
}

TEST_F(Headless, ClockReadInALoopWithoutWaitingStillMoves) {
    Open("");
    const uint32_t t0 = GetTickCount();
    long reads = 0;
    while (GetTickCount() == t0 && reads < 100000000) ++reads;
    EXPECT_NE(GetTickCount(), t0);
}

TEST_F(Headless, CursorCountAsWindowsCountsIt) {
    Open("");
    EXPECT_EQ(ShowCursor(false), -1);
    SUPER_MODULE::HideCursor(True);
    EXPECT_EQ(ShowCursor(true), -1);
    SUPER_MODULE::HideCursor(False);
    EXPECT_EQ(ShowCursor(true), 1);
}

TEST_F(Headless, CursorPositionFromScriptAndSetCursorPosClamped) {
    Open("0 mousemove 10 20\n");
    int32_t x = -1, y = -1;
    ASSERT_TRUE(GetCursorPos(&x, &y));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    SetCursorPos(300, 300);
    GetCursorPos(&x, &y);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 300);
    SetCursorPos(-5, 900);
    GetCursorPos(&x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 479);
    EXPECT_FALSE(GetCursorPos(nullptr, &y));
}

TEST_F(Headless, JoystickPluggedFromScript) {
    Open("1 joy 9999 50001 3\n2 nojoy\n");
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = 255;
    EXPECT_EQ(joyGetPosEx(0, &info), JOYERR_UNPLUGGED);
    Frames(1);
    ASSERT_EQ(joyGetPosEx(0, &info), JOYERR_NOERROR);
    EXPECT_EQ(info.dwXpos, 9999u);
    EXPECT_EQ(info.dwYpos, 50001u);
    EXPECT_EQ(info.dwButtons, 3u);
    EXPECT_EQ(info.dwButtonNumber, 2u);
    EXPECT_EQ(info.dwSize, 52u);
    EXPECT_EQ(joyGetPosEx(1, &info), JOYERR_UNPLUGGED);
    EXPECT_EQ(joyGetPosEx(0, nullptr), JOYERR_PARMS);
    Frames(1);
    EXPECT_EQ(joyGetPosEx(0, &info), JOYERR_UNPLUGGED);
}

TEST_F(Headless, LabelCaptionAndVisibility) {
    Open("");
    EXPECT_EQ(Label1Caption(), "Aerotussle起動中");
    EXPECT_TRUE(Label1Visible());
    SetLabel1Caption("起動しまっす");
    SetLabel1Visible(false);
    EXPECT_EQ(Label1Caption(), "起動しまっす");
    EXPECT_FALSE(Label1Visible());
}

TEST_F(Headless, FrameLimitStopsAfterItsFrame) {
    Open("", 3);
    Frames(2);
    EXPECT_NO_THROW(GetAsyncKeyState(37));
    Frames(1);
    try {
        GetTickCount();
        FAIL() << "the run went on past its frame limit";
    } catch (const RunStopped& s) {
        EXPECT_EQ(s.code, 0);
    }
}

TEST_F(Headless, AStopTheGameSwallowsComesBackAtTheNextCall) {
    Open("1 quit\n");
    Frames(1);
    try {
        DoEvents();
    } catch (...) {  // a guard in the game
    }
    EXPECT_THROW(SUPER_MODULE::WaitMs(16), RunStopped);
    EXPECT_THROW(GetAsyncKeyState(27), RunStopped);
}

TEST_F(Headless, CloseRunsUnloadThenStops) {
    Open("1 close\n");
    Frames(1);
    GetTickCount();
    EXPECT_EQ(g_seen.unloads, 0);  // delivered by DoEvents
    EXPECT_THROW(DoEvents(), RunStopped);
    EXPECT_EQ(g_seen.unloads, 1);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Reads an 8-bit RGB PNG back.
bool ReadPng(const std::string& path, CapturedFrame& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0;
}

TEST_F(Headless, CaptureAndStateWriteFilesAtTheirFrame) {
    const std::string png = "capture_test.png", json = "state_test.json";
    std::remove(png.c_str());
    std::remove(json.c_str());
    int presented = 0;
    PlatformSetCaptureSource([&presented](CapturedFrame& f) {
        if (presented == 0) return false;
        f.width = 3;
        f.height = 2;
        f.rgb.clear();
        for (int i = 0; i < 6; ++i) f.rgb.insert(f.rgb.end(), {uint8_t(i * 40), uint8_t(presented), 200});
        return true;
    });
    PlatformSetStateSource([] { return std::string("{\"MenuPage\":3}"); });
    Open("2 capture " + png + "\n2 state " + json + "\n");
    presented = 1;
    Frames(1);
    GetTickCount();
    EXPECT_FALSE(std::ifstream(png).good());
    presented = 2;
    Frames(1);
    GetTickCount();
    CapturedFrame back;
    ASSERT_TRUE(ReadPng(png, back));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.rgb[0 * 3 + 1], 2);
    EXPECT_EQ(back.rgb[5 * 3 + 0], 200);
    EXPECT_EQ(ReadFile(json), "{\"MenuPage\":3}\n");
    EXPECT_EQ(PlatformExitCode(), 0);
}

struct FailingRun {
    const char* script;
    const char* why;
};

TEST_F(Headless, FailuresShowInTheExitCode) {
    const FailingRun cases[] = {
        {"0 capture early.png\n", "capture before any frame"},
        {"1 capture no_such_dir/x.png\n", "capture into a missing folder"},
        {"1 state no_such_dir/x.json\n", "state into a missing folder"},
        {"1 quit\n5 capture late.png\n", "capture never reached"},
    };
    for (const FailingRun& c : cases) {
        PlatformSetCaptureSource([](CapturedFrame& f) {
            f.width = f.height = 1;
            f.rgb = {1, 2, 3};
            return PlatformFrameCount() > 0;
        });
        Open(c.script);
        try {
            GetTickCount();
            Frames(1);
            GetTickCount();
            PlatformRun(BattleFiledEvents{});  // the game returned
        } catch (const RunStopped& s) {
            EXPECT_NE(s.code, 0) << c.why;
        }
        EXPECT_NE(PlatformExitCode(), 0) << c.why;
        PlatformClose();
    }
    EXPECT_FALSE(std::ifstream("late.png").good());
}

TEST_F(Headless, BadScriptFailsToOpen) {
    PlatformOptions o;
    o.headless = true;
    o.scriptText = "0 keydown 37\n1 keydwn 38\n";
    EXPECT_FALSE(PlatformOpen(o));
    o.scriptText.clear();
    o.scriptPath = "no/such/script.txt";
    EXPECT_FALSE(PlatformOpen(o));
}

TEST(PlatformUnopened, GameCodeWithoutPlatformOpenGetsAQuietHeadlessClock) {
    PlatformClose();
    const uint32_t t0 = GetTickCount();
    SUPER_MODULE::WaitMs(20);
    EXPECT_EQ(GetTickCount() - t0, 20u);
    EXPECT_EQ(GetAsyncKeyState(37), 0);
    DoEvents();
    PlatformClose();
}

TEST(PlatformPng, RefusesAFrameOfTheWrongSize) {
    CapturedFrame f;
    f.width = 2;
    f.height = 2;
    f.rgb.assign(5, 0);
    std::string error;
    EXPECT_FALSE(PlatformWritePng("wrong_size.png", f, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::ifstream("wrong_size.png").good());
}

}  // namespace
