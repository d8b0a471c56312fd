#include "shell/sound.h"

#include "tests/harness.h"
#include "tests/world_rows.h"

class Sounds : public GameTest {};

// The golden runs hear every sound played and its panning, off either edge of the screen too;
// they never ask for a number outside the bank.
TEST_F(Sounds, NumbersOutsideTheBankAreIgnored) {
  play_sound(SFX_COUNT);
  play_sound_at(-1, 3);
  play_sound(SFX_CONFIRM);
  EXPECT_EQ(sounds_heard(), (std::vector<Heard>{{SFX_CONFIRM, kCentred}}));
}
