#pragma once
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "AudioInput.h"

// A generated source: a sine tone of a given length, or the samples given,
// optionally slow, optionally failing after a number of bytes.
class ToneInput : public TAudioInput {
 public:
  ToneInput(int rate, int channels, double seconds, TComponent* owner = nullptr)
      : TAudioInput(owner), Rate(rate), ChannelCount(channels), Seconds(seconds) {}

  int Rate;
  int ChannelCount;
  double Seconds;
  std::vector<short> Samples;  // interleaved; when given, served in place of the tone
  std::int64_t FailAfterBytes = -1;
  bool FailOnOpen = false;
  std::chrono::milliseconds DelayPerRead{0};
  std::atomic<int> Reads{0};
  std::atomic<int> Opens{0};
  std::atomic<int> Closes{0};
  std::atomic<std::int64_t> Delivered{0};  // Position, for the test thread to watch

  std::int64_t TotalBytes() const {
    return Samples.empty() ? static_cast<std::int64_t>(Seconds * Rate) * ChannelCount * 2
                           : static_cast<std::int64_t>(Samples.size()) * 2;
  }

  int GetBitsPerSample() override { return 16; }
  int GetChannels() override { return ChannelCount; }
  int GetSampleRate() override { return Rate; }
  void OpenInput() override;
  void CloseInput() override;
  int ReadData(void* buffer, int bufferSize) override;
};

enum class Signal { Quiet, Noise, Clicks };

// Interleaved 16-bit test signals whose seams are hard in different ways: a quiet
// passage where the reservoir fills, loud noise where it runs dry, and clicks
// where the encoder switches to short blocks.
std::vector<short> MakeSignal(Signal kind, int rate, double seconds, int channels = 2);
