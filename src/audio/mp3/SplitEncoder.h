#pragma once
#include <atomic>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "FrameJoiner.h"
#include "FrameReader.h"
#include "Lame.h"
#include "OutputStream.h"
#include "SampleFormat.h"

// Encodes one file on several cores. The PCM is cut into parts on the frame grid;
// a part goes to a helper encoder on its own thread while a core is free and the
// helpers have less work waiting, and is encoded on the caller's thread otherwise,
// continuing the encoder there when it can. The caller reads ahead while a helper
// has no part to take next. Each helper also encodes a few frames before its part
// (the encoder settles) and after it (its last frames see what follows). The
// frames are joined into one stream where the two encoders' frames agree, with the
// bit reservoir laid anew; where no such place exists, the earlier encoder simply
// goes on through the part.
class TSplitEncoder {
 public:
  struct TLayout {
    int FrameSamples = 1152;
    int Channels = 2;
    TSampleFormat Format = TSampleFormat::sfInt16;
    int PartFrames = 384;     // about 10 s at 44.1 kHz
    long long ExpectedSamples = -1;  // per channel, where the input says
    int MaxBitRateIndex = 0;  // variable rate: how far a frame may grow to make room
    bool JoinSeams = true;    // false: every part is encoded on by the encoder before it
  };
  using TNewEncoder = std::function<lame_t()>;

  // `first` encodes the file's start and is owned from here on; with `tagFrame` its
  // output begins with the stream's tag frame. `newEncoder` makes an encoder of the
  // same settings without tags for any other part.
  TSplitEncoder(const TLayout& layout, lame_t first, bool tagFrame, TNewEncoder newEncoder, TOutputStream& out);
  ~TSplitEncoder();
  TSplitEncoder(const TSplitEncoder&) = delete;
  TSplitEncoder& operator=(const TSplitEncoder&) = delete;

  // More input, `samples` per channel; float samples within -1..1.
  void Push(const void* pcm, int samples);
  // The input has ended: everything is encoded, joined and written. Returns the
  // tag frame for the whole stream, which replaces the one written first (empty
  // for none).
  std::vector<std::uint8_t> Finish();
  // Stops the helpers; nothing more is written.
  void Cancel();

  int Seams() const { return Seams_; }          // places where two encoders' frames meet
  int Continued() const { return Continued_; }  // parts an earlier encoder went on through
  int HelperParts() const { return HelperParts_; }

 private:
  struct TRun;
  enum class TSeam { Joined, Wait, Failed };

  void Advance(bool ending, long long budget);
  void Plan();
  void StartHelpers(bool ended, bool takeOver);
  long long FeedEnd(const TRun& run) const;
  bool Complete(const TRun& run) const;
  bool HelperIdle() const;
  long long OwnBacklog() const;
  long long PartEnd(long long start) const;
  int BusyHelpers() const;
  void Feed(TRun& run, long long from, long long to, const std::uint8_t* pcm, bool flush, std::vector<std::uint8_t>& out);
  void FeedFromBuffer(TRun& run, long long to, bool flush);
  bool Collect(TRun& run, bool wait);
  void Parse(TRun& run);
  void Join(bool ending);
  void Lay(TRun& run, long long until);
  long long LayLimit(const TRun& run) const;
  TSeam Seam(TRun& a, TRun& b);
  void Continue(TRun& a, TRun& b);
  void Write(bool all);
  void CloseRun(TRun& run);
  const std::uint8_t* BufferAt(long long sample) const;
  std::vector<std::uint8_t> SpareBuffer();

  TLayout L_;
  TNewEncoder NewEncoder_;
  TOutputStream& Out_;
  int SampleBytes_;
  std::deque<std::unique_ptr<TRun>> Runs_;
  TRun* Own_ = nullptr;  // the run encoding on this thread that may go on
  lame_t First_;
  std::vector<std::uint8_t> TagTemplate_;
  int LeadOut_ = 5;
  int Delay_ = 576;
  bool TagWritten_ = false;

  std::vector<std::uint8_t> Buf_;  // input from sample BufStart_ on
  std::vector<std::vector<std::uint8_t>> Spare_;
  long long BufStart_ = 0, Total_ = 0;
  long long NextStart_ = 0;  // the frame the next part begins at
  bool InputEnded_ = false;

  TFrameJoiner Joiner_;
  long long Next_ = 0;  // the next frame to lay
  std::array<bool, 2> LastCloses_{};
  std::vector<std::uint8_t> Written_;
  long long AudioBytes_ = 0;
  std::vector<std::uint32_t> FrameOffsets_;
  std::uint16_t MusicCrc_ = 0;

  std::atomic<bool> Cancel_{false};
  int Seams_ = 0, Continued_ = 0, HelperParts_ = 0;
};
