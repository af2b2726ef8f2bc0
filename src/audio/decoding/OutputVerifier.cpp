#include "OutputVerifier.h"

#include <cstdio>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

namespace {

std::string ErrorText(int error) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, text, sizeof text);
  return text;
}

std::string Time(long long samples, int rate) {
  const long long tenths = rate > 0 ? samples * 10 / rate : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld.%lld", tenths / 600, tenths / 10 % 60, tenths % 10);
  return text;
}

struct TFormatClose {
  void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
struct TCodecFree {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct TPacketFree {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct TFrameFree {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};

}  // namespace

std::string TOutputVerifier::Check(const std::string& path, long long samples, const std::atomic<bool>* stop) {
  AVFormatContext* opened = nullptr;
  if (const int r = avformat_open_input(&opened, path.c_str(), nullptr, nullptr); r < 0)
    return "it cannot be opened (" + ErrorText(r) + ")";
  std::unique_ptr<AVFormatContext, TFormatClose> fmt(opened);
  if (avformat_find_stream_info(fmt.get(), nullptr) < 0) return "its format is not recognised";
  const int si = av_find_best_stream(fmt.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (si < 0) return "it holds no audio";
  const AVCodecParameters* par = fmt->streams[si]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(par->codec_id);
  if (!codec) return "its audio cannot be decoded";
  std::unique_ptr<AVCodecContext, TCodecFree> dec(avcodec_alloc_context3(codec));
  if (!dec || avcodec_parameters_to_context(dec.get(), par) < 0) return "its audio cannot be decoded";
  dec->err_recognition = AV_EF_CRCCHECK | AV_EF_BITSTREAM | AV_EF_BUFFER | AV_EF_EXPLODE;
  dec->thread_count = 1;
  if (avcodec_open2(dec.get(), codec, nullptr) < 0) return "its audio cannot be decoded";
  std::unique_ptr<AVPacket, TPacketFree> pkt(av_packet_alloc());
  std::unique_ptr<AVFrame, TFrameFree> frame(av_frame_alloc());
  if (!pkt || !frame) return "there is no memory to decode it";

  const int rate = par->sample_rate;
  long long decoded = 0;
  bool gapless = false;  // the demuxer read the encoder's delay and padding
  auto damaged = [&](int error) { return "its audio is damaged at " + Time(decoded, rate) + " (" + ErrorText(error) + ")"; };
  auto drain = [&]() -> int {
    int r;
    while ((r = avcodec_receive_frame(dec.get(), frame.get())) == 0) {
      decoded += frame->nb_samples;
      av_frame_unref(frame.get());
    }
    return r == AVERROR(EAGAIN) || r == AVERROR_EOF ? 0 : r;
  };
  for (;;) {
    if (stop && stop->load(std::memory_order_relaxed)) return {};
    const int r = av_read_frame(fmt.get(), pkt.get());
    if (r == AVERROR_EOF) break;
    if (r < 0) return "it cannot be read to its end (" + ErrorText(r) + ")";
    if (pkt->stream_index == si) {
      if (av_packet_get_side_data(pkt.get(), AV_PKT_DATA_SKIP_SAMPLES, nullptr)) gapless = true;
      int e = avcodec_send_packet(dec.get(), pkt.get());
      if (e >= 0) e = drain();
      if (e < 0) return damaged(e);
    }
    av_packet_unref(pkt.get());
  }
  int e = avcodec_send_packet(dec.get(), nullptr);
  if (e >= 0) e = drain();
  if (e < 0) return damaged(e);
  // Untrimmed, the stream holds the encoder's delay and its last frame's padding besides.
  const long long over = gapless ? 0 : 576 + 2LL * (dec->frame_size > 0 ? dec->frame_size : 1152);
  if (decoded >= samples && decoded <= samples + over) return {};
  return "it decodes to " + Time(decoded, rate) + " of " + Time(samples, rate) + " (" + std::to_string(decoded) +
         " of " + std::to_string(samples) + " samples)";
}
