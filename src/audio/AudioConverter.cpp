#include "AudioConverter.h"

void TAudioConverter::SetInput(TAudioInput* value) {
  if (value == this) return;
  TAudioInput* old = Input_.load();
  if (Busy) {
    if (value) value->OpenInput();
    {
      TSpinGuard guard(InputLock);
      Input_ = value;
    }
    if (old) old->CloseInput();
  } else {
    Input_ = value;
  }
  if (old && old != value) old->RemoveFreeNotification(this);
  if (value) value->FreeNotification(this);
}

void TAudioConverter::UnlockChain() {
  if (InputLock.IsLocked()) InputLock.Unlock();
  if (auto* below = dynamic_cast<TAudioConverter*>(Input_.load())) below->UnlockChain();
}

void TAudioConverter::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == Input_.load()) {
    // The input is being destroyed: let go of it without calling into it.
    TSpinGuard guard(InputLock);
    Input_ = nullptr;
  }
  TAudioInput::Notification(component, operation);
}
