#pragma once
#include <array>
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

    // Counts more of the audio frames, as they are written: the bytes may end
    // within a frame. Throws on anything but a run of Layer III frames.
    void Add(const std::uint8_t* data, std::size_t size);

   private:
    long long Next_ = 0;  // where the next frame's header begins
    std::array<std::uint8_t, 4> Head_{};
  };
  // Fills in `frame`, a tag frame the encoder made, for the stream it heads: counts,
  // seek table, encoder delay and padding, music length and the checksums. Fields
  // the frame is too small to hold are left out.
  static void Complete(std::vector<std::uint8_t>& frame, const TStream& stream);
  // The tag's check sum: CRC-16 over the bytes given, as the tag keeps it.
  static std::uint16_t Crc(const std::uint8_t* data, std::size_t size, std::uint16_t crc = 0);

  // What holds a tag frame's place until the stream is complete, as the encoder's
  // own does: its header, and zeros. A stream that cannot go back keeps it.
  static std::vector<std::uint8_t> StandIn(const std::vector<std::uint8_t>& frame);
  // The smallest bit-rate index, from that of `header` up, whose frame holds the
  // whole tag as the encoder lays it; 0 when none does.
  static int SmallestIndex(const std::uint8_t* header);
  // Makes a tag frame another encoder made at a larger bit rate the one of a
  // stream at `kbps`: where its tag names its own bit rate, it names the stream's.
  static void SetStreamKbps(std::vector<std::uint8_t>& frame, int kbps);
  // Puts the track's gain (dB) and peak (1.0 at full scale) into the tag, for
  // players that read them nowhere else, and sums the tag anew.
  static void SetReplayGain(std::vector<std::uint8_t>& frame, double gain, double peak);
};
