#include "FrameRepacker.h"

#include <algorithm>
#include <limits>

#include "AudioException.h"
#include "Lang.h"

namespace {
constexpr int LeadIn = TPartEncoder::LeadIn;
constexpr int WarmUp = TPartEncoder::WarmUp;
}  // namespace

TFrameRepacker::TFrameRepacker(const TSplitLayout& layout, lame_t first, TOutputStream& out,
                               std::vector<std::uint8_t> madeInfo)
    : L_(layout), Out_(out), First_(first), InfoTemplate_(std::move(madeInfo)), Joiner_(layout.MaxBitRateIndex) {
  Delay_ = Lame.lame_get_encoder_delay(first);
  if (InfoTemplate_.empty()) return;
  const std::vector<std::uint8_t> standIn = TLameTag::StandIn(InfoTemplate_);
  Out_.Write(standIn.data(), standIn.size());
  InfoWritten_ = true;
}

void TFrameRepacker::Close(TPartEncoder& part) {
  part.Join();
  if (part.Encoder() && part.Encoder() == First_) {
    // The first encoder's Info frame is the model of the stream's.
    if (InfoWritten_ && InfoTemplate_.empty()) {
      InfoTemplate_.assign(2880, 0);
      InfoTemplate_.resize(Lame.lame_get_lametag_frame(part.Encoder(), InfoTemplate_.data(), InfoTemplate_.size()));
    }
    First_ = nullptr;
  }
  part.CloseEncoder();
  if (part.State() != TPartState::Closed) part.Move(TPartState::Closed);
}

void TFrameRepacker::Take(TPartEncoder& part) {
  part.TakeFrames();
  if (!InfoWritten_ && part.Encoder() && part.Encoder() == First_ && !part.Skipped().empty()) {
    // The first encoder's Info frame holds the place of the stream's.
    Out_.Write(part.Skipped().data(), part.Skipped().size());
    InfoWritten_ = true;
  }
}

void TFrameRepacker::Append(TPartEncoder& part, long long until) {
  until = std::min(until, part.Available());
  for (; Next_ < until; ++Next_) {
    const TMP3Frame& f = part.At(Next_);
    if (!Joiner_.Append(f)) throw EAudioException(lang::Say(lang::EncoderOutputNotJoined));
    LastCloses_ = f.ClosesShort;
  }
  part.DropBefore(Next_);
  Write(false);
}

void TFrameRepacker::Write(bool all) {
  Written_.clear();
  Joiner_.TakeFinished(Written_, all);
  if (Written_.empty()) return;
  Stream_.Add(Written_.data(), Written_.size());
  Out_.Write(Written_.data(), Written_.size());
}

long long TFrameRepacker::AppendLimit(const TPartEncoder& part) const {
  // The frames before the earliest place a successor could take over.
  if (part.Until() >= 0) return part.Until() - LeadIn + WarmUp;
  if (part.Ended()) return std::numeric_limits<long long>::max();
  const long long fed = part.State() == TPartState::Helping ? part.Progress() : part.FedTo();
  return fed / L_.FrameSamples - LeadIn + WarmUp;
}

TSeamVerdict TFrameRepacker::Seam(TPartEncoder& a, TPartEncoder& b, int leadOut) {
  const long long s = a.Until();
  const long long lo = std::max({Next_, s - LeadIn + WarmUp, b.First() + WarmUp});
  const long long hi = std::min(s + leadOut - 2, a.Available());
  bool undecided = false;
  if (!L_.JoinSeams) return TSeamVerdict::Continue;
  // The nearer the parts' own boundary, the better: both encoders are settled there.
  for (long long step = 0; step <= 2 * (LeadIn + leadOut); ++step) {
    const long long k = s + (step % 2 ? (step + 1) / 2 : -(step / 2));
    if (k < lo || k > hi) continue;
    if (k >= b.Available()) {
      undecided = undecided || !b.Complete();
      continue;
    }
    const std::array<bool, 2> closes = k - 1 < Next_ ? LastCloses_ : a.At(k - 1).ClosesShort;
    if (closes != b.At(k).OpensShort) continue;  // the windows would not overlap cleanly
    TFrameJoiner trial = Joiner_;
    bool fits = true;
    for (long long f = Next_; f < k && fits; ++f) fits = trial.Append(a.At(f));
    if (!fits) continue;
    // B's frames from k on, until the reservoir before one holds at least what its
    // main_data_begin asked for in B's own stream: from then on every frame fits as
    // it did there. That must happen before B's own successor may take over.
    const long long limit = std::min(b.Available(), AppendLimit(b));
    long long j = k;
    bool synced = false;
    for (; j < limit; ++j) {
      if (!trial.Append(b.At(j))) break;
      if (j + 1 < b.Available() && trial.LastKeptSize() && trial.Room() >= b.At(j + 1).MainDataBegin) {
        synced = true;
        ++j;
        break;
      }
    }
    if (!synced && !(b.Ended() && j == b.Available())) {
      if (j == b.Available() && !b.Complete()) undecided = true;
      continue;
    }
    Joiner_ = std::move(trial);
    LastCloses_ = b.At(j - 1).ClosesShort;
    Next_ = j;
    b.DropBefore(j);
    ++Seams_;
    Write(false);
    return TSeamVerdict::Joined;
  }
  return undecided ? TSeamVerdict::More : TSeamVerdict::Continue;
}

TSeamVerdict TFrameRepacker::Join(TPartEncoder& a, TPartEncoder* b, int leadOut, bool wait) {
  if (!a.Collect(wait)) return TSeamVerdict::More;
  Take(a);
  // What no seam can reach is appended at once.
  Append(a, AppendLimit(a));
  if (a.Until() < 0) return a.Ended() ? TSeamVerdict::Ended : TSeamVerdict::More;
  if (!a.Complete()) return TSeamVerdict::More;  // the calling thread has not yet encoded all its lead-out
  if (!b || !b->Collect(wait)) return TSeamVerdict::More;
  Take(*b);
  // A part still being encoded, here or by a helper, comes a few frames at a
  // time: look for the seam once there is enough of it to find one.
  if (!b->Complete() && b->Available() < std::max(b->SeamAt(), a.Until() + 16)) return TSeamVerdict::More;
  const TSeamVerdict seam = Seam(a, *b, leadOut);
  if (seam == TSeamVerdict::More) b->LookForSeamAt(b->Available() + 16);
  return seam;
}

std::vector<std::uint8_t> TFrameRepacker::Finish(long long samples) {
  Write(true);
  std::vector<std::uint8_t> info = std::move(InfoTemplate_);
  if (!info.empty()) {
    Stream_.Samples = samples;
    Stream_.FrameSamples = L_.FrameSamples;
    Stream_.Delay = Delay_;
    TLameTag::Complete(info, Stream_);
  }
  return info;
}
