#pragma once
#include "MP3EncoderBuilder.h"
#include "Mp3Types.h"

// All a sink's settings: the user's choices, the encoder's finer ones, and how
// files are encoded and tagged.
struct TMP3OutSettings : TMP3Settings {
  TMP3Quality Quality = TMP3Quality::ql5;
  bool CRC = false;
  bool Copyright = false;
  bool Original = true;
  TMP3Quality VBRQuality = TMP3Quality::ql5;
  // A long file is encoded in parts on the cores free while it runs, and joined.
  bool SplitFiles = true;
  int SplitPartFrames = 384;  // frames in a part
  // Each file is measured as it is encoded and tagged with its ReplayGain; the
  // audio itself is never changed.
  bool ReplayGain = false;

  // The encoders' settings for PCM at `inRate`.
  TMP3EncoderBuilder::TSettings Encoder(int inRate) const;
};
