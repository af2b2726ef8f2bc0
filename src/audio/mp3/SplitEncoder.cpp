#include "SplitEncoder.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "AudioException.h"
#include "CoreBudget.h"
#include "LameTag.h"

namespace {

constexpr int LeadIn = 4;   // frames a helper encodes before its part
constexpr int LeadOut = 5;  // and after it, beyond the frames its output still owes
constexpr int MaxLeadOut = 48;
constexpr int Settle = 2;   // lead-in frames not yet fit to keep
constexpr int SliceSamples = 4608;
constexpr int SliceBytes = SliceSamples * 5 / 4 + 7200;

}  // namespace

struct TSplitEncoder::TRun {
  lame_t Ctx = nullptr;
  long long First = 0;   // the frame of the whole stream the encoder's first frame is
  long long FedTo = 0;   // the input sample it has been given up to
  long long Until = -1;  // the frame its successor begins at; -1 while it may go on
  bool Ended = false;    // given the input's end
  bool Own = true;       // encoded on the caller's thread
  long long FeedLimit = -1;  // an own run that has handed on: its lead-out ends here
  bool Started = false;  // a helper's thread has been given its part
  bool HasToken = false;  // and holds a core of the budget
  TFrameReader Reader;
  std::vector<TMP3Frame> Frames;  // read and not yet laid; Frames[0] is frame Head
  long long Head = 0;
  long long SeamAt = 0;  // frames it should have before its seam is looked for again
  // Its input from PcmStart on, kept until it has joined its predecessor: that
  // encoder may have to go on through this part.
  std::vector<std::uint8_t> Pcm;
  long long PcmStart = 0;
  bool KeepPcm = false;
  // A helper's work; Out and Error are the caller's once the thread is joined.
  std::thread Worker;
  std::vector<std::uint8_t> Out;
  std::exception_ptr Error;
  std::atomic<bool> Done{false};
  std::atomic<long long> Progress{0};  // the input sample a helper has encoded up to

  long long Available() const { return Head + static_cast<long long>(Frames.size()); }
  const TMP3Frame& At(long long frame) const { return Frames[static_cast<std::size_t>(frame - Head)]; }
};

TSplitEncoder::TSplitEncoder(const TLayout& layout, lame_t first, bool tagFrame, TNewEncoder newEncoder,
                             TOutputStream& out)
    : L_(layout),
      NewEncoder_(std::move(newEncoder)),
      Out_(out),
      SampleBytes_(layout.Channels * (layout.Format == TSampleFormat::sfFloat32 ? 4 : 2)),
      First_(first),
      Joiner_(layout.MaxBitRateIndex) {
  Delay_ = Lame.lame_get_encoder_delay(first);
  auto run = std::make_unique<TRun>();
  run->Ctx = first;
  if (tagFrame) run->Reader.SkipBlankFirst();
  Own_ = run.get();
  Runs_.push_back(std::move(run));
}

TSplitEncoder::~TSplitEncoder() { Cancel(); }

void TSplitEncoder::Cancel() {
  Cancel_ = true;
  for (auto& run : Runs_) {
    if (run->Worker.joinable()) run->Worker.join();
    CloseRun(*run);
  }
  Runs_.clear();
  Own_ = nullptr;
}

void TSplitEncoder::CloseRun(TRun& run) {
  if (!run.Ctx) return;
  if (run.Ctx == First_) {
    // The first encoder's tag frame is the model of the stream's.
    if (TagWritten_) {
      TagTemplate_.assign(2880, 0);
      TagTemplate_.resize(Lame.lame_get_lametag_frame(run.Ctx, TagTemplate_.data(), TagTemplate_.size()));
    }
    First_ = nullptr;
  }
  Lame.lame_close(run.Ctx);
  run.Ctx = nullptr;
}

std::vector<std::uint8_t> TSplitEncoder::SpareBuffer() {
  // Parts' input buffers are used again: fresh ones cost a page fault a page.
  if (Spare_.empty()) return {};
  std::vector<std::uint8_t> b = std::move(Spare_.back());
  Spare_.pop_back();
  b.clear();
  return b;
}

const std::uint8_t* TSplitEncoder::BufferAt(long long sample) const {
  return Buf_.data() + (sample - BufStart_) * SampleBytes_;
}

void TSplitEncoder::Feed(TRun& run, long long from, long long to, const std::uint8_t* pcm, bool flush,
                         std::vector<std::uint8_t>& out) {
  unsigned char slice[SliceBytes];
  for (long long at = from; at < to && !Cancel_; at += SliceSamples) {
    const int n = static_cast<int>(std::min<long long>(SliceSamples, to - at));
    const int m = EncodePcm(run.Ctx, pcm + (at - from) * SampleBytes_, n, L_.Channels, L_.Format, slice, SliceBytes);
    if (m < 0) throw EAudioException("The MP3 encoder failed (error " + std::to_string(m) + ").");
    out.insert(out.end(), slice, slice + m);
    run.Progress.store(at + n, std::memory_order_relaxed);
  }
  run.FedTo = to;
  if (flush && !Cancel_) {
    const int m = Lame.lame_encode_flush(run.Ctx, slice, SliceBytes);
    if (m < 0) throw EAudioException("The MP3 encoder failed (error " + std::to_string(m) + ").");
    out.insert(out.end(), slice, slice + m);
    run.Ended = true;
  }
}

void TSplitEncoder::FeedFromBuffer(TRun& run, long long to, bool flush) {
  std::vector<std::uint8_t> out;
  const long long from = run.FedTo;
  Feed(run, from, to, BufferAt(from), flush, out);
  if (run.KeepPcm) run.Pcm.insert(run.Pcm.end(), BufferAt(from), BufferAt(to));
  run.Reader.Add(out.data(), out.size());
  // The encoder hands out a frame only once later frames have filled the room its
  // data left: at low rates several frames behind. The lead-out covers that.
  Parse(run);
  const long long owed = Lame.lame_get_frameNum(run.Ctx) - (run.Available() - run.First);
  LeadOut_ = static_cast<int>(std::clamp<long long>(owed + LeadOut, LeadOut_, MaxLeadOut));
}

void TSplitEncoder::Push(const void* pcm, int samples) {
  const auto* bytes = static_cast<const std::uint8_t*>(pcm);
  Buf_.insert(Buf_.end(), bytes, bytes + static_cast<std::size_t>(samples) * SampleBytes_);
  Total_ += samples;
  Advance(false, 2LL * samples);
  Join(false);
  // Keep the input no encoder has had yet, and the next part's lead-in.
  const long long grid = L_.FrameSamples;
  long long keep = std::min(Total_, std::max<long long>(0, (NextStart_ - LeadIn) * grid));
  for (const auto& run : Runs_)
    if (run->Own ? run->Ctx && !run->Ended : !run->Started) keep = std::min(keep, run->Own ? run->FedTo : run->First * grid);
  // Dropped only once it is half the buffer, so that moving what remains stays cheap.
  if (keep > BufStart_ && 2 * static_cast<std::size_t>(keep - BufStart_) * SampleBytes_ >= Buf_.size()) {
    Buf_.erase(Buf_.begin(), Buf_.begin() + (keep - BufStart_) * SampleBytes_);
    BufStart_ = keep;
  }
}

long long TSplitEncoder::PartEnd(long long start) const {
  // The first two parts are short, so that the helper has work soon; where the
  // length is known, parts shrink toward the end, so that the cores finish together.
  const long long shortest = std::min(L_.PartFrames, 32), least = std::min(L_.PartFrames, 64);
  long long frames = start == 0 ? shortest : start == shortest ? least : L_.PartFrames;
  if (L_.ExpectedSamples > 0)
    frames = std::min(frames, std::max(least, (L_.ExpectedSamples / L_.FrameSamples - start) / 2));
  return start + frames;
}

void TSplitEncoder::Advance(bool ending, long long budget) {
  Plan();
  // While a helper could take a part and none is in for it, the input is read
  // ahead first; otherwise this thread encodes its own parts, up to `budget`
  // samples a call, so that a pause or a stop is not kept waiting. Either way the
  // cores stay busy, and the input held is at most about two parts.
  const long long most = (2 * L_.PartFrames + 2 * (LeadIn + LeadOut_)) * L_.FrameSamples;
  while (!Cancel_) {
    StartHelpers(ending, false);
    const long long backlog = OwnBacklog();
    if (backlog == 0 || (!ending && backlog <= most && (HelperIdle() || budget <= 0))) break;
    for (auto& run : Runs_)
      if (run->Own && run->Ctx && !run->Ended && FeedEnd(*run) > run->FedTo) {
        const long long n = std::min({FeedEnd(*run) - run->FedTo, static_cast<long long>(SliceSamples), std::max(budget, 1LL)});
        FeedFromBuffer(*run, run->FedTo + n, false);
        budget -= n;
        break;
      }
  }
  if (!ending) return;
  if (Own_ && Own_->Ctx && !Own_->Ended) FeedFromBuffer(*Own_, Total_, true);
  StartHelpers(true, true);
}

bool TSplitEncoder::HelperIdle() const {
  // A helper is or could be at work, and no part is in for it to take next.
  if (BusyHelpers() == 0 && TCoreBudget::Free() == 0) return false;
  for (const auto& run : Runs_)
    if (!run->Own && !run->Started && Total_ >= (run->Until + LeadOut_) * L_.FrameSamples) return false;
  return true;
}

void TSplitEncoder::Plan() {
  const long long grid = L_.FrameSamples;
  // Each part is given out as its first samples come: to the helpers while a core
  // is free or one of them is busy, and they have less work waiting than this
  // thread; else to this thread, whose encoder goes on from the part before.
  while (NextStart_ * grid < Total_) {
    const long long start = NextStart_;
    NextStart_ = PartEnd(start);
    if (start == 0) continue;  // the first encoder's
    long long helperWork = 0;
    for (const auto& run : Runs_)
      if (!run->Own && !run->Done) helperWork += (run->Until + LeadOut_) * grid - run->Progress;
    if (TCoreBudget::Free() + BusyHelpers() > 0 && helperWork < OwnBacklog()) {
      if (Own_) {
        Own_->Until = start;
        Own_->FeedLimit = (start + LeadOut_) * grid;
        Own_ = nullptr;
      }
      auto run = std::make_unique<TRun>();
      run->Own = false;
      run->First = run->Head = start - LeadIn;
      run->Until = NextStart_;
      run->PcmStart = run->Progress = run->First * grid;
      run->Ctx = NewEncoder_();
      if (!run->Ctx) throw EAudioException("The MP3 encoder could not be started.");
      Runs_.push_back(std::move(run));
      ++HelperParts_;
    } else if (!Own_) {
      // This thread starts an encoder of its own, with a lead-in.
      auto run = std::make_unique<TRun>();
      run->First = run->Head = start - LeadIn;
      run->FedTo = run->PcmStart = run->First * grid;
      run->KeepPcm = true;
      run->Pcm = SpareBuffer();
      run->Ctx = NewEncoder_();
      if (!run->Ctx) throw EAudioException("The MP3 encoder could not be started.");
      Own_ = run.get();
      Runs_.push_back(std::move(run));
    }
  }
}

bool TSplitEncoder::Complete(const TRun& run) const {
  // No more frames will come: the input has ended for it, or its successor has
  // taken over and it has had all its lead-out.
  if (run.Ended) return true;
  if (run.Until < 0) return false;
  return !run.Own || run.FedTo >= (InputEnded_ ? FeedEnd(run) : run.FeedLimit);
}

long long TSplitEncoder::FeedEnd(const TRun& run) const {
  return run.FeedLimit >= 0 ? std::min(Total_, run.FeedLimit) : Total_;
}

long long TSplitEncoder::OwnBacklog() const {
  long long backlog = 0;
  for (const auto& run : Runs_)
    if (run->Own && run->Ctx && !run->Ended) backlog += FeedEnd(*run) - run->FedTo;
  return backlog;
}

void TSplitEncoder::StartHelpers(bool ended, bool takeOver) {
  const long long grid = L_.FrameSamples;
  // A helper starts once its part and its lead-out are in (or the input has ended),
  // with a core of the budget. Without one, the part waits for this file's busy
  // helper to give its core back; when none is busy (another conversion took the
  // core), or when this thread has nothing else left, this thread encodes it.
  for (auto& owned : Runs_) {
    TRun& run = *owned;
    if (run.Own || run.Started) continue;
    const bool last = ended && run.Until * grid >= Total_;
    const long long end = last ? Total_ : std::min(Total_, (run.Until + LeadOut_) * grid);
    if (!ended && Total_ < (run.Until + LeadOut_) * grid) continue;
    run.HasToken = TCoreBudget::TryTakeHelper();
    if (!run.HasToken && BusyHelpers() > 0 && !takeOver) continue;
    if (last) run.Until = -1;
    run.Started = true;
    TRun* r = &run;
    run.Pcm = SpareBuffer();  // kept: its predecessor may go on through it
    run.Pcm.assign(BufferAt(run.PcmStart), BufferAt(end));
    if (!run.HasToken) {
      Feed(run, run.PcmStart, end, run.Pcm.data(), last, run.Out);
      run.Reader.Add(run.Out.data(), run.Out.size());
      run.Out = {};
      run.Done = true;
      continue;
    }
    run.Worker = std::thread([this, r, last] {
      try {
        Feed(*r, r->PcmStart, r->PcmStart + static_cast<long long>(r->Pcm.size()) / SampleBytes_, r->Pcm.data(), last,
             r->Out);
      } catch (...) {
        r->Error = std::current_exception();
      }
      TCoreBudget::GiveHelper();
      r->Done = true;
    });
  }
}

int TSplitEncoder::BusyHelpers() const {
  int busy = 0;
  for (const auto& run : Runs_)
    if (!run->Own && run->Started && !run->Done) ++busy;
  return busy;
}

bool TSplitEncoder::Collect(TRun& run, bool wait) {
  if (run.Own) return true;
  if (!run.Started) return false;
  if (!run.Worker.joinable()) return true;
  if (!wait && !run.Done) return false;
  run.Worker.join();
  if (run.Error) std::rethrow_exception(run.Error);
  run.Reader.Add(run.Out.data(), run.Out.size());
  run.Out = {};
  return true;
}

void TSplitEncoder::Parse(TRun& run) {
  try {
    run.Reader.Take(run.Ended, run.Frames);
  } catch (const std::exception& e) {
    throw EAudioException(std::string("The MP3 encoder's output cannot be joined: ") + e.what());
  }
  if (!TagWritten_ && run.Ctx == First_ && !run.Reader.Skipped().empty()) {
    // The first encoder's tag frame holds the place of the stream's.
    Out_.Write(run.Reader.Skipped().data(), run.Reader.Skipped().size());
    TagWritten_ = true;
  }
}

void TSplitEncoder::Lay(TRun& run, long long until) {
  until = std::min(until, run.Available());
  for (; Next_ < until; ++Next_) {
    const TMP3Frame& f = run.At(Next_);
    if (!Joiner_.Append(f)) throw EAudioException("The MP3 encoder's output cannot be joined.");
    LastCloses_ = f.ClosesShort;
  }
  const long long drop = Next_ - run.Head;
  if (drop > 0) {
    run.Frames.erase(run.Frames.begin(), run.Frames.begin() + drop);
    run.Head = Next_;
  }
  Write(false);
}

void TSplitEncoder::Write(bool all) {
  Written_.clear();
  Joiner_.TakeFinished(Written_, all);
  if (Written_.empty()) return;
  for (std::size_t at = 0; at < Written_.size();) {
    FrameOffsets_.push_back(static_cast<std::uint32_t>(AudioBytes_ + static_cast<long long>(at)));
    at += TMP3Frame::ReadHeader(&Written_[at]).Bytes;
  }
  MusicCrc_ = TLameTag::Crc(Written_.data(), Written_.size(), MusicCrc_);
  AudioBytes_ += static_cast<long long>(Written_.size());
  Out_.Write(Written_.data(), Written_.size());
}

TSplitEncoder::TSeam TSplitEncoder::Seam(TRun& a, TRun& b) {
  const long long s = a.Until;
  const long long lo = std::max({Next_, s - LeadIn + Settle, b.First + Settle});
  const long long hi = std::min(s + LeadOut_ - 2, a.Available());
  bool undecided = false;
  if (!L_.JoinSeams) return TSeam::Failed;
  // The nearer the part's own boundary, the better: both encoders are settled there.
  for (long long step = 0; step <= 2 * (LeadIn + LeadOut_); ++step) {
    const long long k = s + (step % 2 ? (step + 1) / 2 : -(step / 2));
    if (k < lo || k > hi) continue;
    if (k >= b.Available()) {
      undecided = undecided || !Complete(b);
      continue;
    }
    const std::array<bool, 2> closes = k - 1 < Next_ ? LastCloses_ : a.At(k - 1).ClosesShort;
    if (closes != b.At(k).OpensShort) continue;  // the windows would not overlap cleanly
    TFrameJoiner trial = Joiner_;
    bool fits = true;
    for (long long f = Next_; f < k && fits; ++f) fits = trial.Append(a.At(f));
    if (!fits) continue;
    // B's frames from k on, until the room before one is at least what B itself
    // had there: from then on every frame fits as it did in B's own stream. That
    // must happen before B's own successor may take over.
    const long long limit = std::min(b.Available(), LayLimit(b));
    long long j = k;
    bool synced = false;
    for (; j < limit; ++j) {
      if (!trial.Append(b.At(j))) break;
      if (j + 1 < b.Available() && trial.LastKeptSize() && trial.Room() >= b.At(j + 1).MainDataBegin) {
        synced = true;
        ++j;
        break;
      }
    }
    if (!synced && !(b.Ended && j == b.Available())) {
      if (j == b.Available() && !Complete(b)) undecided = true;
      continue;
    }
    Joiner_ = std::move(trial);
    LastCloses_ = b.At(j - 1).ClosesShort;
    Next_ = j;
    b.Frames.erase(b.Frames.begin(), b.Frames.begin() + (j - b.Head));
    b.Head = j;
    ++Seams_;
    Write(false);
    return TSeam::Joined;
  }
  return undecided ? TSeam::Wait : TSeam::Failed;
}

void TSplitEncoder::Continue(TRun& a, TRun& b) {
  // The earlier encoder goes on through the later part, as one encoder would.
  std::vector<std::uint8_t> out;
  const long long from = a.FedTo, to = b.FedTo;
  if (to > from) Feed(a, from, to, b.Pcm.data() + (from - b.PcmStart) * SampleBytes_, b.Ended, out);
  else if (b.Ended) Feed(a, from, from, nullptr, true, out);
  a.Reader.Add(out.data(), out.size());
  a.Until = b.Until;
  a.FeedLimit = b.FeedLimit;
  a.Own = b.Own;
  a.Started = true;  // this thread has fed it: nothing for a helper to start
  a.KeepPcm = false;
  if (Own_ == &b) Own_ = &a;
  ++Continued_;
}

long long TSplitEncoder::LayLimit(const TRun& run) const {
  // Frames before the earliest place a successor could take over.
  if (run.Until >= 0) return run.Until - LeadIn + Settle;
  if (run.Ended) return std::numeric_limits<long long>::max();
  return run.FedTo / L_.FrameSamples - LeadIn + Settle;
}

void TSplitEncoder::Join(bool ending) {
  while (!Runs_.empty() && !Cancel_) {
    TRun& a = *Runs_.front();
    if (!Collect(a, ending)) return;
    Parse(a);
    a.KeepPcm = false;
    if (a.Pcm.capacity()) Spare_.push_back(std::move(a.Pcm));
    a.Pcm = {};
    if (a.Until < 0) {
      // No successor yet: lay what no seam can reach.
      Lay(a, LayLimit(a));
      if (!a.Ended) return;
      CloseRun(a);
      Runs_.pop_front();
      continue;
    }
    Lay(a, LayLimit(a));
    if (!Complete(a)) return;  // this thread has not yet encoded all its lead-out
    if (Runs_.size() < 2) return;
    TRun& b = *Runs_[1];
    if (!Collect(b, ending)) return;
    Parse(b);
    // A part this thread is still encoding comes a few frames at a time: look for
    // the seam once there is enough of it to find one.
    if (!Complete(b) && b.Available() < std::max(b.SeamAt, a.Until + 16)) return;
    const TSeam seam = Seam(a, b);
    if (seam == TSeam::Wait) {
      b.SeamAt = b.Available() + 16;
      return;
    }
    if (seam == TSeam::Failed) {
      Continue(a, b);
      CloseRun(b);
      Runs_.erase(Runs_.begin() + 1);
      continue;
    }
    CloseRun(a);
    Runs_.pop_front();
  }
}

std::vector<std::uint8_t> TSplitEncoder::Finish() {
  InputEnded_ = true;
  Advance(true, std::numeric_limits<long long>::max());
  Join(true);
  if (!Runs_.empty()) throw EAudioException("The MP3 encoder's output cannot be joined.");
  Write(true);
  std::vector<std::uint8_t> tag = std::move(TagTemplate_);
  if (!tag.empty()) {
    TLameTag::TStream s;
    s.Frames = Joiner_.Frames();
    s.AudioBytes = AudioBytes_;
    s.FrameOffsets = std::move(FrameOffsets_);
    s.Samples = Total_;
    s.FrameSamples = L_.FrameSamples;
    s.Delay = Delay_;
    s.MusicCrc = MusicCrc_;
    TLameTag::Complete(tag, s);
  }
  return tag;
}
