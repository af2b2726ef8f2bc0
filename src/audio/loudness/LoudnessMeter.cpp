#include "LoudnessMeter.h"

#include <algorithm>
#include <cmath>

#include "AudioException.h"
#include "Lang.h"

TLoudnessMeter::TLoudnessMeter(int channels, int rate) : Channels_(channels) {
  State_ = ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate),
                        EBUR128_MODE_I | EBUR128_MODE_SAMPLE_PEAK);
  if (!State_) throw EAudioException(lang::Say(lang::LoudnessSetupFormat, std::to_string(rate)));
}

TLoudnessMeter::~TLoudnessMeter() { ebur128_destroy(&State_); }

void TLoudnessMeter::Add(const void* pcm, int samples, TSampleFormat format) {
  if (samples <= 0) return;
  const int error = format == TSampleFormat::sfFloat32
                        ? ebur128_add_frames_float(State_, static_cast<const float*>(pcm), std::size_t(samples))
                        : ebur128_add_frames_short(State_, static_cast<const short*>(pcm), std::size_t(samples));
  if (error != EBUR128_SUCCESS) throw EAudioException(lang::Say(lang::LoudnessFailedFormat, std::to_string(error)));
}

double TLoudnessMeter::Loudness() const {
  double lufs = -HUGE_VAL;
  ebur128_loudness_global(State_, &lufs);
  return lufs;
}

double TLoudnessMeter::Peak() const {
  double peak = 0;
  for (int c = 0; c < Channels_; ++c) {
    double p = 0;
    if (ebur128_sample_peak(State_, static_cast<unsigned>(c), &p) == EBUR128_SUCCESS) peak = std::max(peak, p);
  }
  return peak;
}

double TLoudnessMeter::GainOf(double loudness) {
  // Silence would want endless gain; the tag frame's field ends at 51.1 dB.
  if (!std::isfinite(loudness)) return 51.1;
  return std::clamp(Reference - loudness, -51.1, 51.1);
}

double TLoudnessMeter::Loudness(const std::vector<const TLoudnessMeter*>& meters) {
  std::vector<ebur128_state*> states;
  for (const TLoudnessMeter* m : meters) states.push_back(m->State_);
  double lufs = -HUGE_VAL;
  if (!states.empty()) ebur128_loudness_global_multiple(states.data(), states.size(), &lufs);
  return lufs;
}
