// The window BattleFiled, its event queue and the input state, over the chosen backend.
#include <cstdio>
#include <cstdlib>

#include "core.h"

namespace platform_detail {

namespace {

struct Core {
    std::unique_ptr<Backend> backend;
    BattleFiledEvents events;
    bool keyHeld[256] = {};
    bool keyPressed[256] = {};  // went down since the last GetAsyncKeyState read
    std::deque<Event> queue;
    bool windowEnabled = true;
    bool timerEnabled = false;
    uint32_t timerLast = 0;
    std::string label = "Aerotussle起動中";
    bool labelVisible = true;
    int cursorCount = 0;
    long frames = 0;
    bool failed = false;
    bool stopped = false;
    bool closed = false;  // PlatformClose ran
};

// Kept across PlatformOpen/PlatformClose: the executable and tests set them once.
struct Hooks {
    std::function<bool(CapturedFrame&)> capture;
    std::function<std::string()> state;
    std::function<void(int)> stop;
};

std::unique_ptr<Core> g_core;
Hooks& TheHooks() {
    static Hooks hooks;
    return hooks;
}

// Game code may run without PlatformOpen (unit tests): it then gets a quiet headless backend.
Core& Cur() {
    if (!g_core) {
        std::string error;
        g_core = std::make_unique<Core>();
        g_core->backend = MakeHeadlessBackend(PlatformOptions{}, error);
    }
    return *g_core;
}

int16_t ShiftState(const Core& c) {
    return static_cast<int16_t>((c.keyHeld[16] ? 1 : 0) | (c.keyHeld[17] ? 2 : 0) |
                                (c.keyHeld[18] ? 4 : 0));
}

// A stopped run that a test handler did not end (its throw may have been caught by the game)
// is stopped again at each later call the game's loops make.
void StopAgain() {
    if (g_core && g_core->stopped && TheHooks().stop) TheHooks().stop(PlatformExitCode());
}

void Sync() {
    StopAgain();
    Cur().backend->Pump();
}

void QueueInput(EventKind kind, int code) {
    Core& c = Cur();
    if (!c.windowEnabled) return;
    int32_t x = 0, y = 0;
    if (kind != EventKind::KeyDown) c.backend->GetCursor(x, y);
    c.queue.push_back({kind, static_cast<int16_t>(code), ShiftState(c), static_cast<float>(x),
                       static_cast<float>(y)});
}

void Dispatch(const Event& e) {
    Core& c = Cur();
    const BattleFiledEvents ev = c.events;
    switch (e.kind) {
    case EventKind::KeyDown:
        if (c.windowEnabled && ev.Form_KeyDown) ev.Form_KeyDown(e.code, e.shift);
        break;
    case EventKind::MouseDown:
        if (c.windowEnabled && ev.Form_MouseDown) ev.Form_MouseDown(e.code, e.shift, e.x, e.y);
        break;
    case EventKind::MouseUp:
        if (c.windowEnabled && ev.Form_MouseUp) ev.Form_MouseUp(e.code, e.shift, e.x, e.y);
        break;
    case EventKind::Close:
        if (ev.Form_Unload) ev.Form_Unload();
        Stop();
        break;
    }
}

void ShowTitle() {
    Core& c = Cur();
    c.backend->SetTitle(c.labelVisible ? c.label : std::string());
}

}  // namespace

void KeyChange(int vk, bool down) {
    if (vk <= 0 || vk > 255) return;
    Core& c = Cur();
    c.keyHeld[vk] = down;
    if (down) {
        c.keyPressed[vk] = true;
        QueueInput(EventKind::KeyDown, vk);
    }
}

void MouseButton(int button, bool down) {
    Core& c = Cur();
    // Buttons 1 (left) and 2 (right) are also virtual keys 1 and 2; the middle one is 4.
    const int vk = button == 1 ? 1 : button == 2 ? 2 : button == 4 ? 4 : 0;
    if (vk) {
        c.keyHeld[vk] = down;
        if (down) c.keyPressed[vk] = true;
    }
    QueueInput(down ? EventKind::MouseDown : EventKind::MouseUp, button);
}

void QueueClose() { Cur().queue.push_back({EventKind::Close, 0, 0, 0, 0}); }

void MarkFailed() { Cur().failed = true; }

void Stop() {
    Core& c = Cur();
    if (c.stopped) return;
    c.stopped = true;
    c.backend->Finish();
    const int code = PlatformExitCode();
    if (TheHooks().stop) {
        TheHooks().stop(code);
        return;
    }
    // exit() flushes and closes every stream; the window goes with the process.
    std::exit(code);
}

bool CaptureFrame(CapturedFrame& frame) {
    return TheHooks().capture && TheHooks().capture(frame);
}

std::string StateText() { return TheHooks().state ? TheHooks().state() : std::string("{}"); }

long FrameCount() { return Cur().frames; }

}  // namespace platform_detail

using namespace platform_detail;

bool PlatformOpen(const PlatformOptions& options) {
    PlatformClose();
    std::string error;
    std::unique_ptr<Backend> backend =
        options.headless ? MakeHeadlessBackend(options, error) : MakeSdlBackend(error);
    if (!backend) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    g_core = std::make_unique<Core>();
    g_core->backend = std::move(backend);
    ShowTitle();
    return true;
}

void PlatformRun(const BattleFiledEvents& events) {
    Core& c = Cur();
    c.events = events;
    Sync();
    if (events.Form_Activate) events.Form_Activate();
    if (g_core && !g_core->stopped) g_core->backend->Finish();
}

void PlatformClose() {
    if (!g_core || g_core->closed) return;
    g_core->closed = true;
    g_core.reset();
}

bool PlatformIsHeadless() { return Cur().backend->Headless(); }
int PlatformExitCode() { return g_core && g_core->failed ? 1 : 0; }
int32_t BattleFiledHwnd() { return Cur().backend->WindowHandle(); }
void* PlatformSdlWindow(int32_t hwnd) { return Cur().backend->SdlWindow(hwnd); }

void EnableWindow(int32_t hwnd, bool enable) {
    if (hwnd != BattleFiledHwnd()) return;
    Cur().windowEnabled = enable;
}
bool IsWindowEnabled(int32_t hwnd) { return hwnd == BattleFiledHwnd() && Cur().windowEnabled; }

void SetLabel1Caption(const std::string& utf8) {
    Cur().label = utf8;
    ShowTitle();
}
void SetLabel1Visible(bool visible) {
    Cur().labelVisible = visible;
    ShowTitle();
}
std::string Label1Caption() { return Cur().label; }
bool Label1Visible() { return Cur().labelVisible; }

void SetPLAYER3Enabled(bool enabled) {
    Core& c = Cur();
    if (enabled && !c.timerEnabled) c.timerLast = c.backend->Ticks();
    c.timerEnabled = enabled;
}
bool PLAYER3Enabled() { return Cur().timerEnabled; }

void DoEvents() {
    Sync();
    // Only what is pending now; a handler's own DoEvents takes its share of the same queue.
    size_t n = Cur().queue.size();
    while (n-- > 0 && g_core && !g_core->queue.empty()) {
        Event e = g_core->queue.front();
        g_core->queue.pop_front();
        Dispatch(e);
    }
    Core& c = Cur();
    if (c.timerEnabled) {
        const uint32_t now = c.backend->Ticks();
        if (now - c.timerLast >= 10) {
            c.timerLast = now;  // one tick however long it has been
            if (c.events.PLAYER3_Timer) c.events.PLAYER3_Timer();
        }
    }
}

size_t PlatformPendingEvents() { return Cur().queue.size(); }

int16_t GetAsyncKeyState(int vkey) {
    if (vkey <= 0 || vkey > 255) return 0;
    Sync();
    Core& c = Cur();
    int16_t result = 0;
    if (c.keyHeld[vkey]) result = static_cast<int16_t>(0x8000);
    if (c.keyPressed[vkey]) result = static_cast<int16_t>(result | 1);
    c.keyPressed[vkey] = false;
    return result;
}

int ShowCursor(bool show) {
    Core& c = Cur();
    c.cursorCount += show ? 1 : -1;
    c.backend->SetCursorVisible(c.cursorCount >= 0);
    return c.cursorCount;
}

bool GetCursorPos(int32_t* x, int32_t* y) {
    if (!x || !y) return false;
    Sync();
    return Cur().backend->GetCursor(*x, *y);
}

bool SetCursorPos(int32_t x, int32_t y) {
    x = x < 0 ? 0 : x > 639 ? 639 : x;
    y = y < 0 ? 0 : y > 479 ? 479 : y;
    return Cur().backend->SetCursor(x, y);
}

void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    Cur().backend->Message(text, caption, icon);
}

uint32_t GetTickCount() {
    StopAgain();
    return Cur().backend->Ticks();
}
int TimeOfDaySeconds() { return Cur().backend->TimeOfDaySeconds(); }
void PlatformWait(uint32_t ms) {
    StopAgain();
    Cur().backend->Wait(ms);
}

uint32_t joyGetPosEx(uint32_t id, JOYINFOEX* info) {
    if (!info) return JOYERR_PARMS;
    if (id != 0) return id < 16 ? JOYERR_UNPLUGGED : JOYERR_PARMS;
    Sync();
    return Cur().backend->Joystick(*info);
}

void PlatformFramePresented() {
    StopAgain();
    Core& c = Cur();
    ++c.frames;
    c.backend->FramePresented();
}

long PlatformFrameCount() { return Cur().frames; }

void PlatformSetCaptureSource(std::function<bool(CapturedFrame&)> source) {
    TheHooks().capture = std::move(source);
}
void PlatformSetStateSource(std::function<std::string()> source) {
    TheHooks().state = std::move(source);
}
void PlatformSetStopHandler(std::function<void(int)> handler) {
    TheHooks().stop = std::move(handler);
}

void PlatformSetHandlers(const BattleFiledEvents& events) { Cur().events = events; }

void PlatformHeadlessSetClock(uint32_t ms) { Cur().backend->SetClock(ms); }

bool PlatformHeadlessCommand(const std::string& command, std::string* error) {
    ScriptLine line;
    std::string reason;
    if (!ParseScriptCommand(command, line, reason)) {
        if (error) *error = reason;
        return false;
    }
    return Cur().backend->Command(line, error);
}
