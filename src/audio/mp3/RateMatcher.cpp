#include "RateMatcher.h"

#include <algorithm>

extern "C" {
#include <libavutil/mathematics.h>
}

#include "AudioException.h"
#include "Lang.h"
#include "FrameConverter.h"
#include "MP3StreamEncoder.h"

namespace {
AVSampleFormat AvFormat(TSampleFormat format) {
  return format == TSampleFormat::sfFloat32 ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16;
}
}  // namespace

TRateMatcher::TRateMatcher(const std::string& name, int channels, TSampleFormat format, int inRate, int outRate)
    : Converter_(std::make_unique<TFrameConverter>(name, channels, AvFormat(format), outRate)),
      Channels_(channels),
      Format_(format),
      InRate_(inRate) {}

TRateMatcher::~TRateMatcher() = default;

void TRateMatcher::Push(const void* pcm, int samples, int channels, TSampleFormat format, TMP3StreamEncoder& to) {
  // The resampler keeps its first format.
  if (channels != Channels_ || format != Format_)
    throw EAudioException(lang::Say(lang::InputFormatChanged));
  Out_.clear();
  Converter_->ConvertPacked(static_cast<const std::uint8_t*>(pcm), samples, channels, AvFormat(format), InRate_, Out_);
  In_ += samples;
  Hand(false, to);
}

void TRateMatcher::Finish(TMP3StreamEncoder& to) {
  Out_.clear();
  Converter_->Drain(Out_);
  Hand(true, to);
}

void TRateMatcher::Hand(bool last, TMP3StreamEncoder& to) {
  const long long frameBytes = Converter_->FrameBytes();
  long long count = static_cast<long long>(Out_.size()) / frameBytes;
  if (last) {
    const long long wanted = av_rescale_rnd(In_, Converter_->OutRate(), std::max(1, InRate_), AV_ROUND_NEAR_INF);
    count = std::max(0LL, wanted - Handed_);
    Out_.resize(std::size_t(count * frameBytes), 0);
  }
  Handed_ += count;
  to.Push(Out_.data(), static_cast<int>(count), Channels_, Format_);
}
