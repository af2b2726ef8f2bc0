#pragma once
#include "AudioInput.h"

class TInputStream;

// A source that reads from a caller's stream or from a named file.
class TAudioStreamedInput : public TAudioInput {
 public:
  using TAudioInput::TAudioInput;

  TInputStream* Stream = nullptr;
  bool StreamAssigned = false;
  // Format getters open the file around reading their cached value.
  bool OpenOnQuery = true;
};
