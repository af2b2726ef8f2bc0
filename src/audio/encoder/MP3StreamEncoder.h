#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "SampleFormat.h"

// One MP3 stream on its way into its output, encoded whole or in parts: it takes
// PCM at the stream's rate and gives the stream's tag frame at its end. While it
// lives it counts as one conversion in the process's core budget.
class TMP3StreamEncoder {
 public:
  // How the stream was encoded, for those who look.
  struct TSplitReport {
    bool Used = false;
    int Seams = 0, Continued = 0, HelperParts = 0;
  };
  // Sees each step of PCM just as the encoder gets it.
  using TTap = std::function<void(const void* pcm, int samples, TSampleFormat format)>;

  TMP3StreamEncoder();
  virtual ~TMP3StreamEncoder();
  TMP3StreamEncoder(const TMP3StreamEncoder&) = delete;
  TMP3StreamEncoder& operator=(const TMP3StreamEncoder&) = delete;

  void SetTap(TTap tap) { Tap_ = std::move(tap); }
  // Interleaved PCM, `samples` per channel; float samples within -1..1. Throws
  // EAudioException when the encoder fails.
  void Push(const void* pcm, int samples, int channels, TSampleFormat format) {
    if (Tap_) Tap_(pcm, samples, format);
    Encode(pcm, samples, channels, format);
  }
  // Encodes what is held back and writes it. Returns the stream's tag frame, to go
  // over the stand-in written at its start (empty for none).
  virtual std::vector<std::uint8_t> Finish() = 0;
  // Samples per channel the stream decodes to, its delay and padding taken off.
  virtual long long Samples() const = 0;
  virtual TSplitReport Report() const { return {}; }

  // Makes a step of input fit for the encoders, in place: a damaged stream can
  // decode to float values far out of range, or to NaN, on which the encoder
  // aborts; they are clipped as the 16-bit path would.
  static void Clip(void* pcm, int samples, int channels, TSampleFormat format);

 protected:
  virtual void Encode(const void* pcm, int samples, int channels, TSampleFormat format) = 0;

 private:
  TTap Tap_;
};
