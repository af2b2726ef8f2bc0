#include "MP3Frame.h"

#include <cstring>

namespace {

constexpr int Mpeg1Kbps[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr int Mpeg2Kbps[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
constexpr int Mpeg1Rates[3] = {44100, 48000, 32000};

class TBitReader {
 public:
  explicit TBitReader(const std::vector<std::uint8_t>& bytes) : Bytes_(bytes) {}
  int Read(int bits) {
    int v = 0;
    for (int i = 0; i < bits; ++i, ++Pos_) v = (v << 1) | ((Bytes_[Pos_ >> 3] >> (7 - (Pos_ & 7))) & 1);
    return v;
  }
  void Skip(int bits) { Pos_ += bits; }

 private:
  const std::vector<std::uint8_t>& Bytes_;
  std::size_t Pos_ = 0;
};

int BlockBytes(int version, int kbps, int rate, bool padding) {
  return (version == 3 ? 144000 : 72000) * kbps / rate + (padding ? 1 : 0);
}

}  // namespace

TMP3Frame::THeader TMP3Frame::ReadHeader(const std::uint8_t* p) {
  THeader h;
  const int version = (p[1] >> 3) & 3, layer = (p[1] >> 1) & 3;
  const int index = p[2] >> 4, rateIndex = (p[2] >> 2) & 3;
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0 || version == 1 || layer != 1 || index == 0 || index == 15 ||
      rateIndex == 3)
    return h;
  h.Valid = true;
  h.Mpeg1 = version == 3;
  h.Crc = (p[1] & 1) == 0;
  h.BitRateIndex = index;
  h.SampleRate = Mpeg1Rates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
  h.Channels = (p[3] >> 6) == 3 ? 1 : 2;
  h.Padding = (p[2] >> 1) & 1;
  h.Bytes = FrameBytes(p, index, h.Padding);
  h.SideBytes = h.Mpeg1 ? (h.Channels == 1 ? 17 : 32) : (h.Channels == 1 ? 9 : 17);
  return h;
}

int TMP3Frame::FrameBytes(const std::uint8_t* p, int bitRateIndex, bool padding) {
  const int version = (p[1] >> 3) & 3;
  const int rate = Mpeg1Rates[(p[2] >> 2) & 3] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
  return BlockBytes(version, (version == 3 ? Mpeg1Kbps : Mpeg2Kbps)[bitRateIndex], rate, padding);
}

int TMP3Frame::Kbps(bool mpeg1, int bitRateIndex) {
  return bitRateIndex >= 0 && bitRateIndex < 16 ? (mpeg1 ? Mpeg1Kbps : Mpeg2Kbps)[bitRateIndex] : 0;
}

std::array<std::uint8_t, 4> TMP3Frame::MakeHeader(int sampleRate, int channels, int kbps, bool crc) {
  int version = 3, rateIndex = 0;
  while (rateIndex < 3 && sampleRate != Mpeg1Rates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2))
    if (++rateIndex == 3 && version > 0) {
      version = version == 3 ? 2 : 0;
      rateIndex = 0;
    }
  int index = 0;
  for (int i = 1; i < 15; ++i)
    if (Kbps(version == 3, i) == kbps) index = i;
  return {0xFF, static_cast<std::uint8_t>(0xE2 | (version << 3) | (crc ? 0 : 1)),
          static_cast<std::uint8_t>((index << 4) | (rateIndex << 2)), static_cast<std::uint8_t>(channels == 1 ? 0xC0 : 0)};
}

int TMP3Frame::TagOffset(const std::uint8_t* p) {
  // Right after the side information, as if the frame had no CRC: so the encoder
  // writes it, and so readers look for it.
  return 4 + ReadHeader(p).SideBytes;
}

bool TMP3Frame::IsTagFrame(const std::uint8_t* p, std::size_t size) {
  if (size < 4) return false;
  const THeader h = ReadHeader(p);
  if (!h.Valid || std::size_t(TagOffset(p)) + 4 > size) return false;
  const std::uint8_t* tag = p + TagOffset(p);
  return std::memcmp(tag, "Xing", 4) == 0 || std::memcmp(tag, "Info", 4) == 0;
}

std::size_t TMP3Frame::ReadSide() {
  const THeader h = ReadHeader(Header.data());
  TBitReader r(Side);
  MainDataBegin = r.Read(h.Mpeg1 ? 9 : 8);
  const int granules = h.Mpeg1 ? 2 : 1;
  r.Skip(h.Mpeg1 ? (h.Channels == 1 ? 5 : 3) + 4 * h.Channels : h.Channels);
  long bits = 0;
  for (int gr = 0; gr < granules; ++gr)
    for (int ch = 0; ch < h.Channels; ++ch) {
      bits += r.Read(12);
      r.Skip(9 + 8 + (h.Mpeg1 ? 4 : 9));
      int blockType = 0;
      if (r.Read(1)) {
        blockType = r.Read(2);
        r.Skip(1 + 10 + 9);
      } else {
        r.Skip(15 + 4 + 3);
      }
      r.Skip(h.Mpeg1 ? 3 : 2);
      if (gr == 0) OpensShort[ch] = blockType == 2 || blockType == 3;
      if (gr == granules - 1) ClosesShort[ch] = blockType == 1 || blockType == 2;
    }
  if (h.Channels == 1) {
    OpensShort[1] = OpensShort[0];
    ClosesShort[1] = ClosesShort[0];
  }
  return (bits + 7) / 8;
}
