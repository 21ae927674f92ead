// Super moves of the eleven characters and the special opponent.
#pragma once

namespace PlayerModule {

// One frame of the super move of Character[slot].
void RunSuperMove(int slot);
// SuperRunning, SuperArmed false, SuperFrame 0.
void EndSuper(int slot);
// The super-move hit tests of attacker a against b, while a's super is armed. Returns true
// when b was found blinking (the rest of the pair's tests, the stomp included, are skipped).
bool SuperHitTests(int a, int b);
// Character 10's screen-wide test of attacker a against b.
void ScreenWideTest(int a, int b);

}  // namespace PlayerModule
