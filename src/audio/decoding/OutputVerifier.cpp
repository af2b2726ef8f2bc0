#include "OutputVerifier.h"

#include "Lang.h"

#include <cstdio>
#include <deque>
#include <memory>
#include <system_error>
#include <thread>

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
using TPacket = std::unique_ptr<AVPacket, TPacketFree>;

// One decoder reading the file from its start. The back half's pass reads the
// front without decoding it, so that the demuxer trims the ends just as it
// does for a whole pass.
class TPass {
 public:
  long long Decoded = 0;
  bool Gapless = false;  // the demuxer read the encoder's delay and padding
  int Error = 0;         // the decoder's, with the samples decoded before it
  long long ErrorAt = 0;
  std::string Unreadable;
  int Rate = 0;

  std::string Open(const std::string& path) {
    AVFormatContext* opened = nullptr;
    if (const int r = avformat_open_input(&opened, path.c_str(), nullptr, nullptr); r < 0)
      return lang::Say(lang::CheckCannotOpenFormat, ErrorText(r));
    Fmt_.reset(opened);
    if (avformat_find_stream_info(Fmt_.get(), nullptr) < 0) return lang::Say(lang::CheckFormatUnknown);
    Stream_ = av_find_best_stream(Fmt_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (Stream_ < 0) return lang::Say(lang::CheckNoAudio);
    const AVCodecParameters* par = Fmt_->streams[Stream_]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    if (!codec) return lang::Say(lang::CheckUndecodable);
    Dec_.reset(avcodec_alloc_context3(codec));
    if (!Dec_ || avcodec_parameters_to_context(Dec_.get(), par) < 0) return lang::Say(lang::CheckUndecodable);
    Dec_->err_recognition = AV_EF_CRCCHECK | AV_EF_BITSTREAM | AV_EF_BUFFER | AV_EF_EXPLODE;
    Dec_->thread_count = 1;
    // Without it the decoder cannot move the timestamps past the encoder's delay and
    // padding it trims, and says so twice for every file.
    Dec_->pkt_timebase = Fmt_->streams[Stream_]->time_base;
    if (avcodec_open2(Dec_.get(), codec, nullptr) < 0) return lang::Say(lang::CheckUndecodable);
    Frame_.reset(av_frame_alloc());
    if (!Frame_) return lang::Say(lang::CheckNoMemory);
    Rate = par->sample_rate;
    return {};
  }

  long long Size() const { return Fmt_->pb ? avio_size(Fmt_->pb) : -1; }
  int FrameSize() const { return Dec_->frame_size > 0 ? Dec_->frame_size : 1152; }

  // The stream's next packet: true, or false at the end and when it cannot be read (Unreadable).
  bool Next(AVPacket* pkt) {
    for (;;) {
      av_packet_unref(pkt);
      const int r = av_read_frame(Fmt_.get(), pkt);
      if (r == AVERROR_EOF) return false;
      if (r < 0) {
        Unreadable = lang::Say(lang::CheckUnreadableFormat, ErrorText(r));
        return false;
      }
      if (pkt->stream_index == Stream_) return true;
    }
  }

  // Decodes a packet (the end when null). Uncounted, its frames and errors go
  // unseen: they only set the decoder up for what follows.
  bool Decode(const AVPacket* pkt, bool counted) {
    if (counted && pkt && av_packet_get_side_data(pkt, AV_PKT_DATA_SKIP_SAMPLES, nullptr)) Gapless = true;
    int r = avcodec_send_packet(Dec_.get(), pkt);
    if (r >= 0) {
      while ((r = avcodec_receive_frame(Dec_.get(), Frame_.get())) == 0) {
        if (counted) Decoded += Frame_->nb_samples;
        av_frame_unref(Frame_.get());
      }
      if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) r = 0;
    }
    if (r >= 0 || !counted) return true;
    Error = r;
    ErrorAt = Decoded;
    return false;
  }

 private:
  std::unique_ptr<AVFormatContext, TFormatClose> Fmt_;
  std::unique_ptr<AVCodecContext, TCodecFree> Dec_;
  std::unique_ptr<AVFrame, TFrameFree> Frame_;
  int Stream_ = -1;
};

// Frames may take their data from up to 511 bytes before them, and the
// decoder's filters carry a frame over: the back half decodes this much of
// the front first, uncounted.
constexpr long long LeadBytes = 2048;
constexpr std::size_t LeadPackets = 4;

void DecodeBack(TPass& back, long long split, const std::atomic<bool>& frontEnded, const std::atomic<bool>* stop) {
  TPacket pkt(av_packet_alloc());
  if (!pkt) {
    back.Unreadable = lang::Say(lang::CheckNoMemory);
    return;
  }
  std::deque<TPacket> lead;
  long long leadBytes = 0;
  bool reached = false;
  while (back.Next(pkt.get())) {
    if (frontEnded.load(std::memory_order_relaxed) || (stop && stop->load(std::memory_order_relaxed))) return;
    if (!reached && pkt->pos < split) {
      leadBytes += pkt->size;
      lead.emplace_back(av_packet_alloc());
      if (!lead.back()) {
        back.Unreadable = lang::Say(lang::CheckNoMemory);
        return;
      }
      av_packet_move_ref(lead.back().get(), pkt.get());
      while (lead.size() > LeadPackets && leadBytes - lead.front()->size >= LeadBytes) {
        leadBytes -= lead.front()->size;
        lead.pop_front();
      }
      continue;
    }
    if (!reached) {
      reached = true;
      for (const TPacket& p : lead) back.Decode(p.get(), false);
      lead.clear();
    }
    if (!back.Decode(pkt.get(), true)) return;
  }
  if (reached && back.Unreadable.empty()) back.Decode(nullptr, true);
}

// The back half's decoder on its own thread, and the core it was lent: both
// given up on every way out of a check, thrown ones too.
class TBackHalf {
 public:
  TPass Pass;
  long long Split = -1;  // -1 while the front decodes it all

  explicit TBackHalf(const TOutputVerifier::TOptions& options) : Options_(options) {}
  ~TBackHalf() { End(true); }

  // Given a core: the core goes back at once if the half cannot be started.
  void Start(const std::string& path, long long split) {
    if (!Pass.Open(path).empty()) return Options_.GiveCore();
    try {
      Thread_ = std::thread([this, split] { DecodeBack(Pass, split, Stop_, Options_.Stop); });
      Split = split;
    } catch (const std::system_error&) {
      Options_.GiveCore();
    }
  }
  // Waits for it; `stop` when its result is no longer wanted.
  void End(bool stop) {
    if (!Thread_.joinable()) return;
    if (stop) Stop_ = true;
    Thread_.join();
    Options_.GiveCore();
  }

 private:
  const TOutputVerifier::TOptions& Options_;
  std::atomic<bool> Stop_{false};
  std::thread Thread_;
};

}  // namespace

std::string TOutputVerifier::Check(const std::string& path, long long samples, const TOptions& options) {
  TPass front;
  if (std::string e = front.Open(path); !e.empty()) return e;
  TPacket pkt(av_packet_alloc());
  if (!pkt) return lang::Say(lang::CheckNoMemory);
  auto stopped = [&] { return options.Stop && options.Stop->load(std::memory_order_relaxed); };

  TBackHalf back(options);
  const long long size = front.Size();
  bool asked = false;
  // One offer taken is enough, whatever came of it; the back half goes from
  // the first packet at or past the middle of what is left.
  auto lendBack = [&](long long pos) {
    if (!options.TakeCore || !options.GiveCore || pos < 0 || size - pos < 2 * options.MinHalfBytes) return;
    if (!options.TakeCore()) return;
    asked = true;
    back.Start(path, pos + (size - pos) / 2);
  };

  auto damaged = [&](long long at, int error) {
    return lang::Say(lang::CheckDamagedFormat, Time(at, front.Rate), ErrorText(error));
  };
  long long packets = 0;
  while (front.Next(pkt.get())) {
    if (stopped()) return {};
    if (back.Split >= 0 && pkt->pos >= back.Split) break;
    if (!asked && packets++ % 32 == 0) lendBack(pkt->pos);
    if (!front.Decode(pkt.get(), true)) return damaged(front.ErrorAt, front.Error);
  }
  if (!front.Unreadable.empty()) return front.Unreadable;
  if (!front.Decode(nullptr, true)) return damaged(front.ErrorAt, front.Error);
  back.End(false);
  if (stopped()) return {};
  if (back.Pass.Error) return damaged(front.Decoded + back.Pass.ErrorAt, back.Pass.Error);
  if (!back.Pass.Unreadable.empty()) return back.Pass.Unreadable;

  const long long decoded = front.Decoded + back.Pass.Decoded;
  // Untrimmed, the stream holds the encoder's delay and its last frame's padding besides.
  const long long over = front.Gapless || back.Pass.Gapless ? 0 : 576 + 2LL * front.FrameSize();
  if (decoded >= samples && decoded <= samples + over) return {};
  return lang::Say(lang::CheckShortFormat, Time(decoded, front.Rate), Time(samples, front.Rate), std::to_string(decoded),
                   std::to_string(samples));
}
