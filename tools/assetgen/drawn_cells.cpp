#include "drawn_cells.h"

namespace assetgen {
namespace {

// The 8x8 VGA console fonts lack the peseta, the reversed not sign, infinity,
// intersection and identity, and their Unicode tables point most Greek letters
// at box-drawing or maths glyphs. These follow the fonts' own style: two-pixel
// vertical strokes, one-pixel horizontal ones, bottom row kept for descenders.
std::optional<Bitmap> drawn_8px(int code) {
  switch (code) {
    case 158:  // peseta sign
      return bitmap_from_rows({"####....", "##.##...", "##.##.#.", "####.###", "##....#.",
                               "##....##", "##......", "........"});
    case 169:  // reversed not sign
      return bitmap_from_rows({"........", "........", "........", "#######.", "##......",
                               "##......", "........", "........"});
    case 224:  // alpha
      return bitmap_from_rows({"........", "........", ".###.##.", "##.###..", "##..##..",
                               "##.###..", ".###.##.", "........"});
    case 226:  // capital gamma
      return bitmap_from_rows({"#######.", "##...##.", "##......", "##......", "##......",
                               "##......", "##......", "........"});
    case 227:  // pi
      return bitmap_from_rows({"........", "#######.", ".##.##..", ".##.##..", ".##.##..",
                               ".##.##..", ".##.##..", "........"});
    case 228:  // capital sigma
      return bitmap_from_rows({"#######.", "##...##.", ".##.....", "..##....", ".##.....",
                               "##...##.", "#######.", "........"});
    case 229:  // sigma
      return bitmap_from_rows({"........", "........", ".######.", "##.##...", "##.##...",
                               "##.##...", ".###....", "........"});
    case 231:  // tau
      return bitmap_from_rows({"........", ".###.##.", "##.###..", "...##...", "...##...",
                               "...##...", "...###..", "........"});
    case 232:  // capital phi
      return bitmap_from_rows({"######..", "..##....", ".####...", "##..##..", "##..##..",
                               ".####...", "..##....", "######.."});
    case 233:  // capital theta
      return bitmap_from_rows({"..###...", ".##.##..", "##...##.", "#######.", "##...##.",
                               ".##.##..", "..###...", "........"});
    case 234:  // capital omega
      return bitmap_from_rows({"..###...", ".##.##..", "##...##.", "##...##.", ".##.##..",
                               ".##.##..", "###.###.", "........"});
    case 235:  // delta
      return bitmap_from_rows({"...###..", "..##....", "...##...", ".#####..", "##..##..",
                               "##..##..", ".####...", "........"});
    case 236:  // infinity
      return bitmap_from_rows({"........", "........", ".##.##..", "##.#.##.", "##.#.##.",
                               ".##.##..", "........", "........"});
    case 237:  // phi
      return bitmap_from_rows({"......##", ".....##.", ".######.", "##.##.##", "##.##.##",
                               ".######.", ".##.....", "##......"});
    case 238:  // epsilon
      return bitmap_from_rows({"..####..", ".##.....", "##......", "######..", "##......",
                               ".##.....", "..####..", "........"});
    case 239:  // intersection
      return bitmap_from_rows({"........", ".####...", "##..##..", "##..##..", "##..##..",
                               "##..##..", "##..##..", "........"});
    case 240:  // identical to
      return bitmap_from_rows({"........", ".######.", "........", ".######.", "........",
                               ".######.", "........", "........"});
    default:
      return std::nullopt;
  }
}

// Where the 8x8 fonts mix single and double lines in one cell they draw
// one-pixel strokes that miss the lines of the neighbouring cells. These
// redraw them on the fonts' own grid: single lines in columns 3-4 and row 4,
// double lines in columns 2-3 and 5-6 and rows 2 and 4.
std::optional<Bitmap> drawn_8px_box(int code) {
  switch (code) {
    case 181:  // vertical single and left double
      return bitmap_from_rows({"...##...", "...##...", "#####...", "...##...", "#####...",
                               "...##...", "...##...", "...##..."});
    case 182:  // vertical double and left single
      return bitmap_from_rows({"..##.##.", "..##.##.", "..##.##.", "..##.##.", "####.##.",
                               "..##.##.", "..##.##.", "..##.##."});
    case 183:  // down double and left single
      return bitmap_from_rows({"........", "........", "........", "........", "#######.",
                               "..##.##.", "..##.##.", "..##.##."});
    case 184:  // down single and left double
      return bitmap_from_rows({"........", "........", "#####...", "...##...", "#####...",
                               "...##...", "...##...", "...##..."});
    case 189:  // up double and left single
      return bitmap_from_rows({"..##.##.", "..##.##.", "..##.##.", "..##.##.", "#######.",
                               "........", "........", "........"});
    case 190:  // up single and left double
      return bitmap_from_rows({"...##...", "...##...", "#####...", "...##...", "#####...",
                               "........", "........", "........"});
    case 198:  // vertical single and right double
      return bitmap_from_rows({"...##...", "...##...", "...#####", "...##...", "...#####",
                               "...##...", "...##...", "...##..."});
    case 199:  // vertical double and right single
      return bitmap_from_rows({"..##.##.", "..##.##.", "..##.##.", "..##.##.", "..##.###",
                               "..##.##.", "..##.##.", "..##.##."});
    case 207:  // up single and horizontal double
      return bitmap_from_rows({"...##...", "...##...", "########", "........", "########",
                               "........", "........", "........"});
    case 208:  // up double and horizontal single
      return bitmap_from_rows({"..##.##.", "..##.##.", "..##.##.", "..##.##.", "########",
                               "........", "........", "........"});
    case 209:  // down single and horizontal double
      return bitmap_from_rows({"........", "........", "########", "........", "########",
                               "...##...", "...##...", "...##..."});
    case 210:  // down double and horizontal single
      return bitmap_from_rows({"........", "........", "........", "........", "########",
                               "..##.##.", "..##.##.", "..##.##."});
    case 211:  // up double and right single
      return bitmap_from_rows({"..##.##.", "..##.##.", "..##.##.", "..##.##.", "..######",
                               "........", "........", "........"});
    case 212:  // up single and right double
      return bitmap_from_rows({"...##...", "...##...", "...#####", "...##...", "...#####",
                               "........", "........", "........"});
    case 213:  // down single and right double
      return bitmap_from_rows({"........", "........", "...#####", "...##...", "...#####",
                               "...##...", "...##...", "...##..."});
    case 214:  // down double and right single
      return bitmap_from_rows({"........", "........", "........", "........", "..######",
                               "..##.##.", "..##.##.", "..##.##."});
    case 215:  // vertical double and horizontal single
      return bitmap_from_rows({"..##.##.", "..##.##.", "..##.##.", "..##.##.", "########",
                               "..##.##.", "..##.##.", "..##.##."});
    case 216:  // vertical single and horizontal double
      return bitmap_from_rows({"...##...", "...##...", "########", "...##...", "########",
                               "...##...", "...##...", "...##..."});
    default:
      return std::nullopt;
  }
}

// Terminus gives a-ring the a-circumflex glyph at 6x12: a ring this small
// reads as a hat. Drawn at the font's 6-pixel width, then doubled like it.
std::optional<Bitmap> drawn_6x12(int code) {
  if (code != 134) return std::nullopt;  // a with ring above
  return bitmap_from_rows({"......", "..#...", ".#.#..", "..#...", ".###..", "....#.", ".####.",
                           "#...#.", "#...#.", ".####.", "......", "......"});
}

// The fonts' half blocks are not always halves (VGA 8x16 leaves row 7 out of
// the upper one), which leaves a seam where the game stacks them.
std::optional<Bitmap> block(int cell_size, int code) {
  const int half = cell_size / 2;
  int left = 0, top = 0, right = cell_size, bottom = cell_size;
  switch (code) {
    case 219:  // full block
      break;
    case 220:  // lower half
      top = half;
      break;
    case 221:  // left half
      right = half;
      break;
    case 222:  // right half
      left = half;
      break;
    case 223:  // upper half
      bottom = half;
      break;
    default:
      return std::nullopt;
  }
  Bitmap out(cell_size, cell_size);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) out.set(x, y, true);
  }
  return out;
}

constexpr int kSmallCell = 8;
constexpr int kMiddleCell = 12;
constexpr int kTerminusWidening = 2;

}  // namespace

std::optional<Bitmap> drawn_cell(int cell_size, int code) {
  if (auto whole = block(cell_size, code)) return whole;
  if (cell_size == kMiddleCell) {
    if (auto narrow = drawn_6x12(code)) return scaled(*narrow, kTerminusWidening, 1);
  }
  if (cell_size != kSmallCell) return std::nullopt;
  if (auto box = drawn_8px_box(code)) return box;
  return drawn_8px(code);
  return std::nullopt;
}

}  // namespace assetgen
