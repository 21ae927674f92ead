// SDL2 backend: the real window, keyboard, mouse, joystick and clock.
#include <SDL.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <thread>

#include "core.h"

namespace platform_detail {

namespace {

// Windows virtual-key code of a key position (0: the game has no use for it).
int VirtualKey(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 65 + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return 49 + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return 97 + (sc - SDL_SCANCODE_KP_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
    switch (sc) {
    case SDL_SCANCODE_0: return 48;
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return 16;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return 17;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return 18;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH:  // left of Z on ISO keyboards
    case SDL_SCANCODE_INTERNATIONAL1:  // the same key on Japanese keyboards
        return 226;
    default: return 0;
    }
}

// Both keys of a pair share one code; it is up only when both are.
bool OtherHalfDown(SDL_Scancode sc) {
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    auto down = [&](SDL_Scancode s) { return s != sc && state[s]; };
    switch (VirtualKey(sc)) {
    case 16: return down(SDL_SCANCODE_LSHIFT) || down(SDL_SCANCODE_RSHIFT);
    case 17: return down(SDL_SCANCODE_LCTRL) || down(SDL_SCANCODE_RCTRL);
    case 18: return down(SDL_SCANCODE_LALT) || down(SDL_SCANCODE_RALT);
    case 13: return down(SDL_SCANCODE_RETURN) || down(SDL_SCANCODE_KP_ENTER);
    case 226: return down(SDL_SCANCODE_NONUSBACKSLASH) || down(SDL_SCANCODE_INTERNATIONAL1);
    default: return false;
    }
}

uint32_t SteadyMs() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int32_t Clamp(long v, int32_t lo, int32_t hi) {
    return static_cast<int32_t>(v < lo ? lo : v > hi ? hi : v);
}

class SdlBackend final : public Backend {
public:
    SdlBackend(SDL_Window* window) : window_(window), id_(SDL_GetWindowID(window)) { OpenJoystick(); }

    ~SdlBackend() override {
        CloseJoystick();
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
    }

    void Pump() override {
        // Key reads come in bursts; once a millisecond is enough.
        const uint32_t now = SteadyMs();
        if (pumped_ && now == lastPump_) return;
        pumped_ = true;
        lastPump_ = now;
        SDL_PumpEvents();
        SDL_Event events[64];
        int n;
        while ((n = SDL_PeepEvents(events, 64, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0)
            for (int i = 0; i < n; ++i) Translate(events[i]);
    }

    uint32_t Ticks() override { return SteadyMs(); }

    void Wait(uint32_t ms) override {
        const uint32_t start = SteadyMs();
        if (ms > 2) std::this_thread::sleep_for(std::chrono::milliseconds(ms - 2));
        while (SteadyMs() - start < ms) std::this_thread::yield();
    }

    int TimeOfDaySeconds() override {
        std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return local.tm_sec % 60;
    }

    void SetCursorVisible(bool visible) override {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }

    bool GetCursor(int32_t& x, int32_t& y) override {
        int wx = 0, wy = 0;
        SDL_GetMouseState(&wx, &wy);
        // Still on the pixel it was put on: exactly the position asked for.
        if (warped_ && (!movedSinceWarp_ || (wx == warpWx_ && wy == warpWy_))) {
            x = warpX_;
            y = warpY_;
            return true;
        }
        warped_ = false;
        float lx = static_cast<float>(wx), ly = static_cast<float>(wy);
        if (SDL_Renderer* r = SDL_GetRenderer(window_)) SDL_RenderWindowToLogical(r, wx, wy, &lx, &ly);
        // The game pixel under the window pixel; the borders around the picture count as its edge.
        x = Clamp(static_cast<long>(std::floor(lx)), 0, 639);
        y = Clamp(static_cast<long>(std::floor(ly)), 0, 479);
        return true;
    }

    bool SetCursor(int32_t x, int32_t y) override {
        // Motion already queued belongs to before the jump.
        pumped_ = false;
        Pump();
        int wx = x, wy = y;
        if (SDL_Renderer* r = SDL_GetRenderer(window_)) {
            SDL_RenderLogicalToWindow(r, static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f,
                                      &wx, &wy);
        }
        SDL_WarpMouseInWindow(window_, wx, wy);
        // The window system reports the jump later; until then the cursor is where it was put.
        warped_ = true;
        movedSinceWarp_ = false;
        warpX_ = x;
        warpY_ = y;
        warpWx_ = wx;
        warpWy_ = wy;
        return true;
    }

    void SetTitle(const std::string& title) override { SDL_SetWindowTitle(window_, title.c_str()); }

    void Message(const std::string& text, const std::string& caption, MessageIcon icon) override {
        const Uint32 kind =
            icon == MessageIcon::Exclamation ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
        if (SDL_ShowSimpleMessageBox(kind, caption.c_str(), text.c_str(),
                                     window_) != 0)
            std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    }

    uint32_t Joystick(JOYINFOEX& info) override {
        if (pad_ && !SDL_GameControllerGetAttached(pad_)) CloseJoystick();
        if (joy_ && !SDL_JoystickGetAttached(joy_)) CloseJoystick();
        if (!pad_ && !joy_) OpenJoystick();
        if (!pad_ && !joy_) return JOYERR_UNPLUGGED;
        const uint32_t size = info.dwSize, flags = info.dwFlags;
        info = JOYINFOEX{};
        info.dwSize = size;
        info.dwFlags = flags;
        auto raw = [](Sint16 v) { return static_cast<uint32_t>(static_cast<int>(v) + 32768); };
        uint32_t buttons = 0;
        uint32_t pov = 0xFFFF;
        if (pad_) {
            info.dwXpos = raw(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX));
            info.dwYpos = raw(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_LEFTY));
            info.dwZpos = raw(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_RIGHTX));
            info.dwRpos = raw(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_RIGHTY));
            info.dwUpos = raw(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
            info.dwVpos = raw(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
            static constexpr SDL_GameControllerButton kOrder[] = {
                SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
                SDL_CONTROLLER_BUTTON_X,         SDL_CONTROLLER_BUTTON_Y,
                SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_START,
                SDL_CONTROLLER_BUTTON_LEFTSTICK, SDL_CONTROLLER_BUTTON_RIGHTSTICK,
            };
            for (size_t i = 0; i < sizeof kOrder / sizeof kOrder[0]; ++i)
                if (SDL_GameControllerGetButton(pad_, kOrder[i])) buttons |= 1u << i;
            // The pad's cross steers like the stick.
            if (SDL_GameControllerGetButton(pad_, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) info.dwXpos = 0;
            if (SDL_GameControllerGetButton(pad_, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) info.dwXpos = 65535;
            if (SDL_GameControllerGetButton(pad_, SDL_CONTROLLER_BUTTON_DPAD_UP)) info.dwYpos = 0;
            if (SDL_GameControllerGetButton(pad_, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) info.dwYpos = 65535;
        } else {
            const int axes = SDL_JoystickNumAxes(joy_);
            uint32_t* slots[] = {&info.dwXpos, &info.dwYpos, &info.dwZpos,
                                 &info.dwRpos, &info.dwUpos, &info.dwVpos};
            for (int i = 0; i < 6; ++i) *slots[i] = i < axes ? raw(SDL_JoystickGetAxis(joy_, i)) : 32767;
            const int count = SDL_JoystickNumButtons(joy_);
            for (int i = 0; i < count && i < 32; ++i)
                if (SDL_JoystickGetButton(joy_, i)) buttons |= 1u << i;
            if (SDL_JoystickNumHats(joy_) > 0) {
                static constexpr struct { Uint8 hat; uint32_t pov; } kHats[] = {
                    {SDL_HAT_UP, 0},          {SDL_HAT_RIGHTUP, 4500},  {SDL_HAT_RIGHT, 9000},
                    {SDL_HAT_RIGHTDOWN, 13500}, {SDL_HAT_DOWN, 18000},  {SDL_HAT_LEFTDOWN, 22500},
                    {SDL_HAT_LEFT, 27000},    {SDL_HAT_LEFTUP, 31500},
                };
                const Uint8 hat = SDL_JoystickGetHat(joy_, 0);
                for (const auto& h : kHats)
                    if (hat == h.hat) pov = h.pov;
            }
        }
        info.dwButtons = buttons;
        info.dwButtonNumber = static_cast<uint32_t>(std::popcount(buttons));
        info.dwPOV = pov;
        return JOYERR_NOERROR;
    }

    int32_t WindowHandle() override { return static_cast<int32_t>(id_); }
    void* SdlWindow(int32_t hwnd) override {
        return hwnd != 0 && static_cast<Uint32>(hwnd) == id_ ? window_ : nullptr;
    }
    bool Headless() const override { return false; }

private:
    void Translate(const SDL_Event& e) {
        switch (e.type) {
        case SDL_KEYDOWN:
            if (int vk = VirtualKey(e.key.keysym.scancode)) KeyChange(vk, true);
            break;
        case SDL_KEYUP:
            if (int vk = VirtualKey(e.key.keysym.scancode))
                if (!OtherHalfDown(e.key.keysym.scancode)) KeyChange(vk, false);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = e.button.button == SDL_BUTTON_LEFT    ? 1
                               : e.button.button == SDL_BUTTON_RIGHT ? 2
                               : e.button.button == SDL_BUTTON_MIDDLE ? 4
                                                                      : 0;
            if (button) MouseButton(button, e.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        case SDL_MOUSEMOTION: movedSinceWarp_ = true; break;
        case SDL_QUIT: QueueCloseOnce(); break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) QueueCloseOnce();
            break;
        default: break;
        }
    }

    void QueueCloseOnce() {
        if (closeQueued_) return;
        closeQueued_ = true;
        QueueClose();
    }

    void OpenJoystick() {
        if (SDL_NumJoysticks() <= 0) return;
        if (SDL_IsGameController(0)) pad_ = SDL_GameControllerOpen(0);
        if (!pad_) joy_ = SDL_JoystickOpen(0);
    }

    void CloseJoystick() {
        if (pad_) SDL_GameControllerClose(pad_);
        if (joy_) SDL_JoystickClose(joy_);
        pad_ = nullptr;
        joy_ = nullptr;
    }

    SDL_Window* window_;
    Uint32 id_;
    bool pumped_ = false;
    uint32_t lastPump_ = 0;
    bool warped_ = false;
    bool movedSinceWarp_ = false;
    int32_t warpX_ = 0, warpY_ = 0;
    int warpWx_ = 0, warpWy_ = 0;
    bool closeQueued_ = false;
    SDL_GameController* pad_ = nullptr;
    SDL_Joystick* joy_ = nullptr;
};

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend(std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK) != 0) {
        error = std::string("cannot open the display: ") + SDL_GetError();
        return nullptr;
    }
    // With no display SDL falls back to a driver that shows nothing; unless asked for by
    // name, that is no window at all.
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool invisible = driver && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
    if (invisible && !SDL_getenv("SDL_VIDEODRIVER")) {
        error = "cannot open the display: no window system found (is DISPLAY set?); "
                "--headless runs without one";
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
        return nullptr;
    }
    SDL_Window* window = SDL_CreateWindow("BattleFiled", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, 640, 480, SDL_WINDOW_SHOWN);
    if (!window) {
        error = std::string("cannot open the window: ") + SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
        return nullptr;
    }
    return std::make_unique<SdlBackend>(window);
}

}  // namespace platform_detail
