#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

// The input of a split file from the earliest sample an encoder may still need to
// the last one pushed, in chunks of a fixed size that never move: a helper's
// thread reads its samples where they lie, without a copy of its own. Chunks no
// one needs are kept for reuse, a few, since fresh ones cost a page fault a page.
class TPcmStore {
 public:
  // Samples [From, To) as pointers into the chunks; valid until they are dropped.
  struct TSpan {
    std::vector<const std::uint8_t*> Chunks;
    long long ChunkStart = 0;  // the first sample of Chunks[0]
    long long From = 0, To = 0;
    int ChunkSamples = 1, SampleBytes = 1;
    const std::uint8_t* At(long long sample) const {
      const long long i = (sample - ChunkStart) / ChunkSamples;
      return Chunks[static_cast<std::size_t>(i)] + (sample - ChunkStart - i * ChunkSamples) * SampleBytes;
    }
    // Samples from `sample` on that lie together in one chunk.
    long long RunFrom(long long sample) const {
      return ChunkSamples - (sample - ChunkStart) % ChunkSamples;
    }
  };

  TPcmStore(int sampleBytes, int chunkSamples) : SampleBytes_(sampleBytes), ChunkSamples_(chunkSamples) {}

  void Push(const std::uint8_t* pcm, long long samples);
  long long Total() const { return Total_; }
  // No sample before `sample` is needed any more.
  void Drop(long long sample);
  // Samples still held from `from` to `to`.
  TSpan Span(long long from, long long to) const;

 private:
  int SampleBytes_, ChunkSamples_;
  std::deque<std::unique_ptr<std::uint8_t[]>> Chunks_;
  std::vector<std::unique_ptr<std::uint8_t[]>> Spare_;
  long long Start_ = 0;  // the first sample of Chunks_[0]
  long long Total_ = 0;
};
