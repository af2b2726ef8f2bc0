#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Lame.h"
#include "OutputStream.h"
#include "SplitLayout.h"

class TFrameRepacker;
class TSplitScheduler;

// Encodes one file on several cores. The PCM is cut into parts on the frame grid;
// TSplitScheduler gives each to a helper encoder on its own thread or to the
// calling thread, TPartEncoder encodes it with a few frames before and after it,
// and TFrameRepacker joins the encoders' frames into one stream where two of them
// agree, with the bit reservoir laid anew; where no such place exists, the earlier
// encoder simply goes on through the part.
class TSplitEncoder {
 public:
  using TLayout = TSplitLayout;
  using TNewEncoder = std::function<lame_t()>;

  // `first` encodes the file's start and is owned from here on; with `infoFrame`
  // its output begins with the stream's Info (Xing) frame. `newEncoder` makes an encoder of the
  // same settings without tags for any other part. `madeInfo` is the Info frame
  // made for a stream whose first encoder leaves it out (TMP3EncoderBuilder::InfoFrame).
  TSplitEncoder(const TLayout& layout, lame_t first, bool infoFrame, TNewEncoder newEncoder, TOutputStream& out,
                std::vector<std::uint8_t> madeInfo = {});
  ~TSplitEncoder();
  TSplitEncoder(const TSplitEncoder&) = delete;
  TSplitEncoder& operator=(const TSplitEncoder&) = delete;

  // More input, `samples` per channel; float samples within -1..1.
  void Push(const void* pcm, int samples);
  // The input has ended: everything is encoded, joined and written. Returns the
  // Info frame for the whole stream, which replaces the one written first (empty
  // for none).
  std::vector<std::uint8_t> Finish();
  // Stops the helpers; nothing more is written.
  void Cancel();

  int Seams() const;        // places where two encoders' frames meet
  int Continued() const;    // parts an earlier encoder went on through
  int HelperParts() const;  // parts set aside for helpers
  long long Samples() const;  // per channel, pushed so far

 private:
  TLayout L_;
  std::unique_ptr<TFrameRepacker> Repacker_;
  std::unique_ptr<TSplitScheduler> Scheduler_;
};
