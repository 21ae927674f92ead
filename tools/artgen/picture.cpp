#include "picture.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

namespace art {
namespace {

std::vector<Picture>& PictureList() {
  static std::vector<Picture> list;
  return list;
}
std::vector<Cell>& CellList() {
  static std::vector<Cell> list;
  return list;
}

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Get16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

std::vector<uint8_t> WriteBmp(int w, int h, int bits, const std::vector<uint8_t>& table,
                              const std::vector<uint8_t>& indices) {
  const uint32_t stride = ((uint32_t(w) * bits + 31) / 32) * 4;
  const uint32_t colours = uint32_t(table.size());
  const uint32_t offset = 14 + 40 + colours * 4;
  const uint32_t imageSize = stride * uint32_t(h);
  std::vector<uint8_t> b;
  b.reserve(offset + imageSize);
  b.push_back('B');
  b.push_back('M');
  Put32(b, offset + imageSize);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, uint32_t(w));
  Put32(b, uint32_t(h));
  Put16(b, 1);
  Put16(b, uint16_t(bits));
  Put32(b, 0);  // BI_RGB
  Put32(b, imageSize);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, colours);
  Put32(b, 0);
  const auto& p = pal::Colours();
  for (uint8_t i : table) {
    b.push_back(p[i].b);
    b.push_back(p[i].g);
    b.push_back(p[i].r);
    b.push_back(0);
  }
  std::vector<uint8_t> row(stride);
  for (int y = h - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < w; ++x) {
      uint8_t v = indices[size_t(y) * w + x];
      if (bits == 8) row[x] = v;
      else if (bits == 4) row[x / 2] |= uint8_t(x % 2 ? v : v << 4);
      else if (v) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

}  // namespace

bool RegisterPicture(Picture p) {
  PictureList().push_back(std::move(p));
  return true;
}

bool RegisterCells(std::vector<Cell> cells) {
  auto& l = CellList();
  l.insert(l.end(), std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
  return true;
}

const std::vector<Picture>& Pictures() {
  auto& l = PictureList();
  std::stable_sort(l.begin(), l.end(), [](const Picture& a, const Picture& b) { return a.name < b.name; });
  return l;
}

const std::vector<Cell>& Cells() { return CellList(); }

const Picture* FindPicture(const std::string& name) {
  for (const auto& p : PictureList())
    if (p.name == name) return &p;
  return nullptr;
}

std::vector<Cell> CellsOf(const std::string& picture) {
  std::vector<Cell> out;
  for (const auto& c : CellList())
    if (c.picture == picture) out.push_back(c);
  return out;
}

const Cell& CellNamed(const std::string& picture, const std::string& meaning) {
  for (const auto& c : CellList())
    if (c.picture == picture && c.meaning == meaning) return c;
  throw std::runtime_error("no cell '" + meaning + "' in picture " + picture);
}

std::vector<Overlap> FindOverlaps() {
  std::vector<Overlap> out;
  const auto& l = CellList();
  for (size_t i = 0; i < l.size(); ++i)
    for (size_t j = i + 1; j < l.size(); ++j) {
      const Cell& a = l[i];
      const Cell& b = l[j];
      if (a.picture != b.picture || a.meaning == b.meaning || !a.shared.empty() || !b.shared.empty()) continue;
      if (a.r.Overlaps(b.r)) out.push_back({a, b});
    }
  return out;
}

Canvas Render(const Picture& p) {
  Canvas c(p.w, p.h, p.key);
  if (p.draw) p.draw(c);
  c.ResetClip();
  if (c.Get(0, 0) != p.key)
    throw std::runtime_error("picture " + p.name + ": top-left pixel is not its key colour");
  return c;
}

std::vector<uint8_t> EncodeBmp(const Canvas& c, int bits, const std::string& name) {
  if (bits == 8) {
    std::vector<uint8_t> table(256);
    for (int i = 0; i < 256; ++i) table[i] = uint8_t(i);
    return WriteBmp(c.w, c.h, 8, table, c.px);
  }
  if (bits != 4 && bits != 1) throw std::runtime_error("picture " + name + ": unsupported depth");
  const size_t limit = bits == 4 ? 16 : 2;
  bool used[256] = {};
  for (uint8_t v : c.px) used[v] = true;
  std::vector<uint8_t> table;
  // The key (top-left) first, so it is entry 0 of the table.
  uint8_t key = c.px.empty() ? 0 : c.px[0];
  table.push_back(key);
  for (int i = 0; i < 256; ++i)
    if (used[i] && i != key) table.push_back(uint8_t(i));
  if (table.size() > limit) {
    std::string list;
    for (uint8_t t : table) list += " " + std::to_string(t);
    throw std::runtime_error("picture " + name + " uses " + std::to_string(table.size()) + " colours, its " +
                             std::to_string(bits) + "-bit depth allows " + std::to_string(limit) +
                             "; palette entries used:" + list);
  }
  uint8_t slot[256] = {};
  for (size_t i = 0; i < table.size(); ++i) slot[table[i]] = uint8_t(i);
  while (table.size() < limit) table.push_back(pal::Black);
  std::vector<uint8_t> idx(c.px.size());
  for (size_t i = 0; i < idx.size(); ++i) idx[i] = slot[c.px[i]];
  return WriteBmp(c.w, c.h, bits, table, idx);
}

std::vector<uint8_t> EncodePaletteBmp() {
  std::vector<uint8_t> table(256), idx(256);
  for (int i = 0; i < 256; ++i) table[i] = idx[i] = uint8_t(i);
  return WriteBmp(16, 16, 8, table, idx);  // entries 0..15 on the top row
}

bool DecodeBmp(const std::vector<uint8_t>& b, Canvas& out, int* bitsOut) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  uint32_t offset = Get32(b, 10), hdr = Get32(b, 14);
  int32_t w = int32_t(Get32(b, 18)), h = int32_t(Get32(b, 22));
  int bits = Get16(b, 28);
  uint32_t used = Get32(b, 46);
  if (hdr < 40 || w <= 0 || h <= 0 || w > 16384 || h > 16384 || (bits != 1 && bits != 4 && bits != 8)) return false;
  uint32_t colours = used ? used : (1u << bits);
  if (colours > (1u << bits) || 14 + hdr + colours * 4 > b.size()) return false;
  const uint32_t stride = ((uint32_t(w) * bits + 31) / 32) * 4;
  if (offset > b.size() || uint64_t(stride) * uint32_t(h) > b.size() - offset) return false;
  std::vector<uint8_t> map(colours);
  for (uint32_t i = 0; i < colours; ++i) {
    size_t at = 14 + hdr + i * 4;
    map[i] = pal::Nearest({b[at + 2], b[at + 1], b[at]});
  }
  out = Canvas(w, h, 0);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = b.data() + offset + size_t(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      uint32_t v = bits == 8 ? row[x] : bits == 4 ? (row[x / 2] >> (x % 2 ? 0 : 4)) & 15 : (row[x / 8] >> (7 - x % 8)) & 1;
      out.px[size_t(y) * w + x] = v < colours ? map[v] : pal::Black;
    }
  }
  if (bitsOut) *bitsOut = bits;
  return true;
}

}  // namespace art
