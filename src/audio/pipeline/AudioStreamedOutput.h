#pragma once
#include "AudioOutput.h"
#include "OutputStream.h"

// A sink that writes to a stream.
class TAudioStreamedOutput : public TAudioOutput {
 public:
  using TAudioOutput::TAudioOutput;

  TOutputStream* Stream = nullptr;
  bool StreamAssigned = false;  // the caller owns Stream
};
