#pragma once
#include <cstdint>
#include <vector>

// The Xing/Info frame at the head of a stream, with the encoder's tag in it.
class TLameTag {
 public:
  struct TStream {
    long long Frames = 0;      // audio frames, the tag frame not counted
    long long AudioBytes = 0;  // their bytes
    std::vector<std::uint32_t> FrameOffsets;  // each audio frame's first byte, from the first frame on
    long long Samples = 0;     // per channel, as encoded
    int FrameSamples = 1152;
    int Delay = 576;
    std::uint16_t MusicCrc = 0;  // over the audio frames
  };
  // Fills in `frame`, a tag frame the encoder made, for the stream it heads: counts,
  // seek table, encoder delay and padding, music length and the checksums. Fields
  // the frame is too small to hold are left out.
  static void Complete(std::vector<std::uint8_t>& frame, const TStream& stream);
  // The tag's check sum: CRC-16 over the bytes given, as the tag keeps it.
  static std::uint16_t Crc(const std::uint8_t* data, std::size_t size, std::uint16_t crc = 0);
};
