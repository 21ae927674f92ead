// The title screen: backdrop with the main menu, five frames of the animated logo, the menu
// cursor, the player-count panel and the mode-choice panel.
#include <cmath>

#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

constexpr uint8_t kKey = P::Magenta;
constexpr uint8_t kText = P::Yellow[7], kTextShade = P::Orange[4], kSub = P::Cyan[6];

void MenuPanel(Canvas& c, Rect r) {
  Panel(c, r, P::Black, P::Navy[2], P::Navy[4], P::Navy[1]);
  Panel(c, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, P::Navy[1], P::Navy[2], P::Navy[2], P::Navy[2]);
}

// A menu line whose cursor row (the top of the 32-pixel cursor) is y.
void MenuLine(Canvas& c, int x, int y, const std::string& label, const std::string& sub = "") {
  Caption(c, x, y + (sub.empty() ? 9 : 4), label, 2, kText, kTextShade, P::Black);
  if (!sub.empty()) art::DrawText(c, x + 2, y + 22, sub, kSub, {1, P::Black});
}

void Hint(Canvas& c, int cx, int y) {
  art::DrawTextCentred(c, cx, y, "UP/DOWN: CHOOSE   FLAP OR ENTER: OK   ESC: BACK", P::Ice[5]);
}

// ---- TitleBMP 0: backdrop with the main menu ----

void CloudPuff(Canvas& c, int x, int y, int w) {
  for (int i = 0; i < w / 12; ++i) {
    int r = 7 + (i % 2) * 3;
    c.FillCircle(x + 6 + i * 12, y - (i % 2) * 3, r, P::Ice[5]);
  }
  for (int i = 0; i < w / 12; ++i) {
    int r = 6 + (i % 2) * 3;
    c.FillCircle(x + 5 + i * 12, y - 2 - (i % 2) * 3, r, P::White);
  }
  c.Fill({x - 4, y + 6, w + 12, 8}, kKey);
}

void DrawBackdrop(Canvas& c) {
  // Rolling hills along the bottom.
  for (int x = 0; x < 640; ++x) {
    int far = 430 + int(10 * std::sin(x / 53.0) + 6 * std::sin(x / 23.0 + 1));
    int near = 452 + int(8 * std::sin(x / 71.0 + 2) + 4 * std::sin(x / 31.0));
    for (int y = far; y < 480; ++y) c.Set(x, y, y == far ? P::Green[4] : P::Green[2]);
    for (int y = near; y < 480; ++y) c.Set(x, y, y == near ? P::Green[6] : P::Green[4]);
    if (Noise(x, 0, 9) == 0) c.Set(x, near - 1, P::Green[6]);
  }
  CloudPuff(c, 20, 300, 84);
  CloudPuff(c, 545, 200, 72);
  CloudPuff(c, 392, 262, 60);
  CloudPuff(c, 10, 180, 48);
  // The main menu.
  MenuPanel(c, {178, 296, 294, 168});
  MenuLine(c, 235, 310, "COMPUTER COURSE", "ONE PLAYER AGAINST THE CPU");
  MenuLine(c, 235, 363, "BATTLE", "TWO TO FOUR PLAYERS");
  MenuLine(c, 235, 413, "OPTIONS", "RULES, SPEED, MUSIC, KEYS, HELP");
  art::DrawTextCentred(c, 320, 468, "(C) TAMBERLYN", P::Green[7], {1, P::Green[1]});
}

// ---- TitleBMP 1..5: the logo, five frames of one loop ----

constexpr const char* kName = "AEROTUSSLE";
constexpr int kScale = 8, kLogoX = 44, kLogoY = 104;

void DrawLogo(Canvas& c, int frame) {
  const int w = BigWidth(kName, kScale);
  // Balloons tied to the first and last letters, bobbing out of step.
  const double t = frame * 2.0 * M_PI / 5.0;
  const int bobL = int(std::lround(3 * std::sin(t))), bobR = int(std::lround(3 * std::sin(t + 2.0)));
  c.Line(kLogoX + 20, kLogoY - 2, kLogoX + 2, 62 + bobL, P::Grey[5]);
  c.Line(kLogoX + 24, kLogoY - 2, kLogoX + 44, 56 + bobL, P::Grey[5]);
  c.Line(kLogoX + w - 28, kLogoY - 2, kLogoX + w - 36, 60 + bobR, P::Grey[5]);
  Balloon(c, kLogoX + 2, 36 + bobL, 17, P::Scarlet[2], P::Scarlet[5], P::White, P::Grey[5], 0);
  Balloon(c, kLogoX + 44, 30 + bobL, 15, P::Blue[2], P::Blue[5], P::White, P::Grey[5], 0);
  Balloon(c, kLogoX + w - 36, 34 + bobR, 17, P::Scarlet[2], P::Scarlet[5], P::White, P::Grey[5], 0);
  BigStyle st{kScale, P::Yellow[7], P::Yellow[5], P::Orange[4], P::White, P::Orange[1], P::Wine[1], 7, 3,
              kLogoX - 60 + frame * (w + 120) / 5};
  BigLetters(c, kLogoX, kLogoY, kName, st);
  CaptionCentred(c, 280, 196, "A SKY SCRAP FOR 1 TO 4 PLAYERS", 2, kSub, P::Cyan[4], P::Black);
}

template <int N>
void DrawLogoFrame(Canvas& c) {
  DrawLogo(c, N - 1);
}

// ---- TitleBMP 6: the menu cursor ----

void DrawCursor(Canvas& c) {
  for (int y = 4; y < 28; ++y) {
    int half = y <= 16 ? y - 4 : 27 - y;
    for (int x = 6; x <= 6 + half * 2 && x < 30; ++x) {
      uint8_t col = y < 12 ? P::Yellow[7] : y < 20 ? P::Yellow[5] : P::Orange[4];
      if (x == 6) col = P::Orange[4];
      c.Set(x, y, col);
    }
  }
  c.Outline({0, 0, 32, 32}, kKey, P::Black, true);
  c.Set(9, 8, P::White);
  c.Set(9, 9, P::White);
  c.Set(10, 9, P::White);
}

// ---- TitleBMP 7: player count ----

void Heads(Canvas& c, int x, int y, int n) {
  const pal::Ramp slot[4] = {P::Scarlet, P::Blue, P::Green, P::Gold};
  for (int i = 0; i < n; ++i) Balloon(c, x + i * 18, y, 6, P::Black, slot[i][4], P::White, P::Grey[5], 6);
}

void DrawPlayerCount(Canvas& c) {
  MenuPanel(c, {0, 0, 309, 195});
  Caption(c, 14, 14, "HOW MANY PLAYERS?", 2, P::White, P::Ice[5], P::Black);
  MenuLine(c, 14, 55, "2 PLAYERS", "TWO ON THE KEYBOARD");
  MenuLine(c, 14, 108, "3 PLAYERS", "PLUS THE MOUSE");
  MenuLine(c, 14, 158, "4 PLAYERS", "PLUS A JOYSTICK");
  Heads(c, 148, 66, 2);
  Heads(c, 148, 119, 3);
  Heads(c, 148, 169, 4);
}

// ---- VS_Coin: mode choice ----

void Coin(Canvas& c, int cx, int cy) {
  c.FillEllipse(cx, cy, 10, 11, P::Black);
  c.FillEllipse(cx - 1, cy, 9, 10, P::Gold[4]);
  c.FillEllipse(cx - 1, cy, 6, 7, P::Gold[6]);
  c.Fill({cx - 2, cy - 4, 2, 9}, P::Orange[4]);
  c.Set(cx - 5, cy - 6, P::White);
}

void DrawModeChoice(Canvas& c) {
  MenuPanel(c, {0, 0, 420, 195});
  Caption(c, 20, 14, "CHOOSE A BATTLE", 2, P::White, P::Ice[5], P::Black);
  MenuLine(c, 20, 60, "VERSUS BATTLE", "THE LAST ONE FLYING WINS");
  MenuLine(c, 20, 113, "COIN BATTLE", "FIRST TO GRAB ENOUGH COINS WINS");
  Balloon(c, 322, 72, 8, P::Black, P::Scarlet[4], P::White, P::Grey[5], 8);
  Balloon(c, 344, 70, 8, P::Black, P::Blue[4], P::White, P::Grey[5], 10);
  Coin(c, 322, 128);
  Coin(c, 346, 124);
  Hint(c, 210, 176);
}

const bool kPictures = [] {
  art::RegisterPicture({"TitleBMP0", 640, 480, 4, kKey, &DrawBackdrop});
  art::RegisterPicture({"TitleBMP1", 560, 291, 4, kKey, &DrawLogoFrame<1>});
  art::RegisterPicture({"TitleBMP2", 560, 291, 4, kKey, &DrawLogoFrame<2>});
  art::RegisterPicture({"TitleBMP3", 560, 291, 4, kKey, &DrawLogoFrame<3>});
  art::RegisterPicture({"TitleBMP4", 560, 291, 4, kKey, &DrawLogoFrame<4>});
  art::RegisterPicture({"TitleBMP5", 560, 291, 4, kKey, &DrawLogoFrame<5>});
  art::RegisterPicture({"TitleBMP6", 32, 32, 4, kKey, &DrawCursor});
  art::RegisterPicture({"TitleBMP7", 309, 200, 4, kKey, &DrawPlayerCount});
  art::RegisterPicture({"VS_Coin", 456, 200, 4, kKey, &DrawModeChoice});
  return true;
}();

const bool kCells = art::RegisterCells({
    {"TitleBMP0", {0, 0, 640, 480}, "title backdrop with the main menu (rows 310, 363, 413)"},
    {"TitleBMP1", {0, 0, 560, 291}, "logo frame 1"},
    {"TitleBMP2", {0, 0, 560, 291}, "logo frame 2"},
    {"TitleBMP3", {0, 0, 560, 291}, "logo frame 3"},
    {"TitleBMP4", {0, 0, 560, 291}, "logo frame 4"},
    {"TitleBMP5", {0, 0, 560, 291}, "logo frame 5"},
    {"TitleBMP6", {0, 0, 32, 32}, "menu cursor"},
    {"TitleBMP7", {0, 0, 309, 195}, "player-count panel (2, 3, 4 players at panel rows 55, 108, 158)"},
    {"VS_Coin", {0, 0, 420, 195}, "mode-choice panel (versus at panel row 60, coin battle at 113)"},
});

}  // namespace
}  // namespace scenes
