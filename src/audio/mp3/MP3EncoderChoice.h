#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Lame.h"
#include "MP3EncoderBuilder.h"
#include "MP3OutSettings.h"
#include "MP3StreamEncoder.h"
#include "OutputStream.h"

// Chooses how one file is encoded, whole or in parts, and at what rate the
// encoders get its PCM, then makes its encoder.
class TMP3EncoderChoice {
 public:
  struct TInput {
    int Rate = 44100;
    int Channels = 2;
    TSampleFormat Format = TSampleFormat::sfInt16;
    long long Bytes = -1;  // its PCM's size as the input states it; negative when unknown
  };
  TMP3EncoderChoice(const TMP3OutSettings& settings, const TMP3Tags& tags, const TInput& input);
  ~TMP3EncoderChoice();
  TMP3EncoderChoice(const TMP3EncoderChoice&) = delete;
  TMP3EncoderChoice& operator=(const TMP3EncoderChoice&) = delete;

  // The rate the encoders get; 0 when no encoder can be made (Start then fails).
  int Rate() const { return Rate_; }
  // Encoded in parts: splitting is on and the file is long enough for two.
  bool Split() const { return Split_; }

  struct THead {
    std::vector<std::uint8_t> Id3v2, Id3v1;  // both empty when the file has no tags
    std::string CoverNote;  // why the cover picture was left out; empty when it was not
  };
  // Builds the stream's first encoder and gives the tags around it. Throws
  // EAudioException when it cannot be built.
  THead Start();
  // After Start: the stream's encoder, writing into `out` from the stream's start on.
  std::unique_ptr<TMP3StreamEncoder> Make(TOutputStream& out);

 private:
  TMP3EncoderBuilder Builder_;
  TInput In_;
  int PartFrames_ = 384;
  int Rate_ = 0;
  bool Split_ = false;
  lame_t First_ = nullptr;
  std::vector<std::uint8_t> InfoFrame_;
};
