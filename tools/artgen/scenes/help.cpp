// HELP: the help page of the options (both key layouts, mouse and joystick, how to enter, how
// to play, the super move), and Brabou: the entry screen.
#include "picture.h"
#include "scene_util.h"

namespace scenes {
namespace {

using art::Canvas;
using art::Rect;
namespace P = pal;

constexpr uint8_t kKey = P::Magenta;
const pal::Ramp kSlot[4] = {P::Scarlet, P::Blue, P::Green, P::Gold};

// A key cap with its label; returns the x after it.
int KeyCap(Canvas& c, int x, int y, const std::string& label) {
  int w = art::TextWidth(label) + 7;
  c.Fill({x, y, w, 13}, P::Black);
  c.Fill({x + 1, y, w - 2, 12}, P::Ice[5]);
  c.Fill({x + 1, y, w - 2, 10}, P::White);
  art::DrawText(c, x + 4, y + 2, label, P::Navy[1]);
  return x + w + 2;
}

// A line of key caps and words: "[X]" makes a cap, anything else is plain text.
void KeyLine(Canvas& c, int x, int y, const std::string& s, uint8_t text = P::White) {
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '[') {
      size_t j = s.find(']', i);
      x = KeyCap(c, x, y, s.substr(i + 1, j - i - 1));
      i = j + 1;
    } else {
      size_t j = s.find('[', i);
      if (j == std::string::npos) j = s.size();
      std::string word = s.substr(i, j - i);
      art::DrawText(c, x, y + 3, word, text, {1, P::Black});
      x += art::TextWidth(word) + 2;
      i = j;
    }
  }
}

void Heading(Canvas& c, int x, int y, const std::string& s) {
  Caption(c, x, y, s, 2, P::Yellow[7], P::Orange[4], P::Black);
}

void Box(Canvas& c, Rect r) { Panel(c, r, P::Black, P::Navy[2], P::Navy[3], P::Navy[1]); }

void SlotTag(Canvas& c, int x, int y, int slot) {
  Panel(c, {x, y, 26, 15}, P::Black, kSlot[slot][5], kSlot[slot][5], kSlot[slot][5]);
  art::DrawText(c, x + 7, y + 4, std::to_string(slot + 1) + "P", P::White, {1, P::Black});
}

void DrawHelp(Canvas& c) {
  c.Clear(P::Navy[1]);
  for (int y = 0; y < 480; y += 2)
    for (int x = (y / 2 % 2) * 4 + 2; x < 640; x += 8) c.Set(x, y, P::Navy[0]);
  CaptionCentred(c, 320, 8, "HOW TO PLAY", 3, P::Yellow[7], P::Orange[4], P::Black);

  // How to play.
  Box(c, {8, 38, 306, 118});
  Heading(c, 18, 46, "FLY AND POP");
  art::DrawText(c, 18, 66,
                "FLAP TO RISE, STEER LEFT AND RIGHT.\n"
                "LAND ON A RIVAL FROM ABOVE TO POP ONE\n  OF THE TWO BALLOONS.\n"
                "LOSE YOUR LAST BALLOON AND YOU FALL:\n"
                "THAT COSTS A LIFE.\n"
                "MIND THE UNDERSIDE OF FLOATING ROCKS\n"
                "AND DO NOT SINK INTO THE SEA.\n"
                "THE LAST ONE FLYING WINS!",
                P::White, {1, P::Black});
  Balloon(c, 290, 58, 7, P::Black, P::Scarlet[5], P::White, P::Grey[5], 8);
  Balloon(c, 302, 62, 7, P::Black, P::Blue[5], P::White, P::Grey[5], 6);

  // Super move.
  Box(c, {326, 38, 306, 118});
  Heading(c, 336, 46, "SUPER MOVE");
  art::DrawText(c, 336, 66, "FLAPPING FILLS YOUR GAUGE. WHEN IT\nIS FULL, LET RIP:", P::White, {1, P::Black});
  KeyLine(c, 336, 88, "KEYS  [\x01] + [FLAP]");
  KeyLine(c, 336, 104, "MOUSE  [RIGHT BUTTON]");
  KeyLine(c, 336, 120, "JOYSTICK  [\x01] + [BUTTON 1]");
  art::DrawText(c, 336, 140, "WHICH MOVE YOU GET IS PICKED AT ENTRY.", P::Cyan[6], {1, P::Black});

  // Controls.
  Box(c, {8, 162, 624, 190});
  Heading(c, 18, 170, "CONTROLS");
  art::DrawText(c, 150, 175, "MOVE", P::Cyan[6], {1, P::Black});
  art::DrawText(c, 330, 175, "FLAP", P::Cyan[6], {1, P::Black});
  art::DrawText(c, 440, 175, "SECOND BUTTON", P::Cyan[6], {1, P::Black});
  struct Row {
    int slot;
    const char* layout;
    const char* move;
    const char* flap;
    const char* second;
  };
  const Row rows[] = {
      {0, "LAYOUT 1", "[\x01][\x03][\x04][\x02] UP LEFT RIGHT DOWN", "[/]", "[KEY LEFT OF Z]"},
      {1, "LAYOUT 1", "[W][A][D][X] UP LEFT RIGHT DOWN", "[C]", "[V]"},
      {0, "LAYOUT 2", "[\x01][\x03][\x04][\x02] UP LEFT RIGHT DOWN", "[PAD 1]", "[PAD 2]"},
      {1, "LAYOUT 2", "[A][Q][Z][1] UP LEFT RIGHT DOWN", "[X]", "[C]"},
      {2, "MOUSE", "MOVE AWAY FROM THE MIDDLE", "[LEFT]", "[RIGHT]"},
      {3, "JOYSTICK", "THE STICK", "[BUTTON 1]", "[BUTTON 2]"},
  };
  for (int i = 0; i < 6; ++i) {
    int y = 190 + i * 25;
    SlotTag(c, 18, y, rows[i].slot);
    art::DrawText(c, 50, y + 4, rows[i].layout, P::Ice[5], {1, P::Black});
    KeyLine(c, 150, y + 1, rows[i].move);
    KeyLine(c, 330, y + 1, rows[i].flap);
    KeyLine(c, 440, y + 1, rows[i].second);
  }
  art::DrawText(c, 18, 340, "PICK THE LAYOUT UNDER KEYS IN THE OPTIONS. FOUR PLAYERS NEED LAYOUT 1.", P::Cyan[6],
                {1, P::Black});

  // Entering and the match keys.
  Box(c, {8, 358, 624, 96});
  Heading(c, 18, 366, "JOINING IN");
  art::DrawText(c, 18, 386,
                "ON THE ENTRY SCREEN EACH PLAYER PRESSES A DIRECTION OR A BUTTON, OR TWO AT ONCE.\n"
                "WHAT YOU PRESS PICKS YOUR SUPER MOVE (THE ENTRY SCREEN LISTS THEM).\n"
                "THE MOUSE PLAYER MOVES OR CLICKS, THE JOYSTICK PLAYER PUSHES OR PRESSES.",
                P::White, {1, P::Black});
  KeyLine(c, 18, 420, "IN A MATCH  [PAUSE] OR [ENTER]  PAUSE     [ESC]  GIVE UP THE ROUND");
  KeyLine(c, 18, 436, "ON THE MENUS  [ESC]  BACK", P::White);
  CaptionCentred(c, 320, 460, "FLAP OR ENTER: BACK TO THE OPTIONS", 1, P::Yellow[7], P::Yellow[7], P::Black);
}

// ---- Brabou: the entry screen ----

struct Entry {
  const char* input;
  const char* move;
};
constexpr Entry kEntries[11] = {
    {"[\x01]", "SKY QUAKE"},         {"[\x03]", "ROCKET DASH"},       {"[\x04]", "ENERGY WALL"},
    {"[\x02]", "BEAM CANNON"},       {"[A]", "RUSH COMBO"},           {"[B]", "PHANTOM DIVE"},
    {"[\x02]+[A]", "COMET CHARGE"},  {"[\x01]+[B]", "STORM PUNCH"},   {"[A]+[B]", "METEOR DROP"},
    {"[\x04]+[A]", "SKY LANCE"},     {"[\x03]+[B]", "BALLOON CURSE"},
};

void DrawEntry(Canvas& c) {
  Panel(c, {110, 6, 420, 34}, P::Black, P::Navy[2], P::Navy[3], P::Navy[1]);
  CaptionCentred(c, 320, 13, "ENTRY", 3, P::Yellow[7], P::Orange[4], P::Black);
  // The move chart.
  Panel(c, {8, 46, 624, 172}, P::Black, P::Navy[2], P::Navy[3], P::Navy[1]);
  CaptionCentred(c, 320, 54, "PRESS TO JOIN - WHAT YOU PRESS IS YOUR SUPER MOVE", 1, P::White, P::White, P::Black);
  art::DrawTextCentred(c, 320, 66, "A = FLAP   B = SECOND BUTTON   (MOUSE: LEFT / RIGHT BUTTON)", P::Cyan[6],
                       {1, P::Black});
  for (int i = 0; i < 11; ++i) {
    int col = i < 6 ? 0 : 1, row = i < 6 ? i : i - 6;
    int x = 60 + col * 300, y = 84 + row * 22;
    const bool combo = std::string(kEntries[i].input).find('+') != std::string::npos;
    KeyLine(c, x + (combo ? 15 : 36), y, kEntries[i].input);
    art::DrawText(c, x + 58, y + 1, kEntries[i].move, P::Yellow[7], {2, -1, P::Black, P::Orange[4]});
  }
  // One row per fighter; its mark appears in the box on the right when it has entered.
  const char* device[4] = {"KEYBOARD, FIRST KEY SET", "KEYBOARD, SECOND KEY SET", "MOUSE", "JOYSTICK"};
  for (int s = 0; s < 4; ++s) {
    int y = 224 + s * 64;
    Panel(c, {8, y + 4, 560, 56}, P::Black, P::Navy[2], P::Navy[3], P::Navy[1]);
    c.Fill({16, y + 10, 64, 44}, kSlot[s][5]);
    c.Frame({16, y + 10, 64, 44}, P::Black);
    CaptionCentred(c, 48, y + 19, std::to_string(s + 1) + "P", 3, P::White, P::Ice[5], P::Black);
    art::DrawText(c, 94, y + 14, device[s], P::White, {2, -1, P::Black, P::Ice[5]});
    art::DrawText(c, 94, y + 38, s == 0 ? "ALSO PLAYS THE COMPUTER COURSE" : "JOINS A BATTLE", P::Cyan[6],
                  {1, P::Black});
    // The empty place of the entry mark (573..636).
    Panel(c, {570, y + 1, 70, 62}, P::Black, P::Navy[1], P::Navy[1], P::Navy[3]);
    art::DrawTextCentred(c, 605, y + 28, "READY?", P::Navy[4]);

  }
}

const bool kPictures = [] {
  art::RegisterPicture({"HELP", 640, 480, 4, P::Navy[1], &DrawHelp});
  art::RegisterPicture({"Brabou", 640, 480, 4, kKey, &DrawEntry});
  return true;
}();

const bool kCells = art::RegisterCells({
    {"HELP", {0, 0, 640, 480}, "help page"},
    {"Brabou", {0, 0, 640, 480}, "entry screen; entry marks land at x 573, rows 224, 288, 352, 416 (fighters 0, 1, 2, 3)"},
});

}  // namespace
}  // namespace scenes
