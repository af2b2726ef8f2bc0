#include "PcmStore.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
constexpr std::size_t MaxSpare = 2;
}

void TPcmStore::Push(const std::uint8_t* pcm, long long samples) {
  while (samples > 0) {
    const long long filled = Total_ - Start_;  // in the chunks there are
    const long long used = Chunks_.empty() ? ChunkSamples_ : filled - static_cast<long long>(Chunks_.size() - 1) * ChunkSamples_;
    if (used == ChunkSamples_) {
      if (Spare_.empty()) {
        Chunks_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(ChunkSamples_) * SampleBytes_));
      } else {
        Chunks_.push_back(std::move(Spare_.back()));
        Spare_.pop_back();
      }
      continue;
    }
    const long long n = std::min(samples, ChunkSamples_ - used);
    std::memcpy(Chunks_.back().get() + used * SampleBytes_, pcm, static_cast<std::size_t>(n) * SampleBytes_);
    pcm += n * SampleBytes_;
    samples -= n;
    Total_ += n;
  }
}

void TPcmStore::Drop(long long sample) {
  // The chunk being filled stays, whatever is dropped.
  while (Chunks_.size() > 1 && Start_ + ChunkSamples_ <= sample) {
    if (Spare_.size() < MaxSpare) Spare_.push_back(std::move(Chunks_.front()));
    Chunks_.pop_front();
    Start_ += ChunkSamples_;
  }
}

TPcmStore::TSpan TPcmStore::Span(long long from, long long to) const {
  if (from < Start_ || to > Total_ || from > to) throw std::logic_error("split input asked for samples no longer held");
  TSpan s;
  s.ChunkSamples = ChunkSamples_;
  s.SampleBytes = SampleBytes_;
  s.From = from;
  s.To = to;
  const long long first = (from - Start_) / ChunkSamples_;
  const long long last = to > from ? (to - 1 - Start_) / ChunkSamples_ : first;
  s.ChunkStart = Start_ + first * ChunkSamples_;
  for (long long i = first; i <= last && i < static_cast<long long>(Chunks_.size()); ++i)
    s.Chunks.push_back(Chunks_[static_cast<std::size_t>(i)].get());
  return s;
}
