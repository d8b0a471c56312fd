#include "enemies/enemy.h"

namespace {
constexpr int kEmpty = ' ';

bool inside(const Enemy& enemy, int i, int j) {
  return i >= 0 && j >= 0 && i < enemy.width && j < enemy.height &&
         static_cast<size_t>(i * enemy.height + j) < enemy.sprite.size();
}
}  // namespace

int enemy_cell(const Enemy& enemy, int i, int j) {
  return inside(enemy, i, j) ? enemy.sprite[static_cast<size_t>(i * enemy.height + j)] : kEmpty;
}

void enemy_set_cell(Enemy& enemy, int i, int j, int code) {
  if (inside(enemy, i, j)) enemy.sprite[static_cast<size_t>(i * enemy.height + j)] = code;
}

void enemy_set_sprite(Enemy& enemy, int width, int height, const char* const* rows) {
  enemy.width = width;
  enemy.height = height;
  enemy.sprite.assign(static_cast<size_t>(width * height), kEmpty);
  for (int j = 0; j < height; ++j) {
    // A row may be shorter than the sprite: its missing cells stay empty.
    const char* row = rows[j];
    for (int i = 0; i < width && row[i] != '\0'; ++i) {
      enemy_set_cell(enemy, i, j, static_cast<unsigned char>(row[i]));
    }
  }
}

bool enemy_contact(const Enemy& enemy, int i, int j) {
  // Only the sprite's own cells touch: the row above the top one would
  // otherwise count through the cell below it.
  if (i < 0 || j < 0 || i >= enemy.width || j >= enemy.height) return false;
  if (enemy_cell(enemy, i, j) != kEmpty) return true;
  // The cell just above a solid one counts too: a shot moving a cell a frame
  // cannot slip between the frames into the sprite.
  return j + 1 < enemy.height && enemy_cell(enemy, i, j + 1) != kEmpty;
}
