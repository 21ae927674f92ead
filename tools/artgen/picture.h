// How a picture is declared, the registry of pictures and cells, and the BMP writer.
//
// Each scene file registers its own pictures and cells with static objects:
//
//   static void DrawCoin(art::Canvas& c) { ... }
//   static const bool kCoin = art::RegisterPicture({"Coin", 96, 32, 4, pal::KeyChar, &DrawCoin});
//   static const bool kCoinCells = art::RegisterCells({
//       {"Coin", {0, 0, 32, 32}, "coin spin frame 0"}, ...});
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

namespace art {

using DrawFn = void (*)(Canvas&);

struct Picture {
  std::string name;  // picture name as the game knows it; array members add their index: "READY0"
  int w = 0, h = 0;
  int bits = 8;      // 1, 4 or 8
  uint8_t key = pal::KeyChar;  // colour key; the canvas starts filled with it and (0,0) must keep it
  DrawFn draw = nullptr;
};

// One rectangle the game draws from a picture, and what it shows there.
struct Cell {
  std::string picture;
  Rect r;
  std::string meaning;  // e.g. "slot 2, flap 1, one balloon, facing right"
  // Non-empty when the cell overlaps other cells on purpose (says why); the overlap check skips it.
  std::string shared = {};
};

bool RegisterPicture(Picture p);
bool RegisterCells(std::vector<Cell> cells);

// All pictures, sorted by name; all cells, in registration order within each file.
const std::vector<Picture>& Pictures();
const std::vector<Cell>& Cells();
const Picture* FindPicture(const std::string& name);
std::vector<Cell> CellsOf(const std::string& picture);
// The cell with exactly this meaning; throws std::runtime_error if there is none.
const Cell& CellNamed(const std::string& picture, const std::string& meaning);

// Pairs of cells of one picture that overlap although their meanings differ and neither is
// marked shared.
struct Overlap {
  Cell a, b;
};
std::vector<Overlap> FindOverlaps();

// Draws the picture: a canvas of its size filled with its key, then its draw function.
// Throws std::runtime_error if the top-left pixel is not the key afterwards.
Canvas Render(const Picture& p);

// The picture as a Windows bitmap file (BITMAPFILEHEADER + 40-byte BITMAPINFOHEADER, bottom-up).
// 8 bits: the colour table is the whole game palette, pixel = palette index. 4 and 1 bits: the
// table holds the (at most 16 / 2) palette entries the picture uses. Throws std::runtime_error
// naming the picture when it uses too many colours for its depth.
std::vector<uint8_t> EncodeBmp(const Canvas& c, int bits, const std::string& name);

// The palette file: an 8-bit 16x16 bitmap whose colour table is the game palette.
std::vector<uint8_t> EncodePaletteBmp();

// Decodes a bitmap written by EncodeBmp back to palette indices (nearest entries); for tests
// and previews. Returns false on malformed input.
bool DecodeBmp(const std::vector<uint8_t>& bmp, Canvas& out, int* bits = nullptr);

}  // namespace art
