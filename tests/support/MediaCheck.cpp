#include "MediaCheck.h"

#include <QFile>
#include <atomic>
#include <cctype>
#include <cstdarg>
#include <functional>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {
std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

void Collect(AVDictionary* d, std::map<std::string, std::string>& tags) {
  const AVDictionaryEntry* e = nullptr;
  while ((e = av_dict_get(d, "", e, AV_DICT_IGNORE_SUFFIX))) tags.emplace(Lower(e->key), e->value);
}

float SampleAt(const AVFrame* f, int ch, int i) {
  const int channels = f->ch_layout.nb_channels;
  switch (f->format) {
    case AV_SAMPLE_FMT_FLTP: return reinterpret_cast<const float*>(f->extended_data[ch])[i];
    case AV_SAMPLE_FMT_FLT: return reinterpret_cast<const float*>(f->data[0])[i * channels + ch];
    case AV_SAMPLE_FMT_S16P: return reinterpret_cast<const short*>(f->extended_data[ch])[i] / 32768.f;
    case AV_SAMPLE_FMT_S16: return reinterpret_cast<const short*>(f->data[0])[i * channels + ch] / 32768.f;
    default: return 0;
  }
}
// Decodes stream `si` of `fmt` to its end, handing each frame to `onFrame` and
// counting the stream's packets. False when the decoder will not open or reports
// an error.
bool DecodeStream(AVFormatContext* fmt, int si, int errorChecks, const std::function<void(const AVFrame*)>& onFrame,
                  long long* packets = nullptr) {
  const AVCodecParameters* par = fmt->streams[si]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(par->codec_id);
  AVCodecContext* dec = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(dec, par);
  dec->err_recognition = errorChecks;
  bool clean = avcodec_open2(dec, codec, nullptr) == 0;
  AVPacket* pkt = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  auto drain = [&] {
    int r;
    while ((r = avcodec_receive_frame(dec, frame)) == 0) onFrame(frame);
    if (r != AVERROR(EAGAIN) && r != AVERROR_EOF) clean = false;
  };
  while (clean && av_read_frame(fmt, pkt) >= 0) {
    if (pkt->stream_index == si) {
      if (packets) ++*packets;
      if (avcodec_send_packet(dec, pkt) < 0) clean = false;
      drain();
    }
    av_packet_unref(pkt);
  }
  if (clean) {
    avcodec_send_packet(dec, nullptr);
    drain();
  }
  av_frame_free(&frame);
  av_packet_free(&pkt);
  avcodec_free_context(&dec);
  return clean;
}

}  // namespace

MediaFacts ReadMedia(const QString& path) {
  MediaFacts facts;
  AVFormatContext* fmt = nullptr;
  const QByteArray name = QFile::encodeName(path);
  if (avformat_open_input(&fmt, name.constData(), nullptr, nullptr) < 0) return facts;
  if (avformat_find_stream_info(fmt, nullptr) < 0) {
    avformat_close_input(&fmt);
    return facts;
  }
  facts.Opened = true;
  Collect(fmt->metadata, facts.Tags);
  for (unsigned i = 0; i < fmt->nb_streams; ++i)
    if (fmt->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC) facts.CoverBytes = fmt->streams[i]->attached_pic.size;
  const int si = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (si < 0) {
    avformat_close_input(&fmt);
    return facts;
  }
  AVStream* st = fmt->streams[si];
  Collect(st->metadata, facts.Tags);
  facts.Channels = st->codecpar->ch_layout.nb_channels;
  facts.SampleRate = st->codecpar->sample_rate;
  facts.BitRate = st->codecpar->bit_rate ? st->codecpar->bit_rate : fmt->bit_rate;
  facts.Codec = avcodec_get_name(st->codecpar->codec_id);
  if (fmt->duration != AV_NOPTS_VALUE) facts.Duration = fmt->duration / double(AV_TIME_BASE);

  const bool clean = DecodeStream(fmt, si, 0, [&](const AVFrame* frame) {
    facts.DecodedFrames += frame->nb_samples;
    if (frame->ch_layout.nb_channels == 2)
      for (int i = 0; i < frame->nb_samples; ++i)
        if (std::abs(SampleAt(frame, 0, i) - SampleAt(frame, 1, i)) > 1e-6f) facts.ChannelsIdentical = false;
  });
  facts.DecodedCleanly = clean;
  avformat_close_input(&fmt);
  return facts;
}

namespace {
std::atomic<int> LoggedErrors{0};
void CountErrors(void* avcl, int level, const char* format, va_list args) {
  if (level <= AV_LOG_ERROR) ++LoggedErrors;
  av_log_default_callback(avcl, level, format, args);
}
}  // namespace

DecodedAudio DecodeAudio(const QString& path) {
  DecodedAudio out;
  AVFormatContext* fmt = nullptr;
  const QByteArray name = QFile::encodeName(path);
  av_log_set_callback(CountErrors);
  const int errorsBefore = LoggedErrors;
  if (avformat_open_input(&fmt, name.constData(), nullptr, nullptr) < 0) return out;
  const int si = avformat_find_stream_info(fmt, nullptr) < 0 ? -1 : av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (si < 0) {
    avformat_close_input(&fmt);
    return out;
  }
  const AVCodecParameters* par = fmt->streams[si]->codecpar;
  out.Channels = par->ch_layout.nb_channels;
  out.SampleRate = par->sample_rate;
  // Every check the decoder has, each fatal: a frame laid wrongly must show.
  const bool clean = DecodeStream(
      fmt, si, AV_EF_CRCCHECK | AV_EF_BITSTREAM | AV_EF_BUFFER | AV_EF_EXPLODE,
      [&](const AVFrame* frame) {
        for (int i = 0; i < frame->nb_samples; ++i)
          for (int ch = 0; ch < frame->ch_layout.nb_channels; ++ch) out.Samples.push_back(SampleAt(frame, ch, i));
      },
      &out.Packets);
  out.Clean = clean && LoggedErrors == errorsBefore;
  avformat_close_input(&fmt);
  return out;
}
