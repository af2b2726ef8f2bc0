#include "AudioInput.h"

void TAudioInput::Reset() {
  try {
    CloseInput();
  } catch (...) {
  }
  Busy = false;
}
