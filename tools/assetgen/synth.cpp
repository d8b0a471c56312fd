#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace assetgen {

Noise::Noise(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

double Noise::uniform() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  const std::uint64_t mixed = state_ * 0x2545F4914F6CDD1Dull;
  return static_cast<double>(mixed >> 11) * 0x1.0p-53;
}

namespace {

// Rounds off the jump of a square or saw wave over the sample it falls in, so
// high notes do not fold back as whistles below the sample rate (PolyBLEP).
double step_correction(double phase, double increment) {
  if (phase < increment) {
    const double t = phase / increment;
    return t + t - t * t - 1.0;
  }
  if (phase > 1.0 - increment) {
    const double t = (phase - 1.0) / increment;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

}  // namespace

float Oscillator::next(Wave wave, double hz) {
  const double p = phase_;
  const double increment = std::min(hz / kSampleRate, 0.5);
  phase_ += increment;
  phase_ -= std::floor(phase_);
  switch (wave) {
    case Wave::kSine:
      return static_cast<float>(std::sin(2.0 * std::numbers::pi * p));
    case Wave::kSquare: {
      const double half = p + 0.5 - std::floor(p + 0.5);
      return static_cast<float>((p < 0.5 ? 1.0 : -1.0) + step_correction(p, increment) -
                                step_correction(half, increment));
    }
    case Wave::kSaw:
      return static_cast<float>(2.0 * p - 1.0 - step_correction(p, increment));
    case Wave::kTriangle:
      return static_cast<float>(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
  }
  return 0.0f;
}

float OnePole::lowpass(float x, double cutoff_hz) {
  const double a = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoff_hz / kSampleRate);
  state_ += static_cast<float>(a * (x - state_));
  return state_;
}

Svf::Out Svf::step(float x, double cutoff_hz, double q) {
  // Past about 0.45 of the sample rate the tangent blows up.
  const double fc = std::clamp(cutoff_hz, 10.0, 0.45 * kSampleRate);
  const double g = std::tan(std::numbers::pi * fc / kSampleRate);
  const double k = 1.0 / q;
  const double a1 = 1.0 / (1.0 + g * (g + k));
  const double a2 = g * a1;
  const double a3 = g * a2;
  const double v3 = x - ic2_;
  const double v1 = a1 * ic1_ + a2 * v3;
  const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(x - k * v1 - v2)};
}

double glide(double from, double to, double fraction) {
  return from * std::pow(to / from, std::clamp(fraction, 0.0, 1.0));
}

double strike(double t, double attack, double time_constant) {
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / time_constant);
}

void fade_edges(Samples& samples, double fade_in_seconds, double fade_out_seconds) {
  const std::size_t n = samples.size();
  const auto fade_in = std::min(n, static_cast<std::size_t>(fade_in_seconds * kSampleRate));
  const auto fade_out = std::min(n, static_cast<std::size_t>(fade_out_seconds * kSampleRate));
  // Both ends reach exactly zero: the first and the last sample are silent.
  for (std::size_t i = 0; i < fade_in; ++i) {
    const double w = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                          static_cast<double>(fade_in));
    samples[i] = static_cast<float>(samples[i] * w);
  }
  for (std::size_t i = 0; i < fade_out; ++i) {
    const double w = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) /
                                          static_cast<double>(fade_out));
    samples[n - 1 - i] = static_cast<float>(samples[n - 1 - i] * w);
  }
}

void mix_in(Samples& into, Samples part, double gain, double at_seconds) {
  constexpr double kPartFadeIn = 0.002, kPartFadeOut = 0.01;
  fade_edges(part, kPartFadeIn, kPartFadeOut);
  const auto offset = static_cast<std::size_t>(at_seconds * kSampleRate);
  if (into.size() < offset + part.size()) into.resize(offset + part.size(), 0.0f);
  for (std::size_t i = 0; i < part.size(); ++i) {
    into[offset + i] += static_cast<float>(gain * part[i]);
  }
}

double rms(const Samples& samples) {
  if (samples.empty()) return 0.0;
  double sum = 0.0;
  for (float s : samples) sum += double(s) * s;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

double peak(const Samples& samples) {
  double top = 0.0;
  for (float s : samples) top = std::max(top, double(std::fabs(s)));
  return top;
}

void normalise(Samples& samples, double target_rms, double peak_limit) {
  constexpr int kLimiterPasses = 6;
  if (rms(samples) <= 0.0) throw std::runtime_error("cannot normalise a silent sound");
  for (int pass = 0; pass < kLimiterPasses; ++pass) {
    const double gain = target_rms / rms(samples);
    for (float& s : samples) s = static_cast<float>(s * gain);
    if (peak(samples) <= peak_limit) return;
    // tanh leaves quiet samples alone and bends loud ones under the limit.
    for (float& s : samples) s = static_cast<float>(peak_limit * std::tanh(s / peak_limit));
  }
  // Out of passes: the last tanh left every peak under the limit, a little
  // quieter than the target.
}

}  // namespace assetgen
