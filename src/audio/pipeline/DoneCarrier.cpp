#include "DoneCarrier.h"

#include "AudioOutput.h"

void TDoneCarrier::Execute() {
  if (!OnDone) return;
  TAudioOutput* output = Output;
  const TOutputDoneEvent& handler = OnDone;
  output->CallOnOwnerThread([output, &handler] { handler(output); });
}
