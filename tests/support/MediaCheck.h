#pragma once
// Reads a finished file back with libavformat/libavcodec, independently of the program's reader.

#include <QString>
#include <map>
#include <string>
#include <vector>

struct MediaFacts {
  bool Opened = false;
  bool DecodedCleanly = false;
  std::string Codec;
  int Channels = 0;
  int SampleRate = 0;
  long long BitRate = 0;       // the stream's or container's, bits per second
  double Duration = 0;         // seconds, as the container reports it
  long long DecodedFrames = 0; // samples per channel actually decoded
  bool ChannelsIdentical = true;  // every left sample equals its right one
  std::map<std::string, std::string> Tags;  // container metadata, lower-case keys
  long long CoverBytes = 0;                 // the attached picture's size; 0 for none
};

MediaFacts ReadMedia(const QString& path);

// A file's audio as an independent decoder gives it, gapless trimming applied.
struct DecodedAudio {
  bool Clean = false;  // opened, and the decoder reported no error at any frame
  int Channels = 0, SampleRate = 0;
  long long Packets = 0;       // audio frames; a tag frame is not one
  std::vector<float> Samples;  // interleaved
};

DecodedAudio DecodeAudio(const QString& path);
