// The fighters' look: the 16 colours CHR_1 and CHR_2 share, the four heads, and a posable body.
#pragma once

#include "canvas.h"
#include "sprite.h"

namespace kit {

// The sixteen entries of the character sheets (CHR_1 and CHR_2 are 4-bit).
inline constexpr uint8_t Key = pal::KeyChar;
inline constexpr uint8_t Ink = pal::Black;
inline constexpr uint8_t White = pal::White;
inline constexpr uint8_t Skin = pal::Skin[5];
inline constexpr uint8_t SkinDark = pal::Skin[2];
inline constexpr uint8_t RedL = pal::Scarlet[4];
inline constexpr uint8_t RedD = pal::Scarlet[2];
inline constexpr uint8_t BlueL = pal::Blue[5];
inline constexpr uint8_t BlueD = pal::Blue[2];
inline constexpr uint8_t GreenL = pal::Green[4];
inline constexpr uint8_t GreenD = pal::Green[2];
inline constexpr uint8_t GoldL = pal::Gold[6];
inline constexpr uint8_t GoldD = pal::Gold[3];
inline constexpr uint8_t Steel = pal::Steel[5];
inline constexpr uint8_t Brown = pal::Brown[3];
inline constexpr uint8_t Cyan = pal::Cyan[5];

// Slot colours: 0 red pilot, 1 blue knight, 2 green cat girl, 3 gold robot.
inline constexpr uint8_t SlotLight[4] = {RedL, BlueL, GreenL, GoldL};
inline constexpr uint8_t SlotDark[4] = {RedD, BlueD, GreenD, GoldD};

// The legend of every template in the kit.
const art::Legend& Legend();

enum class Face { Normal, Hurt, Effort, Shout };

// A 14x14 head facing left, top-left at (x, y).
void DrawHead(art::Canvas& c, int slot, int x, int y, Face face = Face::Normal, bool mirror = false);

// Limb endpoints as offsets from the shoulder / hip; facing left, x grows to the back.
struct Pose {
  int nearHand[2] = {-2, 7}, backHand[2] = {2, 7};
  int nearFoot[2] = {-1, 9}, backFoot[2] = {1, 9};
  int headDx = 0, headDy = 0;  // head offset (leaning forward is negative x)
  int bodyDx = 0, bodyDy = 0;  // whole body offset
  Face face = Face::Normal;
  int balloons = 2;            // 2, 1 or 0
  bool pop = false;            // burst where a balloon just went
  bool fist = false;           // near hand as a fist
  int aura = -1;               // colour of a second outline ring, or -1
  int wind = 0;                // scarf/plume/tail flutter phase 0..1
};

// Draws one 32x64 fighter cell facing left with its top-left at (x, y) of c.
void DrawFighter(art::Canvas& c, int x, int y, int slot, const Pose& p);

// The white-flash version of a picture area: every colour but the key and the outline
// becomes white, dark shades light grey.
void WhiteFlash(art::Canvas& c, art::Rect r);

// Standard poses.
Pose Stand(int balloons);
Pose Walk(int balloons, int frame);
Pose Flap(int balloons, int frame);
Pose Glide(int balloons);

}  // namespace kit
