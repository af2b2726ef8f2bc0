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
  if (!Samples.empty()) std::copy_n(Samples.begin() + Position / 2, n / 2, out);
  for (int f = 0; f < n / frameBytes && Samples.empty(); ++f) {
    const double t = double(firstFrame + f) / Rate;
    for (int c = 0; c < ChannelCount; ++c)
      out[f * ChannelCount + c] = static_cast<short>(8000 * std::sin(2 * M_PI * (440.0 + 110 * c) * t));
  }
  Position += n;
  Delivered = Position.load();
  return n;
}

std::vector<short> MakeSignal(Signal kind, int rate, double seconds, int channels) {
  std::vector<short> pcm(static_cast<std::size_t>(seconds * rate) * channels);
  unsigned noise = 12345;
  auto random = [&] {
    noise = noise * 1103515245u + 12345u;
    return double((noise >> 8) & 0xFFFF) / 32768.0 - 1.0;
  };
  for (std::size_t i = 0; i < pcm.size(); ++i) {
    const double t = double(i / channels) / rate;
    double v = 0;
    switch (kind) {
      case Signal::Quiet: v = 0.003 * std::sin(2 * M_PI * 440 * t) + 0.0002 * random(); break;
      case Signal::Noise: v = 0.7 * random(); break;
      case Signal::Clicks: {
        const double since = std::fmod(t, 0.13);
        v = since < 0.01 ? 0.9 * random() * std::exp(-since * 400) : 0.001 * random();
        break;
      }
    }
    pcm[i] = static_cast<short>(std::lround(v * 32767));
  }
  return pcm;
}

