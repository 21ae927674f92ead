// The headless input script: one command per line, `<frame> <command> [args]`.
//
//   keydown VK | keyup VK        a key (virtual-key code 3..254) goes down / up
//   mousemove X Y                cursor to (X, Y), 0..639 x 0..479
//   mousedown 1|2 | mouseup 1|2  left / right mouse button
//   joy X Y BUTTONS              joystick 1: raw axes 0..65535, button mask
//   nojoy                        joystick 1 unplugged
//   capture FILE.png             the last presented frame as PNG
//   state FILE.json              the game's state as JSON
//   close                        the window is closed (Form_Unload, then the run ends)
//   quit                         the run ends
//
// frame counts the frames presented so far; frames never go backwards. Blank lines and lines
// starting with # are ignored. Numbers are decimal, or hexadecimal with 0x.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ScriptOp { KeyDown, KeyUp, MouseMove, MouseDown, MouseUp, Joy, NoJoy, Capture, State, Close, Quit };

struct ScriptLine {
    long frame = 0;
    ScriptOp op = ScriptOp::Quit;
    uint32_t a = 0, b = 0, c = 0;  // VK / button / X Y / joystick X Y buttons
    std::string path;              // capture, state
    int lineNumber = 0;
};

// A command without its frame ("keydown 37"). False with the reason in reason.
bool ParseScriptCommand(const std::string& command, ScriptLine& out, std::string& reason);

// A whole script. False with "name:line: reason" in error at the first bad line.
bool ParseScript(const std::string& text, const std::string& name, std::vector<ScriptLine>& out,
                 std::string& error);
