#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// One Layer III frame taken out of its stream: header, side information, and its
// main data gathered from wherever the bit reservoir had put it. Frames of other
// encoders can be laid into one stream from these.
class TMP3Frame {
 public:
  std::array<std::uint8_t, 4> Header{};
  std::vector<std::uint8_t> Side;  // as found; its first field is rewritten on laying
  std::vector<std::uint8_t> Main;
  int MainDataBegin = 0;  // bytes back into earlier frames, in the stream it came from
  // Per channel: whether the first granule's window opens short, and the last's closes
  // short. Two frames of different encoders may only meet where these agree.
  std::array<bool, 2> OpensShort{}, ClosesShort{};

  // The fields of a frame header; Valid is false for anything but Layer III.
  struct THeader {
    bool Valid = false;
    bool Mpeg1 = false;
    bool Crc = false;
    int BitRateIndex = 0, SampleRate = 0, Channels = 0;
    bool Padding = false;
    int Bytes = 0;      // the whole frame
    int SideBytes = 0;  // side information
    int HeadBytes() const { return 4 + (Crc ? 2 : 0) + SideBytes; }
    int MaxBegin() const { return Mpeg1 ? 511 : 255; }
  };
  static THeader ReadHeader(const std::uint8_t* p);
  // The size of a frame with this header but another bit-rate index and padding.
  static int FrameBytes(const std::uint8_t* header, int bitRateIndex, bool padding);
  // The bit rate of an index, in kbit/s, in MPEG-1 or in the lower sample rates' table.
  static int Kbps(bool mpeg1, int bitRateIndex);
  // The header of frames at this sample rate, mono or not, of `kbps` (one of the
  // rate's own; index 0 when not), without padding: invalid for a rate frames
  // cannot have.
  static std::array<std::uint8_t, 4> MakeHeader(int sampleRate, int channels, int kbps, bool crc);

  // Reads the side information: the data's start and length, and the windows.
  // Returns the main data's length in bytes.
  std::size_t ReadSide();
  // Where a tag frame's Xing or Info tag begins.
  static int TagOffset(const std::uint8_t* p);
  // Whether a frame header with an Xing or Info tag starts at `p` (of `size` bytes).
  static bool IsTagFrame(const std::uint8_t* p, std::size_t size);
};
