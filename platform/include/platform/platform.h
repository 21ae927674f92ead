// The window system, timer and joystick calls the game makes, over one of two backends:
// SDL2 (a real window) or headless (no window, virtual clock, scripted input).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// ---- Backend selection and the window BattleFiled -------------------------------------------

struct PlatformOptions {
    bool headless = false;
    std::string scriptPath;     // headless: input script ("" = none)
    long frameLimit = -1;       // headless: stop after this many presented frames (-1 = no limit)
    // headless, for tests: the script as text (used when scriptPath is empty); scriptName
    // names it in messages.
    std::string scriptText;
    std::string scriptName = "script";
};

// The events of the window BattleFiled. Every handler runs only inside DoEvents
// (Form_Activate runs from PlatformRun).
struct BattleFiledEvents {
    void (*Form_Activate)() = nullptr;
    void (*Form_KeyDown)(int16_t keyCode, int16_t shift) = nullptr;
    void (*Form_MouseDown)(int16_t button, int16_t shift, float x, float y) = nullptr;
    void (*Form_MouseUp)(int16_t button, int16_t shift, float x, float y) = nullptr;
    void (*PLAYER3_Timer)() = nullptr;
    // The window is being closed: the game saves what it must; the process then exits.
    void (*Form_Unload)() = nullptr;
};

// Opens the backend and the window. Returns false (with a message on stderr) if it cannot,
// also when the headless script has a malformed line (every line is checked here).
bool PlatformOpen(const PlatformOptions& options);
// Fires Form_Activate once; returns when it returns. Then the program ends.
void PlatformRun(const BattleFiledEvents& events);
// Closes the window and the backend. Safe to call twice.
void PlatformClose();
bool PlatformIsHeadless();
// Exit code the run asks for (headless: non-zero after a bad script line or a failed capture).
int PlatformExitCode();

// Window handle of BattleFiled: a non-zero 32-bit value while the window exists, else 0.
// On the SDL backend it is the SDL window id; the graphics library resolves it.
int32_t BattleFiledHwnd();
// SDL backend: the SDL_Window* behind a window handle (as void*); nullptr when headless.
void* PlatformSdlWindow(int32_t hwnd);

// Enable/disable: a disabled window gets no key or mouse events.
void EnableWindow(int32_t hwnd, bool enable);
bool IsWindowEnabled(int32_t hwnd);

// The label Label1 (top-left of the window): its caption shows as the window title.
void SetLabel1Caption(const std::string& utf8);
void SetLabel1Visible(bool visible);
std::string Label1Caption();
bool Label1Visible();

// The 10 ms timer PLAYER3. At most one tick per DoEvents; ticks never pile up.
void SetPLAYER3Enabled(bool enabled);
bool PLAYER3Enabled();

// Runs the handler of every pending window event to completion, then returns.
void DoEvents();

// ---- Keyboard, mouse and cursor -------------------------------------------------------------

// Windows virtual-key codes the game uses.
namespace vk {
constexpr int LButton = 1, RButton = 2, Enter = 13, Shift = 16, Ctrl = 17, Pause = 19, Esc = 27;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Numpad0 = 96;  // 96..105
constexpr int Slash = 191, Oem102 = 226;
}  // namespace vk

// Non-zero while the key is held, and once more after a press released before this read.
int16_t GetAsyncKeyState(int vkey);

// Counted as Windows counts it: returns the new display count; the cursor shows while >= 0.
int ShowCursor(bool show);
// Cursor position in 640x480 game coordinates whatever the window's scale.
bool GetCursorPos(int32_t* x, int32_t* y);
bool SetCursorPos(int32_t x, int32_t y);

// Message box with an OK button (stderr when headless); waits for the OK.
enum class MessageIcon { None, Exclamation };
void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon = MessageIcon::None);

// ---- Time -------------------------------------------------------------------------------------

// 32-bit millisecond count (wraps after about 49.7 days).
uint32_t GetTickCount();
// Seconds of the time of day, 0..59.
int TimeOfDaySeconds();
// Waits until at least ms milliseconds have passed; never returns early. On the virtual
// clock it jumps the clock instead.
void PlatformWait(uint32_t ms);

// ---- Joystick ------------------------------------------------------------------------------

struct JOYINFOEX {
    uint32_t dwSize, dwFlags, dwXpos, dwYpos, dwZpos, dwRpos, dwUpos, dwVpos;
    uint32_t dwButtons, dwButtonNumber, dwPOV, dwReserved1, dwReserved2;
};
static_assert(sizeof(JOYINFOEX) == 52);
constexpr uint32_t JOYERR_NOERROR = 0, JOYERR_UNPLUGGED = 167, JOYERR_PARMS = 165;
// Joystick 1 is id 0. 0 on success; non-zero when no joystick is there.
uint32_t joyGetPosEx(uint32_t id, JOYINFOEX* info);

// ---- Headless hooks (wired by the executable) ----------------------------------------------

// Called once per presented frame; advances the headless script (no-op on SDL). The script
// lines of the new frame count take effect at the next platform call (key state, cursor,
// clock, DoEvents, ...); their window events are delivered at the next DoEvents.
void PlatformFramePresented();
// Frames presented so far.
long PlatformFrameCount();
// Sources for the script's capture and state commands.
// capture: fills the last presented frame as 8-bit RGB triples, row by row; false if there is none.
struct CapturedFrame {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;   // width*height*3
};
void PlatformSetCaptureSource(std::function<bool(CapturedFrame&)> source);
// state: a flat JSON object of the game's globals.
void PlatformSetStateSource(std::function<std::string()> source);

// Writes an RGB frame as an 8-bit RGB PNG. False (with the reason in *error) on failure.
bool PlatformWritePng(const std::string& path, const CapturedFrame& frame, std::string* error);

// ---- For tests in the same process ---------------------------------------------------------
// A headless run in a test: PlatformOpen({.headless = true, .scriptText = "..."}), then drive
// it with PlatformFramePresented / PlatformWait / PlatformHeadlessCommand; PlatformClose and
// PlatformOpen again start afresh (keys up, clock 0, cursor count 0, no events).

// Called instead of ending the process when the run must stop (frame limit, `quit`, a window
// close after Form_Unload). Default (empty function): exit the process with the code (files are flushed).
// A test handler may throw to unwind out of the game; if the game catches that, the handler
// is called again at each later DoEvents, key read, clock read, wait or presented frame.
void PlatformSetStopHandler(std::function<void(int exitCode)> handler);
// Installs the window's handlers without activating it (PlatformRun does both).
void PlatformSetHandlers(const BattleFiledEvents& events);
// Headless: sets the virtual clock (GetTickCount) to ms.
void PlatformHeadlessSetClock(uint32_t ms);
// Headless: runs one script command now, without a frame number ("keydown 37",
// "mousemove 300 300", "close", ...). False with the reason in *error if it is malformed.
bool PlatformHeadlessCommand(const std::string& command, std::string* error);
// Pending window events (not yet delivered by DoEvents).
size_t PlatformPendingEvents();
