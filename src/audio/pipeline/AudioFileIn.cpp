#include "AudioFileIn.h"

#include <cmath>

#include "AudioException.h"

int TAudioFileIn::Cached(const int& field) {
  if (!OpenOnQuery) return field;
  OpenFile();
  const int value = field;
  CloseFile();
  return value;
}

int TAudioFileIn::GetBitsPerSample() { return Cached(BitsPerSample); }
int TAudioFileIn::GetChannels() { return Cached(Channels); }
int TAudioFileIn::GetSampleRate() { return Cached(SampleRate); }

int TAudioFileIn::GetTotalTime() {
  OpenFile();
  int result = 0;
  if (SampleRate != 0 && Channels != 0 && BitsPerSample / 8 != 0 && Size > 0)
    result = static_cast<int>(std::nearbyint(static_cast<double>(Size) / (double(SampleRate) * Channels * (BitsPerSample / 8))));
  CloseFile();
  return result;
}

void TAudioFileIn::Reset() {
  TAudioStreamedInput::Reset();
  OpenCount = 0;
}

void TAudioFileIn::OpenInput() {
  if (Busy) throw EAudioException("The component is Busy");
  if (!StreamAssigned && FileName.isEmpty()) throw EAudioException("The file name is not assigned");
  OpenFile();
  if (StartSample != 0) SeekSample(StartSample);
  if (StartSample != 0 || EndSample != -1) {
    Size = ((EndSample == -1 ? TotalSamples : EndSample) - StartSample) * ((GetBitsPerSample() / 8) * Channels);
  }
  Busy = true;
  BufStart = 1;
  BufEnd = 0;
  Position = 0;
}

void TAudioFileIn::CloseInput() {
  CloseFile();
  Busy = false;
}
