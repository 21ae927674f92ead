// The controls of the four fighter slots: the two key layouts (slots 0 and 1), the mouse
// fighter (slot 2), the joystick fighter (slot 3), and the entry codes they all share.
#pragma once

#include <cstdint>

#include "shell/Flag.h"

namespace PlayerModule {
// Virtual-key codes per keyboard fighter 0 and 1.
inline int32_t KeyUp[2], KeyLeft[2], KeyRight[2], KeyDown[2], KeyA[2];
inline uint8_t KeyB[2];

// Fills the key tables from AltKeyLayout.
void SetKeyLayout();
}  // namespace PlayerModule

namespace Main2 {
// Mouse fighter state.
inline int32_t MouseLastX = 0;
inline int16_t MouseLastY = 0;
inline uint8_t MouseStillCount = 0;
inline Flag MouseLastFacing = 0;

// Window events and the 10 ms timer of the mouse fighter.
void PLAYER3_Timer();
void Form_MouseDown(int16_t button, int16_t shift, float x, float y);
void Form_MouseUp(int16_t button, int16_t shift, float x, float y);

// Joystick 1 into fighter slot 3; once per frame.
void PollJoystick();

// Entry codes. The inputs a fighter can hold on the entry screen:
enum EntryInput : uint8_t { kEntryUp, kEntryLeft, kEntryRight, kEntryDown, kEntryA, kEntryB };
// Reads one input: 1 held, 0 not held, -1 give up the remaining tests of this fighter.
using EntryReader = int (*)(int slot, EntryInput input, bool single);
// Tests the six single inputs in the given order, then the five combinations (down+A, up+B,
// A+B, right+A, left+B). Every match sets Character and Entered, plays the entry sound and
// calls onMatch (may be null). Returns the number of matches.
int ApplyEntryCodes(int slot, const EntryInput (&order)[6], EntryReader read,
                    void (*onMatch)() = nullptr);
// All fighters 0..PlayerCountIdx entered: StartRequest on, EntryOn off.
void CheckEntryComplete();
}  // namespace Main2
