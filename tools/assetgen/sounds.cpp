#include "sounds.h"

#include <array>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

// --- Explosions: filtered noise whose brightness falls away, a sub-bass
// thump dropping in pitch underneath and sparks crackling on top. Size is
// length, depth of thump and how slowly the body dies.
struct Boom {
  double seconds;
  double body_decay;  // time constant of the noise body, s
  double bright_hz, dull_hz;
  double thump_from_hz, thump_to_hz, thump_level;
  double crackle;  // sparks per second at the start
  std::uint64_t seed;
};

constexpr double kSparkFade = 0.9985;  // per sample: a spark lasts about 15 ms

Samples boom(const Boom& b) {
  Noise noise(b.seed);
  Svf body;
  OnePole spark_tone;
  Oscillator thump;
  double spark = 0.0;
  return render(b.seconds, [&](double t) {
    const double f = t / b.seconds;
    const double cutoff = glide(b.bright_hz, b.dull_hz, f * 1.5);
    const double body_level = strike(t, 0.003, b.body_decay);
    const float rumble = body.step(noise.white(), cutoff, 0.9).low;
    const double pitch = glide(b.thump_from_hz, b.thump_to_hz, f * 2.0);
    const float sub = thump.next(Wave::kSine, pitch);
    const double sub_level = b.thump_level * strike(t, 0.005, b.body_decay * 0.7);
    // Sparks thin out with the fire, so the tail is left to the rumble.
    const double fire = std::exp(-t / b.body_decay);
    if (noise.uniform() < b.crackle * fire / kSampleRate) {
      spark = fire * fire * (0.4 + 0.6 * noise.uniform());
    }
    spark *= kSparkFade;
    const float sparks = spark_tone.highpass(static_cast<float>(spark * noise.white()), 1200.0);
    return static_cast<float>(2.5 * body_level * rumble + sub_level * sub + 0.5 * sparks);
  });
}

// --- Guns: a pitch dropping fast through a bright waveform.
struct Zap {
  double seconds;
  Wave wave;
  double from_hz, to_hz;
  double decay;
  double cutoff_hz;
  double detune;  // a second voice this far apart thickens the shot
};

Samples zap(const Zap& z) {
  Oscillator a, b;
  OnePole tone;
  return render(z.seconds, [&](double t) {
    const double hz = glide(z.from_hz, z.to_hz, t / z.seconds);
    const float raw = 0.5f * (a.next(z.wave, hz) + b.next(z.wave, hz * (1.0 + z.detune)));
    return static_cast<float>(strike(t, 0.002, z.decay) * tone.lowpass(raw, z.cutoff_hz));
  });
}

// --- Beeps: steady tones switched on and off with soft edges.
Samples beep(Wave wave, double hz, double seconds, double cutoff_hz) {
  Oscillator osc;
  Svf tone;
  Samples out =
      render(seconds, [&](double) { return tone.step(osc.next(wave, hz), cutoff_hz, 0.7).low; });
  fade_edges(out, 0.004, 0.012);
  return out;
}

// A bell-like note: a sine with quieter overtones, ringing out.
Samples bell(double hz, double seconds, double decay) {
  Oscillator fundamental, second, third;
  return render(seconds, [&](double t) {
    const double ring = strike(t, 0.003, decay);
    const double overtones = std::exp(-t / (decay * 0.4));
    return static_cast<float>(ring * (fundamental.next(Wave::kSine, hz) +
                                      overtones * (0.35 * second.next(Wave::kSine, hz * 2.0) +
                                                   0.15 * third.next(Wave::kSine, hz * 3.01))));
  });
}

// --- The voices, one per file.

Samples big_exp2() {  // the explosion routine's fireball
  return boom({1.0, 0.28, 5200, 140, 110, 38, 0.9, 60, 0x2001});
}

Samples big_exp() {  // a charged shot bursting on its target: bright and sparky
  Samples out = boom({0.8, 0.2, 7800, 260, 160, 50, 0.7, 140, 0x2002});
  Oscillator ring;
  mix_in(out,
         render(0.35,
                [&](double t) {
                  return static_cast<float>(strike(t, 0.002, 0.08) *
                                            ring.next(Wave::kTriangle, glide(1400, 300, t / 0.35)));
                }),
         0.35, 0.0);
  return out;
}

Samples pgun3() {  // plain player gun
  return zap({0.14, Wave::kSquare, 1900, 380, 0.05, 6500, 0.012});
}

Samples playerhit() {  // the ship takes a hit: crunchy, falling, metallic
  Oscillator body, ring;
  Noise noise(0x2003);
  OnePole crunch;
  return render(0.36, [&](double t) {
    const double hz = glide(210, 70, t / 0.3);
    const float metal = body.next(Wave::kSquare, hz) * ring.next(Wave::kSine, 37.0);
    const float grit = crunch.lowpass(noise.white(), 2800.0);
    return static_cast<float>(strike(t, 0.002, 0.1) * (0.6 * metal + 1.2 * grit));
  });
}

Samples charged_shot() {  // a charge released: a quick rise, then a heavy falling zap
  Oscillator saw_a, saw_b, sub;
  Svf filter;
  return render(0.48, [&](double t) {
    constexpr double kRise = 0.07;
    const double hz = t < kRise ? glide(220, 880, t / kRise) : glide(1250, 130, (t - kRise) / 0.38);
    const double level = t < kRise ? 0.5 * t / kRise : std::exp(-(t - kRise) / 0.16);
    const float raw = 0.5f * (saw_a.next(Wave::kSaw, hz) + saw_b.next(Wave::kSaw, hz * 1.007));
    const float swept = filter.step(raw, glide(7000, 500, t / 0.48), 3.0).low;
    return static_cast<float>(level * (swept + 0.5 * sub.next(Wave::kSine, hz * 0.5)));
  });
}

Samples bullet_hit() {  // a tick short enough to repeat sixty times a second
  Noise noise(0x2005);
  Svf click;
  Oscillator ping;
  return render(0.03, [&](double t) {
    const float n = click.step(noise.white(), 3600.0, 2.0).band;
    return static_cast<float>(strike(t, 0.0008, 0.006) *
                              (1.5 * n + 0.4 * ping.next(Wave::kSine, 2300.0)));
  });
}

// Five drone explosions of one family: different sparks, pitch and length so
// a swarm going up does not sound like one sample on repeat.
Samples small_exp1() {
  return boom({0.30, 0.07, 4200, 300, 200, 60, 0.8, 90, 0x2006});
}
Samples small_exp2() {
  return boom({0.34, 0.08, 3600, 260, 170, 55, 0.9, 60, 0x2007});
}
Samples small_exp3() {
  return boom({0.27, 0.06, 5200, 380, 240, 70, 0.7, 130, 0x2008});
}
Samples small_exp4() {
  return boom({0.38, 0.09, 3000, 220, 150, 50, 1.0, 50, 0x2009});
}
Samples small_exp5() {
  return boom({0.32, 0.075, 4600, 320, 220, 65, 0.8, 110, 0x200A});
}

Samples med_exp() {
  return boom({0.6, 0.14, 4800, 180, 140, 45, 0.9, 70, 0x200B});
}

Samples med_exp3() {  // plasma burst: a medium boom with a ringing resonant sweep
  Samples out = boom({0.6, 0.13, 5600, 220, 150, 48, 0.8, 90, 0x200C});
  Noise noise(0x200D);
  Svf plasma;
  mix_in(out,
         render(0.5,
                [&](double t) {
                  const float n = plasma.step(noise.white(), glide(2600, 240, t / 0.5), 9.0).band;
                  return static_cast<float>(strike(t, 0.004, 0.12) * n);
                }),
         1.4, 0.0);
  return out;
}

Samples enemy_bomb() {  // a shell leaves the launcher: a hollow thoonk and a puff
  Oscillator tube;
  Noise noise(0x200E);
  OnePole puff;
  return render(0.28, [&](double t) {
    const float body = tube.next(Wave::kSine, glide(420, 90, t / 0.12));
    const float air = puff.lowpass(noise.white(), 1100.0);
    return static_cast<float>(strike(t, 0.002, 0.06) * body + strike(t, 0.004, 0.05) * 1.6 * air);
  });
}

Samples e_bomb_explode() {
  return boom({0.85, 0.2, 6000, 160, 120, 40, 1.0, 200, 0x200F});
}

Samples missile_launch() {  // a rising whoosh with a climbing motor under it
  Noise noise(0x2010);
  Svf air;
  Oscillator motor;
  OnePole motor_tone;
  constexpr double kLength = 0.9;
  return render(kLength, [&](double t) {
    const double f = t / kLength;
    const double swell = f < 0.7 ? f / 0.7 : 1.0 - (f - 0.7) / 0.3;
    const float whoosh = air.step(noise.white(), glide(250, 3800, f), 2.5).band;
    const float roar = motor_tone.lowpass(motor.next(Wave::kSaw, glide(70, 300, f)), 900.0);
    return static_cast<float>(swell * swell * (2.2 * whoosh + 0.35 * roar));
  });
}

Samples missile_explode() {
  return boom({0.65, 0.12, 7000, 200, 170, 50, 0.8, 160, 0x2011});
}

Samples enemy_shotgun() {  // a spread of pellets a few milliseconds apart on a low thump
  Samples out = boom({0.25, 0.035, 3000, 900, 150, 60, 0.6, 0, 0x2012});
  Noise noise(0x2013);
  constexpr int kPellets = 5;
  for (int i = 0; i < kPellets; ++i) {
    Svf crack;
    const double centre = 1400.0 + 500.0 * i;
    const double at = 0.004 * i + 0.003 * noise.uniform();
    mix_in(out,
           render(0.06,
                  [&](double t) {
                    return static_cast<float>(strike(t, 0.001, 0.012) *
                                              crack.step(noise.white(), centre, 1.5).band);
                  }),
           1.2, at);
  }
  return out;
}

Samples enemy_gun() {  // lower and dirtier than the player's gun
  return zap({0.17, Wave::kSaw, 850, 170, 0.06, 3800, 0.02});
}

Samples shothit() {  // a shot striking armour: a knock and a short ping
  Noise noise(0x2014);
  Svf knock;
  Oscillator ping;
  return render(0.12, [&](double t) {
    const float n = knock.step(noise.white(), 1800.0, 1.2).band;
    const float tone = ping.next(Wave::kSine, glide(760, 420, t / 0.12));
    return static_cast<float>(strike(t, 0.001, 0.018) * 1.5 * n +
                              strike(t, 0.002, 0.04) * 0.5 * tone);
  });
}

Samples select() {  // menu tick
  Oscillator tick, overtone;
  return render(0.05, [&](double t) {
    return static_cast<float>(
        strike(t, 0.001, 0.01) *
        (tick.next(Wave::kSine, 1800.0) + 0.2 * overtone.next(Wave::kSquare, 3600.0)));
  });
}

Samples confirm() {  // menu chime: a rising fifth
  Samples out = bell(1046.5, 0.55, 0.16);
  mix_in(out, bell(1568.0, 0.46, 0.16), 0.9, 0.09);
  return out;
}

Samples huge_small_exp() {  // a small explosion, made large: a big thump, short tail
  return boom({0.5, 0.1, 6500, 240, 190, 45, 1.2, 120, 0x2015});
}

Samples huge_exp() {  // the big one: long rumble, deep thump, sparks all the way
  constexpr double kLength = 1.4, kRumbleStart = 0.02;
  Samples out = boom({kLength, 0.4, 5000, 90, 90, 28, 1.2, 110, 0x2016});
  Noise noise(0x2017);
  Svf rumble;
  mix_in(out,
         render(kLength - kRumbleStart,
                [&](double t) {
                  return static_cast<float>(strike(t, 0.05, 0.45) *
                                            rumble.step(noise.white(), 160.0, 0.7).low);
                }),
         3.0, kRumbleStart);
  return out;
}

Samples low_health() {  // two steady beeps
  Samples out = beep(Wave::kSquare, 880.0, 0.12, 3000.0);
  mix_in(out, beep(Wave::kSquare, 880.0, 0.12, 3000.0), 1.0, 0.19);
  return out;
}

Samples lower_health() {  // three faster, higher, alternating beeps: more urgent
  Samples out;
  constexpr std::array<double, 3> kNotes = {1568.0, 1175.0, 1568.0};
  for (std::size_t i = 0; i < kNotes.size(); ++i) {
    mix_in(out, beep(Wave::kSaw, kNotes[i], 0.075, 5000.0), 1.0, 0.105 * static_cast<double>(i));
  }
  return out;
}

Samples low_energy() {  // a falling two-tone: power draining
  Samples out = beep(Wave::kTriangle, 660.0, 0.13, 6000.0);
  mix_in(out, beep(Wave::kTriangle, 440.0, 0.16, 6000.0), 1.0, 0.15);
  return out;
}

Samples boss_flame() {  // a roaring jet whose level flutters
  Noise noise(0x2018);
  OnePole roar, flutter_smooth;
  Svf hiss;
  constexpr double kLength = 0.8;
  return render(kLength, [&](double t) {
    const double swell = std::min(1.0, t / 0.08) * std::min(1.0, (kLength - t) / 0.3);
    const double flutter = 0.6 + 4.0 * std::fabs(flutter_smooth.lowpass(noise.white(), 25.0));
    const float body = roar.lowpass(noise.white(), 900.0);
    const float top = hiss.step(noise.white(), 2600.0, 1.0).band;
    return static_cast<float>(swell * flutter * (1.5 * body + 0.35 * top));
  });
}

Samples sweeper() {  // the radial bomb: a tone and a wind sweeping up and back down
  Oscillator saw, fifth;
  Noise noise(0x2019);
  Svf tone, wind;
  constexpr double kLength = 0.85;
  return render(kLength, [&](double t) {
    const double f = t / kLength;
    const double arc = std::sin(std::numbers::pi * f);  // up, then back down
    const double hz = glide(180, 1500, arc);
    const float voice = 0.5f * (saw.next(Wave::kSaw, hz) + fifth.next(Wave::kSaw, hz * 1.5));
    const float sung = tone.step(voice, hz * 3.0, 4.0).low;
    const float air = wind.step(noise.white(), hz * 2.0, 3.0).band;
    return static_cast<float>(std::sqrt(arc) * (0.7 * sung + 1.2 * air));
  });
}

constexpr std::array<SoundRecipe, 29> kSounds = {{
    {"bigExp2.wav", big_exp2},
    {"bigExp.wav", big_exp},
    {"pgun3.wav", pgun3},
    {"playerhit.wav", playerhit},
    {"charged shot.wav", charged_shot},
    {"bulletHit.wav", bullet_hit},
    {"smallExp1.wav", small_exp1},
    {"smallExp2.wav", small_exp2},
    {"smallExp3.wav", small_exp3},
    {"smallExp4.wav", small_exp4},
    {"smallExp5.wav", small_exp5},
    {"medExp.wav", med_exp},
    {"medExp3.wav", med_exp3},
    {"enemyBomb.wav", enemy_bomb},
    {"eBombExplode.wav", e_bomb_explode},
    {"missileLaunch.wav", missile_launch},
    {"missileExplode.wav", missile_explode},
    {"enemyShotgun.wav", enemy_shotgun},
    {"enemyGun.wav", enemy_gun},
    {"shothit.wav", shothit},
    {"select.wav", select},
    {"confirm.wav", confirm},
    {"hugesmallexp.wav", huge_small_exp},
    {"hugeexp.wav", huge_exp},
    {"lowHealth.wav", low_health},
    {"lowerHealth.wav", lower_health},
    {"lowEnergy.wav", low_energy},
    {"bossFlame.wav", boss_flame},
    {"sweeper.wav", sweeper},
}};

// About -18 dBFS: loud enough to carry over the music, with headroom for the
// bangs' peaks, which the limiter rounds off under -1 dBFS.
constexpr double kTargetRms = 0.125;
constexpr double kPeakLimit = 0.89;
constexpr double kFadeIn = 0.002;
constexpr double kFadeOut = 0.012;

}  // namespace

std::span<const SoundRecipe> sound_recipes() {
  return kSounds;
}

Samples make_sound(const SoundRecipe& recipe) {
  Samples out = recipe.voice();
  fade_edges(out, kFadeIn, kFadeOut);
  normalise(out, kTargetRms, kPeakLimit);
  return out;
}

}  // namespace assetgen
