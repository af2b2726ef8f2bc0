#include "LameTag.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavutil/crc.h>
}

#include "MP3Frame.h"

namespace {

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

}  // namespace

std::uint16_t TLameTag::Crc(const std::uint8_t* data, std::size_t size, std::uint16_t crc) {
  return static_cast<std::uint16_t>(av_crc(av_crc_get_table(AV_CRC_16_ANSI_LE), crc, data, size));
}

void TLameTag::Complete(std::vector<std::uint8_t>& frame, const TStream& s) {
  if (!TMP3Frame::IsTagFrame(frame.data(), frame.size())) return;
  const std::size_t x = TMP3Frame::TagOffset(frame.data());
  std::uint8_t* p = frame.data();
  auto fits = [&](std::size_t at, std::size_t n) { return at + n <= frame.size(); };
  if (!fits(x, 8)) return;
  const std::uint32_t flags = (std::uint32_t(p[x + 4]) << 24) | (p[x + 5] << 16) | (p[x + 6] << 8) | p[x + 7];
  const long long bytes = static_cast<long long>(frame.size()) + s.AudioBytes;
  std::size_t at = x + 8;
  if (flags & 1) {
    if (fits(at, 4)) Put32(p + at, static_cast<std::uint32_t>(s.Frames));
    at += 4;
  }
  if (flags & 2) {
    if (fits(at, 4)) Put32(p + at, static_cast<std::uint32_t>(bytes));
    at += 4;
  }
  if (flags & 4) {
    // Where each hundredth of the playing time begins, in 256ths of the bytes.
    if (fits(at, 100) && s.Frames > 0 && static_cast<long long>(s.FrameOffsets.size()) >= s.Frames)
      for (int i = 0; i < 100; ++i) {
        const long long offset = static_cast<long long>(frame.size()) + s.FrameOffsets[i * s.Frames / 100];
        p[at + i] = static_cast<std::uint8_t>(std::min<long long>(255, offset * 256 / bytes));
      }
    at += 100;
  }
  if (flags & 8) at += 4;
  const std::size_t lame = at;
  if (!fits(lame, 36) || std::memcmp(p + lame, "LAME", 4) != 0) return;
  const long long padding = std::clamp<long long>(s.Frames * s.FrameSamples - s.Delay - s.Samples, 0, 4095);
  const int delay = std::clamp(s.Delay, 0, 4095);
  p[lame + 21] = static_cast<std::uint8_t>(delay >> 4);
  p[lame + 22] = static_cast<std::uint8_t>(((delay & 15) << 4) | (padding >> 8));
  p[lame + 23] = static_cast<std::uint8_t>(padding);
  Put32(p + lame + 28, static_cast<std::uint32_t>(bytes));
  Put16(p + lame + 32, s.MusicCrc);
  Put16(p + lame + 34, Crc(p, lame + 34));
}
