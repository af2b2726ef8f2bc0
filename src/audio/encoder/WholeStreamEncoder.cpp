#include "WholeStreamEncoder.h"

#include <algorithm>
#include <string>

#include "AudioException.h"
#include "Lang.h"

namespace {
std::string EncoderFailed(int error) { return lang::Say(lang::EncoderFailedFormat, std::to_string(error)); }
}  // namespace

TWholeStreamEncoder::TWholeStreamEncoder(lame_t first, std::vector<std::uint8_t> infoFrame, int inRate,
                                         TOutputStream& out)
    : Encoder_(first), InfoFrame_(std::move(infoFrame)), Out_(out) {
  try {
    const std::vector<std::uint8_t> standIn = TLameTag::StandIn(InfoFrame_);
    Out_.Write(standIn.data(), standIn.size());
  } catch (...) {
    Lame.lame_close(Encoder_);
    throw;
  }
  // Room for one step of the most samples per channel, scaled up when the
  // encoder resamples upwards, and for the tag frame's stand-in the first call emits.
  const int outRate = Lame.lame_get_out_samplerate(Encoder_);
  const double scale = inRate > 0 ? std::max(1.0, double(outRate) / inRate) : 1.0;
  Buffer_.assign(std::max(17440, static_cast<int>(1.25 * 8192 * scale) + 7200) + 2880, 0);
}

TWholeStreamEncoder::~TWholeStreamEncoder() { Lame.lame_close(Encoder_); }

void TWholeStreamEncoder::Encode(const void* pcm, int samples, int channels, TSampleFormat format) {
  Fed_ += samples;
  const int m = EncodePcm(Encoder_, pcm, samples, channels, format, Buffer_.data(), int(Buffer_.size()));
  if (m < 0) throw EAudioException(EncoderFailed(m));
  Write(static_cast<std::size_t>(m));
}

void TWholeStreamEncoder::Write(std::size_t bytes) {
  if (!InfoFrame_.empty()) Written_.Add(Buffer_.data(), bytes);
  Out_.Write(Buffer_.data(), bytes);
}

std::vector<std::uint8_t> TWholeStreamEncoder::Finish() {
  const int m = Lame.lame_encode_flush(Encoder_, Buffer_.data(), int(Buffer_.size()));
  if (m < 0) throw EAudioException(EncoderFailed(m));
  Write(static_cast<std::size_t>(m));
  if (InfoFrame_.empty()) {
    std::vector<std::uint8_t> tag(2880, 0);  // room for the largest frame
    tag.resize(Lame.lame_get_lametag_frame(Encoder_, tag.data(), tag.size()));
    return tag;
  }
  Written_.FrameSamples = Lame.lame_get_framesize(Encoder_);
  Written_.Delay = Lame.lame_get_encoder_delay(Encoder_);
  Written_.Samples = Written_.Frames * Written_.FrameSamples - Written_.Delay - Lame.lame_get_encoder_padding(Encoder_);
  TLameTag::Complete(InfoFrame_, Written_);
  return InfoFrame_;
}
