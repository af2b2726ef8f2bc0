#pragma once
#include <atomic>

#include "AudioInput.h"
#include "SpinLock.h"

// Exchanges the input a stage reads from. While the stage is busy the new input
// is opened first and swapped in under the lock the reader holds, then the old
// one is closed, so a read never sees a half-changed input.
inline void ExchangeInput(std::atomic<TAudioInput*>& slot, TSpinLock& lock, bool busy, TAudioInput* value,
                          TComponent* listener) {
  TAudioInput* old = slot.load();
  if (busy) {
    if (value) value->OpenInput();
    {
      TSpinGuard guard(lock);
      slot = value;
    }
    if (old) old->CloseInput();
  } else {
    slot = value;
  }
  if (old && old != value) old->RemoveFreeNotification(listener);
  if (value) value->FreeNotification(listener);
}

// The input is being destroyed: let go of it without calling into it.
inline void ForgetInput(std::atomic<TAudioInput*>& slot, TSpinLock& lock, TComponent* component) {
  if (component != slot.load()) return;
  TSpinGuard guard(lock);
  slot = nullptr;
}
