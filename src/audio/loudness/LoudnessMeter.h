#pragma once
#include <ebur128.h>

#include <vector>

#include "SampleFormat.h"

// Measures a file's loudness and sample peak from the PCM its encoder is fed, for
// its ReplayGain. The state is kept after the file ends, so the files of one album
// can be measured together.
class TLoudnessMeter {
 public:
  // Throws EAudioException when the meter cannot be made for this layout.
  TLoudnessMeter(int channels, int rate);
  ~TLoudnessMeter();
  TLoudnessMeter(const TLoudnessMeter&) = delete;
  TLoudnessMeter& operator=(const TLoudnessMeter&) = delete;

  // Interleaved samples, `samples` per channel; float samples within -1..1.
  void Add(const void* pcm, int samples, TSampleFormat format);
  // Integrated loudness in LUFS; minus infinity for silence.
  double Loudness() const;
  // The largest sample, 1.0 at full scale.
  double Peak() const;

  // What brings `loudness` to the reference level, in dB, within what players take.
  static double GainOf(double loudness);
  // The loudness of several files heard as one.
  static double Loudness(const std::vector<const TLoudnessMeter*>& meters);

  static constexpr double Reference = -18.0;  // LUFS

 private:
  ebur128_state* State_ = nullptr;
  int Channels_ = 0;
};
