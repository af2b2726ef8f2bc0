#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Lame.h"
#include "Mp3Types.h"

// Makes the encoders of one file, all from the same settings: the file's first,
// which carries its tags and the stand-in for its tag frame, and any number for
// later parts of a file encoded in parts, which make frames only. The encoders
// never write ID3 tags into their output: the file writer puts them around it.
class TMP3EncoderBuilder {
 public:
  struct TSettings {
    int InRate = 44100;  // the PCM's rate
    int OutRate = 0;     // 0: the encoder's choice for the input's rate
    TMP3Mode Mode = TMP3Mode::STEREO;
    bool CRC = false, Copyright = false, Original = true;
    bool VBR = false;
    TMP3BitRate BitRate = TMP3BitRate::br128;  // constant rate
    TMP3Quality Quality = TMP3Quality::ql5;
    bool FastVBR = false;  // variable rate: the encoder's own fast method
    TMP3Quality VBRQuality = TMP3Quality::ql5;
    int VBRMinBitrate = 128, VBRMaxBitrate = 192;
  };
  enum class TRole { First, Later };

  TMP3EncoderBuilder(const TSettings& settings, const TMP3Tags& tags) : S_(settings), Tags_(tags) {}

  const TSettings& Settings() const { return S_; }
  // The same encoders for PCM already at `rate`, which they keep.
  TMP3EncoderBuilder AtRate(int rate) const;

  // A new encoder, the caller's to close; null with `error` set when it fails.
  // For the first, `coverNote` says why the cover picture was left out, if it was.
  lame_t Build(TRole role, std::string& error, std::string* coverNote = nullptr) const;

  // The Info frame of the stream `first` encodes, where `first` leaves it out
  // because its own frames are too small to hold it: a frame of the smallest
  // bit-rate index that holds it, with the stream's header otherwise, made by an
  // encoder of these settings at that index's rate and with `first`'s sample rate
  // and lowpass. Its counts are for TLameTag::Complete to fill in. Empty when
  // `first` writes its own, or none.
  std::vector<std::uint8_t> InfoFrame(lame_t first) const;

  // The file's ID3v2 and ID3v1 tags from its first encoder; both empty when no
  // tag text nor picture was taken, as the encoder itself would leave them out.
  static void Id3Tags(lame_t first, std::vector<std::uint8_t>& v2, std::vector<std::uint8_t>& v1);

  static constexpr std::size_t MaxCoverBytes = 1024 * 1024;

 private:
  void SetTags(lame_t context, std::string& coverNote) const;
  // `lowpass` in Hz, 0 for the encoder's choice. Without a role, the encoder keeps
  // its Info frame but has no tags.
  lame_t Build(const TSettings& s, const TRole* role, int lowpass, std::string& error, std::string* coverNote) const;

  TSettings S_;
  TMP3Tags Tags_;
};
