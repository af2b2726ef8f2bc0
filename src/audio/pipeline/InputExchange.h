#pragma once
#include <atomic>
#include <mutex>

#include "AudioInput.h"

// Exchanges the input a stage reads from. The reader holds `lock` around each
// read; while the stage is busy the new input is opened first and swapped in
// under that lock, then the old one is closed, so a read never sees a
// half-changed input. Each side takes and releases the lock itself.
inline void ExchangeInput(std::atomic<TAudioInput*>& slot, std::mutex& lock, bool busy, TAudioInput* value,
                          TComponent* listener) {
  TAudioInput* old = slot.load();
  if (busy) {
    if (value) value->OpenInput();
    {
      std::lock_guard guard(lock);
      slot = value;
    }
    if (old) old->CloseInput();
  } else {
    slot = value;
  }
  if (old && old != value) old->RemoveFreeNotification(listener);
  if (value) value->FreeNotification(listener);
}

// The input is being destroyed: let go of it without calling into it, once a
// read under way has ended.
inline void ForgetInput(std::atomic<TAudioInput*>& slot, std::mutex& lock, TComponent* component) {
  if (component != slot.load()) return;
  std::lock_guard guard(lock);
  slot = nullptr;
}
