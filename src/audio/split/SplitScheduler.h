#pragma once
#include <atomic>
#include <deque>
#include <functional>
#include <memory>

#include "Lame.h"
#include "PartEncoder.h"
#include "PcmStore.h"
#include "SplitLayout.h"

class TFrameRepacker;

// Decides which part of a split file goes where, and when. The input is cut into
// parts on the frame grid as it comes. A part goes to a helper encoder on a thread
// of its own while a core of the budget (TCoreBudget) is free and the helpers have
// less work waiting than the calling thread; otherwise the calling thread encodes
// it, going on with its own encoder from the part before where it can. The calling
// thread reads ahead while a helper could take a part and none is in for it.
class TSplitScheduler {
 public:
  using TNewEncoder = std::function<lame_t()>;
  using TParts = std::deque<std::unique_ptr<TPartEncoder>>;

  TSplitScheduler(const TSplitLayout& layout, lame_t first, bool infoFrame, TNewEncoder newEncoder,
                  TFrameRepacker& repacker);
  ~TSplitScheduler();

  // More input; parts are planned, started and encoded as far as `budget` samples
  // of this thread's work allow.
  void Push(const std::uint8_t* pcm, int samples);
  // The input has ended: everything is encoded or with a helper.
  void EndInput();
  // Lets go of the input no encoder needs any more.
  void Trim();
  // More input is held than a part and a half: the calling thread encodes what
  // it has, and what it can take from a helper, before it takes more.
  bool OverHeld() const;
  // More input is held than OverHeld allows by a further part: a helper has
  // fallen far behind, and the calling thread should wait for it rather than
  // read on. Short of that, it reads on and encodes the next part itself.
  bool FarOverHeld() const;
  // Starts a part set aside for a helper whose input is in, and encodes it on
  // this thread when no core is free; false when there is none.
  bool TakeOver();
  // Rather than wait for a helper that has all its input and much of it still
  // to encode, sets the later half of its part aside for this thread: TakeOver
  // encodes it. False when no helper has enough left for that to pay.
  bool Steal();
  // The mirror of Steal: once the input has ended, a core that is free takes the
  // later half of what this thread still has to encode. False when no core is
  // free, a part waits for one, or too little is left for that to pay.
  bool GiveAway();
  // Waits until the first helper still at work is done or wants more input;
  // false when none is at work.
  bool WaitForHelper();
  // Stops the helpers and closes every encoder.
  void Cancel();
  bool Cancelled() const { return Cancel_; }

  // The parts not yet joined, in order.
  TParts& Parts() { return Parts_; }
  // The lead-out the encoders are given now, in frames.
  int LeadOut() const { return LeadOut_; }
  // Joins and writes what can be, in order: a part whose frames are all laid is
  // closed and dropped; where no seam joins two parts, the earlier goes on
  // through the later. With `ending`, waits for the helpers still at work.
  void Join(bool ending);

  long long Total() const { return Store_.Total(); }
  int Continued() const { return Continued_; }
  int HelperParts() const { return HelperParts_; }
  int Stolen() const { return Stolen_; }
  int GivenAway() const { return GivenAway_; }

 private:
  void Advance(bool ending, long long budget);
  void Plan();
  bool StartHelpers(bool ended, bool takeOver);
  void FeedHelpers(bool ended);
  void EncodeHere(TPartEncoder& part, long long to, bool flush);
  void FinishLeadOut(TPartEncoder& part);
  TPartEncoder* OpenPart() const;
  std::unique_ptr<TPartEncoder> NewPart(TPartState state, long long first, long long until = -1);
  // No seam joins `a` to `b`: `a` goes on through `b`'s input and takes its place.
  void Continue(TPartEncoder& a, TPartEncoder& b);
  long long KeepFrom() const;
  long long HeldLimit() const;
  long long FeedEnd(const TPartEncoder& part) const;
  bool HelperIdle() const;
  long long OwnBacklog() const;
  long long PartEnd(long long start) const;
  int BusyHelpers() const;

  const TSplitLayout& L_;
  const long long PartLength_;  // frames in a part after the first two
  TNewEncoder NewEncoder_;
  TFrameRepacker& Repacker_;
  TPcmStore Store_;
  TParts Parts_;
  int LeadOut_ = 5;
  long long NextStart_ = 0;  // the frame the next part begins at
  bool InputEnded_ = false;
  std::atomic<bool> Cancel_{false};
  int Continued_ = 0, HelperParts_ = 0, Stolen_ = 0, GivenAway_ = 0;
};
