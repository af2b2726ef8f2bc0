#include "FrameJoiner.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavutil/bswap.h>
#include <libavutil/crc.h>
}

int TFrameJoiner::Room() const { return static_cast<int>(std::min<long long>(MaxBegin_, RoomEnd_ - DataEnd_)); }

bool TFrameJoiner::Append(const TMP3Frame& f) {
  const TMP3Frame::THeader h = TMP3Frame::ReadHeader(f.Header.data());
  MaxBegin_ = h.MaxBegin();
  const int room = Room();
  const long long need = static_cast<long long>(f.Main.size()) - room;  // bytes this frame's own area must hold
  // The frame's own size if its data fits; else the smallest larger one allowed.
  int index = h.BitRateIndex;
  bool padding = h.Padding;
  auto fits = [&](int i, bool pad) { return TMP3Frame::FrameBytes(f.Header.data(), i, pad) - h.HeadBytes() >= need; };
  if (!fits(index, padding)) {
    bool found = false;
    for (int i = h.BitRateIndex; i <= std::max(h.BitRateIndex, MaxIndex_) && !found; ++i)
      for (bool pad : {false, true})
        if ((i > h.BitRateIndex || (pad && !h.Padding)) && fits(i, pad)) {
          index = i;
          padding = pad;
          found = true;
          break;
        }
    if (!found) return false;
  }
  LastKeptSize_ = index == h.BitRateIndex && padding == h.Padding;

  TOut out;
  out.headBytes = h.HeadBytes();
  out.bytes.assign(TMP3Frame::FrameBytes(f.Header.data(), index, padding), 0);
  std::memcpy(out.bytes.data(), f.Header.data(), 4);
  out.bytes[2] = static_cast<std::uint8_t>((index << 4) | (out.bytes[2] & 0x0D) | (padding ? 2 : 0));
  std::uint8_t* side = out.bytes.data() + 4 + (h.Crc ? 2 : 0);
  std::memcpy(side, f.Side.data(), f.Side.size());
  // The first field of the side information: where the data begins.
  if (h.Mpeg1) {
    side[0] = static_cast<std::uint8_t>(room >> 1);
    side[1] = static_cast<std::uint8_t>((side[1] & 0x7F) | ((room & 1) << 7));
  } else {
    side[0] = static_cast<std::uint8_t>(room);
  }
  if (h.Crc) {
    const AVCRC* table = av_crc_get_table(AV_CRC_16_ANSI);
    std::uint32_t crc = av_crc(table, 0xFFFF, out.bytes.data() + 2, 2);
    crc = av_bswap16(static_cast<std::uint16_t>(av_crc(table, crc, side, f.Side.size())));  // its tables run byte-swapped
    out.bytes[4] = static_cast<std::uint8_t>(crc >> 8);
    out.bytes[5] = static_cast<std::uint8_t>(crc);
  }
  out.areaStart = RoomEnd_;
  RoomEnd_ = out.AreaEnd();
  Pending_.push_back(std::move(out));

  // Lay the data, from `room` bytes back, over the areas it spans.
  long long at = Pending_.back().areaStart - room;
  std::size_t done = 0;
  for (TOut& o : Pending_) {
    if (done == f.Main.size()) break;
    if (o.AreaEnd() <= at) continue;
    const long long offset = at - o.areaStart;
    const std::size_t take = std::min<std::size_t>(o.AreaEnd() - at, f.Main.size() - done);
    std::memcpy(o.bytes.data() + o.headBytes + offset, f.Main.data() + done, take);
    done += take;
    at += static_cast<long long>(take);
  }
  DataEnd_ = Pending_.back().areaStart - room + static_cast<long long>(f.Main.size());
  ++Frames_;
  return true;
}

void TFrameJoiner::TakeFinished(std::vector<std::uint8_t>& out, bool all) {
  const long long settled = std::max(DataEnd_, RoomEnd_ - MaxBegin_);
  while (!Pending_.empty() && (all || Pending_.front().AreaEnd() <= settled)) {
    out.insert(out.end(), Pending_.front().bytes.begin(), Pending_.front().bytes.end());
    Pending_.pop_front();
  }
}
