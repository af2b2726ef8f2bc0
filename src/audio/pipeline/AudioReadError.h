#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

// A file that cannot be opened or decoded; ErrorCode is the decoder's error code,
// or InvalidBufferSize for the reader's own check.
class EAudioReadError : public std::runtime_error {
 public:
  static constexpr std::int32_t InvalidBufferSize = 0x08000001;
  EAudioReadError(const std::string& message, std::int32_t errorCode)
      : std::runtime_error(message), ErrorCode(errorCode) {}
  const std::int32_t ErrorCode;
};
