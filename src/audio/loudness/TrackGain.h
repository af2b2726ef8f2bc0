#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "LoudnessMeter.h"

// One file's ReplayGain: measured from the PCM its encoder is fed and written
// twice when it ends, into the ID3v2 tag's padding kept for it and into the
// stream's tag frame.
class TTrackGain {
 public:
  // `id3v2` is the file's tag as the encoder made it (empty for none).
  TTrackGain(int channels, int rate, const std::vector<std::uint8_t>& id3v2);

  // The ID3v2 tag to write at the file's start, with room for the gain.
  const std::vector<std::uint8_t>& Head() const { return Head_; }
  void Add(const void* pcm, int samples, TSampleFormat format) { Meter_->Add(pcm, samples, format); }
  // Puts the gain into `tagFrame` and into Head, which is emptied when the tag
  // has no room for it (then it is written as it was).
  void Write(std::vector<std::uint8_t>& tagFrame);
  // The measurement, for the album.
  std::unique_ptr<TLoudnessMeter> TakeMeter() { return std::move(Meter_); }

 private:
  std::unique_ptr<TLoudnessMeter> Meter_;
  std::vector<std::uint8_t> Head_;
};
