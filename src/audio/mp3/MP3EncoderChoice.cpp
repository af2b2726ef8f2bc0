#include "MP3EncoderChoice.h"

#include <algorithm>
#include <utility>

extern "C" {
#include <libavutil/mathematics.h>
}

#include "AudioException.h"
#include "SplitStreamEncoder.h"
#include "WholeStreamEncoder.h"

namespace {
int BytesPerSample(TSampleFormat format) { return format == TSampleFormat::sfFloat32 ? 4 : 2; }
}  // namespace

TMP3EncoderChoice::TMP3EncoderChoice(const TMP3OutSettings& settings, const TMP3Tags& tags, const TInput& input)
    : Builder_(settings.Encoder(input.Rate), tags), In_(input), PartFrames_(std::max(16, settings.SplitPartFrames)) {
  if (In_.Channels < 1 || In_.Channels > 2) return;
  // A throw-away encoder of the same settings tells the rate and frame size.
  std::string error;
  lame_t probe = Builder_.Build(TMP3EncoderBuilder::TRole::Later, error);
  if (!probe) return;
  Rate_ = Lame.lame_get_out_samplerate(probe);
  const int frameSamples = Lame.lame_get_framesize(probe);
  Lame.lame_close(probe);
  // A file too short for two parts gains nothing from them. The stated length
  // may be absurd: rescaled without overflow.
  const long long samples = In_.Bytes / (In_.Channels * BytesPerSample(In_.Format));
  const bool longEnough =
      In_.Bytes < 0 || av_rescale(samples, Rate_, std::max(1, In_.Rate)) >= 2LL * PartFrames_ * frameSamples;
  Split_ = settings.SplitFiles && longEnough;
  // PCM at another rate is resampled before the encoders, which keep it.
  if (Rate_ != In_.Rate) Builder_ = Builder_.AtRate(Rate_);
}

TMP3EncoderChoice::~TMP3EncoderChoice() {
  if (First_) Lame.lame_close(First_);
}

TMP3EncoderChoice::THead TMP3EncoderChoice::Start() {
  THead head;
  std::string error;
  First_ = Builder_.Build(TMP3EncoderBuilder::TRole::First, error, &head.CoverNote);
  if (!First_) throw EAudioException(error);
  TMP3EncoderBuilder::Id3Tags(First_, head.Id3v2, head.Id3v1);
  // Its size is fixed now: the finished frame goes over this one in place.
  InfoFrame_ = Builder_.InfoFrame(First_);
  return head;
}

std::unique_ptr<TMP3StreamEncoder> TMP3EncoderChoice::Make(TOutputStream& out) {
  lame_t first = std::exchange(First_, nullptr);  // the encoder's from here on
  if (!Split_) return std::make_unique<TWholeStreamEncoder>(first, std::move(InfoFrame_), In_.Rate, out);
  TSplitStreamEncoder::TInput in;
  in.Channels = In_.Channels;
  in.Format = In_.Format;
  in.PartFrames = PartFrames_;
  if (In_.Bytes > 0) in.Samples = In_.Bytes / (In_.Channels * BytesPerSample(In_.Format));
  if (Rate_ != In_.Rate) in.Samples = av_rescale(in.Samples, Rate_, std::max(1, In_.Rate));
  return std::make_unique<TSplitStreamEncoder>(Builder_, first, std::move(InfoFrame_), in, out);
}
