#pragma once
#include <cstdint>
#include <vector>

#include "LameTag.h"
#include "Lame.h"
#include "MP3StreamEncoder.h"
#include "OutputStream.h"

// A stream encoded whole by one encoder on the calling thread.
class TWholeStreamEncoder : public TMP3StreamEncoder {
 public:
  // `first` encodes the stream and is owned from here on; `infoFrame` is the Info
  // frame made for it where it leaves its own out (TMP3EncoderBuilder::InfoFrame),
  // whose stand-in is written at once. `inRate` is the input's own rate, before any
  // resampling: a step resampled upwards holds more samples.
  TWholeStreamEncoder(lame_t first, std::vector<std::uint8_t> infoFrame, int inRate, TOutputStream& out);
  ~TWholeStreamEncoder() override;

  std::vector<std::uint8_t> Finish() override;
  long long Samples() const override { return Fed_; }

 protected:
  void Encode(const void* pcm, int samples, int channels, TSampleFormat format) override;

 private:
  void Write(std::size_t bytes);

  lame_t Encoder_;
  std::vector<std::uint8_t> InfoFrame_;
  TOutputStream& Out_;
  std::vector<unsigned char> Buffer_;
  TLameTag::TStream Written_;  // what the made Info frame counts
  long long Fed_ = 0;  // at the encoder's own rate: it never resamples
};
