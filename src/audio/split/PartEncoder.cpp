#include "PartEncoder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "AudioException.h"
#include "CoreBudget.h"

namespace {
constexpr int SliceBytes = TPartEncoder::SliceSamples * 5 / 4 + 7200;
}

TPartEncoder::TPartEncoder(const TSplitLayout& layout, TPartState state, long long first)
    : First(first),
      PcmStart(first * layout.FrameSamples),
      FedTo(first * layout.FrameSamples),
      Head(first),
      L_(layout),
      State_(state),
      Progress_(first * layout.FrameSamples) {}

TPartEncoder::~TPartEncoder() { Join(); }

void TPartEncoder::Move(TPartState to) {
  using S = TPartState;
  bool allowed = false;
  switch (State_) {
    case S::Planned:  // a helper takes it, or the calling thread encodes it at once
      allowed = to == S::Helping || to == S::Encoded || to == S::Ended;
      break;
    case S::Open:  // a part is planned after it, or the input ends
      allowed = to == S::LeadingOut || to == S::Ended;
      break;
    case S::LeadingOut:  // its lead-out is encoded
      allowed = to == S::Encoded;
      break;
    case S::Helping:  // its helper is done
      allowed = to == S::Encoded || to == S::Ended;
      break;
    case S::Encoded:  // no seam with the part after it: it went on through that part, and takes its place
      allowed = to == S::Open || to == S::LeadingOut || to == S::Encoded || to == S::Ended;
      break;
    case S::Ended:
    case S::Closed:
      break;
  }
  if (to == S::Closed) allowed = State_ != S::Closed && !Worker_.joinable();  // from anywhere, its helper gone
  if (!allowed) throw std::logic_error("split encoder: a part cannot move from one state to another");
  State_ = to;
}

template <class TOut>
void TPartEncoder::EncodeSpan(long long from, const TPcmStore::TSpan& pcm, bool flush, const std::atomic<bool>& cancel,
                        TOut out) {
  unsigned char slice[SliceBytes];
  for (long long at = from; at < pcm.To && !cancel;) {
    const int n = static_cast<int>(std::min({static_cast<long long>(SliceSamples), pcm.To - at, pcm.RunFrom(at)}));
    const int m = EncodePcm(Ctx, pcm.At(at), n, L_.Channels, L_.Format, slice, SliceBytes);
    if (m < 0) throw EAudioException("The MP3 encoder failed (error " + std::to_string(m) + ").");
    out(slice, m);
    at += n;
    Progress_.store(at, std::memory_order_release);
  }
  if (flush && !cancel) {
    const int m = Lame.lame_encode_flush(Ctx, slice, SliceBytes);
    if (m < 0) throw EAudioException("The MP3 encoder failed (error " + std::to_string(m) + ").");
    out(slice, m);
  }
}

void TPartEncoder::Encode(const TPcmStore::TSpan& pcm, bool flush, const std::atomic<bool>& cancel) {
  std::vector<std::uint8_t> out;
  EncodeSpan(FedTo, pcm, flush, cancel, [&out](const unsigned char* p, int n) { out.insert(out.end(), p, p + n); });
  FedTo = std::max(FedTo, pcm.To);
  Reader.Add(out.data(), out.size());
}

void TPartEncoder::EncodeOnHelper(const std::atomic<bool>& cancel) {
  HelperTo_ = FedTo;
  Pending_.From = Pending_.To = FedTo;
  Move(TPartState::Helping);
  Worker_ = std::thread([this, &cancel] {
    std::exception_ptr error;
    try {
      // The helper follows the input as it comes, so that it starts once its
      // lead-in is in and the input held stays small.
      for (long long at = FedTo;;) {
        TPcmStore::TSpan pcm;
        bool last, flush;
        {
          std::unique_lock l(Mx_);
          if (at >= Pending_.To && !PendingLast_) {
            Hungry_ = true;
            DoneCv_.notify_all();
            MoreCv_.wait(l, [&] { return Stop_ || cancel || at < Pending_.To || PendingLast_; });
          }
          Hungry_ = false;
          if (Stop_ || cancel) break;
          pcm = Pending_;
          last = PendingLast_;
          flush = Flush_;
        }
        const bool done = last && at >= pcm.To;
        // Each slice's frames are handed over at once: the seam before this part
        // can be found, and its input let go of, while the helper is still at work.
        EncodeSpan(at, pcm, done && flush, cancel, [this](const unsigned char* p, int n) {
          std::lock_guard l(Mx_);
          Out_.insert(Out_.end(), p, p + n);
        });
        at = std::max(at, pcm.To);
        if (done || cancel) break;
      }
    } catch (...) {
      error = std::current_exception();
    }
    TCoreBudget::GiveHelper();
    std::lock_guard l(Mx_);
    Error_ = error;
    Finished_ = true;
    DoneCv_.notify_all();
  });
}

void TPartEncoder::Feed(TPcmStore::TSpan pcm, bool last, bool flush) {
  HelperTo_ = pcm.To;
  FedAll_ = last;
  if (last) DoneState_ = flush ? TPartState::Ended : TPartState::Encoded;
  {
    std::lock_guard l(Mx_);
    Pending_ = std::move(pcm);
    PendingLast_ = last;
    Flush_ = flush;
    Hungry_ = false;
  }
  MoreCv_.notify_all();
}

bool TPartEncoder::Wait() {
  if (State_ != TPartState::Helping) return false;
  std::unique_lock l(Mx_);
  if (!Finished_ && Hungry_) return false;
  DoneCv_.wait(l, [this] { return Finished_ || Hungry_; });
  return true;
}

bool TPartEncoder::Collect(bool wait) {
  if (State_ == TPartState::Planned) return false;
  if (State_ != TPartState::Helping) return true;
  std::vector<std::uint8_t> out;
  bool finished;
  {
    std::unique_lock l(Mx_);
    if (wait) DoneCv_.wait(l, [this] { return Finished_; });
    out.swap(Out_);
    finished = Finished_;
  }
  if (finished) {
    Worker_.join();
    if (Error_) std::rethrow_exception(Error_);
    FedTo = HelperTo_;
  }
  Reader.Add(out.data(), out.size());
  if (finished) Move(DoneState_);
  return true;
}

bool TPartEncoder::Busy() const {
  if (State_ != TPartState::Helping) return false;
  std::lock_guard l(Mx_);
  return !Finished_;
}

void TPartEncoder::Join() {
  if (!Worker_.joinable()) return;
  {
    std::lock_guard l(Mx_);
    Stop_ = true;
  }
  MoreCv_.notify_all();
  Worker_.join();
}

void TPartEncoder::TakeFrames() {
  try {
    Reader.Take(Ended(), Frames);
  } catch (const std::exception& e) {
    throw EAudioException(std::string("The MP3 encoder's output cannot be joined: ") + e.what());
  }
}
