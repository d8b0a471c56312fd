// Sound building blocks: oscillators, seeded noise, filters and envelopes,
// all deterministic so every build writes the same sounds.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

inline constexpr int kSampleRate = 44100;
using Samples = std::vector<float>;  // mono, -1..1

// xorshift64*: a fixed, portable sequence for each seed.
class Noise {
 public:
  explicit Noise(std::uint64_t seed);
  double uniform();  // [0, 1)
  float white() { return static_cast<float>(uniform() * 2.0 - 1.0); }

 private:
  std::uint64_t state_;
};

enum class Wave { kSine, kSquare, kSaw, kTriangle };

// Keeps its phase between calls, so the pitch can glide without clicks.
class Oscillator {
 public:
  float next(Wave wave, double hz);

 private:
  double phase_ = 0.0;  // in cycles
};

class OnePole {
 public:
  float lowpass(float x, double cutoff_hz);
  float highpass(float x, double cutoff_hz) { return x - lowpass(x, cutoff_hz); }

 private:
  float state_ = 0.0f;
};

// State-variable filter that stays stable while its cutoff moves every sample.
class Svf {
 public:
  struct Out {
    float low, band, high;
  };
  Out step(float x, double cutoff_hz, double q);

 private:
  double ic1_ = 0.0, ic2_ = 0.0;
};

// Exponential glide from `from` to `to` as `fraction` goes 0..1 (clamped):
// pitch and cutoff sweeps sound even this way.
double glide(double from, double to, double fraction);
// A fast linear rise and an exponential fall.
double strike(double t, double attack, double time_constant);

template <typename Voice>
Samples render(double seconds, Voice voice) {
  Samples out(static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = voice(static_cast<double>(i) / kSampleRate);
  }
  return out;
}

// Adds `part` into `into` starting `at_seconds` in, growing `into` as needed.
// The part's own edges are faded first, so it never clicks in or out.
void mix_in(Samples& into, Samples part, double gain, double at_seconds);

// Raised-cosine fades so no sound starts or stops with a click.
void fade_edges(Samples& samples, double fade_in_seconds, double fade_out_seconds);

double rms(const Samples& samples);
double peak(const Samples& samples);

// Scales to the target RMS, rounding off peaks above `peak_limit` so that loud
// bangs and quiet tones come out at the same loudness without clipping.
void normalise(Samples& samples, double target_rms, double peak_limit);

}  // namespace assetgen
