#pragma once
#include <cstddef>

#include "AudioOutput.h"

// Where a sink's bytes go. Write throws on any failure.
class TOutputStream {
 public:
  virtual ~TOutputStream() = default;
  virtual void Write(const void* data, std::size_t size) = 0;
};

// A sink that writes to a stream.
class TAudioStreamedOutput : public TAudioOutput {
 public:
  using TAudioOutput::TAudioOutput;

  TOutputStream* Stream = nullptr;
  bool StreamAssigned = false;  // the caller owns Stream
};
