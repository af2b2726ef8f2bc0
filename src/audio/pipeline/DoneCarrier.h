#pragma once
#include <functional>

class TComponent;
class TAudioOutput;

using TOutputDoneEvent = std::function<void(TComponent* sender)>;

// Delivers one done notification to the GUI thread and waits for it; run by the worker.
class TDoneCarrier {
 public:
  TDoneCarrier(TAudioOutput* output, TOutputDoneEvent onDone) : Output(output), OnDone(std::move(onDone)) {}
  void Execute();

  TAudioOutput* const Output;
  const TOutputDoneEvent OnDone;
};
