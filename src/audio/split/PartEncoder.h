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
// TPartEncoder::Allowed, and nowhere else.
enum class TPartState {
  Planned,     // set aside for a helper: waits for its input and its lead-out, and a core
  Open,        // encoded on the calling thread, and goes on into what follows until a part is planned after it
  LeadingOut,  // encoded on the calling thread up to the end of its lead-out: a later part takes over
  Helping,     // encoded on a helper's thread
  Encoded,     // every frame up to where the later part takes over is made
  Ended,       // every frame through the end of the input is made
  Closed,      // its frames are in the stream or given up; its encoder is closed
};

// How a part's input is handed to its helper thread, and how the helper ends. Both
// threads move it, under the part's lock; the allowed moves are listed in
// TPartEncoder::Allowed, and nowhere else.
enum class THandOver {
  None,      // no helper was started
  Hungry,    // the helper has encoded all it was given and waits for more
  Fed,       // the helper has input to encode, and more will come
  LastFed,   // the helper has been given all its input
  Stopping,  // the calling thread no longer waits for it: it is to stop
  Done,      // the helper encoded all its input, or failed at it
  Stopped,   // the helper stopped before the end of its input: told to, cancelled or failed
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

  // An encoder whose first frame is frame `first` of the stream, and whose
  // successor begins at frame `until` (-1 for none yet).
  TPartEncoder(const TSplitLayout& layout, TPartState state, long long first, long long until = -1);
  ~TPartEncoder();
  TPartEncoder(const TPartEncoder&) = delete;
  TPartEncoder& operator=(const TPartEncoder&) = delete;

  // The moves a part's life and a helper's hand-over allow; any other throws
  // std::logic_error where it is tried.
  static bool Allowed(TPartState from, TPartState to);
  static bool Allowed(THandOver from, THandOver to);

  TPartState State() const { return State_; }
  void Move(TPartState to);
  THandOver HandOver() const;
  bool OnCallingThread() const { return State_ == TPartState::Open || State_ == TPartState::LeadingOut; }
  // No more frames will come from it.
  bool Complete() const { return State_ == TPartState::Encoded || State_ == TPartState::Ended; }
  bool Ended() const { return State_ == TPartState::Ended; }

  // The encoder, owned from Start until CloseEncoder.
  lame_t Encoder() const { return Ctx_; }
  void Start(lame_t encoder);
  // Stops a helper still at work and closes the encoder.
  void CloseEncoder();
  // The encoder's output begins with a blank Info frame, set aside as Skipped.
  void SkipBlankFirst() { Reader_.SkipBlankFirst(); }
  const std::vector<std::uint8_t>& Skipped() const { return Reader_.Skipped(); }

  // The frame of the whole stream the encoder's first frame is, and its first
  // input sample: the lead-in's.
  long long First() const { return First_; }
  long long PcmStart() const { return PcmStart_; }
  // The input sample it has been given up to; a helper's once it is done.
  long long FedTo() const { return FedTo_; }
  // The frame its successor begins at; -1 for none.
  long long Until() const { return Until_; }
  // LeadingOut: the sample its lead-out ends at; -1 for none.
  long long FeedLimit() const { return FeedLimit_; }
  // A part is planned after this Open one at frame `until`: it encodes on to
  // `feedLimit` and is LeadingOut.
  void LeadOut(long long until, long long feedLimit);
  // No part follows: it encodes to the end of the input.
  void BecomeLast() { Until_ = -1; }
  // No seam joins this Encoded part to `later`, which it goes on through: it
  // takes `later`'s successor, lead-out and state.
  void TakePlaceOf(const TPartEncoder& later);

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
  // A helper that has been given all its input and is still at work leaves the
  // frames from `until` on to a later part: it stops at input sample `stopAt`
  // (its lead-out's end) with no last frames. False, and nothing changed, where
  // it has already read that far, or has not been given all its input.
  bool Shorten(long long until, long long stopAt);
  // All of a helper's input has been handed over.
  bool FedAll() const;
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

  // Moves the complete frames read so far to those Available; throws on a broken stream.
  void TakeFrames();
  // The frames read and not yet laid run from the first not dropped to Available.
  long long Available() const { return Head_ + static_cast<long long>(Frames_.size()); }
  const TMP3Frame& At(long long frame) const { return Frames_[static_cast<std::size_t>(frame - Head_)]; }
  // The frames before `frame` are laid or given up.
  void DropBefore(long long frame);
  // The frames it should have before its seam is looked for again.
  long long SeamAt() const { return SeamAt_; }
  void LookForSeamAt(long long frames) { SeamAt_ = frames; }

 private:
  // Encodes from `from` to `pcm.To`, each slice of `n` samples from `at` no
  // longer than clip(at, n) allows, handing each slice's output to `out`.
  // Returns the sample it came to.
  template <class TClip, class TOut>
  long long EncodeSpan(long long from, const TPcmStore::TSpan& pcm, const std::atomic<bool>& cancel, TClip clip,
                       TOut out);
  // The encoder's last frames to `out`.
  template <class TOut>
  void Flush(TOut out);
  // Moves the hand-over, under Mx_.
  void Hand(THandOver to);
  // The helper has ended, under Mx_.
  bool Finished() const { return HandOver_ == THandOver::Done || HandOver_ == THandOver::Stopped; }

  const TSplitLayout& L_;
  const long long First_, PcmStart_;
  lame_t Ctx_ = nullptr;
  TPartState State_;
  long long FedTo_;
  long long Until_;
  long long FeedLimit_ = -1;
  TFrameReader Reader_;
  std::vector<TMP3Frame> Frames_;  // read and not yet laid; Frames_[0] is frame Head_
  long long Head_;
  long long SeamAt_ = 0;

  std::atomic<long long> Progress_;
  std::thread Worker_;
  long long HelperTo_ = 0;  // the input sample a helper is given up to; the calling thread's
  TPartState DoneState_ = TPartState::Encoded;  // what the part is once its helper is done
  // What a helper is given, its output as it comes, and how it ended: under Mx_.
  // It waits on MoreCv_ for more; the calling thread on DoneCv_.
  mutable std::mutex Mx_;
  std::condition_variable MoreCv_, DoneCv_;
  THandOver HandOver_ = THandOver::None;
  TPcmStore::TSpan Pending_;
  long long Reading_ = 0;  // the input sample the helper's slice reads to
  std::vector<std::uint8_t> Out_;
  std::exception_ptr Error_;
};
