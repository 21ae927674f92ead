// Headless backend: no window, a virtual clock that moves only when the game waits, and input
// from a script keyed to the number of presented frames.
#include <bit>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core.h"

namespace platform_detail {

namespace {

constexpr int32_t kHeadlessHwnd = 1;
// A loop that reads the clock this often without ever waiting would spin for ever on a clock
// that only waits move; it gets one millisecond instead.
constexpr int kReadsPerStall = 100000;

class HeadlessBackend final : public Backend {
public:
    HeadlessBackend(std::vector<ScriptLine> script, std::string name, long frameLimit)
        : script_(std::move(script)), name_(std::move(name)), frameLimit_(frameLimit) {}

    void Pump() override {
        if (pumping_) return;
        pumping_ = true;
        const long frames = FrameCount();
        while (next_ < script_.size() && script_[next_].frame <= frames) {
            const ScriptLine& line = script_[next_++];
            Apply(line);
        }
        pumping_ = false;
        if (frameLimit_ >= 0 && frames >= frameLimit_) Stop();
    }

    uint32_t Ticks() override {
        Pump();
        if (++reads_ >= kReadsPerStall) {
            reads_ = 0;
            ++clock_;
        }
        return clock_;
    }

    void Wait(uint32_t ms) override {
        Pump();
        reads_ = 0;
        clock_ += ms;
    }

    void SetClock(uint32_t ms) override { clock_ = ms; }
    int TimeOfDaySeconds() override { return static_cast<int>((clock_ / 1000) % 60); }
    void SetCursorVisible(bool) override {}

    bool GetCursor(int32_t& x, int32_t& y) override {
        x = cursorX_;
        y = cursorY_;
        return true;
    }
    bool SetCursor(int32_t x, int32_t y) override {
        cursorX_ = x;
        cursorY_ = y;
        return true;
    }

    void SetTitle(const std::string& title) override {
        if (!quiet_) std::fprintf(stderr, "Label1: %s\n", title.c_str());
    }
    void Message(const std::string& text, const std::string& caption, MessageIcon) override {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    }

    uint32_t Joystick(JOYINFOEX& info) override {
        if (!joyPlugged_) return JOYERR_UNPLUGGED;
        const uint32_t size = info.dwSize, flags = info.dwFlags;
        info = JOYINFOEX{};
        info.dwSize = size;
        info.dwFlags = flags;
        info.dwXpos = joyX_;
        info.dwYpos = joyY_;
        info.dwZpos = info.dwRpos = info.dwUpos = info.dwVpos = 32767;
        info.dwButtons = joyButtons_;
        info.dwButtonNumber = static_cast<uint32_t>(std::popcount(joyButtons_));
        info.dwPOV = 0xFFFF;
        return JOYERR_NOERROR;
    }

    int32_t WindowHandle() override { return kHeadlessHwnd; }
    void* SdlWindow(int32_t) override { return nullptr; }
    bool Headless() const override { return true; }

    bool Command(const ScriptLine& line, std::string* error) override {
        Pump();
        ScriptLine now = line;
        now.frame = FrameCount();
        Apply(now);
        if (error) error->clear();
        return true;
    }

    void Finish() override {
        int missed = 0;
        for (size_t i = next_; i < script_.size(); ++i)
            if (script_[i].op == ScriptOp::Capture || script_[i].op == ScriptOp::State) {
                if (missed++ == 0)
                    std::fprintf(stderr, "%s:%d: the run ended at frame %ld before this line ran\n",
                                 name_.c_str(), script_[i].lineNumber, FrameCount());
            }
        if (missed) MarkFailed();
        next_ = script_.size();
    }

    void SetQuiet(bool quiet) { quiet_ = quiet; }

private:
    std::string Where(const ScriptLine& line) const {
        return line.lineNumber ? name_ + ":" + std::to_string(line.lineNumber) + ": "
                               : std::string();
    }

    void Fail(const ScriptLine& line, const std::string& what) {
        std::fprintf(stderr, "%s%s\n", Where(line).c_str(), what.c_str());
        MarkFailed();
    }

    void Apply(const ScriptLine& line) {
        switch (line.op) {
        case ScriptOp::KeyDown: KeyChange(static_cast<int>(line.a), true); break;
        case ScriptOp::KeyUp: KeyChange(static_cast<int>(line.a), false); break;
        case ScriptOp::MouseMove:
            cursorX_ = static_cast<int32_t>(line.a);
            cursorY_ = static_cast<int32_t>(line.b);
            break;
        case ScriptOp::MouseDown: MouseButton(static_cast<int>(line.a), true); break;
        case ScriptOp::MouseUp: MouseButton(static_cast<int>(line.a), false); break;
        case ScriptOp::Joy:
            joyPlugged_ = true;
            joyX_ = line.a;
            joyY_ = line.b;
            joyButtons_ = line.c;
            break;
        case ScriptOp::NoJoy: joyPlugged_ = false; break;
        case ScriptOp::Capture: {
            CapturedFrame frame;
            if (!CaptureFrame(frame)) {
                Fail(line, "capture " + line.path + ": no frame has been presented");
                break;
            }
            std::string error;
            if (!PlatformWritePng(line.path, frame, &error))
                Fail(line, "capture " + line.path + ": " + error);
            break;
        }
        case ScriptOp::State: {
            std::ofstream out(line.path, std::ios::binary | std::ios::trunc);
            out << StateText() << "\n";
            out.close();
            if (!out) Fail(line, "state " + line.path + ": cannot write the file");
            break;
        }
        case ScriptOp::Close: QueueClose(); break;
        case ScriptOp::Quit: Stop(); break;
        }
    }

    std::vector<ScriptLine> script_;
    std::string name_;
    long frameLimit_;
    size_t next_ = 0;
    bool pumping_ = false;
    bool quiet_ = false;
    uint32_t clock_ = 0;
    int reads_ = 0;
    int32_t cursorX_ = 320, cursorY_ = 240;
    bool joyPlugged_ = false;
    uint32_t joyX_ = 32767, joyY_ = 32767, joyButtons_ = 0;
};

}  // namespace

std::unique_ptr<Backend> MakeHeadlessBackend(const PlatformOptions& options, std::string& error) {
    std::string text = options.scriptText;
    std::string name = options.scriptName;
    if (!options.scriptPath.empty()) {
        std::ifstream in(options.scriptPath, std::ios::binary);
        if (!in) {
            error = options.scriptPath + ": cannot read the script";
            return nullptr;
        }
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
        name = options.scriptPath;
    }
    std::vector<ScriptLine> script;
    if (!ParseScript(text, name, script, error)) return nullptr;
    auto backend = std::make_unique<HeadlessBackend>(std::move(script), name, options.frameLimit);
    // The stand-in backend of code that never opened the platform stays silent.
    backend->SetQuiet(!options.headless);
    return backend;
}

}  // namespace platform_detail
