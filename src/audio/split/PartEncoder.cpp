#include "PartEncoder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "AudioException.h"
#include "Lang.h"
#include "CoreBudget.h"

namespace {
constexpr int SliceBytes = TPartEncoder::SliceSamples * 5 / 4 + 7200;
}

TPartEncoder::TPartEncoder(const TSplitLayout& layout, TPartState state, long long first, long long until)
    : L_(layout),
      First_(first),
      PcmStart_(first * layout.FrameSamples),
      State_(state),
      FedTo_(first * layout.FrameSamples),
      Until_(until),
      Head_(first),
      Progress_(first * layout.FrameSamples) {}

TPartEncoder::~TPartEncoder() { Join(); }

bool TPartEncoder::Allowed(TPartState from, TPartState to) {
  using S = TPartState;
  if (to == S::Closed) return from != S::Closed;  // from anywhere, once its helper is gone
  switch (from) {
    case S::Planned:  // a helper takes it, or the calling thread takes it on: through its lead-out, or to the end
      return to == S::Helping || to == S::LeadingOut || to == S::Open;
    case S::Open:  // a part is planned after it, or the input ends
      return to == S::LeadingOut || to == S::Ended;
    case S::LeadingOut:  // its lead-out is encoded, or comes earlier: a helper takes the rest
      return to == S::Encoded || to == S::LeadingOut;
    case S::Helping:  // its helper is done
      return to == S::Encoded || to == S::Ended;
    case S::Encoded:  // no seam with the part after it: it went on through that part, and takes its place
      return to == S::Open || to == S::LeadingOut || to == S::Encoded || to == S::Ended;
    case S::Ended:
    case S::Closed:
      return false;
  }
  return false;
}

bool TPartEncoder::Allowed(THandOver from, THandOver to) {
  using H = THandOver;
  switch (from) {
    case H::None:  // a helper starts, with nothing given yet
      return to == H::Hungry;
    case H::Hungry:  // more input, or the last of it; or it is told to stop, or cancelled
      return to == H::Fed || to == H::LastFed || to == H::Stopping || to == H::Stopped;
    case H::Fed:  // as Hungry, and it may catch up with its input
      return to == H::Fed || to == H::Hungry || to == H::LastFed || to == H::Stopping || to == H::Stopped;
    case H::LastFed:  // nothing more is given: it ends
      return to == H::Done || to == H::Stopping || to == H::Stopped;
    case H::Stopping:
      return to == H::Stopped;
    case H::Done:
    case H::Stopped:
      return false;
  }
  return false;
}

void TPartEncoder::Move(TPartState to) {
  if (!Allowed(State_, to) || (to == TPartState::Closed && Worker_.joinable()))
    throw std::logic_error("split encoder: a part cannot move from one state to another");
  State_ = to;
}

void TPartEncoder::Hand(THandOver to) {
  if (!Allowed(HandOver_, to)) throw std::logic_error("split encoder: a helper's input cannot be handed over so");
  HandOver_ = to;
}

THandOver TPartEncoder::HandOver() const {
  std::lock_guard l(Mx_);
  return HandOver_;
}

void TPartEncoder::Start(lame_t encoder) {
  if (Ctx_) throw std::logic_error("split encoder: a part is started twice");
  Ctx_ = encoder;
}

void TPartEncoder::CloseEncoder() {
  Join();
  if (Ctx_) Lame.lame_close(Ctx_);
  Ctx_ = nullptr;
}

void TPartEncoder::LeadOut(long long until, long long feedLimit) {
  Until_ = until;
  FeedLimit_ = feedLimit;
  Move(TPartState::LeadingOut);
}

void TPartEncoder::TakePlaceOf(const TPartEncoder& later) {
  Until_ = later.Until_;
  FeedLimit_ = later.FeedLimit_;
  Move(later.State_);
}

void TPartEncoder::DropBefore(long long frame) {
  const long long drop = std::min(frame - Head_, static_cast<long long>(Frames_.size()));
  if (drop <= 0) return;
  Frames_.erase(Frames_.begin(), Frames_.begin() + drop);
  Head_ += drop;
}

template <class TClip, class TOut>
long long TPartEncoder::EncodeSpan(long long from, const TPcmStore::TSpan& pcm, const std::atomic<bool>& cancel,
                                   TClip clip, TOut out) {
  unsigned char slice[SliceBytes];
  long long at = from;
  while (at < pcm.To && !cancel) {
    const long long most = std::min({static_cast<long long>(SliceSamples), pcm.To - at, pcm.RunFrom(at)});
    const int n = static_cast<int>(clip(at, most));
    if (n <= 0) break;
    const int m = EncodePcm(Ctx_, pcm.At(at), n, L_.Channels, L_.Format, slice, SliceBytes);
    if (m < 0) throw EAudioException(lang::Say(lang::EncoderFailedFormat, std::to_string(m)));
    out(slice, m);
    at += n;
    Progress_.store(at, std::memory_order_release);
  }
  return at;
}

template <class TOut>
void TPartEncoder::Flush(TOut out) {
  unsigned char slice[SliceBytes];
  const int m = Lame.lame_encode_flush(Ctx_, slice, SliceBytes);
  if (m < 0) throw EAudioException(lang::Say(lang::EncoderFailedFormat, std::to_string(m)));
  out(slice, m);
}

void TPartEncoder::Encode(const TPcmStore::TSpan& pcm, bool flush, const std::atomic<bool>& cancel) {
  std::vector<std::uint8_t> out;
  const auto keep = [&out](const unsigned char* p, int n) { out.insert(out.end(), p, p + n); };
  EncodeSpan(FedTo_, pcm, cancel, [](long long, long long n) { return n; }, keep);
  if (flush && !cancel) Flush(keep);
  FedTo_ = std::max(FedTo_, pcm.To);
  Reader_.Add(out.data(), out.size());
}

void TPartEncoder::EncodeOnHelper(const std::atomic<bool>& cancel) {
  HelperTo_ = Reading_ = FedTo_;
  Pending_.From = Pending_.To = FedTo_;
  Move(TPartState::Helping);
  {
    std::lock_guard l(Mx_);
    Hand(THandOver::Hungry);
  }
  Worker_ = std::thread([this, &cancel, from = FedTo_] {
    std::exception_ptr error;
    bool ended = false;  // all its input encoded
    // Each slice's frames are handed over at once: the seam before this part
    // can be found, and its input let go of, while the helper is still at work.
    const auto hand = [this](const unsigned char* p, int n) {
      std::lock_guard l(Mx_);
      Out_.insert(Out_.end(), p, p + n);
    };
    // Each slice goes no further than the part's input ends now: the calling
    // thread may take the part's later frames over meanwhile (Shorten).
    const auto clip = [this](long long at, long long n) {
      std::lock_guard l(Mx_);
      n = std::min(n, Pending_.To - at);
      Reading_ = at + std::max(n, 0LL);
      return n;
    };
    try {
      // The helper follows the input as it comes, so that it starts once its
      // lead-in is in and the input held stays small.
      for (long long at = from;;) {
        TPcmStore::TSpan pcm;
        bool flush = false;
        {
          std::unique_lock l(Mx_);
          if (at >= Pending_.To && HandOver_ == THandOver::LastFed) {
            flush = DoneState_ == TPartState::Ended;
            ended = true;
          } else {
            if (at >= Pending_.To && HandOver_ == THandOver::Fed) {
              Hand(THandOver::Hungry);
              DoneCv_.notify_all();
            }
            if (HandOver_ == THandOver::Hungry)
              MoreCv_.wait(l, [&] { return HandOver_ != THandOver::Hungry || cancel; });
            if (HandOver_ == THandOver::Stopping || cancel) break;
            pcm = Pending_;
          }
        }
        if (ended) {
          if (flush && !cancel) Flush(hand);
          break;
        }
        at = EncodeSpan(at, pcm, cancel, clip, hand);
        if (cancel) break;
      }
    } catch (...) {
      ended = false;
      error = std::current_exception();
    }
    TCoreBudget::GiveHelper();
    std::lock_guard l(Mx_);
    Error_ = error;
    // A failure is Done where all input was given: Collect throws it either way.
    const bool all = HandOver_ == THandOver::LastFed && (ended || error);
    Hand(all ? THandOver::Done : THandOver::Stopped);
    DoneCv_.notify_all();
  });
}

bool TPartEncoder::Shorten(long long until, long long stopAt) {
  if (State_ != TPartState::Helping || until < First_ + LeadIn) return false;
  std::lock_guard l(Mx_);
  // Only a helper that has all its input and has not yet read past the new end.
  if (HandOver_ != THandOver::LastFed || stopAt < Reading_ || stopAt >= Pending_.To) return false;
  Until_ = until;
  DoneState_ = TPartState::Encoded;
  Pending_.To = HelperTo_ = stopAt;
  return true;
}

void TPartEncoder::Feed(TPcmStore::TSpan pcm, bool last, bool flush) {
  {
    std::lock_guard l(Mx_);
    Hand(last ? THandOver::LastFed : THandOver::Fed);
    if (last) DoneState_ = flush ? TPartState::Ended : TPartState::Encoded;
    HelperTo_ = pcm.To;
    Pending_ = std::move(pcm);
  }
  MoreCv_.notify_all();
}

bool TPartEncoder::FedAll() const {
  std::lock_guard l(Mx_);
  return HandOver_ == THandOver::LastFed || HandOver_ == THandOver::Done;
}

bool TPartEncoder::Wait() {
  if (State_ != TPartState::Helping) return false;
  const auto waited = [this] { return HandOver_ == THandOver::Hungry || Finished(); };
  std::unique_lock l(Mx_);
  if (waited()) return false;
  DoneCv_.wait(l, waited);
  return true;
}

bool TPartEncoder::Collect(bool wait) {
  if (State_ == TPartState::Planned) return false;
  if (State_ != TPartState::Helping) return true;
  std::vector<std::uint8_t> out;
  bool finished;
  {
    std::unique_lock l(Mx_);
    if (wait) DoneCv_.wait(l, [this] { return Finished(); });
    out.swap(Out_);
    finished = Finished();
  }
  if (finished) {
    Worker_.join();
    if (Error_) std::rethrow_exception(Error_);
    FedTo_ = HelperTo_;
  }
  Reader_.Add(out.data(), out.size());
  if (finished) Move(DoneState_);
  return true;
}

bool TPartEncoder::Busy() const {
  if (State_ != TPartState::Helping) return false;
  std::lock_guard l(Mx_);
  return !Finished();
}

void TPartEncoder::Join() {
  if (!Worker_.joinable()) return;
  {
    std::lock_guard l(Mx_);
    if (!Finished()) Hand(THandOver::Stopping);
  }
  MoreCv_.notify_all();
  Worker_.join();
}

void TPartEncoder::TakeFrames() {
  try {
    Reader_.Take(Ended(), Frames_);
  } catch (const std::exception& e) {
    throw EAudioException(lang::Say(lang::EncoderOutputNotJoinedFormat, std::string(e.what())));
  }
}
