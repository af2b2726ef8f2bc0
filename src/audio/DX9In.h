#pragma once
#include <memory>
#include <vector>

#include "AudioFileIn.h"
#include "AudioFileReader.h"

// The decoding source: delivers a media file's audio as 16-bit PCM, or 32-bit
// float for finer sources, two channels for mono and stereo files, in blocks of
// at most BlockSize bytes.
class TDX9In : public TAudioFileIn {
 public:
  using TAudioFileIn::TAudioFileIn;
  ~TDX9In() override;

  static constexpr int BlockSize = 32768;

  double TimePerByte = 0;  // 100-ns media time per delivered byte
  TAudioFileReader* Reader() const { return Reader_.get(); }
  int LastRequest() const { return LastRequest_; }  // bytes asked of the reader at the last refill
  // Empty, or why the audio ended well before the length the file states
  // ("the input ends at 0:07 of 0:20"); known once the end of the data is reached.
  QString Shortfall() const;

  int ReadData(void* buffer, int bufferSize) override;
  TSampleFormat GetSampleFormat() override { return SampleFormat_; }
  void OpenInput() override;
  void CloseInput() override;
  void OpenFile() override;
  void CloseFile() override;
  void SeekSample(std::int64_t sampleIndex) override;

  // In place, from the last sample down: `count` unsigned 8-bit samples become
  // signed 16-bit ones, (b - 128) in the high byte.
  static void WidenSamples(std::uint8_t* block, int count);
  // In place, from the last sample down: mono samples of `sampleBytes` bytes each
  // become as many stereo frames.
  static void DuplicateChannels(std::uint8_t* block, int byteCount, int sampleBytes = 2);

 private:
  int Refill();

  std::unique_ptr<TAudioFileReader> Reader_;
  std::vector<std::uint8_t> PcmBuffer_;
  int LastRequest_ = 0;
  std::int64_t EndedAt_ = -1;  // reader position at the end of the data; -1 not reached
  std::int64_t Stated_ = -1;
  TSampleFormat SampleFormat_ = TSampleFormat::sfInt16;
};
