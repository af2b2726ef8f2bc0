#pragma once
#include "SampleFormat.h"

// How a split file is cut and joined.
struct TSplitLayout {
  int FrameSamples = 1152;
  int Channels = 2;
  TSampleFormat Format = TSampleFormat::sfInt16;
  int PartFrames = 384;            // about 10 s at 44.1 kHz
  long long ExpectedSamples = -1;  // per channel, where the input says
  int MaxBitRateIndex = 0;         // variable rate: how far a frame may grow to make space in the bit reservoir
  bool JoinSeams = true;           // false: every part is encoded on by the encoder before it

  int SampleBytes() const { return Channels * (Format == TSampleFormat::sfFloat32 ? 4 : 2); }
};
