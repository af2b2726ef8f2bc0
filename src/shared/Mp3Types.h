#pragma once
// The encoder's settings, shared by the task layer (which maps tasks onto them)
// and the audio layer (which hands them to the encoder).

#include <array>
#include <cstdint>

enum class TMP3BitRate : std::uint8_t {
  br8, br16, br24, br32, br40, br48, br56, br64, br80,
  br96, br112, br128, br144, br160, br192, br224, br256, br320
};

inline constexpr std::array<int, 18> Mp3BitRateKbps = {
    8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 192, 224, 256, 320};

inline constexpr int KbpsOf(TMP3BitRate r) { return Mp3BitRateKbps[static_cast<int>(r)]; }

enum class TMP3Quality : std::uint8_t { ql0, ql1, ql2, ql3, ql4, ql5, ql6, ql7, ql8, ql9 };

enum class TMP3SampleRate : std::uint8_t { srDefault, sr32kHz, sr41kHz, sr48kHz };

inline constexpr int HzOf(TMP3SampleRate r) {
  switch (r) {
    case TMP3SampleRate::sr32kHz: return 32000;
    case TMP3SampleRate::sr41kHz: return 44100;
    case TMP3SampleRate::sr48kHz: return 48000;
    case TMP3SampleRate::srDefault: break;
  }
  return 0;
}

// The ordinals are the encoder's own channel-mode numbers.
enum class TMP3Mode : std::uint8_t { STEREO = 0, JOINT_STEREO = 1, DUAL_CHANNEL = 2, MONO = 3 };

// What a task decides about one run of the encoder.
struct TMP3Settings {
  TMP3BitRate BitRate = TMP3BitRate::br128;
  int VBRMinBitrate = 128;
  int VBRMaxBitrate = 192;
  bool EnableVBR = false;
  bool WriteVBRHeader = false;
  TMP3Mode Mode = TMP3Mode::STEREO;
  TMP3SampleRate SampleRate = TMP3SampleRate::srDefault;
};

#include <string>

// ID3 texts of one run, UTF-8.
struct TMP3Tags {
  std::string Title, Artist, Album, Year, Track, Comment, Genre;
  std::string AlbumArtist, Disc, Composer;
  std::string Cover;  // the picture's bytes (JPEG, PNG or GIF); empty for none
};
