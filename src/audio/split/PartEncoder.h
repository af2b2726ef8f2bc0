#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "FrameReader.h"
#include "Lame.h"
#include "PcmStore.h"
#include "SplitLayout.h"

// Where a part of a split file is in its life. The allowed moves are listed in
// TPartEncoder::Move, and nowhere else.
enum class TPartState {
  Planned,     // set aside for a helper: waits for its input and its lead-out, and a core
  Open,        // encoded on the calling thread, and goes on into what follows until a part is planned after it
  LeadingOut,  // encoded on the calling thread up to the end of its lead-out: a later part takes over
  Helping,     // encoded on a helper's thread
  Encoded,     // every frame up to where the later part takes over is made
  Ended,       // every frame through the end of the input is made
  Closed,      // its frames are in the stream or given up; its encoder is closed
};

// One encoder of a split file and the stretch of input it encodes: its part, the
// lead-in before it (frames that bring the encoder's psychoacoustic model and bit
// reservoir to where a single encoder would have them)
// and the lead-out after it (frames that still see what follows). The encoder is
// fed on the calling thread, or on a thread of its own as a helper.
class TPartEncoder {
 public:
  static constexpr int LeadIn = 4;  // frames encoded before the part
  static constexpr int WarmUp = 2;  // of those, the first ones, never kept
  static constexpr int SliceSamples = 4608;

  // An encoder whose first frame is frame `first` of the stream.
  TPartEncoder(const TSplitLayout& layout, TPartState state, long long first);
  ~TPartEncoder();
  TPartEncoder(const TPartEncoder&) = delete;
  TPartEncoder& operator=(const TPartEncoder&) = delete;

  TPartState State() const { return State_; }
  void Move(TPartState to);
  bool OnCallingThread() const { return State_ == TPartState::Open || State_ == TPartState::LeadingOut; }
  // No more frames will come from it.
  bool Complete() const { return State_ == TPartState::Encoded || State_ == TPartState::Ended; }
  bool Ended() const { return State_ == TPartState::Ended; }

  // Encodes the input from FedTo to `pcm.To` on this thread; with `flush`, the
  // encoder's last frames too. The output is kept for the frame reader.
  void Encode(const TPcmStore::TSpan& pcm, bool flush, const std::atomic<bool>& cancel);
  // Starts a thread of its own that encodes the input as Feed hands it over, and
  // gives its core back to the budget when done: the part is Helping until
  // Collect finds it done.
  void EncodeOnHelper(const std::atomic<bool>& cancel);
  // Hands a helper its input up to `pcm.To`; with `last`, that is all of it, and
  // with `flush`, it ends with the encoder's last frames.
  void Feed(TPcmStore::TSpan pcm, bool last, bool flush);
  // All of a helper's input has been handed over.
  bool FedAll() const { return FedAll_; }
  long long HelperTo() const { return HelperTo_; }
  // Takes in what a helper has encoded so far; with `wait`, waits until it is
  // done. Once it is, the part is Encoded or Ended. False for a part not started.
  bool Collect(bool wait);
  // Waits until a helper is done or has encoded all the input it was given,
  // without taking its output in; false when it had nothing to do already.
  bool Wait();
  // A helper still encoding, and the input sample it has come to: what lies
  // before that it has read for the last time.
  bool Busy() const;
  long long Progress() const { return Progress_.load(std::memory_order_acquire); }
  // Stops waiting for a helper: its thread is joined, its output left.
  void Join();
  // Moves the complete frames read so far to Frames; throws on a broken stream.
  void TakeFrames();

  lame_t Ctx = nullptr;
  const long long First;  // the frame of the whole stream the encoder's first frame is
  const long long PcmStart;  // its first input sample: the lead-in's
  long long FedTo;        // the input sample it has been given up to; a helper's once it is done
  long long Until = -1;   // the frame its successor begins at; -1 for none
  long long FeedLimit = -1;  // LeadingOut: the sample its lead-out ends at
  TFrameReader Reader;
  std::vector<TMP3Frame> Frames;  // read and not yet laid; Frames[0] is frame Head
  long long Head;
  long long SeamAt = 0;  // frames it should have before its seam is looked for again

  long long Available() const { return Head + static_cast<long long>(Frames.size()); }
  const TMP3Frame& At(long long frame) const { return Frames[static_cast<std::size_t>(frame - Head)]; }

 private:
  // Encodes from `from` to `pcm.To`, handing each slice's output to `out`.
  template <class TOut>
  void EncodeSpan(long long from, const TPcmStore::TSpan& pcm, bool flush, const std::atomic<bool>& cancel, TOut out);

  const TSplitLayout& L_;
  TPartState State_;
  std::atomic<long long> Progress_;
  // A helper's output as it comes, and how it ended; under Mx_.
  std::thread Worker_;
  mutable std::mutex Mx_;
  std::condition_variable DoneCv_;
  bool Finished_ = false;
  TPartState DoneState_ = TPartState::Encoded;
  long long HelperTo_ = 0;  // the input sample a helper is given up to
  bool FedAll_ = false;
  // What a helper is given, under Mx_: it waits on MoreCv_ for more.
  TPcmStore::TSpan Pending_;
  bool PendingLast_ = false, Flush_ = false, Hungry_ = false, Stop_ = false;
  std::condition_variable MoreCv_;
  std::vector<std::uint8_t> Out_;
  std::exception_ptr Error_;
};
