#pragma once
// Layer III frames written and read bit by bit here in the tests, from the layout
// of the format itself, so that the program's frame code is not checked against
// its own reading of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace framebits {

class BitWriter {
 public:
  void Put(std::uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      if (Bit_ % 8 == 0) Bytes.push_back(0);
      if ((value >> i) & 1) Bytes.back() |= static_cast<std::uint8_t>(0x80 >> (Bit_ % 8));
      ++Bit_;
    }
  }
  void Ones(int bits) { Put((1u << bits) - 1, bits); }
  std::vector<std::uint8_t> Bytes;

 private:
  int Bit_ = 0;
};

class BitReader {
 public:
  explicit BitReader(const std::uint8_t* p) : P_(p) {}
  std::uint32_t Get(int bits) {
    std::uint32_t v = 0;
    for (int i = 0; i < bits; ++i, ++Pos_) v = (v << 1) | ((P_[Pos_ / 8] >> (7 - Pos_ % 8)) & 1);
    return v;
  }
  void Skip(int bits) { Pos_ += static_cast<std::size_t>(bits); }

 private:
  const std::uint8_t* P_;
  std::size_t Pos_ = 0;
};

enum Version { Mpeg25 = 0, Mpeg2 = 2, Mpeg1 = 3 };

struct HeaderFields {
  int version = Mpeg1;
  int bitRateIndex = 9, rateIndex = 0;
  bool padding = false, crc = false;
  int mode = 1;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
  int layer = 1;  // the code for Layer III
  std::uint8_t sync = 0xFF;
};

inline std::array<std::uint8_t, 4> MakeHeader(const HeaderFields& h) {
  BitWriter w;
  w.Put(h.sync, 8);
  w.Put(0x7, 3);
  w.Put(h.version, 2);
  w.Put(h.layer, 2);
  w.Put(h.crc ? 0 : 1, 1);  // the protection bit is 0 when a CRC follows
  w.Put(h.bitRateIndex, 4);
  w.Put(h.rateIndex, 2);
  w.Put(h.padding, 1);
  w.Put(0, 1);  // private
  w.Put(h.mode, 2);
  w.Put(0, 2);  // mode extension
  w.Put(0, 1);  // copyright
  w.Put(1, 1);  // original
  w.Put(0, 2);  // emphasis
  return {w.Bytes[0], w.Bytes[1], w.Bytes[2], w.Bytes[3]};
}

struct Frame {
  bool mpeg1 = false, crc = false;
  int channels = 0, bytes = 0, sideBytes = 0, bitRateIndex = 0;
  bool padding = false;
  int HeadBytes() const { return 4 + (crc ? 2 : 0) + sideBytes; }
};

// The frame whose header starts at `p`, or nothing for a header that is not Layer III.
inline std::optional<Frame> ReadFrame(const std::uint8_t* p) {
  static const int kbps1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
  static const int kbps2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
  static const int rates[4][3] = {{11025, 12000, 8000}, {}, {22050, 24000, 16000}, {44100, 48000, 32000}};
  const int version = (p[1] >> 3) & 3, index = p[2] >> 4, rateIndex = (p[2] >> 2) & 3;
  if (p[0] != 0xFF || (p[1] >> 5) != 7 || version == 1 || ((p[1] >> 1) & 3) != 1 || index == 0 || index == 15 ||
      rateIndex == 3)
    return std::nullopt;
  Frame f;
  f.mpeg1 = version == Mpeg1;
  f.crc = !(p[1] & 1);
  f.channels = (p[3] >> 6) == 3 ? 1 : 2;
  f.bitRateIndex = index;
  f.padding = (p[2] >> 1) & 1;
  const int kbps = (f.mpeg1 ? kbps1 : kbps2)[index];
  f.bytes = (f.mpeg1 ? 144000 : 72000) * kbps / rates[version][rateIndex] + (f.padding ? 1 : 0);
  f.sideBytes = f.mpeg1 ? (f.channels == 1 ? 17 : 32) : (f.channels == 1 ? 9 : 17);
  return f;
}

struct Granule {
  int part23 = 0;
  int blockType = 0;  // 0: no window switching
};

struct Side {
  int mainDataBegin = 0;
  std::vector<Granule> granules;  // granule by granule, channel by channel within each
};

// Side information with every field not given set to ones, so that a reader that
// loses its place reads wrong values.
inline std::vector<std::uint8_t> MakeSide(bool mpeg1, int channels, const Side& s) {
  BitWriter w;
  w.Put(s.mainDataBegin, mpeg1 ? 9 : 8);
  w.Ones(mpeg1 ? (channels == 1 ? 5 : 3) + 4 * channels : channels);  // private bits, scfsi
  for (const Granule& g : s.granules) {
    w.Put(g.part23, 12);
    w.Ones(9 + 8 + (mpeg1 ? 4 : 9));  // big values, global gain, scale factor compression
    if (g.blockType) {
      w.Put(1, 1);
      w.Put(g.blockType, 2);
      w.Ones(1 + 2 * 5 + 3 * 3);  // mixed block, table selects, subblock gains
    } else {
      w.Put(0, 1);
      w.Ones(3 * 5 + 4 + 3);  // table selects, region counts
    }
    w.Ones(mpeg1 ? 3 : 2);
  }
  return w.Bytes;
}

inline Side ReadSide(bool mpeg1, int channels, const std::uint8_t* p) {
  BitReader r(p);
  Side s;
  s.mainDataBegin = static_cast<int>(r.Get(mpeg1 ? 9 : 8));
  r.Skip(mpeg1 ? (channels == 1 ? 5 : 3) + 4 * channels : channels);
  for (int i = 0; i < (mpeg1 ? 2 : 1) * channels; ++i) {
    Granule g;
    g.part23 = static_cast<int>(r.Get(12));
    r.Skip(9 + 8 + (mpeg1 ? 4 : 9));
    if (r.Get(1)) {
      g.blockType = static_cast<int>(r.Get(2));
      r.Skip(1 + 2 * 5 + 3 * 3);
    } else {
      r.Skip(3 * 5 + 4 + 3);
    }
    r.Skip(mpeg1 ? 3 : 2);
    s.granules.push_back(g);
  }
  return s;
}

// The check sum of protected frames: CRC-16, polynomial 0x8005, from 0xFFFF, high bit first.
inline std::uint16_t FrameCrc(const std::vector<std::uint8_t>& bytes) {
  std::uint16_t crc = 0xFFFF;
  for (std::uint8_t b : bytes)
    for (int i = 7; i >= 0; --i) {
      const bool top = ((crc >> 15) ^ (b >> i)) & 1;
      crc = static_cast<std::uint16_t>((crc << 1) ^ (top ? 0x8005 : 0));
    }
  return crc;
}

// The tag's check sum: CRC-16, polynomial 0x8005 reflected, from 0, low bit first.
inline std::uint16_t TagCrc(const std::uint8_t* p, std::size_t n, std::uint16_t crc = 0) {
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int b = 0; b < 8; ++b) crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return crc;
}

}  // namespace framebits
