#include "MP3OutSettings.h"

#include <algorithm>

TMP3EncoderBuilder::TSettings TMP3OutSettings::Encoder(int inRate) const {
  TMP3EncoderBuilder::TSettings s;
  s.InRate = inRate;
  s.OutRate = HzOf(SampleRate);
  s.Mode = Mode;
  s.CRC = CRC;
  s.Copyright = Copyright;
  s.Original = Original;
  s.VBR = EnableVBR;
  s.BitRate = BitRate;
  s.Quality = Quality;
  s.FastVBR = WriteVBRHeader;
  s.VBRQuality = VBRQuality;
  // Limits given the wrong way round are taken the right way.
  s.VBRMinBitrate = EnableVBR ? std::min(VBRMinBitrate, VBRMaxBitrate) : VBRMinBitrate;
  s.VBRMaxBitrate = EnableVBR ? std::max(VBRMinBitrate, VBRMaxBitrate) : VBRMaxBitrate;
  return s;
}
