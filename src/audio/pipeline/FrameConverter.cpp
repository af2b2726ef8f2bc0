#include "FrameConverter.h"

#include <new>
#include <string>

extern "C" {
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

#include "AudioReadError.h"
#include "Lang.h"

namespace {

AVChannelLayout LayoutOf(const AVFrame* frame) {
  AVChannelLayout layout{};
  if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
    av_channel_layout_default(&layout, frame->ch_layout.nb_channels);
  else
    av_channel_layout_copy(&layout, &frame->ch_layout);
  return layout;
}

}  // namespace

TFrameConverter::TFrameConverter(std::string fileName, int outChannels, AVSampleFormat outFormat, int outRate)
    : FileName_(std::move(fileName)),
      OutChannels_(outChannels),
      OutFormat_(outFormat),
      OutRate_(outRate),
      FrameBytes_(outChannels * av_get_bytes_per_sample(outFormat)) {}

TFrameConverter::~TFrameConverter() {
  av_frame_free(&Packed_);
  swr_free(&Swr_);
  av_channel_layout_uninit(&InLayout_);
}

bool TFrameConverter::SameFormat(const AVFrame* frame) const {
  if (!Swr_ || frame->sample_rate != InRate_ || frame->format != InFormat_) return false;
  AVChannelLayout layout = LayoutOf(frame);
  const bool same = av_channel_layout_compare(&layout, &InLayout_) == 0;
  av_channel_layout_uninit(&layout);
  return same;
}

void TFrameConverter::Fail(const std::string& why, int code) {
  swr_free(&Swr_);
  InFormat_ = -1;
  throw EAudioReadError("\"" + FileName_ + "\": " + why, code);
}

void TFrameConverter::Setup(const AVFrame* frame) {
  swr_free(&Swr_);
  av_channel_layout_uninit(&InLayout_);
  InLayout_ = LayoutOf(frame);
  InRate_ = frame->sample_rate;
  InFormat_ = frame->format;
  if (InRate_ <= 0 || InLayout_.nb_channels <= 0 || InFormat_ < 0)
    Fail(lang::Say(lang::ReadFormatChanged), AVERROR_INVALIDDATA);
  AVChannelLayout outLayout{};
  av_channel_layout_default(&outLayout, OutChannels_);
  int r = swr_alloc_set_opts2(&Swr_, &outLayout, OutFormat_, OutRate_, &InLayout_, AVSampleFormat(InFormat_),
                              InRate_, 0, nullptr);
  av_channel_layout_uninit(&outLayout);
  if (r >= 0 && InLayout_.nb_channels == 1 && OutChannels_ == 2) {
    // A mono stretch plays on both sides at its own level, as a mono file does.
    const double both[2] = {1.0, 1.0};
    r = swr_set_matrix(Swr_, both, 1);
  }
  if (r >= 0) r = swr_init(Swr_);
  if (r < 0)
    Fail(lang::Say(lang::ReadConversionSetupFormat, std::to_string(InRate_), std::to_string(InLayout_.nb_channels)), r);
}

void TFrameConverter::Append(const std::uint8_t* const* in, int count, std::vector<std::uint8_t>& out) {
  const int room = swr_get_out_samples(Swr_, count);
  if (room <= 0) return;
  const std::size_t at = out.size();
  out.resize(at + std::size_t(room) * FrameBytes_);
  std::uint8_t* dst = out.data() + at;
  const int n = swr_convert(Swr_, &dst, room, const_cast<const std::uint8_t**>(in), count);
  if (n < 0) {
    out.resize(at);
    Fail(lang::Say(lang::ReadCannotConvert), n);
  }
  out.resize(at + std::size_t(n) * FrameBytes_);
}

void TFrameConverter::Convert(const AVFrame* frame, std::vector<std::uint8_t>& out) {
  if (!SameFormat(frame)) {
    if (Started_) {
      ++Changes_;
      if (Swr_) Drain(out);  // the tail of the old format comes first
    }
    Setup(frame);
    Started_ = true;
  }
  Append(frame->extended_data, frame->nb_samples, out);
}

void TFrameConverter::ConvertPacked(const std::uint8_t* pcm, int count, int channels, AVSampleFormat format,
                                    int rate, std::vector<std::uint8_t>& out) {
  if (!Packed_ && !(Packed_ = av_frame_alloc())) throw std::bad_alloc();
  Packed_->format = format;
  Packed_->sample_rate = rate;
  Packed_->nb_samples = count;
  av_channel_layout_uninit(&Packed_->ch_layout);
  av_channel_layout_default(&Packed_->ch_layout, channels);
  Packed_->data[0] = const_cast<std::uint8_t*>(pcm);  // borrowed, never freed by the frame
  Packed_->extended_data = Packed_->data;
  Convert(Packed_, out);
}

void TFrameConverter::Drain(std::vector<std::uint8_t>& out) {
  if (Swr_ && InRate_ != OutRate_) Append(nullptr, 0, out);
}

void TFrameConverter::Reset() {
  swr_free(&Swr_);
  InFormat_ = -1;
  Started_ = false;
}
