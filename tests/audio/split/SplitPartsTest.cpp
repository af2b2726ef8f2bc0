#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <set>
#include <stdexcept>
#include <utility>

#include "CoreBudget.h"
#include "FrameRepacker.h"
#include "Lame.h"
#include "MediaCheck.h"
#include "PartEncoder.h"
#include "PcmStore.h"
#include "SplitScheduler.h"
#include "ToneInput.h"

// The split pipeline's own pieces, each through its public calls: the input
// store, the part's and the hand-over's transition tables, the repacker's verdict
// on a seam, and the scheduler deciding what becomes of the parts.

namespace {

struct MemoryStream : TOutputStream {
  std::vector<std::uint8_t> bytes;
  void Write(const void* data, std::size_t size) override {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + size);
  }
};

lame_t NewEncoder() {
  lame_t g = Lame.lame_init();
  Lame.lame_set_in_samplerate(g, 44100);
  Lame.lame_set_num_channels(g, 2);
  Lame.lame_set_brate(g, 128);
  Lame.lame_set_quality(g, 5);
  Lame.lame_set_bWriteVbrTag(g, 0);
  EXPECT_GE(Lame.lame_init_params(g), 0);
  return g;
}

class SplitPartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadLame();
    TCoreBudget::SetJobs(3);  // helpers whatever else this machine runs
  }
  void TearDown() override {
    TCoreBudget::SetJobs(0);
    UnloadLame();
  }
  DecodedAudio Decode(const std::vector<std::uint8_t>& bytes) {
    QFile f(dir.filePath("out.mp3"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())), qint64(bytes.size()));
    f.close();
    return DecodeAudio(f.fileName());
  }
  // What one encoder makes of the whole input: the split file must decode alike.
  long long SerialPackets(const std::vector<short>& pcm) {
    MemoryStream serial;
    lame_t one = NewEncoder();
    const int samples = int(pcm.size() / 2);
    std::vector<unsigned char> buffer(samples * 5 / 4 + 7200);
    const int n = EncodePcm(one, pcm.data(), samples, 2, TSampleFormat::sfInt16, buffer.data(), int(buffer.size()));
    EXPECT_GE(n, 0);
    serial.Write(buffer.data(), n);
    const int m = Lame.lame_encode_flush(one, buffer.data(), int(buffer.size()));
    EXPECT_GE(m, 0);
    serial.Write(buffer.data(), m);
    Lame.lame_close(one);
    return Decode(serial.bytes).Packets;
  }
  QTemporaryDir dir;
  TSplitLayout layout;
  std::atomic<bool> cancel{false};
};

using S = TPartState;
using H = THandOver;

}  // namespace

TEST_F(SplitPartsTest, TheInputStoreHandsOutWhatWasPushedAndRefusesWhatWasDropped) {
  struct Case {
    int chunk;                // samples a chunk
    std::vector<int> pushes;  // samples a push
    long long drop, from, to; // dropped before `drop`, then a span read
    bool refused;
  };
  const Case cases[] = {
      {4, {3}, 0, 0, 3, false},             // within the chunk being filled
      {4, {3, 5, 9}, 0, 1, 17, false},      // pushes across chunk bounds
      {4, {10}, 8, 8, 10, false},           // the chunk being filled stays, whatever is dropped
      {4, {10}, 6, 4, 10, false},           // a chunk partly needed stays
      {4, {10}, 9, 7, 9, true},             // a dropped chunk is not read
      {4, {10}, 0, 5, 11, true},            // nor beyond what was pushed
      {4, {10}, 0, 6, 5, true},             // nor backwards
      {5, {5, 5, 5}, 10, 10, 15, false},    // chunks reused after a drop
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chunk * 1000 + c.from * 10 + c.to);
    TPcmStore store(2, c.chunk);
    int next = 0;
    for (int n : c.pushes) {
      std::vector<std::uint8_t> pcm(2 * n);
      for (int i = 0; i < n; ++i) pcm[2 * i] = std::uint8_t(next + i), pcm[2 * i + 1] = std::uint8_t(~(next + i));
      store.Push(pcm.data(), n);
      next += n;
    }
    EXPECT_EQ(store.Total(), next);
    store.Drop(c.drop);
    if (c.refused) {
      EXPECT_THROW(store.Span(c.from, c.to), std::logic_error);
      continue;
    }
    const TPcmStore::TSpan span = store.Span(c.from, c.to);
    EXPECT_EQ(span.From, c.from);
    EXPECT_EQ(span.To, c.to);
    for (long long at = c.from; at < c.to; at += span.RunFrom(at)) {
      const long long run = std::min(span.RunFrom(at), c.to - at);
      for (long long k = 0; k < run; ++k) {
        EXPECT_EQ(span.At(at)[2 * k], std::uint8_t(at + k));
        EXPECT_EQ(span.At(at)[2 * k + 1], std::uint8_t(~(at + k)));
      }
    }
  }
  // More than the spare chunks kept: the store gives back only what it holds.
  TPcmStore store(2, 4);
  std::vector<std::uint8_t> pcm(2 * 64, 7);
  store.Push(pcm.data(), 64);
  store.Drop(60);
  EXPECT_THROW(store.Span(59, 64), std::logic_error);
  EXPECT_NO_THROW(store.Span(60, 64));
}

TEST_F(SplitPartsTest, APartMovesOnlyAsItsTableAllows) {
  const std::set<std::pair<S, S>> legal = {
      {S::Planned, S::Helping}, {S::Planned, S::LeadingOut}, {S::Planned, S::Open},
      {S::Open, S::LeadingOut}, {S::Open, S::Ended},
      {S::LeadingOut, S::Encoded}, {S::LeadingOut, S::LeadingOut},
      {S::Helping, S::Encoded}, {S::Helping, S::Ended},
      {S::Encoded, S::Open}, {S::Encoded, S::LeadingOut}, {S::Encoded, S::Encoded}, {S::Encoded, S::Ended},
  };
  const S all[] = {S::Planned, S::Open, S::LeadingOut, S::Helping, S::Encoded, S::Ended, S::Closed};
  for (S from : all)
    for (S to : all) {
      SCOPED_TRACE(int(from) * 10 + int(to));
      const bool allowed = legal.count({from, to}) || (to == S::Closed && from != S::Closed);
      EXPECT_EQ(TPartEncoder::Allowed(from, to), allowed);
      TPartEncoder part(layout, from, 8);
      if (allowed) {
        EXPECT_NO_THROW(part.Move(to));
        EXPECT_EQ(part.State(), to);
      } else {
        EXPECT_THROW(part.Move(to), std::logic_error);
        EXPECT_EQ(part.State(), from);
      }
    }
}

TEST_F(SplitPartsTest, AHelpersHandOverMovesOnlyAsItsTableAllows) {
  const std::set<std::pair<H, H>> legal = {
      {H::None, H::Hungry},
      {H::Hungry, H::Fed}, {H::Hungry, H::LastFed}, {H::Hungry, H::Stopping}, {H::Hungry, H::Stopped},
      {H::Fed, H::Fed}, {H::Fed, H::Hungry}, {H::Fed, H::LastFed}, {H::Fed, H::Stopping}, {H::Fed, H::Stopped},
      {H::LastFed, H::Done}, {H::LastFed, H::Stopping}, {H::LastFed, H::Stopped},
      {H::Stopping, H::Stopped},
  };
  const H all[] = {H::None, H::Hungry, H::Fed, H::LastFed, H::Stopping, H::Done, H::Stopped};
  for (H from : all)
    for (H to : all) EXPECT_EQ(TPartEncoder::Allowed(from, to), legal.count({from, to}) > 0) << int(from) << int(to);

  // Through a real helper: input is handed over only to a helper, and nothing
  // after the last of it; the helper ends Done, its part Ended.
  const std::vector<short> pcm = MakeSignal(Signal::Noise, 44100, 1.0);
  TPcmStore store(4, 4 * 4608);
  store.Push(reinterpret_cast<const std::uint8_t*>(pcm.data()), long(pcm.size() / 2));
  TPartEncoder part(layout, S::Planned, 0);
  EXPECT_THROW(part.Feed(store.Span(0, 1000), false, false), std::logic_error);  // no helper yet
  EXPECT_EQ(part.HandOver(), H::None);
  part.Start(NewEncoder());
  ASSERT_TRUE(TCoreBudget::TryTakeHelper());  // the helper gives it back
  part.EncodeOnHelper(cancel);
  part.Feed(store.Span(0, 20000), false, false);
  part.Feed(store.Span(0, store.Total()), true, true);
  EXPECT_TRUE(part.FedAll());
  EXPECT_THROW(part.Feed(store.Span(0, store.Total()), true, true), std::logic_error);
  EXPECT_TRUE(part.Collect(true));
  EXPECT_EQ(part.HandOver(), H::Done);
  EXPECT_EQ(part.State(), S::Ended);
  EXPECT_EQ(part.FedTo(), store.Total());
  EXPECT_FALSE(part.Shorten(8, 8 * 1152));  // done: nothing left to take over
  part.CloseEncoder();
  EXPECT_EQ(TCoreBudget::Free(), 3);
}

// A helper's part cut short while it works stops at the new end exactly, with
// no last frames; one that has read past it already is left alone.
TEST_F(SplitPartsTest, AHelperCutShortStopsWhereItWasTold) {
  const std::vector<short> pcm = MakeSignal(Signal::Noise, 44100, 20.0);
  TPcmStore store(4, 4 * 4608);
  store.Push(reinterpret_cast<const std::uint8_t*>(pcm.data()), long(pcm.size() / 2));
  TPartEncoder part(layout, S::Planned, 0);
  part.Start(NewEncoder());
  ASSERT_TRUE(TCoreBudget::TryTakeHelper());
  part.EncodeOnHelper(cancel);
  EXPECT_FALSE(part.Shorten(100, 105 * 1152));  // not all its input yet
  part.Feed(store.Span(0, store.Total()), true, true);
  const bool cut = part.Shorten(100, 105 * 1152);
  EXPECT_FALSE(part.Shorten(100, store.Total()));  // no longer than it is
  EXPECT_TRUE(part.Collect(true));
  EXPECT_EQ(part.HandOver(), H::Done);
  part.TakeFrames();
  if (cut) {
    EXPECT_EQ(part.Until(), 100);
    EXPECT_EQ(part.FedTo(), 105 * 1152);
    EXPECT_EQ(part.State(), S::Encoded);
    EXPECT_LT(part.Available(), 110);
  } else {
    ADD_FAILURE() << "the helper read 100 frames before it was told to stop there";
  }
  part.CloseEncoder();
}

TEST_F(SplitPartsTest, TheRepackerGivesItsVerdictOnASeam) {
  // Parts cut at frame 48: `a` from the start through its lead-out, `b` from its
  // lead-in on to the end, both on this thread.
  const std::vector<short> pcm = MakeSignal(Signal::Quiet, 44100, 3.0);
  const long long total = long(pcm.size() / 2), grid = 1152, cut = 48;
  const int leadOut = 8;
  struct Case {
    const char* name;
    bool joinSeams;
    long long bFrames;  // frames of `b` encoded before the verdict; -1 for all of it
    TSeamVerdict first;
  };
  const Case cases[] = {
      {"joined", true, -1, TSeamVerdict::Joined},
      {"too little of b", true, cut + 8, TSeamVerdict::More},
      {"no seam wanted", false, -1, TSeamVerdict::Continue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSplitLayout l;
    l.JoinSeams = c.joinSeams;
    MemoryStream out;
    TPcmStore store(4, 4 * 4608);
    store.Push(reinterpret_cast<const std::uint8_t*>(pcm.data()), total);
    lame_t first = NewEncoder();
    TFrameRepacker repacker(l, first, out, {});
    TPartEncoder a(l, S::Open, 0), b(l, S::Planned, cut - TPartEncoder::LeadIn, -1);
    a.Start(first);
    EXPECT_EQ(repacker.Join(a, nullptr, leadOut, false), TSeamVerdict::More);  // nothing encoded
    a.LeadOut(cut, (cut + leadOut) * grid);
    EXPECT_EQ(repacker.Join(a, &b, leadOut, false), TSeamVerdict::More);  // `a` not through its lead-out
    a.Encode(store.Span(0, (cut + leadOut) * grid), false, cancel);
    a.Move(S::Encoded);
    EXPECT_EQ(repacker.Join(a, &b, leadOut, false), TSeamVerdict::More);  // `b` not started
    b.Start(NewEncoder());
    b.Move(S::Open);  // taken on by this thread
    if (c.bFrames >= 0) {
      b.Encode(store.Span(b.PcmStart(), c.bFrames * grid), false, cancel);
      EXPECT_EQ(repacker.Join(a, &b, leadOut, false), c.first);
      continue;
    }
    b.Encode(store.Span(b.PcmStart(), total), true, cancel);
    b.Move(S::Ended);
    EXPECT_EQ(repacker.Join(a, &b, leadOut, false), c.first);
    if (c.first == TSeamVerdict::Continue) {
      EXPECT_EQ(repacker.Seams(), 0);
      continue;
    }
    EXPECT_EQ(repacker.Seams(), 1);
    repacker.Close(a);
    EXPECT_EQ(repacker.Join(b, nullptr, leadOut, false), TSeamVerdict::Ended);
    repacker.Close(b);
    EXPECT_TRUE(repacker.Finish(total).empty());
    const DecodedAudio decoded = Decode(out.bytes);
    EXPECT_TRUE(decoded.Clean);
    EXPECT_EQ(decoded.Packets, SerialPackets(pcm));
  }
}

// The scheduler decides what becomes of the parts on the repacker's verdicts:
// whatever the cut, the file decodes as one encoder's would.
TEST_F(SplitPartsTest, TheSchedulerJoinsEveryPartWhateverTheCut) {
  struct Case {
    int partFrames;
    bool lengthKnown, joinSeams;
    int jobs;
  };
  const Case cases[] = {
      {64, true, true, 3}, {64, false, true, 3}, {32, true, false, 3}, {96, true, true, 1},
  };
  const std::vector<short> pcm = MakeSignal(Signal::Clicks, 44100, 8.0);
  const long long total = long(pcm.size() / 2);
  const long long serial = SerialPackets(pcm);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.partFrames * 100 + c.lengthKnown * 10 + c.joinSeams);
    TCoreBudget::SetJobs(c.jobs);
    TSplitLayout l;
    l.PartFrames = c.partFrames;
    l.JoinSeams = c.joinSeams;
    if (c.lengthKnown) l.ExpectedSamples = total;
    MemoryStream out;
    lame_t first = NewEncoder();
    TFrameRepacker repacker(l, first, out, {});
    TSplitScheduler scheduler(l, first, false, NewEncoder, repacker);
    for (long long at = 0; at < total; at += 3000) {
      scheduler.Push(reinterpret_cast<const std::uint8_t*>(pcm.data() + 2 * at), int(std::min(3000LL, total - at)));
      scheduler.Join(false);
      scheduler.Trim();
    }
    scheduler.EndInput();
    scheduler.Join(true);
    EXPECT_TRUE(scheduler.Parts().empty());
    EXPECT_EQ(scheduler.Total(), total);
    if (c.jobs > 1) {
      EXPECT_GT(scheduler.HelperParts(), 0);
    }
    if (!c.joinSeams) {
      EXPECT_EQ(repacker.Seams(), 0);
      EXPECT_GT(scheduler.Continued(), 0);
    } else {
      EXPECT_GT(repacker.Seams() + scheduler.Continued(), 0);
    }
    repacker.Finish(total);
    const DecodedAudio decoded = Decode(out.bytes);
    EXPECT_TRUE(decoded.Clean);
    EXPECT_EQ(decoded.Packets, serial);
  }
}

// A helper far behind the input is not waited for: the scheduler sets the later
// half of its part aside, this thread encodes it, and the file still decodes as
// one encoder's would.
TEST_F(SplitPartsTest, TheSchedulerTakesOverTheLaterHalfOfALateHelpersPart) {
  const std::vector<short> pcm = MakeSignal(Signal::Noise, 44100, 30.0);
  const long long total = long(pcm.size() / 2);
  TSplitLayout l;
  l.PartFrames = 1000;  // the third part, a helper's, runs to frame 1096 of about 1150
  MemoryStream out;
  lame_t first = NewEncoder();
  TFrameRepacker repacker(l, first, out, {});
  TSplitScheduler scheduler(l, first, false, NewEncoder, repacker);
  EXPECT_FALSE(scheduler.Steal());  // no helper yet
  // The input comes far faster than a helper encodes it.
  for (long long at = 0; at < total; at += 8192) {
    scheduler.Push(reinterpret_cast<const std::uint8_t*>(pcm.data() + 2 * at), int(std::min(8192LL, total - at)));
    scheduler.Join(false);
  }
  scheduler.EndInput();
  ASSERT_TRUE(scheduler.Steal());
  EXPECT_EQ(scheduler.Stolen(), 1);
  EXPECT_TRUE(scheduler.TakeOver());
  scheduler.Join(true);
  EXPECT_TRUE(scheduler.Parts().empty());
  EXPECT_GE(repacker.Seams() + scheduler.Continued(), 3);
  repacker.Finish(total);
  const DecodedAudio decoded = Decode(out.bytes);
  EXPECT_TRUE(decoded.Clean);
  EXPECT_EQ(decoded.Packets, SerialPackets(pcm));
}

// At the end of the input a core come free takes the later half of this
// thread's own part; where the length is known, parts grow to a sixth of it (127
// frames here, not the layout's 64) and leave no short part at the end. Either
// way the file decodes as one encoder's would.
TEST_F(SplitPartsTest, TheSchedulerKeepsTheCoresBusyAtFewSeams) {
  struct Case {
    const char* name;
    double seconds;
    int partFrames;
    bool lengthKnown;
  };
  const Case cases[] = {{"a freed core takes half of this thread's part", 30.0, 1000, false},
                        {"a known length is cut into few parts", 20.0, 64, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<short> pcm = MakeSignal(Signal::Noise, 44100, c.seconds);
    const long long total = long(pcm.size() / 2);
    TSplitLayout l;
    l.PartFrames = c.partFrames;
    if (c.lengthKnown) l.ExpectedSamples = total;
    MemoryStream out;
    lame_t first = NewEncoder();
    TFrameRepacker repacker(l, first, out, {});
    TSplitScheduler scheduler(l, first, false, NewEncoder, repacker);
    for (long long at = 0; at < total; at += 8192) {
      scheduler.Push(reinterpret_cast<const std::uint8_t*>(pcm.data() + 2 * at), int(std::min(8192LL, total - at)));
      scheduler.Join(false);
      scheduler.Trim();
    }
    scheduler.EndInput();
    while (scheduler.Steal()) scheduler.TakeOver();
    scheduler.Join(true);
    EXPECT_TRUE(scheduler.Parts().empty());
    if (c.lengthKnown)  // 32 + 64 + four of 127 + the rest: six seams, and one for each half taken over
      EXPECT_LE(repacker.Seams() + scheduler.Continued(), 6 + scheduler.Stolen() + scheduler.GivenAway());
    else
      EXPECT_GE(scheduler.GivenAway(), 1);
    repacker.Finish(total);
    EXPECT_EQ(Decode(out.bytes).Packets, SerialPackets(pcm));
  }
}
