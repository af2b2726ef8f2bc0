#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "FrameJoiner.h"
#include "Lame.h"
#include "LameTag.h"
#include "OutputStream.h"
#include "PartEncoder.h"
#include "SplitLayout.h"

// Joins the frames of a split file's encoders into one stream and writes it.
//
// The bit reservoir: a Layer III frame's audio data (its main data) need not sit
// in the frame itself. An encoder leaves bytes of a frame unused when it needs
// few, and a later frame may begin its data back in those bytes; the side
// information's first field, main_data_begin, says how many bytes before the
// frame's header the data starts, counting only the data room of the frames
// before it, not their headers (at most 511 in MPEG-1). Each encoder lays its
// own reservoir, so frames of two encoders cannot simply be put one after the
// other: every frame is taken out with its data (TFrameReader) and laid anew
// (TFrameJoiner), its data as early as the reservoir before it allows, with
// main_data_begin rewritten.
//
// A seam is the frame from which the later encoder's frames are kept: a place
// near the parts' boundary where the block windows of both encoders agree, and
// from which the later encoder's frames soon fit as they did in its own stream.
// Where none exists, the earlier encoder goes on through the later part instead.
// The repacker only lays frames and says what it made of a seam; its caller
// decides what becomes of the parts.
// At the end the Xing/Info frame that heads the stream (the first encoder's, or
// the one made for it where its frames are too small to hold it, kept in place)
// is completed for the whole of it.
// What the repacker made of the first part not yet laid and the one after it.
enum class TSeamVerdict {
  More,      // it needs more of their frames first
  Ended,     // the first part has no successor and is all laid: it can be closed
  Joined,    // the later part's frames go on from the seam: the first part can be closed
  Continue,  // no seam joins them: the first part is to go on through the later one
};

class TFrameRepacker {
 public:
  // `first` is the encoder of the file's start, whose Info frame heads the stream;
  // unless `madeInfo` is given, made for it, whose stand-in is written at once.
  TFrameRepacker(const TSplitLayout& layout, lame_t first, TOutputStream& out, std::vector<std::uint8_t> madeInfo);

  // Joins and writes what can be, in order, from `a`, the first part not yet
  // laid, and `b`, the one after it (null for none yet), whose encoders were given
  // `leadOut` frames beyond their parts. With `wait`, waits for their helpers
  // to be done.
  TSeamVerdict Join(TPartEncoder& a, TPartEncoder* b, int leadOut, bool wait);
  // Moves a part's complete frames to its Frames; the first encoder's stand-in
  // for the Info frame is written as it comes, before any audio frame.
  void Take(TPartEncoder& part);
  // Closes a part's encoder.
  void Close(TPartEncoder& part);
  // Writes the last frames. Returns the Info frame for the whole stream of
  // `samples` per channel (empty for none).
  std::vector<std::uint8_t> Finish(long long samples);

  int Seams() const { return Seams_; }

 private:
  void Append(TPartEncoder& part, long long until);
  long long AppendLimit(const TPartEncoder& part) const;
  TSeamVerdict Seam(TPartEncoder& a, TPartEncoder& b, int leadOut);
  void Write(bool all);

  const TSplitLayout& L_;
  TOutputStream& Out_;
  lame_t First_;
  int Delay_ = 576;
  bool InfoWritten_ = false;
  std::vector<std::uint8_t> InfoTemplate_;

  TFrameJoiner Joiner_;
  long long Next_ = 0;  // the next frame to append
  std::array<bool, 2> LastCloses_{};
  std::vector<std::uint8_t> Written_;
  TLameTag::TStream Stream_;  // what has been written
  int Seams_ = 0;
};
