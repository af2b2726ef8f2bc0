#pragma once
#include <QString>

#include "AudioStreamedInput.h"

// A file source with a sample range and looping.
class TAudioFileIn : public TAudioStreamedInput {
 public:
  using TAudioStreamedInput::TAudioStreamedInput;

  QString FileName;
  std::int64_t PendingSeek = 0;  // applied at the next refill; 0 none
  int OpenCount = 0;
  int BitsPerSample = 0;
  int SampleRate = 0;
  int Channels = 0;
  bool Loop = false;
  std::int64_t StartSample = 0;
  std::int64_t EndSample = -1;
  std::int64_t TotalSamples = 0;

  int GetBitsPerSample() override;
  int GetChannels() override;
  int GetSampleRate() override;
  int GetTotalTime() override;
  void Reset() override;
  void OpenInput() override;
  void CloseInput() override;

  virtual void OpenFile() = 0;
  virtual void CloseFile() = 0;
  virtual void SeekSample(std::int64_t sampleIndex) = 0;

 private:
  int Cached(const int& field);
};
