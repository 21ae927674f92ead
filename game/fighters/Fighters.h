// The fighter routines: the per-frame update, lives, flight, contacts and terrain.
#pragma once

#include <cstdint>

namespace PlayerModule {

// Per-frame update of every fighter in play, in slot order.
void UpdateFighters();
// Takes one stock and puts the fighter back at its start place (or marks it out).
void LoseLife(int slot);

// Flight physics and cells
void ApplyFlapAndGravity(int slot);
void ApplyGroundFriction(int slot);
void AnimateWalk(int slot);
void AnimateFlight(int slot);
void ShowHurtCell(int slot);
void DeathFall(int slot);

// Contacts. The attacker of ApplyHit is a slot, or 4 for the special opponent's thrown object.
void ResolveContacts(int slot);
void ApplyHit(int attacker, int victim);
void BounceApart(int x, int y);

// Terrain of the battlefield in play (by StageNumber) for the fighter just moved.
void StageTerrain(int slot);

// Whole-pixel y after a move: rounded halves to even, held inside the 16-bit range.
int16_t MovedPosY(int16_t posY, double step);

}  // namespace PlayerModule
