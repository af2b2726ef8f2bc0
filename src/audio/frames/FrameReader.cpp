#include "FrameReader.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

void TFrameReader::Add(const std::uint8_t* data, std::size_t size) { Raw_.insert(Raw_.end(), data, data + size); }

void TFrameReader::Take(bool ended, std::vector<TMP3Frame>& into) {
  const std::size_t end = Base_ + Raw_.size();
  while (Next_ + 4 <= end) {
    const std::uint8_t* p = &Raw_[Next_ - Base_];
    const TMP3Frame::THeader h = TMP3Frame::ReadHeader(p);
    if (!h.Valid || h.HeadBytes() > h.Bytes) throw std::runtime_error("not a Layer III frame");
    const std::size_t frameEnd = Next_ + h.Bytes;
    if (frameEnd > end || (!ended && frameEnd + 4 > end)) break;
    const int areaSize = h.Bytes - h.HeadBytes();
    if (SkipFirst_) {
      SkipFirst_ = false;
      if (std::all_of(p + 4, p + h.Bytes, [](std::uint8_t b) { return b == 0; })) {
        Skipped_.assign(p, p + h.Bytes);
        Next_ = frameEnd;
        continue;
      }
    }
    TMP3Frame f;
    std::memcpy(f.Header.data(), p, 4);
    const std::uint8_t* side = p + 4 + (h.Crc ? 2 : 0);
    f.Side.assign(side, side + h.SideBytes);
    const std::size_t length = f.ReadSide();
    std::size_t held = 0;
    for (const TArea& a : Areas_) held += a.size;
    if (std::size_t(f.MainDataBegin) > held || length > f.MainDataBegin + std::size_t(areaSize))
      throw std::runtime_error("a frame's main data lies outside its stream");
    Areas_.push_back({Next_ + h.HeadBytes(), areaSize});
    // Gather the data from the area it begins in onwards.
    std::size_t skip = held - f.MainDataBegin;
    f.Main.reserve(length);
    for (const TArea& a : Areas_) {
      if (f.Main.size() == length) break;
      if (skip >= std::size_t(a.size)) {
        skip -= a.size;
        continue;
      }
      const std::size_t take = std::min(a.size - skip, length - f.Main.size());
      const std::uint8_t* from = &Raw_[a.at - Base_ + skip];
      f.Main.insert(f.Main.end(), from, from + take);
      skip = 0;
    }
    into.push_back(std::move(f));
    Next_ = frameEnd;
    // Keep only the areas a later frame may still point back into.
    held += areaSize;
    while (!Areas_.empty() && held - Areas_.front().size >= 511) {
      held -= Areas_.front().size;
      Areas_.pop_front();
    }
  }
  const std::size_t keep = Areas_.empty() ? Next_ : std::min(Next_, Areas_.front().at);
  if (keep > Base_) {
    Raw_.erase(Raw_.begin(), Raw_.begin() + (keep - Base_));
    Base_ = keep;
  }
}
