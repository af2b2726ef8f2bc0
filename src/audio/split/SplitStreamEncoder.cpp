#include "SplitStreamEncoder.h"

#include <algorithm>

#include "AudioException.h"
#include "Lang.h"
#include "MP3Frame.h"

TSplitStreamEncoder::TSplitStreamEncoder(const TMP3EncoderBuilder& builder, lame_t first,
                                         std::vector<std::uint8_t> infoFrame, const TInput& input,
                                         TOutputStream& out) {
  Layout_.FrameSamples = Lame.lame_get_framesize(first);
  Layout_.Channels = input.Channels;
  Layout_.Format = input.Format;
  Layout_.PartFrames = std::max(16, input.PartFrames);
  Layout_.ExpectedSamples = input.Samples;
  const TMP3EncoderBuilder::TSettings& s = builder.Settings();
  if (s.VBR) {
    // The largest bit-rate index within the user's ceiling.
    const bool mpeg1 = Lame.lame_get_out_samplerate(first) >= 32000;
    const int top = std::max(s.VBRMinBitrate, s.VBRMaxBitrate);
    for (int i = 1; i < 15; ++i)
      if (TMP3Frame::Kbps(mpeg1, i) <= top) Layout_.MaxBitRateIndex = i;
  }
  const bool tagFrame = Lame.lame_get_bWriteVbrTag(first) > 0;
  try {
    Splitter_ = std::make_unique<TSplitEncoder>(
        Layout_, first, tagFrame,
        [builder] {
          std::string error;
          return builder.Build(TMP3EncoderBuilder::TRole::Later, error);
        },
        out, std::move(infoFrame));
  } catch (...) {
    Lame.lame_close(first);  // not the splitter's yet
    throw;
  }
}

TSplitStreamEncoder::~TSplitStreamEncoder() { Splitter_.reset(); }  // its helpers stop first

void TSplitStreamEncoder::Encode(const void* pcm, int samples, int channels, TSampleFormat format) {
  if (channels != Layout_.Channels || format != Layout_.Format)
    throw EAudioException(lang::Say(lang::InputFormatChanged));
  Splitter_->Push(pcm, samples);
}

TMP3StreamEncoder::TSplitReport TSplitStreamEncoder::Report() const {
  return {true, Splitter_->Seams(), Splitter_->Continued(), Splitter_->HelperParts()};
}
