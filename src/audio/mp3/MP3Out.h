#pragma once
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "AudioFileOut.h"
#include "Lame.h"
#include "LameTag.h"
#include "MP3EncoderBuilder.h"
#include "MP3FileWriter.h"
#include "Mp3Types.h"
#include "SplitEncoder.h"

class TFrameConverter;
class TLoudnessMeter;

// The sink that encodes its input into an MP3 file: it reads a step of the input
// and hands it to the encoder, or to the encoders of a file encoded in parts. The
// file is written beside its final name and moved there only once it is complete.
class TMP3Out : public TAudioFileOut {
 public:
  explicit TMP3Out(TComponent* owner = nullptr);
  ~TMP3Out() override;

  static constexpr int StepBufferSize = 16384;

  TMP3BitRate BitRate = TMP3BitRate::br128;
  std::string Id3TagTitle, Id3TagArtist, Id3TagAlbum, Id3TagYear, Id3TagTrack, Id3TagComment, Id3TagGenre;
  std::string Id3TagAlbumArtist, Id3TagDisc, Id3TagComposer;
  std::string Id3Cover;  // picture bytes; empty for none
  static constexpr std::size_t MaxCoverBytes = TMP3EncoderBuilder::MaxCoverBytes;
  TMP3Quality Quality = TMP3Quality::ql5;
  TMP3SampleRate SampleRate = TMP3SampleRate::srDefault;
  TMP3Mode Mode = TMP3Mode::STEREO;
  bool CRC = false;
  bool Copyright = false;
  bool Original = true;
  bool WriteVBRHeader = false;
  bool EnableVBR = false;
  TMP3Quality VBRQuality = TMP3Quality::ql5;
  int VBRMinBitrate = 128;
  int VBRMaxBitrate = 192;

  void ApplySettings(const TMP3Settings& s);
  TMP3Settings Settings() const;
  void ApplyTags(const TMP3Tags& tags);
  // The run in progress, once stopped, leaves nothing: its file is discarded
  // instead of finished.
  void DiscardRun() { DiscardRequest_ = true; }
  // A long file is encoded in parts on the cores free while it runs, and joined.
  bool SplitFiles = true;
  int SplitPartFrames = 384;  // frames in a part
  struct TSplitReport {
    bool Used = false;
    int Seams = 0, Continued = 0, HelperParts = 0;
  };
  // How the last run's file was encoded.
  const TSplitReport& SplitReport() const { return SplitReport_; }
  // Each file is measured as it is encoded and tagged with its ReplayGain; the
  // audio itself is never changed.
  bool ReplayGain = false;
  // The last finished file's measurement, once; null when there is none.
  std::unique_ptr<TLoudnessMeter> TakeLoudness();
  // Why the last run's cover picture was left out; empty when it was not.
  const std::string& CoverNote() const { return CoverNote_; }
  // The samples per channel, at the file's own rate, the last finished file decodes
  // to (its encoder delay and padding taken off); 0 when the run made no file.
  long long EncodedSamples() const { return EncodedSamples_; }

 protected:
  void PrepareOutput() override;
  bool OutputStep(bool abort) override;
  void FinishOutput() override;

 private:
  TMP3EncoderBuilder::TSettings EncoderSettings() const;
  TMP3Tags Tags() const;
  // Builds the encoders and writes the file's head.
  void StartEncoding();
  // The rate a file encoded in parts is encoded at; 0 when it is encoded whole.
  // The rate the encoders get, and whether the file is long enough to split
  // (when splitting is on); none when no encoder can be made.
  struct TEncoderShape {
    int Rate = 0;
    bool Split = false;
  };
  TEncoderShape Shape(const TMP3EncoderBuilder& builder) const;
  void Feed(const std::uint8_t* pcm, int samples, TSampleFormat format, int channels);
  void StartSplit(const TMP3EncoderBuilder& builder);
  // Measures what the encoders get, then hands it to them.
  void Measure(const void* pcm, int samples, TSampleFormat format);
  void Encode(const std::uint8_t* pcm, int samples, int channels, TSampleFormat format);
  // Writes `bytes` of the one encoder's output from its buffer.
  void Write(std::size_t bytes);
  // Encodes what the encoders hold back; returns the stream's tag frame (empty for none).
  std::vector<std::uint8_t> EndEncoding();
  // Releases the run's encoders, core and file (kept only if finished), and closes
  // the input; quietly when the run has no product.
  void EndRun(bool product);
  void CloseInputQuietly();

  alignas(16) unsigned char StepBuffer[StepBufferSize];
  bool Prepared_ = false;
  bool Failed_ = false;  // the product is broken: it must not reach its name
  std::atomic<bool> DiscardRequest_{false};
  std::string CoverNote_;
  long long Fed_ = 0;  // samples per channel handed to the encoder
  long long EncodedSamples_ = 0;
  TMP3FileWriter Writer_;
  // The stream's Info frame where the encoder leaves it out (empty when it does
  // not), and, encoded whole, what it counts.
  std::vector<std::uint8_t> InfoFrame_;
  TLameTag::TStream Written_;
  bool InBudget_ = false;
  int InRate_ = 0;
  // Encoded whole: one encoder and its output buffer.
  lame_t Encoder_ = nullptr;
  std::vector<unsigned char> Mp3Buffer_;
  // Encoded in parts: resampled first when the encoders work at another rate.
  std::unique_ptr<TSplitEncoder> Splitter_;
  TSplitEncoder::TLayout SplitLayout_;
  std::unique_ptr<TFrameConverter> Resampler_;
  std::vector<std::uint8_t> Resampled_;
  // Samples into and out of the resampler that gives the encoders their rate.
  long long ResampleIn_ = 0, ResampleOut_ = 0;
  int InChannels_ = 0;
  TSampleFormat InFormat_ = TSampleFormat::sfInt16;
  void PushResampled(bool last);
  TSplitReport SplitReport_;
  // With ReplayGain: the file's ID3v2 tag as written, and the meter of its audio.
  std::vector<std::uint8_t> Head_;
  std::unique_ptr<TLoudnessMeter> Meter_;
  std::mutex MeasuredMx_;  // the finished measurement goes from the worker to the run's owner
  std::unique_ptr<TLoudnessMeter> Measured_;
};
