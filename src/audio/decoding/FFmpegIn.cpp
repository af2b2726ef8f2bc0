#include "FFmpegIn.h"

#include "Lang.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

TFFmpegIn::~TFFmpegIn() {
  // The sink lets go of this source (waiting out a read in progress) before the
  // reader it reads through is freed.
  AnnounceRemoval();
  StopDecoding();
  Reader_.reset();
}

void TFFmpegIn::OpenFile() {
  if (OpenCount == 0) {
    auto reader = std::make_unique<TAudioFileReader>(FileName);
    const TPcmFormat& w = reader->Pcm;
    const std::int64_t frameBytes = std::int64_t(w.Channels) * (w.BitsPerSample / 8);
    // Sized from the exact duration, so short inputs work; unknown length stays unknown.
    const std::int64_t frames =
        reader->Duration > 0 ? std::llround(double(reader->Duration) * w.SampleRate / 1e7) : -1;
    Size = frames > 0 ? frames * frameBytes : -1;
    TimePerByte = Size > 0 ? double(reader->Duration) / double(Size) : 0;
    SampleRate = int(w.SampleRate);
    BitsPerSample = w.BitsPerSample;
    Channels = w.Channels;
    TotalSamples = Size;
    SampleFormat_ = w.Float ? TSampleFormat::sfFloat32 : TSampleFormat::sfInt16;
    OpenOnQuery = true;
    Reader_ = std::move(reader);
  }
  ++OpenCount;
}

void TFFmpegIn::CloseFile() {
  if (OpenCount == 1) Reader_.reset();
  if (OpenCount > 0) --OpenCount;
}

void TFFmpegIn::SeekSample(std::int64_t sampleIndex) { PendingSeek = sampleIndex; }

void TFFmpegIn::OpenInput() {
  TAudioFileIn::OpenInput();
  EndedAt_ = -1;
  DeliveredTime_ = 0;
  PcmBuffer_.clear();
  StartDecoding();
}

void TFFmpegIn::CloseInput() {
  StopDecoding();
  TAudioFileIn::CloseInput();
  PcmBuffer_.clear();
  PcmBuffer_.shrink_to_fit();
}

void TFFmpegIn::StartDecoding() {
  StopDecoding();
  Queue_.clear();
  Quit_ = false;
  AtEnd_ = false;
  SeekTo_ = -1;
  Decoder_ = std::thread([this] { DecodeAhead(); });
}

void TFFmpegIn::StopDecoding() {
  if (!Decoder_.joinable()) return;
  {
    std::lock_guard l(QueueMx_);
    Quit_ = true;
  }
  QueueCv_.notify_all();
  Decoder_.join();
  Queue_.clear();
}

void TFFmpegIn::DecodeAhead() {
  // Once the queue is full, the decoder sleeps until half of it is read: woken
  // for every block, it would take a core from the encoders ten times a second
  // of audio.
  bool filling = true;
  for (;;) {
    std::int64_t seekTo = -1;
    {
      std::unique_lock l(QueueMx_);
      if (int(Queue_.size()) >= BlocksAhead) filling = false;
      QueueCv_.wait(l, [this, filling] {
        return Quit_ || SeekTo_ >= 0 || (!AtEnd_ && int(Queue_.size()) < (filling ? BlocksAhead : LowWater + 1));
      });
      if (Quit_) return;
      filling = true;
      std::swap(seekTo, SeekTo_);
    }
    TBlock block;
    try {
      if (seekTo >= 0) Reader_->Seek(seekTo);
      block.Data.resize(BlockSize);
      int count = Refill(block.Data.data());
      if (count == 0 && Loop) {
        Reader_->Seek(0);
        count = Refill(block.Data.data());
      }
      block.Data.resize(count);
    } catch (...) {
      block.Data.clear();
      block.Failure = std::current_exception();
    }
    block.EndTime = Reader_->Position();
    {
      std::lock_guard l(QueueMx_);
      // A seek asked for meanwhile makes this block stale.
      if (SeekTo_ >= 0) continue;
      AtEnd_ = block.Data.empty();
      Queue_.push_back(std::move(block));
      if (int(Queue_.size()) < LowWater && !AtEnd_) continue;
    }
    QueueCv_.notify_all();
  }
}

TFFmpegIn::TBlock TFFmpegIn::NextBlock() {
  std::unique_lock l(QueueMx_);
  // Found empty, the queue is waited on until the decoder has refilled half of
  // it: a block at a time, the reader would wait as long to be woken as the
  // decoder takes to make the block.
  if (Queue_.empty())
    QueueCv_.wait(l, [this] { return int(Queue_.size()) >= LowWater || (AtEnd_ && SeekTo_ < 0) || Quit_; });
  if (Queue_.empty()) return TBlock{{}, DeliveredTime_, nullptr};
  TBlock block = std::move(Queue_.front());
  Queue_.pop_front();
  const bool low = int(Queue_.size()) <= LowWater;
  l.unlock();
  if (low) QueueCv_.notify_all();
  return block;
}

void TFFmpegIn::WidenSamples(std::uint8_t* block, int count) {
  for (int i = count - 1; i >= 0; --i) {
    const std::uint8_t b = block[i];
    block[2 * i + 1] = static_cast<std::uint8_t>(b - 128);
    block[2 * i] = 0;
  }
}

void TFFmpegIn::DuplicateChannels(std::uint8_t* block, int byteCount, int sampleBytes) {
  for (int k = byteCount / sampleBytes - 1; k >= 0; --k) {
    std::uint8_t* to = block + 2 * k * sampleBytes;
    std::memmove(to, block + k * sampleBytes, sampleBytes);
    std::memcpy(to + sampleBytes, to, sampleBytes);
  }
}

int TFFmpegIn::Refill(std::uint8_t* buffer) {
  int request = BlockSize;
  if (Reader_->MonoToStereo) request /= 2;
  if (Reader_->WidenTo16Bit) request /= 2;
  LastRequest_ = request;
  int count = Reader_->Read(buffer, request);
  if (Reader_->WidenTo16Bit) {
    WidenSamples(buffer, count);
    count *= 2;
  }
  if (Reader_->MonoToStereo) {
    DuplicateChannels(buffer, count, SampleFormat_ == TSampleFormat::sfFloat32 ? 4 : 2);
    count *= 2;
  }
  return count;
}

int TFFmpegIn::ReadData(void* buffer, int bufferSize) {
  if (!Busy || !Reader_) throw std::runtime_error("The Stream is not opened");
  if (BufStart > BufEnd) {
    if (PendingSeek != 0) {
      Position = std::clamp<std::int64_t>(PendingSeek, 0, std::max<std::int64_t>(Size, 0));
      {
        // What was decoded ahead is from before the seek.
        std::lock_guard l(QueueMx_);
        Queue_.clear();
        AtEnd_ = false;
        SeekTo_ = static_cast<std::int64_t>(std::llround(Position * TimePerByte));
      }
      QueueCv_.notify_all();
      PendingSeek = 0;
    }
    BufStart = 1;
    TBlock block = NextBlock();
    if (block.Failure) {
      BufEnd = 0;
      std::rethrow_exception(block.Failure);
    }
    if (block.Data.empty()) {
      BufEnd = 0;  // the old block is spent; a later call must not hand it out again
      EndedAt_ = block.EndTime;
      Stated_ = Reader_->StatedDuration;
      return 0;
    }
    PcmBuffer_ = std::move(block.Data);
    BufEnd = static_cast<std::int64_t>(PcmBuffer_.size());
    DeliveredTime_ = block.EndTime;
  }
  const int n = static_cast<int>(std::min<std::int64_t>(bufferSize, BufEnd - BufStart + 1));
  std::memcpy(buffer, PcmBuffer_.data() + (BufStart - 1), n);
  BufStart += n;
  Position += n;
  return n;
}

namespace {

// m:ss, or h:mm:ss from an hour on.
QString MinutesText(std::int64_t duration) {
  const long long s = (duration + 5000000) / 10000000;
  if (s >= 3600) return QString::asprintf("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  return QString::asprintf("%lld:%02lld", s / 60, s % 60);
}

}  // namespace

QString TFFmpegIn::Shortfall() const {
  constexpr std::int64_t Second = 10000000;
  if (EndedAt_ < 0 || Stated_ <= 0) return {};
  const std::int64_t missing = Stated_ - EndedAt_;
  if (missing <= Second || missing <= Stated_ / 50) return {};
  return QString(lang::InputEndsFormat).arg(MinutesText(EndedAt_), MinutesText(Stated_));
}
