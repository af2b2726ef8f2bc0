#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "MP3Frame.h"

// Lays frames, each with its own main data, into one stream: every frame's data
// is put as early as the bit reservoir allows, into the free room of the frames
// before it, and its side information says where anew.
class TFrameJoiner {
 public:
  // With variable bit rate a frame may be given a larger bit-rate index, up to
  // `maxBitRateIndex`, to make room; 0 keeps every frame's own. Padding may always
  // be added.
  explicit TFrameJoiner(int maxBitRateIndex = 0) : MaxIndex_(maxBitRateIndex) {}

  // Lays `f` after the frames so far. False, with nothing changed, when its data
  // cannot fit in any size it may take.
  bool Append(const TMP3Frame& f);
  // How far back the next frame's data could begin.
  int Room() const;
  // Whether the last frame kept the size it came with.
  bool LastKeptSize() const { return LastKeptSize_; }

  // Moves the bytes of the frames no later frame can change to `out`; with `all`,
  // of every frame (the stream ends).
  void TakeFinished(std::vector<std::uint8_t>& out, bool all = false);
  long long Frames() const { return Frames_; }

 private:
  struct TOut {
    std::vector<std::uint8_t> bytes;
    long long areaStart;  // in bytes of main-data room over the whole stream
    int headBytes;
    long long AreaEnd() const { return areaStart + static_cast<long long>(bytes.size()) - headBytes; }
  };
  int MaxIndex_;
  int MaxBegin_ = 511;
  std::deque<TOut> Pending_;
  long long RoomEnd_ = 0;  // all main-data room so far
  long long DataEnd_ = 0;  // where the last frame's data ends
  long long Frames_ = 0;
  bool LastKeptSize_ = true;
};
