#include "ToneInput.h"

#include <algorithm>
#include <cmath>
#include <thread>

void ToneInput::OpenInput() {
  if (FailOnOpen) throw std::runtime_error("the tone cannot be opened");
  ++Opens;
  Position = 0;
  Size = TotalBytes();
  Busy = true;
}

void ToneInput::CloseInput() {
  ++Closes;
  Busy = false;
}

int ToneInput::ReadData(void* buffer, int bufferSize) {
  ++Reads;
  if (DelayPerRead.count()) std::this_thread::sleep_for(DelayPerRead);
  if (FailAfterBytes >= 0 && Position >= FailAfterBytes) throw std::runtime_error("the tone broke off");
  const int frameBytes = 2 * ChannelCount;
  const std::int64_t left = TotalBytes() - Position;
  const int n = static_cast<int>(std::min<std::int64_t>(left, bufferSize / frameBytes * frameBytes));
  auto* out = static_cast<short*>(buffer);
  const std::int64_t firstFrame = Position / frameBytes;
  for (int f = 0; f < n / frameBytes; ++f) {
    const double t = double(firstFrame + f) / Rate;
    for (int c = 0; c < ChannelCount; ++c)
      out[f * ChannelCount + c] = static_cast<short>(8000 * std::sin(2 * M_PI * (440.0 + 110 * c) * t));
  }
  Position += n;
  Delivered = Position.load();
  return n;
}
