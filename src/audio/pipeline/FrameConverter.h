#pragma once
#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

struct AVFrame;
struct SwrContext;

// Turns decoded frames into packed PCM of one fixed format: the channel count,
// sample format and rate the stream started with. A stream may change any of
// its own (joined recordings do); the converter follows each change, so the
// output keeps one format and the whole length.
class TFrameConverter {
 public:
  TFrameConverter(std::string fileName, int outChannels, AVSampleFormat outFormat, int outRate);
  ~TFrameConverter();
  TFrameConverter(const TFrameConverter&) = delete;
  TFrameConverter& operator=(const TFrameConverter&) = delete;

  // Appends the frame's samples. Throws EAudioReadError when its format cannot
  // be converted.
  void Convert(const AVFrame* frame, std::vector<std::uint8_t>& out);
  // The same for `count` interleaved samples per channel, as a source delivers them.
  void ConvertPacked(const std::uint8_t* pcm, int count, int channels, AVSampleFormat format, int rate,
                     std::vector<std::uint8_t>& out);
  // Appends what a resampler still holds; at the end of the stream.
  void Drain(std::vector<std::uint8_t>& out);
  // Forgets what it holds; after a seek.
  void Reset();

  int FrameBytes() const { return FrameBytes_; }
  int OutRate() const { return OutRate_; }
  // How often the input format changed after the first frame.
  int Changes() const { return Changes_; }

 private:
  bool SameFormat(const AVFrame* frame) const;
  void Setup(const AVFrame* frame);
  [[noreturn]] void Fail(const std::string& why, int code);
  void Append(const std::uint8_t* const* in, int count, std::vector<std::uint8_t>& out);

  const std::string FileName_;
  const int OutChannels_;
  const AVSampleFormat OutFormat_;
  const int OutRate_;
  const int FrameBytes_;
  SwrContext* Swr_ = nullptr;
  AVFrame* Packed_ = nullptr;  // describes the samples ConvertPacked is given
  AVChannelLayout InLayout_{};
  int InRate_ = 0;
  int InFormat_ = -1;
  int Changes_ = 0;
  bool Started_ = false;
};
