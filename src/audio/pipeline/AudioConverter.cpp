#include "AudioConverter.h"

#include "InputExchange.h"

void TAudioConverter::SetInput(TAudioInput* value) {
  if (value == this) return;
  ExchangeInput(Input_, InputLock, Busy, value, this);
}

void TAudioConverter::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) ForgetInput(Input_, InputLock, component);
  TAudioInput::Notification(component, operation);
}
