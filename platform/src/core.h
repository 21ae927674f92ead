// Shared state of the window BattleFiled and the input devices, and the backend interface
// the SDL and headless backends implement.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/script.h"

namespace platform_detail {

enum class EventKind { KeyDown, MouseDown, MouseUp, Close };

struct Event {
    EventKind kind;
    int16_t code;   // virtual key or mouse button
    int16_t shift;  // 1 Shift, 2 Ctrl, 4 Alt
    float x, y;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Brings key, mouse and joystick state up to date; window events go to the queue.
    virtual void Pump() = 0;
    virtual uint32_t Ticks() = 0;
    virtual void Wait(uint32_t ms) = 0;
    virtual int TimeOfDaySeconds() = 0;
    virtual void SetCursorVisible(bool visible) = 0;
    virtual bool GetCursor(int32_t& x, int32_t& y) = 0;
    virtual bool SetCursor(int32_t x, int32_t y) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void Message(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
    virtual uint32_t Joystick(JOYINFOEX& info) = 0;
    virtual int32_t WindowHandle() = 0;
    virtual void* SdlWindow(int32_t hwnd) = 0;
    virtual bool Headless() const = 0;
    virtual void FramePresented() {}
    virtual void SetClock(uint32_t) {}
    // Runs one script command now (headless only).
    virtual bool Command(const ScriptLine&, std::string* error) {
        if (error) *error = "not headless";
        return false;
    }
    // The run is ending: report what the script could not do.
    virtual void Finish() {}
};

std::unique_ptr<Backend> MakeHeadlessBackend(const PlatformOptions& options, std::string& error);
std::unique_ptr<Backend> MakeSdlBackend(std::string& error);

// Fed by the backends.
void KeyChange(int vk, bool down);
void MouseButton(int button, bool down);
void QueueClose();
// A failure the exit code must show (message already printed).
void MarkFailed();
// Ends the run (stop handler, or flush and exit).
void Stop();

bool CaptureFrame(CapturedFrame& frame);
std::string StateText();
long FrameCount();

}  // namespace platform_detail
