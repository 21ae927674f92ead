// CHR_2: the match HUD and messages: life icons, panel labels, gauge, out mark, banners,
// win marks, pause picture and the entry marks.
#include <functional>
#include <string>
#include <vector>

#include "fighter_kit.h"
#include "font.h"
#include "picture.h"

namespace {

using art::Canvas;
using art::Rect;

// Big banner lettering: light face, darker lower half, black outline and drop shadow.
void BannerText(Canvas& c, Rect r, const std::string& text, int scale, uint8_t face, uint8_t shade, int dy = 0) {
  int h = art::kFontHeight * scale;
  int y = r.y + (r.h - h) / 2 + dy;
  art::DrawTextCentred(c, r.x + r.w / 2 + 1, y + 2, text, kit::Ink, {.scale = scale});
  art::DrawTextCentred(c, r.x + r.w / 2, y, text, face, {.scale = scale, .outline = kit::Ink, .shade = shade});
}

// A ribbon behind banner text: dark body, light rims, notched ends.
void Ribbon(Canvas& c, Rect r, uint8_t body, uint8_t rim) {
  const int notch = r.h / 3;
  for (int y = 0; y < r.h; ++y) {
    int inset = std::abs(y - r.h / 2) < notch / 2 ? 0 : 0;
    c.HLine(r.x + inset, r.x + r.w - 1 - inset, r.y + y, body);
  }
  c.HLine(r.x, r.x + r.w - 1, r.y, kit::Ink);
  c.HLine(r.x, r.x + r.w - 1, r.y + r.h - 1, kit::Ink);
  c.HLine(r.x + 1, r.x + r.w - 2, r.y + 1, rim);
  c.HLine(r.x + 1, r.x + r.w - 2, r.y + r.h - 2, rim);
  c.HLine(r.x + 1, r.x + r.w - 2, r.y + 2, kit::White);
  // Swallow-tail notches at both ends.
  for (int y = 0; y < r.h; ++y) {
    int d = notch - std::abs(y - r.h / 2) * notch * 2 / r.h;
    for (int x = 0; x < d; ++x) {
      c.Set(r.x + x, r.y + y, kit::Key);
      c.Set(r.x + r.w - 1 - x, r.y + y, kit::Key);
    }
  }
  c.SetClip(r);
  c.Outline(r, kit::Key, kit::Ink);
  c.ResetClip();
}

const std::vector<std::string> kStar = {
    "......k......",
    ".....kak.....",
    ".....kak.....",
    "....kawak....",
    "kkkkaawaakkkk",
    "kaaaaawaaaaak",
    ".kaaaaaaaaak.",
    "..kaaaaaaak..",
    "..kaaaAaaak..",
    ".kaaaAkAaaak.",
    ".kaaAk.kAaak.",
    "kaAkk...kkAak",
    "kkk.......kkk",
};

void Star(Canvas& c, int x, int y, int slot) {
  art::Legend l = kit::Legend().With({{'a', kit::SlotLight[slot]}, {'A', kit::SlotDark[slot]}});
  art::Stamp(c, art::ParseSprite(kStar, l, "win star"), x, y);
}

struct Entry {
  art::Cell cell;
  std::function<void(Canvas&, Rect)> draw;
};

std::vector<Entry> BuildEntries() {
  std::vector<Entry> e;
  auto add = [&](Rect r, std::string m, std::function<void(Canvas&, Rect)> f, std::string shared = "") {
    e.push_back({{"CHR_2", r, std::move(m), std::move(shared)}, std::move(f)});
  };
  for (int s = 0; s < 4; ++s) {
    add({32 * s, 0, 32, 32}, "life icon of slot " + std::to_string(s), [s](Canvas& c, Rect r) {
      // Shown 20 pixels apart from y -5: the head sits in rows 6..19.
      kit::DrawHead(c, s, r.x + 3, r.y + 6);
    });
    add({128 + 64 * s, 0, 64, 32}, "panel label " + std::to_string(s + 1) + "P", [s](Canvas& c, Rect r) {
      std::string t = std::to_string(s + 1) + "P";
      art::DrawText(c, r.x + 3, r.y + 7, t, kit::Ink, {.scale = 2});
      art::DrawText(c, r.x + 2, r.y + 6, t, kit::SlotLight[s], {.scale = 2, .outline = kit::Ink, .shade = kit::SlotDark[s]});
    });
    add({32 * s, 448, 32, 32}, "win mark of slot " + std::to_string(s), [s](Canvas& c, Rect r) {
      // Marks stand 20 apart in rows 15 apart: the star fills the top-left 13x13.
      Star(c, r.x + 2, r.y + 1, s);
    });
  }
  add({384, 0, 106, 18}, "gauge frame (opaque)", [](Canvas& c, Rect r) {
    c.Fill(r, kit::Ink);
    c.Frame({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kit::Steel);
    c.HLine(r.x + 1, r.x + r.w - 2, r.y + 1, kit::White);
    c.Fill({r.x + 3, r.y + 3, 100, 12}, kit::BlueD);
    for (int x = 10; x < 100; x += 10) c.VLine(r.x + 3 + x, r.y + 3, r.y + 14, kit::Ink);
  });
  add({384, 18, 100, 12}, "gauge fill (opaque, drawn as wide as the gauge)", [](Canvas& c, Rect r) {
    c.GradientList(r, {kit::RedD, kit::RedL, kit::GoldD, kit::GoldL, kit::White}, false);
    c.HLine(r.x, r.x + r.w - 1, r.y + 1, kit::White);
    c.HLine(r.x, r.x + r.w - 1, r.y + r.h - 1, kit::RedD);
  });
  add({0, 96, 128, 32}, "out mark", [](Canvas& c, Rect r) {
    art::DrawText(c, r.x + 22, r.y + 7, "OUT", kit::Ink, {.scale = 2});
    art::DrawText(c, r.x + 21, r.y + 6, "OUT", kit::Steel, {.scale = 2, .outline = kit::Ink, .shade = kit::BlueD});
    c.ThickLine(r.x + 4, r.y + 8, r.x + 14, r.y + 18, 1, kit::RedL);
    c.ThickLine(r.x + 14, r.y + 8, r.x + 4, r.y + 18, 1, kit::RedL);
    c.SetClip({r.x, r.y, 20, 28});
    c.Outline({r.x, r.y, 20, 28}, kit::Key, kit::Ink);
    c.ResetClip();
  });
  add({420, 416, 80, 32}, "panel of the special opponent", [](Canvas& c, Rect r) {
    art::DrawText(c, r.x + 2, r.y + 7, "JESTER", kit::Ink, {.scale = 2});
    art::DrawText(c, r.x + 1, r.y + 6, "JESTER", kit::White, {.scale = 2, .outline = kit::Ink, .shade = kit::Steel});
  });
  add({180, 335, 300, 52}, "stage banner, course stages 1 to 7", [](Canvas& c, Rect r) {
    Ribbon(c, r, kit::BlueD, kit::BlueL);
    BannerText(c, r, "STAGE START", 4, kit::GoldL, kit::GoldD);
  });
  add({0, 335, 180, 52}, "stage banner, course stage 8", [](Canvas& c, Rect r) {
    Ribbon(c, r, kit::RedD, kit::RedL);
    BannerText(c, r, "FINAL", 5, kit::White, kit::GoldL);
  });
  add({0, 388, 400, 51}, "stage banner, course stages 9 and later", [](Canvas& c, Rect r) {
    Ribbon(c, r, kit::GreenD, kit::GreenL);
    BannerText(c, r, "EXTRA STAGE", 5, kit::GoldL, kit::GoldD);
  });
  add({0, 160, 256, 64}, "versus banner: rising piece", [](Canvas& c, Rect r) {
    BannerText(c, r, "GAME SET", 5, kit::GoldL, kit::RedL);
  });
  add({0, 32, 128, 64}, "versus banner: left piece", [](Canvas& c, Rect r) {
    BannerText(c, r, "WINNER", 3, kit::White, kit::Cyan);
  });
  const Rect winner[4] = {{128, 32, 192, 64}, {320, 32, 192, 64}, {128, 96, 192, 64}, {320, 96, 192, 64}};
  for (int s = 0; s < 4; ++s)
    add(winner[s], "versus banner: winner piece of slot " + std::to_string(s), [s](Canvas& c, Rect r) {
      Canvas head(14, 14, kit::Key);
      kit::DrawHead(head, s, 0, 0);
      for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x)
          if (head.Get(x, y) != kit::Key) c.Fill({r.x + 6 + 3 * x, r.y + 11 + 3 * y, 3, 3}, head.Get(x, y));
      Rect t{r.x + 50, r.y, r.w - 50, r.h};
      BannerText(c, t, std::to_string(s + 1) + "P", 6, kit::SlotLight[s], kit::SlotDark[s]);
    });
  add({256, 160, 256, 64}, "versus banner: draw piece", [](Canvas& c, Rect r) {
    BannerText(c, r, "DRAW GAME", 4, kit::Steel, kit::BlueL);
  });
  add({0, 224, 400, 64}, "course banner: the player lost", [](Canvas& c, Rect r) {
    BannerText(c, {r.x, r.y, r.w, r.h - 1}, "GAME OVER", 6, kit::RedL, kit::RedD);
  }, "its bottom row is the cleared banner's top row; both leave that row empty");
  add({0, 287, 444, 48}, "course banner: stage cleared", [](Canvas& c, Rect r) {
    BannerText(c, {r.x, r.y + 1, r.w, r.h - 1}, "STAGE CLEAR!", 5, kit::GoldL, kit::GoldD);
  });
  add({128, 448, 291, 72}, "pause picture", [](Canvas& c, Rect r) {
    Rect p{r.x + 4, r.y + 4, r.w - 8, r.h - 8};
    c.Fill(p, kit::BlueD);
    c.Frame(p, kit::Ink);
    c.Frame({p.x + 1, p.y + 1, p.w - 2, p.h - 2}, kit::BlueL);
    c.Frame({p.x + 2, p.y + 2, p.w - 4, p.h - 4}, kit::White);
    BannerText(c, r, "PAUSE", 6, kit::White, kit::Cyan);
  });
  // Entry marks: slots 0, 1, 3, 2 from the top.
  const int entryY[4] = {0, 64, 192, 128};
  for (int s = 0; s < 4; ++s)
    add({512, entryY[s], 64, 64}, "entry mark of slot " + std::to_string(s), [s](Canvas& c, Rect r) {
      c.FillCircle(r.x + 31, r.y + 31, 29, kit::SlotDark[s]);
      c.FillCircle(r.x + 31, r.y + 31, 26, kit::SlotLight[s]);
      Canvas head(14, 14, kit::Key);
      kit::DrawHead(head, s, 0, 0);
      for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x)
          if (head.Get(x, y) != kit::Key) c.Fill({r.x + 18 + 2 * x, r.y + 6 + 2 * y, 2, 2}, head.Get(x, y));
      art::DrawTextCentred(c, r.x + 32, r.y + 40, "OK!", kit::White, {.scale = 2, .outline = kit::Ink});
      c.SetClip(r);
      c.Outline(r, kit::Key, kit::Ink);
      c.ResetClip();
    });
  return e;
}

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> e = BuildEntries();
  return e;
}

void DrawCHR2(Canvas& c) {
  for (const Entry& en : Entries())
    if (en.draw) {
      c.SetClip(en.cell.r);
      en.draw(c, en.cell.r);
      c.ResetClip();
    }
}

std::vector<art::Cell> CellList() {
  std::vector<art::Cell> v;
  for (const Entry& en : Entries()) v.push_back(en.cell);
  return v;
}

const bool kPicture = art::RegisterPicture({"CHR_2", 576, 520, 4, pal::KeyChar, &DrawCHR2});
const bool kCells = art::RegisterCells(CellList());

}  // namespace
