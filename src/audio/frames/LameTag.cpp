#include "LameTag.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <libavutil/crc.h>
}

#include "AudioException.h"
#include "Lang.h"
#include "MP3Frame.h"

namespace {

// The Xing fields with all four present, and the encoder's tag after them.
constexpr int XingBytes = 120, EncoderTagBytes = 36;

void Put32(std::uint8_t* p, std::uint32_t v) {
  p[0] = v >> 24;
  p[1] = v >> 16;
  p[2] = v >> 8;
  p[3] = v;
}

void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = v >> 8;
  p[1] = v;
}

// Where a tag frame's fields begin; 0 for those it lacks or is too small to hold.
struct TFields {
  std::size_t Frames = 0, Bytes = 0, Toc = 0, Lame = 0;
};

TFields FieldsOf(const std::vector<std::uint8_t>& frame) {
  TFields f;
  if (!TMP3Frame::IsTagFrame(frame.data(), frame.size())) return f;
  const std::uint8_t* p = frame.data();
  const std::size_t x = TMP3Frame::TagOffset(p);
  auto fits = [&](std::size_t at, std::size_t n) { return at + n <= frame.size(); };
  if (!fits(x, 8)) return f;
  const std::uint32_t flags = (std::uint32_t(p[x + 4]) << 24) | (p[x + 5] << 16) | (p[x + 6] << 8) | p[x + 7];
  std::size_t at = x + 8, quality = 0;
  auto field = [&](std::uint32_t bit, std::size_t n, std::size_t& into) {
    if (!(flags & bit)) return;
    if (fits(at, n)) into = at;
    at += n;
  };
  field(1, 4, f.Frames);
  field(2, 4, f.Bytes);
  field(4, 100, f.Toc);
  field(8, 4, quality);
  if (fits(at, EncoderTagBytes) && std::memcmp(p + at, "LAME", 4) == 0) f.Lame = at;
  return f;
}

}  // namespace

std::uint16_t TLameTag::Crc(const std::uint8_t* data, std::size_t size, std::uint16_t crc) {
  return static_cast<std::uint16_t>(av_crc(av_crc_get_table(AV_CRC_16_ANSI_LE), crc, data, size));
}

void TLameTag::TStream::Add(const std::uint8_t* data, std::size_t size) {
  MusicCrc = Crc(data, size, MusicCrc);
  const long long end = AudioBytes + static_cast<long long>(size);
  while (Next_ < end) {
    for (long long i = std::max(Next_, AudioBytes); i < std::min(Next_ + 4, end); ++i) Head_[i - Next_] = data[i - AudioBytes];
    if (Next_ + 4 > end) break;  // the rest of the header comes with the next bytes
    const TMP3Frame::THeader h = TMP3Frame::ReadHeader(Head_.data());
    if (!h.Valid) throw EAudioException(lang::Say(lang::EncoderOutputNotFrames));
    FrameOffsets.push_back(static_cast<std::uint32_t>(Next_));
    ++Frames;
    Next_ += h.Bytes;
  }
  AudioBytes = end;
}

void TLameTag::Complete(std::vector<std::uint8_t>& frame, const TStream& s) {
  const TFields f = FieldsOf(frame);
  std::uint8_t* p = frame.data();
  const long long bytes = static_cast<long long>(frame.size()) + s.AudioBytes;
  if (f.Frames) Put32(p + f.Frames, static_cast<std::uint32_t>(s.Frames));
  if (f.Bytes) Put32(p + f.Bytes, static_cast<std::uint32_t>(bytes));
  // Where each hundredth of the playing time begins, in 256ths of the bytes.
  if (f.Toc && s.Frames > 0 && static_cast<long long>(s.FrameOffsets.size()) >= s.Frames)
    for (int i = 0; i < 100; ++i) {
      const long long offset = static_cast<long long>(frame.size()) + s.FrameOffsets[i * s.Frames / 100];
      p[f.Toc + i] = static_cast<std::uint8_t>(std::min<long long>(255, offset * 256 / bytes));
    }
  if (!f.Lame) return;
  const std::size_t lame = f.Lame;
  const long long padding = std::clamp<long long>(s.Frames * s.FrameSamples - s.Delay - s.Samples, 0, 4095);
  const int delay = std::clamp(s.Delay, 0, 4095);
  p[lame + 21] = static_cast<std::uint8_t>(delay >> 4);
  p[lame + 22] = static_cast<std::uint8_t>(((delay & 15) << 4) | (padding >> 8));
  p[lame + 23] = static_cast<std::uint8_t>(padding);
  Put32(p + lame + 28, static_cast<std::uint32_t>(bytes));
  Put16(p + lame + 32, s.MusicCrc);
  Put16(p + lame + 34, Crc(p, lame + 34));
}

std::vector<std::uint8_t> TLameTag::StandIn(const std::vector<std::uint8_t>& frame) {
  std::vector<std::uint8_t> blank(frame.size(), 0);
  std::copy_n(frame.begin(), std::min<std::size_t>(4, frame.size()), blank.begin());
  return blank;
}

int TLameTag::SmallestIndex(const std::uint8_t* header) {
  const TMP3Frame::THeader h = TMP3Frame::ReadHeader(header);
  if (!h.Valid) return 0;
  // The encoder counts a CRC's two bytes in, though the tag does not move for them.
  const int needed = TMP3Frame::TagOffset(header) + (h.Crc ? 2 : 0) + XingBytes + EncoderTagBytes;
  for (int i = h.BitRateIndex; i < 15; ++i)
    if (TMP3Frame::FrameBytes(header, i, false) >= needed) return i;
  return 0;
}

void TLameTag::SetStreamKbps(std::vector<std::uint8_t>& frame, int kbps) {
  const std::size_t lame = FieldsOf(frame).Lame;
  if (!lame) return;
  std::uint8_t* t = frame.data() + lame;
  const int own = t[20];  // the encoder's bit rate, up to 255
  t[20] = static_cast<std::uint8_t>(std::min(kbps, 255));
  // The preset's 11 bits: an encoder at a constant rate names that rate there.
  if ((((t[26] & 7) << 8) | t[27]) == own) {
    t[26] = static_cast<std::uint8_t>((t[26] & ~7) | ((kbps >> 8) & 7));
    t[27] = static_cast<std::uint8_t>(kbps);
  }
}

void TLameTag::SetReplayGain(std::vector<std::uint8_t>& frame, double gain, double peak) {
  const std::size_t lame = FieldsOf(frame).Lame;
  if (!lame) return;
  std::uint8_t* p = frame.data();
  // The peak in fixed point, 23 bits after the point, as readers of the tag take it.
  Put32(p + lame + 11, static_cast<std::uint32_t>(std::clamp(peak, 0.0, 255.0) * (1 << 23) + 0.5));
  // Radio gain, set automatically: name 1, originator 3, sign, tenths of a dB.
  const int tenths = static_cast<int>(std::lround(std::clamp(gain, -51.1, 51.1) * 10));
  Put16(p + lame + 15, static_cast<std::uint16_t>((1 << 13) | (3 << 10) | (tenths < 0 ? 1 << 9 : 0) | std::abs(tenths)));
  Put16(p + lame + 34, Crc(p, lame + 34));
}
