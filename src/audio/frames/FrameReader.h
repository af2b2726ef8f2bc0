#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "MP3Frame.h"

// Takes an encoder's output apart into self-contained frames as it comes.
class TFrameReader {
 public:
  // More of the stream: frames only, no tags.
  void Add(const std::uint8_t* data, std::size_t size);
  // Appends the frames now complete (followed by another, or all of them when the
  // stream has ended) to `into`. A stream that is not a run of Layer III frames throws.
  void Take(bool ended, std::vector<TMP3Frame>& into);
  // The stream may begin with the stand-in of a tag frame, blank after its header
  // (an audio frame never is): it is passed over.
  void SkipBlankFirst() { SkipFirst_ = true; }
  // That frame, once passed over.
  const std::vector<std::uint8_t>& Skipped() const { return Skipped_; }

 private:
  struct TArea {
    std::size_t at;  // in the stream
    int size;
  };
  std::vector<std::uint8_t> Raw_;  // the stream from byte Base_ on
  std::size_t Base_ = 0;
  std::size_t Next_ = 0;  // the next frame, in the stream
  std::deque<TArea> Areas_;  // the areas data may still be found in, oldest first
  bool SkipFirst_ = false;
  std::vector<std::uint8_t> Skipped_;
};
