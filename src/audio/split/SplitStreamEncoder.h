#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "MP3EncoderBuilder.h"
#include "MP3StreamEncoder.h"
#include "SplitEncoder.h"

// A stream encoded in parts on the cores free while it runs (TSplitEncoder).
class TSplitStreamEncoder : public TMP3StreamEncoder {
 public:
  struct TInput {
    int Channels = 2;
    TSampleFormat Format = TSampleFormat::sfInt16;
    long long Samples = -1;  // per channel at the builder's rate, where the input says
    int PartFrames = 384;   // frames in a part, at least 16
  };
  // `first`, built by `builder`, encodes the stream's start and is owned from here
  // on; `infoFrame` as for TSplitEncoder. The stream's start is written at once.
  TSplitStreamEncoder(const TMP3EncoderBuilder& builder, lame_t first, std::vector<std::uint8_t> infoFrame,
                      const TInput& input, TOutputStream& out);
  ~TSplitStreamEncoder() override;

  std::vector<std::uint8_t> Finish() override { return Splitter_->Finish(); }
  long long Samples() const override { return Splitter_->Samples(); }
  TSplitReport Report() const override;

 protected:
  // The parts are cut on the input's own grid: its layout stays as it began.
  void Encode(const void* pcm, int samples, int channels, TSampleFormat format) override;

 private:
  TSplitEncoder::TLayout Layout_;
  std::unique_ptr<TSplitEncoder> Splitter_;
};
