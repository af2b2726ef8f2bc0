#include "SplitScheduler.h"

#include <algorithm>
#include <limits>

#include "AudioException.h"
#include "Lang.h"
#include "CoreBudget.h"
#include "FrameRepacker.h"

namespace {
constexpr int LeadIn = TPartEncoder::LeadIn;
constexpr int LeadOutBeyond = 5;  // frames after a part, beyond the frames its encoder still owes
constexpr int MaxLeadOut = 48;
constexpr int SliceSamples = TPartEncoder::SliceSamples;
constexpr int HelperFirst = LeadIn + 16;  // frames in before a helper starts: its lead-in and a little more
constexpr long long HelperAhead = 8LL * SliceSamples;  // input a helper is given beyond where it is
// The least a helper must have left for half of it to be taken over: each half
// longer than what the seam between them costs, with room to find it.
constexpr int LeastStolen = 2 * 16;
}  // namespace

namespace {
// Where the length is known, parts are longer than the layout's: each seam costs
// some ten frames encoded twice, a part of 384 frames nearly 3% more work. A
// sixth of the input, up to three times the layout's, keeps that under 1% while
// the input held stays within some 16 MB.
long long PartLength(const TSplitLayout& l) {
  if (l.ExpectedSamples <= 0) return l.PartFrames;
  return std::clamp<long long>(l.ExpectedSamples / l.FrameSamples / 6, l.PartFrames, 3LL * l.PartFrames);
}
}  // namespace

TSplitScheduler::TSplitScheduler(const TSplitLayout& layout, lame_t first, bool infoFrame, TNewEncoder newEncoder,
                                 TFrameRepacker& repacker)
    : L_(layout),
      PartLength_(PartLength(layout)),
      NewEncoder_(std::move(newEncoder)),
      Repacker_(repacker),
      Store_(layout.SampleBytes(), 4 * SliceSamples) {
  auto part = std::make_unique<TPartEncoder>(L_, TPartState::Open, 0);
  part->Start(first);
  if (infoFrame) part->SkipBlankFirst();
  Parts_.push_back(std::move(part));
}

TSplitScheduler::~TSplitScheduler() { Cancel(); }

void TSplitScheduler::Cancel() {
  Cancel_ = true;
  for (auto& part : Parts_) Repacker_.Close(*part);
  Parts_.clear();
}

std::unique_ptr<TPartEncoder> TSplitScheduler::NewPart(TPartState state, long long first, long long until) {
  auto part = std::make_unique<TPartEncoder>(L_, state, first, until);
  if (state != TPartState::Planned) {
    part->Start(NewEncoder_());
    if (!part->Encoder()) throw EAudioException(lang::Say(lang::EncoderNotStarted));
  }
  return part;
}

TPartEncoder* TSplitScheduler::OpenPart() const {
  for (const auto& part : Parts_)
    if (part->State() == TPartState::Open) return part.get();
  return nullptr;
}

void TSplitScheduler::Push(const std::uint8_t* pcm, int samples) {
  Store_.Push(pcm, samples);
  Advance(false, 2LL * samples);
}

void TSplitScheduler::EndInput() {
  InputEnded_ = true;
  Advance(true, std::numeric_limits<long long>::max());
  for (auto& part : Parts_) FinishLeadOut(*part);
}

long long TSplitScheduler::KeepFrom() const {
  // Kept: the input no encoder has had yet, the next part's lead-in, what a
  // helper has still to read, and every later part's input until it has joined
  // the part before: that encoder may have to go on through it.
  const long long grid = L_.FrameSamples;
  long long keep = std::min(Store_.Total(), std::max<long long>(0, (NextStart_ - LeadIn) * grid));
  for (std::size_t i = 0; i < Parts_.size(); ++i) {
    const TPartEncoder& part = *Parts_[i];
    if (i > 0) keep = std::min(keep, part.PcmStart());
    else if (part.OnCallingThread()) keep = std::min(keep, part.FedTo());
    else if (part.State() == TPartState::Planned) keep = std::min(keep, part.PcmStart());
    else if (part.State() == TPartState::Helping) keep = std::min(keep, part.Progress());
  }
  return keep;
}

void TSplitScheduler::Trim() { Store_.Drop(KeepFrom()); }

long long TSplitScheduler::HeldLimit() const {
  // A part and a half: a helper's part while the part after it comes in, with
  // their lead-ins and lead-outs. Every 384 frames held cost 3.5 MB of float
  // stereo at 44.1 kHz.
  return (3 * PartLength_ / 2 + 2 * (LeadIn + LeadOut_)) * L_.FrameSamples;
}

bool TSplitScheduler::OverHeld() const { return Store_.Total() - KeepFrom() > HeldLimit(); }

bool TSplitScheduler::FarOverHeld() const {
  return Store_.Total() - KeepFrom() > HeldLimit() + PartLength_ * L_.FrameSamples;
}

bool TSplitScheduler::Steal() {
  const long long grid = L_.FrameSamples;
  for (std::size_t i = 0; i < Parts_.size(); ++i) {
    TPartEncoder& part = *Parts_[i];
    if (!part.Busy() || !part.FedAll()) continue;
    // A helper's part that ends with the input ends where the input does; the
    // half taken over must be all in, or it could not be taken at once.
    const long long total = Store_.Total();
    const long long end = part.Until() < 0 ? (total + grid - 1) / grid : part.Until();
    if (!InputEnded_ && (end + LeadOut_) * grid > total) continue;
    // Past where it reads now, by a slice and the lead-out it must still encode.
    const long long at = (part.Progress() + SliceSamples) / grid + 1;
    if (end - at < LeastStolen + LeadOut_) continue;
    // Each takes half of what is left, this thread with its lead-in, the helper with its lead-out.
    const long long until = at + (end - at) / 2;
    if (!part.Shorten(until, (until + LeadOut_) * grid)) continue;
    Parts_.insert(Parts_.begin() + static_cast<std::ptrdiff_t>(i) + 1, NewPart(TPartState::Planned, until - LeadIn, end));
    ++Stolen_;
    return true;
  }
  return false;
}

bool TSplitScheduler::GiveAway() {
  if (!InputEnded_ || TCoreBudget::Free() == 0) return false;
  for (const auto& part : Parts_)
    if (part->State() == TPartState::Planned) return false;  // the free core has a part to take
  const long long grid = L_.FrameSamples;
  for (std::size_t i = 0; i < Parts_.size(); ++i) {
    TPartEncoder& part = *Parts_[i];
    if (!part.OnCallingThread()) continue;
    const long long end = part.Until() < 0 ? (Store_.Total() + grid - 1) / grid : part.Until();
    const long long at = part.FedTo() / grid + 1;
    if (end - at < LeastStolen + LeadOut_) continue;
    // Each takes half of what is left, the helper with its lead-in, this thread with its lead-out.
    const long long until = at + (end - at) / 2;
    part.LeadOut(until, (until + LeadOut_) * grid);
    Parts_.insert(Parts_.begin() + static_cast<std::ptrdiff_t>(i) + 1, NewPart(TPartState::Planned, until - LeadIn, end));
    ++GivenAway_;
    return true;
  }
  return false;
}

bool TSplitScheduler::WaitForHelper() {
  for (auto& part : Parts_)
    if (part->Busy() && part->Wait()) return true;
  return false;
}

long long TSplitScheduler::PartEnd(long long start) const {
  // The first two parts are short, so that the helper has work soon. Where the
  // length is known, the last part takes what is left rather than leave a short
  // one after it: the cores finish together by each taking half of what the
  // other has left (Steal, GiveAway), at one seam each.
  const long long shortest = std::min(L_.PartFrames, 32), least = std::min(L_.PartFrames, 64);
  long long frames = start == 0 ? shortest : start == shortest ? least : PartLength_;
  const long long left = (L_.ExpectedSamples + L_.FrameSamples - 1) / L_.FrameSamples - start;
  if (L_.ExpectedSamples > 0 && left > 0 && left < frames + frames / 2) frames = std::max(least, left);
  return start + frames;
}

void TSplitScheduler::FinishLeadOut(TPartEncoder& part) {
  // A part the calling thread encodes up to its lead-out is done once it has had
  // it all, or all the input there is once the input has ended.
  if (part.State() == TPartState::LeadingOut && part.FedTo() >= (InputEnded_ ? FeedEnd(part) : part.FeedLimit()))
    part.Move(TPartState::Encoded);
}

void TSplitScheduler::EncodeHere(TPartEncoder& part, long long to, bool flush) {
  part.Encode(Store_.Span(part.FedTo(), to), flush, Cancel_);
  if (flush) part.Move(TPartState::Ended);
  FinishLeadOut(part);
  Repacker_.Take(part);
  // The encoder hands out a frame only once the frames after it have taken up
  // the reservoir bytes it left free: at low rates several frames behind. The
  // lead-out covers that.
  const long long owed = Lame.lame_get_frameNum(part.Encoder()) - (part.Available() - part.First());
  LeadOut_ = static_cast<int>(std::clamp<long long>(owed + LeadOutBeyond, LeadOut_, MaxLeadOut));
}

void TSplitScheduler::Advance(bool ending, long long budget) {
  Plan();
  // While a helper could take a part and none is in for it, the input is read
  // ahead first; otherwise this thread encodes its own parts, up to `budget`
  // samples a call, so that a pause or a stop is not kept waiting. Either way the
  // cores stay busy. The input held is kept to about a part and a half: beyond
  // that this thread encodes what it has, whatever the budget, and then waits for
  // a helper.
  const long long most = HeldLimit();
  while (!Cancel_) {
    if (ending) GiveAway();
    StartHelpers(ending, false);
    long long backlog = OwnBacklog();
    // With nothing else left at the end, this thread takes on a part set aside
    // for a helper that has no core yet.
    if (backlog == 0 && ending && StartHelpers(true, true)) backlog = OwnBacklog();
    if (backlog == 0 || (!ending && backlog <= most && !OverHeld() && (HelperIdle() || budget <= 0))) break;
    for (auto& part : Parts_)
      if (part->OnCallingThread() && FeedEnd(*part) > part->FedTo()) {
        // Past the budget (the input held is at its bound), whole slices: a
        // few samples at a time would cost more in these calls than in the encoder.
        const long long n = std::min({FeedEnd(*part) - part->FedTo(), static_cast<long long>(SliceSamples),
                                      budget > 0 ? budget : static_cast<long long>(SliceSamples)});
        EncodeHere(*part, part->FedTo() + n, false);
        budget -= n;
        break;
      }
  }
  if (!ending) return;
  if (TPartEncoder* open = OpenPart()) EncodeHere(*open, Store_.Total(), true);
}

bool TSplitScheduler::HelperIdle() const {
  // A helper is or could be at work, and no part is in for it to take next.
  if (BusyHelpers() == 0 && TCoreBudget::Free() == 0) return false;
  // A helper at work that has nearly caught up with its input wants more.
  for (const auto& part : Parts_)
    if (part->Busy() && !part->FedAll() && part->HelperTo() - part->Progress() < HelperAhead) return true;
  for (const auto& part : Parts_)
    if (part->State() == TPartState::Planned && Store_.Total() >= part->PcmStart() + HelperFirst * L_.FrameSamples)
      return false;
  return true;
}

void TSplitScheduler::Plan() {
  const long long grid = L_.FrameSamples;
  // Each part is given out as its first samples come: to the helpers while a core
  // is free or one of them is busy, and they have no more than half a part of
  // work waiting beyond this thread's (a helper follows the input, so a part it
  // takes early keeps its core busy, not idle); else to this thread, whose
  // encoder goes on from the part before.
  while (NextStart_ * grid < Store_.Total()) {
    const long long start = NextStart_;
    NextStart_ = PartEnd(start);
    if (start == 0) continue;  // the first encoder's
    long long helperWork = 0;
    for (const auto& part : Parts_)
      if (part->State() == TPartState::Planned || part->Busy())
        helperWork += (part->Until() + LeadOut_) * grid - part->Progress();
    if (TCoreBudget::Free() + BusyHelpers() > 0 && helperWork < OwnBacklog() + PartLength_ * grid / 2) {
      if (TPartEncoder* open = OpenPart()) {
        open->LeadOut(start, (start + LeadOut_) * grid);
        FinishLeadOut(*open);
      }
      Parts_.push_back(NewPart(TPartState::Planned, start - LeadIn, NextStart_));
      ++HelperParts_;
    } else if (!OpenPart()) {
      // This thread starts an encoder of its own, with a lead-in.
      Parts_.push_back(NewPart(TPartState::Open, start - LeadIn));
    }
  }
}

long long TSplitScheduler::FeedEnd(const TPartEncoder& part) const {
  return part.FeedLimit() >= 0 ? std::min(Store_.Total(), part.FeedLimit()) : Store_.Total();
}

long long TSplitScheduler::OwnBacklog() const {
  long long backlog = 0;
  for (const auto& part : Parts_)
    if (part->OnCallingThread()) backlog += FeedEnd(*part) - part->FedTo();
  return backlog;
}

bool TSplitScheduler::TakeOver() {
  if (!StartHelpers(InputEnded_, true)) return false;
  Advance(InputEnded_, std::numeric_limits<long long>::max());
  return true;
}

void TSplitScheduler::FeedHelpers(bool ended) {
  const long long grid = L_.FrameSamples, total = Store_.Total();
  for (auto& part : Parts_) {
    if (part->State() != TPartState::Helping || part->FedAll()) continue;
    const bool last = ended && part->Until() * grid >= total;
    const long long end = last ? total : std::min(total, (part->Until() + LeadOut_) * grid);
    const bool all = ended || end == (part->Until() + LeadOut_) * grid;
    if (end <= part->HelperTo() && !all) continue;
    if (last) part->BecomeLast();
    part->Feed(Store_.Span(std::min(part->Progress(), end), end), all, last);
  }
}

bool TSplitScheduler::StartHelpers(bool ended, bool takeOver) {
  FeedHelpers(ended);
  const long long grid = L_.FrameSamples, total = Store_.Total();
  // A helper starts once its part and its lead-out are in (or the input has ended),
  // with a core of the budget. Without one, the part waits for this file's busy
  // helper to give its core back; when none is busy (another conversion took the
  // core), or when this thread has nothing else left, this thread takes it on and
  // encodes it a slice at a time, as its own: a core freed meanwhile can take
  // the later half (GiveAway).
  bool started = false;
  for (auto& owned : Parts_) {
    TPartEncoder& part = *owned;
    if (part.State() != TPartState::Planned) continue;
    const bool last = ended && part.Until() * grid >= total;
    const long long end = last ? total : std::min(total, (part.Until() + LeadOut_) * grid);
    // A helper follows the input once its lead-in is in; this thread encodes a
    // part only once it is all in.
    const bool in = ended || total >= (part.Until() + LeadOut_) * grid;
    if (!in && total < part.PcmStart() + HelperFirst * grid) continue;
    const bool core = TCoreBudget::TryTakeHelper();
    if (!core && (!in || (BusyHelpers() > 0 && !takeOver))) continue;
    try {
      part.Start(NewEncoder_());
    } catch (...) {
      if (core) TCoreBudget::GiveHelper();
      throw;
    }
    if (!part.Encoder()) {
      if (core) TCoreBudget::GiveHelper();
      throw EAudioException(lang::Say(lang::EncoderNotStarted));
    }
    if (core) {
      part.EncodeOnHelper(Cancel_);
    } else if (last) {
      part.BecomeLast();
      part.Move(TPartState::Open);
    } else {
      part.LeadOut(part.Until(), end);
      FinishLeadOut(part);
    }
    started = true;
  }
  if (started) FeedHelpers(ended);
  return started;
}

int TSplitScheduler::BusyHelpers() const {
  int busy = 0;
  for (const auto& part : Parts_)
    if (part->Busy()) ++busy;
  return busy;
}

void TSplitScheduler::Join(bool ending) {
  // The repacker says what it made of the first part not yet laid and the one
  // after it; what becomes of the parts is decided here.
  while (!Parts_.empty() && !Cancel_) {
    TPartEncoder& a = *Parts_.front();
    TPartEncoder* b = Parts_.size() > 1 ? Parts_[1].get() : nullptr;
    switch (Repacker_.Join(a, b, LeadOut_, ending)) {
      case TSeamVerdict::More:
        return;
      case TSeamVerdict::Ended:
      case TSeamVerdict::Joined:
        Repacker_.Close(a);
        Parts_.pop_front();
        break;
      case TSeamVerdict::Continue:
        Continue(a, *b);
        Repacker_.Close(*b);
        Parts_.erase(Parts_.begin() + 1);
        break;
    }
  }
}

void TSplitScheduler::Continue(TPartEncoder& a, TPartEncoder& b) {
  // The earlier encoder goes on through the later part, as one encoder would.
  if (b.State() == TPartState::Helping && !b.FedAll()) {
    // Its helper has not had all its input: it stops, and this thread goes on
    // with `a` as the input comes.
    b.Join();
    a.LeadOut(b.Until(), (b.Until() + LeadOut_) * L_.FrameSamples);
    FinishLeadOut(a);
    ++Continued_;
    return;
  }
  b.Collect(true);  // a helper still at work ends first: `a` goes on from where it ended
  const long long to = std::max(a.FedTo(), b.FedTo());
  if (b.FedTo() > a.FedTo() || b.Ended()) a.Encode(Store_.Span(a.FedTo(), to), b.Ended(), Cancel_);
  a.TakePlaceOf(b);
  ++Continued_;
}
