#pragma once
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "AudioFileIn.h"
#include "AudioFileReader.h"

// The decoding source: delivers a media file's audio as 16-bit PCM, or 32-bit
// float for finer sources, two channels for mono and stereo files, in blocks of
// at most BlockSize bytes. While open for a run it decodes ahead on a thread of
// its own, up to BlocksAhead blocks, so that the encoder does not wait for the
// decoder. Decoding is many times faster than encoding, so a few seconds ahead
// are enough, and each block held is memory the conversion peaks at.
class TFFmpegIn : public TAudioFileIn {
 public:
  using TAudioFileIn::TAudioFileIn;
  ~TFFmpegIn() override;

  static constexpr int BlockSize = 32768;
  static constexpr int BlocksAhead = 32;  // about 3 s of 44.1-kHz float stereo, 1 MiB
  static constexpr int LowWater = BlocksAhead / 2;  // a full queue is refilled once this few are left

  double TimePerByte = 0;  // 100-ns media time per delivered byte
  TAudioFileReader* Reader() const { return Reader_.get(); }
  int LastRequest() const { return LastRequest_; }  // bytes asked of the reader at the last refill
  // Media time at the end of the last block handed to the sink; the reader's own
  // position runs ahead of it by what is decoded but not yet delivered.
  std::int64_t DeliveredTime() const { return DeliveredTime_; }
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
  struct TBlock {
    std::vector<std::uint8_t> Data;  // empty: the end of the data
    std::int64_t EndTime = 0;
    std::exception_ptr Failure;
  };
  int Refill(std::uint8_t* buffer);
  void DecodeAhead();
  void StartDecoding();
  void StopDecoding();
  TBlock NextBlock();

  std::unique_ptr<TAudioFileReader> Reader_;
  std::vector<std::uint8_t> PcmBuffer_;  // the block being handed out
  std::atomic<int> LastRequest_{0};
  std::atomic<std::int64_t> DeliveredTime_{0};

  // Between the decoding thread and the thread that reads (the sink's worker).
  std::thread Decoder_;
  std::mutex QueueMx_;
  std::condition_variable QueueCv_;
  std::deque<TBlock> Queue_;
  bool Quit_ = false;
  bool AtEnd_ = false;           // the end is queued; nothing more until a seek
  std::int64_t SeekTo_ = -1;     // media time the decoder is to restart at; -1 none
  std::int64_t EndedAt_ = -1;  // reader position at the end of the data; -1 not reached
  std::int64_t Stated_ = -1;
  TSampleFormat SampleFormat_ = TSampleFormat::sfInt16;
};
