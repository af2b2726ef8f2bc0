#pragma once
#include <stdexcept>
#include <string>

// Misuse of a pipeline component, or a failure the pipeline reports by text.
class EAudioException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
