#pragma once
#include <cstddef>

// Where a sink's bytes go. Write throws on any failure.
class TOutputStream {
 public:
  virtual ~TOutputStream() = default;
  virtual void Write(const void* data, std::size_t size) = 0;
};
