#include "SplitEncoder.h"

#include "AudioException.h"
#include "Lang.h"
#include "FrameRepacker.h"
#include "SplitScheduler.h"

TSplitEncoder::TSplitEncoder(const TLayout& layout, lame_t first, bool infoFrame, TNewEncoder newEncoder,
                             TOutputStream& out, std::vector<std::uint8_t> madeInfo)
    : L_(layout),
      Repacker_(std::make_unique<TFrameRepacker>(L_, first, out, std::move(madeInfo))),
      Scheduler_(std::make_unique<TSplitScheduler>(L_, first, infoFrame, std::move(newEncoder), *Repacker_)) {}

TSplitEncoder::~TSplitEncoder() { Cancel(); }

void TSplitEncoder::Cancel() { Scheduler_->Cancel(); }

void TSplitEncoder::Push(const void* pcm, int samples) {
  Scheduler_->Push(static_cast<const std::uint8_t*>(pcm), samples);
  Scheduler_->Join(false);
  Scheduler_->Trim();
  // The input held stays within bounds: what a helper still holds goes once it
  // is done and joined. Rather than wait, this thread encodes a part set aside
  // for a helper, if one is in, or the later half of a helper's part when it
  // has much left, or reads on and encodes the next part itself: a helper that
  // lost its core does not hold this thread up until it is a part behind.
  while (Scheduler_->OverHeld() &&
         (Scheduler_->TakeOver() || Scheduler_->Steal() || (Scheduler_->FarOverHeld() && Scheduler_->WaitForHelper()))) {
    Scheduler_->Join(false);
    Scheduler_->Trim();
  }
}

std::vector<std::uint8_t> TSplitEncoder::Finish() {
  Scheduler_->EndInput();
  // This thread has done its share: rather than wait for a helper that has much
  // left, it takes the later half of that over.
  while (Scheduler_->Steal()) {
    Scheduler_->Join(false);
    Scheduler_->TakeOver();
  }
  Scheduler_->Join(true);
  if (!Scheduler_->Parts().empty()) throw EAudioException(lang::Say(lang::EncoderOutputNotJoined));
  return Repacker_->Finish(Scheduler_->Total());
}

int TSplitEncoder::Seams() const { return Repacker_->Seams(); }
int TSplitEncoder::Continued() const { return Scheduler_->Continued(); }
int TSplitEncoder::HelperParts() const { return Scheduler_->HelperParts(); }
long long TSplitEncoder::Samples() const { return Scheduler_->Total(); }
