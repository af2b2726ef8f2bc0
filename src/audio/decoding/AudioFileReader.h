#pragma once
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "AudioReadError.h"
#include "TranslatedText.h"

struct AVFormatContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;
class TFrameConverter;

// The layout of the packed PCM a reader delivers.
struct TPcmFormat {
  bool Float = false;  // 32-bit IEEE float; else integer PCM
  std::uint16_t Channels = 0;
  std::uint32_t SampleRate = 0;
  std::uint32_t BytesPerSecond = 0;
  std::uint16_t FrameBytes = 0;
  std::uint16_t BitsPerSample = 0;
};

// Decodes the primary audio stream of a media file into packed PCM: 32-bit float
// when the decoder's samples are floating point or wider than 16 bits, 8-bit
// unsigned when the source is, else 16-bit; mono or stereo (more channels are
// mixed down).
// The format is the one the stream starts with, kept when the stream changes its own.
// Times are in 100-ns units.
class TAudioFileReader {
 public:
  // Opens the file; throws EAudioReadError when it cannot be decoded.
  explicit TAudioFileReader(const QString& fileName);
  ~TAudioFileReader();
  TAudioFileReader(const TAudioFileReader&) = delete;
  TAudioFileReader& operator=(const TAudioFileReader&) = delete;

  // Fills at most `size` bytes with whole frames; 0 once the stream has ended.
  int Read(void* buffer, int size);
  // Moves to `time`, clamped to the file; a failed seek restarts at 0. Never throws.
  void Seek(std::int64_t time);

  // The format the consumer delivers after widening and duplicating; FrameBytes
  // and BytesPerSecond describe what Read itself returns.
  TPcmFormat Pcm;
  QString FileName;
  std::int64_t Duration = 0;  // 0 when unknown
  std::int64_t StatedDuration = -1;  // what the file's header says; -1 when it says nothing
  bool MonoToStereo = false;
  bool WidenTo16Bit = false;

  // End time of the last block delivered; read by the GUI while the worker reads.
  std::int64_t Position() const { return Position_.load(std::memory_order_relaxed); }
  // Damaged stretches passed over so far.
  int SkippedPackets() const { return SkippedPackets_.load(std::memory_order_relaxed); }

 private:
  bool DecodeFrame();  // false at the end of the stream
  void TakeFrame();
  void Skipped(int error, const lang::TTranslatedText& what);
  void Release();
  void RestartAt(std::int64_t time);

  AVFormatContext* Format_ = nullptr;
  AVCodecContext* Decoder_ = nullptr;
  std::unique_ptr<TFrameConverter> Converter_;
  AVPacket* Packet_ = nullptr;
  AVFrame* Frame_ = nullptr;
  int Stream_ = -1;
  int OutChannels_ = 0;
  int OutBytesPerSample_ = 0;
  bool Drained_ = false;
  bool ConverterDrained_ = false;
  std::vector<std::uint8_t> Pending_;
  std::size_t PendingPos_ = 0;
  std::int64_t StartTime_ = 0;  // the container's clock at the start of the audio
  std::int64_t BaseTime_ = 0;  // where delivery restarted
  std::int64_t Delivered_ = 0; // frames delivered since then
  std::int64_t SkipUntil_ = -1; // drop decoded audio before this time after a seek
  int ErrorsInARow_ = 0;
  std::atomic<int> SkippedPackets_{0};
  std::atomic<std::int64_t> Position_{0};
};

// The decoders this program needs are present.
bool DecodersPresent();
