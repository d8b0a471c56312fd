#include "shell/sound.h"

#include "tests/harness.h"
#include "tests/world_text.h"

class Sounds : public GameTest {};

TEST_F(Sounds, PanningFollowsTheColumnAsBytesAndPlaysAreToldButNumbersOutsideTheBankIgnored) {
  const int cases[][3] = {{52, 246, 4}, {-1, 255, 251}, {-2, 4, 246}};  // column, left, right
  for (const auto& [column, left, right] : cases) {
    const Panning p = sound_panning(column);
    EXPECT_EQ(std::pair(int{p.left}, int{p.right}), std::pair(left, right)) << "column " << column;
  }
  play_sound_at(SFX_PLAYER_HIT, 10);
  play_sound(SFX_CONFIRM);
  play_sound(SFX_COUNT);
  play_sound_at(-1, 3);
  EXPECT_EQ(sounds_text(), "3@10|21|");
}
