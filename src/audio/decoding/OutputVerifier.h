#pragma once
#include <atomic>
#include <functional>
#include <string>

// Plays a finished MP3 through libavformat/libavcodec with every check the
// decoder has, each fatal, and counts what it decodes: a file a player would
// stop in, skip through or end early shows here, not on the listener's side.
class TOutputVerifier {
 public:
  struct TOptions {
    // Set on the way: the check ends at once and nothing is known.
    const std::atomic<bool>* Stop = nullptr;
    // Asked now and then while most of the file is ahead: a core to decode its
    // back half on, beside the front. Each core taken is given back.
    std::function<bool()> TakeCore;
    std::function<void()> GiveCore;
    // Each half holds at least this much; less is not worth a second decoder.
    long long MinHalfBytes = 128 * 1024;
  };

  // Why the file at `path` does not decode cleanly to exactly `samples` per
  // channel; empty when it does, and when stopped. A file without gapless
  // information (no Info frame) may hold up to the encoder's delay and padding more.
  static std::string Check(const std::string& path, long long samples, const TOptions& options);
  static std::string Check(const std::string& path, long long samples) { return Check(path, samples, TOptions{}); }
};
