#pragma once
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "AudioFileOut.h"
#include "MP3EncoderBuilder.h"
#include "MP3FileWriter.h"
#include "MP3OutSettings.h"
#include "MP3StreamEncoder.h"
#include "Mp3Types.h"

class TLoudnessMeter;
class TRateMatcher;
class TTrackGain;

// The sink that encodes its input into an MP3 file: it reads a step of the input
// and hands it to the file's encoder, whole or in parts (TMP3EncoderChoice). The
// file is written beside its final name and moved there only once it is complete.
class TMP3Out : public TAudioFileOut {
 public:
  explicit TMP3Out(TComponent* owner = nullptr);
  ~TMP3Out() override;

  static constexpr int StepBufferSize = 16384;
  static constexpr std::size_t MaxCoverBytes = TMP3EncoderBuilder::MaxCoverBytes;
  using TSplitReport = TMP3StreamEncoder::TSplitReport;

  // What the next run encodes with, and the tags it writes.
  void SetSettings(const TMP3OutSettings& settings) { Settings_ = settings; }
  const TMP3OutSettings& Settings() const { return Settings_; }
  void SetTags(const TMP3Tags& tags) { Tags_ = tags; }
  const TMP3Tags& Tags() const { return Tags_; }

  // The run in progress, once stopped, leaves nothing: its file is discarded
  // instead of finished.
  void DiscardRun() { DiscardRequest_ = true; }
  // How the last run's file was encoded.
  const TSplitReport& SplitReport() const { return SplitReport_; }
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
  // Makes the file's encoder and writes the file's head.
  void StartEncoding();
  // Hands a step, made fit for the encoder, to it, through the resampler when there is one.
  void Encode(std::uint8_t* pcm, int samples, int channels, TSampleFormat format);
  // Encodes what is held back and puts the file in place.
  void Commit();
  // Releases the run's encoder and file (kept only if finished), and closes the
  // input; quietly when the run has no product.
  void EndRun(bool product);
  void CloseInputQuietly();

  TMP3OutSettings Settings_;
  TMP3Tags Tags_;
  alignas(16) unsigned char StepBuffer[StepBufferSize];
  bool Prepared_ = false;
  bool Failed_ = false;  // the product is broken: it must not reach its name
  std::atomic<bool> DiscardRequest_{false};
  std::string CoverNote_;
  long long EncodedSamples_ = 0;
  TSplitReport SplitReport_;
  TMP3FileWriter Writer_;
  std::unique_ptr<TMP3StreamEncoder> Encoder_;
  std::unique_ptr<TRateMatcher> Resampler_;  // when the encoder works at another rate
  std::unique_ptr<TTrackGain> Gain_;         // with ReplayGain
  std::mutex MeasuredMx_;  // the finished measurement goes from the worker to the run's owner
  std::unique_ptr<TLoudnessMeter> Measured_;
};
