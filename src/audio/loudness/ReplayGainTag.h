#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The ReplayGain frames of an MP3's ID3v2 tag. The tag is written before the audio
// is measured, so it is given zero padding to hold them; they go into it later
// without moving a byte of the rest. Readers take padding to begin where a
// frame's name is zeros: frames laid there appear whole, or not at all while the
// first one's name is still zeros.
class TReplayGainTag {
 public:
  // Padding kept for the track's and the album's frames, with some to spare.
  static constexpr std::size_t Room = 512;

  // `tag` (a new one when empty) with its frames kept and at least Room bytes of
  // padding after them. A tag laid out in a way we do not fill in is kept as it is.
  static std::vector<std::uint8_t> Reserve(const std::vector<std::uint8_t>& tag);
  // The two frames for `kind` ("TRACK" or "ALBUM").
  static std::vector<std::uint8_t> Frames(const char* kind, double gain, double peak);
  // Lays `frames` into the padding of `tag`; false when it has no room for them.
  static bool Fill(std::vector<std::uint8_t>& tag, const std::vector<std::uint8_t>& frames);

  static std::string GainText(double gain);  // "-6.52 dB"
  static std::string PeakText(double peak);  // "0.988547"

  struct TLayout {
    long PaddingAt = 0;  // where the padding begins; 0 when the tag cannot be filled in
    long End = 0;        // the tag's end
  };
  // The layout of the tag `read` gives: read(offset, into, count) reads `count`
  // bytes from the file's start on, or returns false. Uses no heap, so it may run
  // where only plain system calls may.
  template <class Read>
  static TLayout LayoutOf(Read read);

 private:
  static long FrameSize(const std::uint8_t* size, int version);
};

template <class Read>
TReplayGainTag::TLayout TReplayGainTag::LayoutOf(Read read) {
  std::uint8_t h[10];
  if (!read(0L, h, 10) || h[0] != 'I' || h[1] != 'D' || h[2] != '3') return {};
  const int version = h[3];
  // Unsynchronised, extended or footed tags are left alone.
  if ((version != 3 && version != 4) || h[5] != 0) return {};
  if ((h[6] | h[7] | h[8] | h[9]) & 0x80) return {};
  const long end = 10 + ((long(h[6]) << 21) | (long(h[7]) << 14) | (long(h[8]) << 7) | long(h[9]));
  long at = 10;
  while (at + 10 <= end) {
    std::uint8_t f[10];
    if (!read(at, f, 10)) return {};
    if (f[0] == 0) return {at, end};
    const long size = FrameSize(f + 4, version);
    if (size < 0) return {};
    at += 10 + size;
  }
  return {at <= end ? at : 0, end};
}
