// aerotussle: opens the window (or the headless stand-in) and hands it to the game.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lumablit.h"
#include "platform/platform.h"
#include "shell/BattleFiled.h"
#include "shell/StateDump.h"

void RunTestPattern(bool windowed);  // shell/TestPattern.cpp

namespace {

void* HostSdlWindow(int32_t window) { return PlatformSdlWindow(window); }
int32_t HostShowCursor(int32_t show) { return ShowCursor(show != 0); }
void HostEnableWindow(int32_t window, int32_t enable) { EnableWindow(window, enable != 0); }
void HostMessageBox(const char* text, const char* caption) {
    MessageBox(text ? text : "", caption ? caption : "");
}
uint32_t HostTickCount() { return GetTickCount(); }
void HostPresented() { PlatformFramePresented(); }

bool CaptureLastFrame(CapturedFrame& frame) {
    int32_t w = 0, h = 0;
    ddGetFrame(nullptr, 0, &w, &h);
    if (w <= 0 || h <= 0) return false;
    frame.width = w;
    frame.height = h;
    frame.rgb.assign(static_cast<size_t>(w) * h * 3, 0);
    return ddGetFrame(frame.rgb.data(), static_cast<int32_t>(frame.rgb.size()), &w, &h) == 1;
}

constexpr const char* kUsage =
    "usage: aerotussle [--headless [--script FILE] [--frames N]] [--test-pattern [--windowed]]\n"
    "  --headless     no window and no sound device; a virtual clock that moves only when\n"
    "                 the game waits\n"
    "  --script FILE  headless input script, one `<frame> <command> [args]` per line\n"
    "  --frames N     headless: stop after N presented frames\n"
    "  --test-pattern the display test pattern instead of the game (Esc ends it)\n"
    "  --windowed     the test pattern in a 640x480 window instead of full screen\n"
    "  --help         this text\n";

int BadArguments(const std::string& why) {
    std::fprintf(stderr, "aerotussle: %s\n%s", why.c_str(), kUsage);
    return 2;
}

bool ParseCount(const char* text, long& out) {
    if (!text || !*text || *text == '-' || *text == '+') return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno || *end || v < 0 || v > 0x7FFFFFFF) return false;
    out = static_cast<long>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    PlatformOptions options;
    bool scripted = false;
    bool testPattern = false;
    static bool windowed = false;  // read by the activation handler below
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--test-pattern") {
            testPattern = true;
        } else if (arg == "--windowed") {
            windowed = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--script") {
            if (i + 1 >= argc || !*argv[i + 1]) return BadArguments("--script needs a file");
            options.scriptPath = argv[++i];
            scripted = true;
        } else if (arg == "--frames") {
            if (i + 1 >= argc || !ParseCount(argv[i + 1], options.frameLimit))
                return BadArguments("--frames needs a whole number from 0");
            ++i;
            scripted = true;
        } else {
            return BadArguments("unknown argument '" + arg + "'");
        }
    }
    if (scripted && !options.headless) return BadArguments("--script and --frames need --headless");
    if (windowed && !testPattern) return BadArguments("--windowed goes with --test-pattern");

    if (!PlatformOpen(options)) return 1;
    static const LumablitHost host = {&HostSdlWindow,  &HostShowCursor, &HostEnableWindow,
                                      &HostMessageBox, &HostTickCount,  &HostPresented};
    ddSetHost(&host);
    PlatformSetCaptureSource(&CaptureLastFrame);
    PlatformSetStateSource([] { return Main2::DumpAllState(); });
    // The run ends early (window closed, frame limit, script quit): give the display back first.
    PlatformSetStopHandler([](int code) {
        ddQuit();
        std::exit(code);
    });
    BattleFiledEvents pattern;
    pattern.Form_Activate = [] { RunTestPattern(windowed); };
    PlatformRun(testPattern ? pattern : Main2::BattleFiledHandlers());
    const int code = PlatformExitCode();
    PlatformClose();
    return code;
}
