#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <dlfcn.h>

#include "AtomicFile.h"
#include "CoreBudget.h"
#include "FrameBits.h"
#include "Lame.h"
#include "MP3Out.h"
#include "MediaCheck.h"
#include "SinkHarness.h"
#include "SplitEncoder.h"
#include "ToneInput.h"

namespace {

struct MemoryStream : TOutputStream {
  std::vector<std::uint8_t> bytes;
  void Write(const void* data, std::size_t size) override {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + size);
  }
};

// With `longBlocksOnly`, an encoder that never switches to short blocks: one that
// disagrees with the others about windows wherever they switch.
lame_t NewEncoder(int rate, int kbps, bool longBlocksOnly = false) {
  lame_t g = Lame.lame_init();
  Lame.lame_set_in_samplerate(g, rate);
  Lame.lame_set_out_samplerate(g, rate);
  Lame.lame_set_num_channels(g, 2);
  Lame.lame_set_brate(g, kbps);
  Lame.lame_set_quality(g, 2);
  Lame.lame_set_bWriteVbrTag(g, 0);
  if (longBlocksOnly) {
    auto noShortBlocks = reinterpret_cast<int (*)(lame_t, int)>(::dlsym(LameModule, "lame_set_no_short_blocks"));
    EXPECT_NE(noShortBlocks, nullptr);
    if (noShortBlocks) noShortBlocks(g, 1);
  }
  EXPECT_GE(Lame.lame_init_params(g), 0);
  return g;
}

DecodedAudio Decode(const QTemporaryDir& dir, const char* name, const std::vector<std::uint8_t>& bytes) {
  QFile f(dir.filePath(name));
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
  f.close();
  return DecodeAudio(f.fileName());
}

class SplitEncoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadLame();
    TCoreBudget::SetJobs(3);  // helpers whatever else this machine runs
  }
  void TearDown() override {
    TCoreBudget::SetJobs(0);
    UnloadLame();
  }
  QTemporaryDir dir;
};

}  // namespace

// Where no place to join two parts exists (the reservoir cannot take the later
// part's data), the earlier encoder goes on through the part. When that happens at
// every seam, the one encoder of the file's start makes every frame: the result
// must decode exactly as one encoder's output, whatever the helpers did meanwhile.
TEST_F(SplitEncoderTest, APartThatCannotBeJoinedIsEncodedOnByTheEncoderBefore) {
  struct Case {
    int rate, kbps;
  };
  for (const Case c : {Case{44100, 32}, Case{8000, 8}}) {
    SCOPED_TRACE(c.rate);
    const std::vector<short> pcm = MakeSignal(Signal::Clicks, c.rate, c.rate < 32000 ? 10.0 : 3.0);
    const int samples = int(pcm.size() / 2);

    MemoryStream serial;
    lame_t one = NewEncoder(c.rate, c.kbps);
    std::vector<unsigned char> buffer(samples * 5 / 4 + 7200);
    const int n = EncodePcm(one, pcm.data(), samples, 2, TSampleFormat::sfInt16, buffer.data(), int(buffer.size()));
    ASSERT_GE(n, 0);
    serial.Write(buffer.data(), n);
    const int m = Lame.lame_encode_flush(one, buffer.data(), int(buffer.size()));
    ASSERT_GE(m, 0);
    serial.Write(buffer.data(), m);
    Lame.lame_close(one);

    MemoryStream joined;
    TSplitEncoder::TLayout layout;
    lame_t first = NewEncoder(c.rate, c.kbps);
    layout.FrameSamples = Lame.lame_get_framesize(first);
    layout.PartFrames = 16;
    layout.JoinSeams = false;
    TSplitEncoder split(layout, first, false, [&] { return NewEncoder(c.rate, c.kbps); }, joined);
    for (int at = 0; at < samples; at += 1000) split.Push(pcm.data() + 2 * at, std::min(1000, samples - at));
    EXPECT_TRUE(split.Finish().empty());
    EXPECT_GT(split.HelperParts(), 0);
    EXPECT_EQ(split.Seams(), 0);
    EXPECT_GE(split.Continued(), 4);

    const DecodedAudio a = Decode(dir, "serial.mp3", serial.bytes), b = Decode(dir, "joined.mp3", joined.bytes);
    ASSERT_TRUE(a.Clean);
    EXPECT_TRUE(b.Clean);
    EXPECT_EQ(a.Packets, b.Packets);
    EXPECT_TRUE(a.Samples == b.Samples);
  }
}

// A part set aside for a helper whose core another conversion took in the meantime
// is encoded on the converting thread, not by a helper beyond the budget.
TEST_F(SplitEncoderTest, APartWhoseCoreWasTakenIsEncodedOnTheConvertingThread) {
  TCoreBudget::SetJobs(2);
  const std::vector<short> pcm = MakeSignal(Signal::Quiet, 44100, 4.0);
  const int samples = int(pcm.size() / 2);
  MemoryStream joined;
  TSplitEncoder::TLayout layout;
  layout.PartFrames = 32;
  TSplitEncoder split(layout, NewEncoder(44100, 128), false, [] { return NewEncoder(44100, 128); }, joined);
  const int intoSecondPart = 40 * 1152;  // the first part is 32 frames; the second is set aside now
  split.Push(pcm.data(), intoSecondPart);
  ASSERT_TRUE(TCoreBudget::TryTakeHelper());
  ASSERT_TRUE(TCoreBudget::TryTakeHelper());
  EXPECT_EQ(TCoreBudget::Free(), 0);
  split.Push(pcm.data() + 2 * intoSecondPart, samples - intoSecondPart);
  split.Finish();
  TCoreBudget::GiveHelper();
  TCoreBudget::GiveHelper();
  EXPECT_EQ(TCoreBudget::Free(), 2);
  EXPECT_EQ(split.HelperParts(), 1);
  EXPECT_GE(split.Seams() + split.Continued(), 2);
  const DecodedAudio audio = Decode(dir, "joined.mp3", joined.bytes);
  EXPECT_TRUE(audio.Clean);
  // No tag frame here, so the encoder's delay and padding remain around the audio.
  EXPECT_EQ(audio.Packets, (samples + 576 + 1151) / 1152 + 1);
}

// Splitting a file into parts on several encoders, and joining them.
namespace {

struct Encoding {
  int rate = 44100, channels = 2;
  TMP3SampleRate out = TMP3SampleRate::sr41kHz;
  TMP3Mode mode = TMP3Mode::JOINT_STEREO;
  int kbps = 128;      // constant rate
  int vbrMin = 0, vbrMax = 0;  // variable rate when given
};

struct Encoded {
  DecodedAudio audio;
  TMP3Out::TSplitReport report;
};

Encoded Encode(const QString& path, const std::vector<short>& pcm, const Encoding& e, bool split,
               int partFrames = 16, std::function<void(SinkHarness&)> more = {}) {
  SinkHarness h;
  ToneInput input(e.rate, e.channels, 0);
  input.Samples = pcm;
  h.sink.SetInput(&input);
  h.sink.FileName = path;
  h.settings.SampleRate = e.out;
  h.settings.Mode = e.mode;
  h.settings.Quality = TMP3Quality::ql2;
  h.settings.VBRQuality = TMP3Quality::ql2;
  h.settings.EnableVBR = e.vbrMax > 0;
  h.settings.WriteVBRHeader = e.vbrMax > 0;
  h.settings.VBRMinBitrate = e.vbrMin;
  h.settings.VBRMaxBitrate = e.vbrMax;
  TMP3BitRate rate = TMP3BitRate::br128;
  for (int i = 0; i < int(std::size(Mp3BitRateKbps)); ++i)
    if (Mp3BitRateKbps[i] == e.kbps) rate = static_cast<TMP3BitRate>(i);
  h.settings.BitRate = rate;
  h.settings.SplitFiles = split;
  h.settings.SplitPartFrames = partFrames;
  if (more) more(h);
  h.Run();
  EXPECT_TRUE(h.WaitIdle(120000));
  EXPECT_EQ(h.failures, 0) << h.Failure();
  return {DecodeAudio(path), h.sink.SplitReport()};
}

// Signal to noise of `decoded` against `reference`, in dB.
double Snr(const std::vector<short>& reference, const std::vector<float>& decoded) {
  double signal = 0, noise = 0;
  for (std::size_t i = 0; i < std::min(reference.size(), decoded.size()); ++i) {
    const double r = reference[i] / 32768.0;
    signal += r * r;
    noise += (r - decoded[i]) * (r - decoded[i]);
  }
  return 10 * std::log10(signal / std::max(noise, 1e-20));
}

class SplitTest : public ::testing::Test {
 protected:
  // Helpers are free whatever else this machine runs.
  void SetUp() override { TCoreBudget::SetJobs(3); }
  void TearDown() override { TCoreBudget::SetJobs(0); }
  QTemporaryDir dir;
  QString Out(const QString& name) { return dir.filePath(name); }
  QStringList Leftovers() { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

}  // namespace

TEST_F(SplitTest, SeamsKeepTheSerialLengthAndQuality) {
  const Encoding encodings[] = {{.kbps = 32}, {.kbps = 320}, {.vbrMin = 32, .vbrMax = 64}, {.vbrMin = 256, .vbrMax = 320}};
  for (Signal kind : {Signal::Quiet, Signal::Noise, Signal::Clicks}) {
    const std::vector<short> pcm = MakeSignal(kind, 44100, 4.0);
    for (const Encoding& e : encodings) {
      SCOPED_TRACE(testing::Message() << "signal " << int(kind) << ", " << e.kbps << " kbps, vbr " << e.vbrMax);
      const Encoded serial = Encode(Out("serial.mp3"), pcm, e, false);
      const Encoded split = Encode(Out("split.mp3"), pcm, e, true);
      EXPECT_FALSE(serial.report.Used);
      EXPECT_TRUE(split.report.Used);
      EXPECT_GT(split.report.HelperParts, 0);
      EXPECT_GE(split.report.Seams + split.report.Continued, 4);
      ASSERT_TRUE(serial.audio.Clean);
      EXPECT_TRUE(split.audio.Clean);
      EXPECT_EQ(split.audio.Packets, serial.audio.Packets);
      EXPECT_EQ(split.audio.Samples.size(), serial.audio.Samples.size());
      const double serialSnr = Snr(pcm, serial.audio.Samples), splitSnr = Snr(pcm, split.audio.Samples);
      EXPECT_GE(splitSnr, serialSnr - 0.3) << "seams: " << split.report.Seams << ", continued " << split.report.Continued;
    }
  }
}

// A file the encoder would resample is resampled before it is cut, so that the
// parts meet on the output's frame grid. Two tones have the same samples at any
// rate: the split file must match them as closely as the serial encode does, and
// be exactly as long, at lengths that do not divide evenly into the new rate.
TEST_F(SplitTest, AFileAtAnotherRateIsResampledBeforeItIsCut) {
  const Encoding cases[] = {
      {.rate = 48000, .out = TMP3SampleRate::sr41kHz, .kbps = 192},
      {.rate = 32000, .channels = 1, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::MONO, .vbrMin = 32, .vbrMax = 320},
      {.rate = 44100, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::DUAL_CHANNEL, .vbrMin = 64, .vbrMax = 128},
      {.rate = 22050, .channels = 1, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::MONO, .kbps = 192},
  };
  auto tones = [](int rate, int channels, double seconds) {
    std::vector<short> pcm(std::size_t(rate * seconds) * channels);
    for (std::size_t i = 0; i < pcm.size(); ++i) {
      const double t = double(i / channels) / rate;
      pcm[i] = short(std::lround(9000 * std::sin(2 * M_PI * 440 * t) + 4000 * std::sin(2 * M_PI * 3100 * t)));
    }
    return pcm;
  };
  for (const Encoding& e : cases) {
    for (const int extra : {0, 1, 37, 1151}) {
      SCOPED_TRACE(testing::Message() << e.rate << " Hz, " << extra << " samples past 4 s");
      const double seconds = 4.0 + double(extra) / e.rate;
      const Encoded serial = Encode(Out("serial.mp3"), tones(e.rate, e.channels, seconds), e, false);
      const Encoded split = Encode(Out("split.mp3"), tones(e.rate, e.channels, seconds), e, true);
      EXPECT_GE(split.report.Seams + split.report.Continued, 4);
      ASSERT_TRUE(serial.audio.Clean);
      EXPECT_TRUE(split.audio.Clean);
      EXPECT_EQ(split.audio.SampleRate, serial.audio.SampleRate);
      EXPECT_EQ(split.audio.Packets, serial.audio.Packets);
      EXPECT_EQ(split.audio.Samples.size(), serial.audio.Samples.size());
      if (extra > 0) continue;
      const std::vector<short> ideal = tones(serial.audio.SampleRate, e.channels, 4.0);
      const double serialSnr = Snr(ideal, serial.audio.Samples), splitSnr = Snr(ideal, split.audio.Samples);
      EXPECT_GE(splitSnr, serialSnr - 0.3);
    }
  }
}

namespace {

// The Xing/Info frame and the encoder's tag in it, read by hand.
struct TagFields {
  bool found = false;
  long long frames = 0, bytes = 0, musicLength = 0;
  int delay = 0, padding = 0;
  bool tocRises = true;
  bool tagCrcHolds = false, musicCrcHolds = false;
  long long id3v2 = 0, id3v1 = 0, fileBytes = 0;
  // The tag frame's header is the audio's but for its bit rate, no larger than it
  // must be: the stream's own, or the smallest that holds the tag.
  bool headerMatches = false, smallest = false;
};

TagFields ReadTag(const QString& path) {
  TagFields t;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return t;
  const QByteArray all = f.readAll();
  const auto* d = reinterpret_cast<const unsigned char*>(all.constData());
  std::size_t start = 0, end = all.size();
  if (all.startsWith("ID3")) start = 10 + ((d[6] << 21) | (d[7] << 14) | (d[8] << 7) | d[9]);
  if (end >= 128 && all.mid(end - 128, 3) == "TAG") end -= 128;
  t.id3v2 = start;
  t.id3v1 = all.size() - end;
  t.fileBytes = all.size();
  const unsigned char* frame = d + start;
  const auto head = end - start >= 4 ? framebits::ReadFrame(frame) : std::nullopt;
  const std::size_t at = head ? 4 + head->sideBytes : 0;  // CRC or not
  if (!head || std::size_t(head->bytes) < at + 156 || end - start < std::size_t(head->bytes) + 4) return t;
  if (std::memcmp(frame + at, "Info", 4) != 0 && std::memcmp(frame + at, "Xing", 4) != 0) return t;
  auto be32 = [](const unsigned char* p) { return (static_cast<long long>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; };
  t.found = true;
  t.frames = be32(frame + at + 8);
  t.bytes = be32(frame + at + 12);
  for (int i = 1; i < 100; ++i) t.tocRises = t.tocRises && frame[at + 16 + i] >= frame[at + 15 + i];
  const unsigned char* lame = frame + at + 120;
  t.delay = (lame[21] << 4) | (lame[22] >> 4);
  t.padding = ((lame[22] & 15) << 8) | lame[23];
  t.musicLength = be32(lame + 28);
  t.tagCrcHolds = framebits::TagCrc(frame, at + 120 + 34) == ((lame[34] << 8) | lame[35]);
  const std::size_t tagBytes = head->bytes;
  t.musicCrcHolds = framebits::TagCrc(frame + tagBytes, end - start - tagBytes) == ((lame[32] << 8) | lame[33]);
  const unsigned char* audio = frame + tagBytes;
  const auto first = framebits::ReadFrame(audio);
  t.headerMatches = first && !head->padding && frame[1] == audio[1] && (frame[2] & 0x0C) == (audio[2] & 0x0C) &&
                    (frame[3] >> 6) == (audio[3] >> 6);
  // The encoder counts a CRC's two bytes in when it decides whether the tag fits.
  std::array<unsigned char, 4> smaller{frame[0], frame[1], static_cast<unsigned char>(frame[2] - 0x10), frame[3]};
  const auto less = framebits::ReadFrame(smaller.data());
  t.smallest = first && (head->bitRateIndex == first->bitRateIndex ||
                         (!less || std::size_t(less->bytes) < at + 156 + (head->crc ? 2 : 0)));
  return t;
}

}  // namespace

TEST_F(SplitTest, TheJoinedStreamHasOneTagForTheWholeOfIt) {
  const std::vector<short> pcm = MakeSignal(Signal::Clicks, 44100, 6.0);
  const Encoding e{.kbps = 128};
  auto tagged = [](SinkHarness& h) { h.tags.Title = "Joined"; };
  const Encoded serial = Encode(Out("serial.mp3"), pcm, e, false, 16, tagged);
  const Encoded split = Encode(Out("split.mp3"), pcm, e, true, 16, tagged);
  ASSERT_GT(split.report.Seams, 0);
  const TagFields a = ReadTag(Out("serial.mp3")), b = ReadTag(Out("split.mp3"));
  // The encoder's own tag passes the same checks, which shows they are its rules.
  for (const TagFields& t : {a, b}) {
    ASSERT_TRUE(t.found);
    EXPECT_TRUE(t.tagCrcHolds);
    EXPECT_TRUE(t.musicCrcHolds);
    EXPECT_TRUE(t.tocRises);
    EXPECT_EQ(t.bytes, t.musicLength);
  }
  EXPECT_EQ(b.frames, split.audio.Packets);
  EXPECT_EQ(b.frames, a.frames);
  EXPECT_EQ(b.delay, a.delay);
  EXPECT_EQ(b.padding, a.padding);
  EXPECT_EQ(b.frames * 1152 - b.delay - b.padding, long(pcm.size() / 2));
  // The tags around the stream, as the encoder puts them.
  EXPECT_GT(b.id3v2, 0);
  EXPECT_EQ(b.id3v1, 128);
  EXPECT_EQ(b.fileBytes, b.id3v2 + b.bytes + b.id3v1);
  EXPECT_EQ(a.fileBytes, a.id3v2 + a.bytes + a.id3v1);
  EXPECT_EQ(ReadMedia(Out("split.mp3")).Tags.at("title"), "Joined");
  EXPECT_EQ(split.audio.Samples.size(), pcm.size());  // gapless: exactly the input's length
}

// The Info frame heads the stream at every bit rate and sample rate, also where
// the stream's own frames are too small for it, in one encoder's file and in a
// joined one alike; by its delay and padding the audio decodes to exactly the
// input's length. The input is at the output's rate, so nothing resamples it.
struct InfoCase {
  Encoding e;
  bool crc = false;
};

class InfoFrameTest : public SplitTest, public ::testing::WithParamInterface<std::tuple<InfoCase, bool>> {};

TEST_P(InfoFrameTest, HeadsTheStreamAndTrimsItToTheInputsLength) {
  const auto& [c, split] = GetParam();
  const std::vector<short> pcm = MakeSignal(Signal::Clicks, c.e.rate, 3.0, c.e.channels);
  const Encoded out = Encode(Out("info.mp3"), pcm, c.e, split, 16, [&](SinkHarness& h) {
    h.settings.CRC = c.crc;
    h.tags.Title = "Info";
  });
  EXPECT_EQ(out.report.Used, split);
  ASSERT_TRUE(out.audio.Clean);
  ASSERT_EQ(out.audio.SampleRate, c.e.rate);
  const TagFields t = ReadTag(Out("info.mp3"));
  ASSERT_TRUE(t.found);
  EXPECT_TRUE(t.headerMatches);
  if (!c.e.vbrMax) {
    EXPECT_TRUE(t.smallest);  // a variable rate's is the encoder's own, of 128 kbit/s
  }
  EXPECT_TRUE(t.tagCrcHolds);
  EXPECT_TRUE(t.musicCrcHolds);
  EXPECT_TRUE(t.tocRises);
  EXPECT_EQ(t.bytes, t.musicLength);
  EXPECT_EQ(t.fileBytes, t.id3v2 + t.bytes + t.id3v1);
  EXPECT_EQ(t.frames, out.audio.Packets);
  EXPECT_EQ(t.delay, 576);
  EXPECT_EQ(out.audio.Samples.size() / out.audio.Channels, pcm.size() / c.e.channels);
}

const InfoCase InfoCases[] = {
    {{.kbps = 32}},  // the frame holds no tag: it goes in one of 64 kbit/s
    {{.kbps = 8}},   // the lowest rate offered; at 44.1 kHz the encoder makes 32 kbit/s of it
    {{.channels = 1, .mode = TMP3Mode::MONO, .kbps = 48}},
    {{.kbps = 320}},
    {{.rate = 48000, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::DUAL_CHANNEL, .kbps = 24}},
    {{.rate = 48000, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::STEREO, .kbps = 64}, true},  // 2 bytes short
    {{.rate = 32000, .out = TMP3SampleRate::sr32kHz, .kbps = 40}},
    {{.rate = 32000, .channels = 1, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::MONO, .kbps = 32}, true},
    {{.rate = 22050, .out = TMP3SampleRate::srDefault, .kbps = 48}},  // MPEG-2
    {{.rate = 8000, .channels = 1, .out = TMP3SampleRate::srDefault, .mode = TMP3Mode::MONO, .kbps = 8}},  // MPEG-2.5
    {{.vbrMin = 8, .vbrMax = 32}},
    {{.rate = 48000, .channels = 1, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::MONO, .vbrMin = 32, .vbrMax = 64}},
};

std::string InfoCaseName(const ::testing::TestParamInfo<std::tuple<InfoCase, bool>>& info) {
  const InfoCase& c = std::get<0>(info.param);
  const Encoding& e = c.e;
  return std::to_string(e.rate) + "Hz" + (e.channels == 1 ? "Mono" : "") +
         (e.vbrMax ? "Vbr" + std::to_string(e.vbrMin) + "to" + std::to_string(e.vbrMax) : std::to_string(e.kbps) + "kbps") +
         (c.crc ? "Crc" : "") + (std::get<1>(info.param) ? "Split" : "Whole");
}

INSTANTIATE_TEST_SUITE_P(Rates, InfoFrameTest, ::testing::Combine(::testing::ValuesIn(InfoCases), ::testing::Bool()),
                         InfoCaseName);

// Pausing, stopping and cancelling a file in parts behave as with one encoder, and
// the helpers give their cores back.
// On both ways to a complete file: an anonymous file (true), and the hidden
// stand-in of file systems without them (false).
class SplitPathTest : public SplitTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    SplitTest::SetUp();
    TAtomicFile::AllowAnonymous = GetParam();
  }
  void TearDown() override {
    TAtomicFile::AllowAnonymous = true;
    SplitTest::TearDown();
  }
};

INSTANTIATE_TEST_SUITE_P(Paths, SplitPathTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Anonymous" : "NamedStandIn"; });

TEST_P(SplitPathTest, PauseStopAndCancelWhileSplit) {
  const std::vector<short> pcm = MakeSignal(Signal::Noise, 44100, 40.0);
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    SinkHarness h;
    ToneInput input(44100, 2, 0);
    input.Samples = pcm;
    input.DelayPerRead = std::chrono::milliseconds(1);
    h.sink.SetInput(&input);
    const QString name = Out(cancel ? "cancelled.mp3" : "stopped.mp3");
    h.sink.FileName = name;
    h.settings.SplitPartFrames = 32;
    h.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.Delivered > input.TotalBytes() / 4; }, 60000));
    h.sink.Pause();
    QTest::qWait(100);
    const auto reads = input.Reads.load();
    QTest::qWait(300);
    EXPECT_EQ(input.Reads.load(), reads);
    h.sink.Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.Reads.load() > reads; }, 10000));
    if (cancel) h.sink.DiscardRun();
    h.sink.Stop();
    ASSERT_TRUE(h.WaitIdle());
    EXPECT_EQ(h.failures, 0) << h.Failure();
    EXPECT_LT(input.Delivered, input.TotalBytes());
    if (cancel) {
      EXPECT_FALSE(QFile::exists(name));
    } else {
      const DecodedAudio a = DecodeAudio(name);
      EXPECT_TRUE(a.Clean);
      EXPECT_EQ(a.Samples.size(), std::size_t(input.Delivered / 2));  // all that was read, gapless
    }
    EXPECT_TRUE(h.sink.SplitReport().Used);
  }
  EXPECT_EQ(Leftovers(), QStringList{"stopped.mp3"});  // nothing of the cancelled run, named or hidden
  // Every helper gave its core back: all three are free.
  int taken = 0;
  while (TCoreBudget::TryTakeHelper()) ++taken;
  for (int i = 0; i < taken; ++i) TCoreBudget::GiveHelper();
  EXPECT_EQ(taken, 3);
}

// Every layout the joiner meets: MPEG-1 at 32 and 48 kHz, MPEG-2 and 2.5 at low
// rates, mono, stereo and joint stereo, constant and variable rate, with and
// without CRC protection (which the joiner computes anew for each frame).
TEST_F(SplitTest, EveryFrameLayoutJoinsCleanly) {
  struct Case {
    Encoding e;
    bool crc;
  };
  const Case cases[] = {
      {{.rate = 32000, .channels = 1, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::MONO, .kbps = 32}, true},
      {{.rate = 48000, .out = TMP3SampleRate::sr48kHz, .mode = TMP3Mode::STEREO, .kbps = 320}, true},
      {{.rate = 48000, .out = TMP3SampleRate::sr48kHz, .vbrMin = 32, .vbrMax = 320}, false},
      {{.rate = 32000, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::STEREO, .vbrMin = 64, .vbrMax = 128}, true},
      {{.rate = 16000, .out = TMP3SampleRate::srDefault, .kbps = 32}, true},
      {{.rate = 8000, .channels = 1, .out = TMP3SampleRate::srDefault, .mode = TMP3Mode::MONO, .kbps = 8}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.e.rate << " Hz, " << c.e.kbps << " kbps, vbr " << c.e.vbrMax);
    const std::vector<short> pcm = MakeSignal(Signal::Clicks, c.e.rate, c.e.rate < 32000 ? 10.0 : 4.0, c.e.channels);
    auto crc = [&](SinkHarness& h) { h.settings.CRC = c.crc; };
    const Encoded serial = Encode(Out("serial.mp3"), pcm, c.e, false, 16, crc);
    const Encoded split = Encode(Out("split.mp3"), pcm, c.e, true, 16, crc);
    EXPECT_GE(split.report.Seams + split.report.Continued, 3);
    ASSERT_TRUE(serial.audio.Clean);
    EXPECT_TRUE(split.audio.Clean);
    EXPECT_EQ(split.audio.SampleRate, c.e.rate);
    EXPECT_EQ(split.audio.Packets, serial.audio.Packets);
    EXPECT_EQ(split.audio.Samples.size(), serial.audio.Samples.size());
  }
}

namespace {

// The block type of every granule of a stream's audio frames, channel by channel,
// read by hand.
std::array<std::vector<int>, 2> BlockTypes(const QByteArray& all) {
  std::array<std::vector<int>, 2> types;
  const auto* d = reinterpret_cast<const std::uint8_t*>(all.constData());
  std::size_t at = 0, end = all.size();
  if (all.startsWith("ID3")) at = 10 + ((d[6] << 21) | (d[7] << 14) | (d[8] << 7) | d[9]);
  if (end >= 128 && all.mid(end - 128, 3) == "TAG") end -= 128;
  for (bool first = true; at + 4 <= end; first = false) {
    const std::optional<framebits::Frame> frame = framebits::ReadFrame(d + at);
    if (!frame || at + frame->bytes > end) {
      ADD_FAILURE() << "no frame at byte " << at;
      break;
    }
    const std::uint8_t* side = d + at + 4 + (frame->crc ? 2 : 0);
    const bool tag = first && (std::memcmp(d + at + 4 + frame->sideBytes, "Info", 4) == 0 ||
                               std::memcmp(d + at + 4 + frame->sideBytes, "Xing", 4) == 0);
    if (!tag) {
      const framebits::Side s = framebits::ReadSide(frame->mpeg1, frame->channels, side);
      for (std::size_t i = 0; i < s.granules.size(); ++i) types[i % frame->channels].push_back(s.granules[i].blockType);
    }
    at += frame->bytes;
  }
  return types;
}

std::array<std::vector<int>, 2> BlockTypes(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return BlockTypes(f.readAll());
}

// Where a block first follows one it may not (-1 nowhere): a start block leads
// into short blocks, short blocks go on or stop, and only a stop block ends them.
long FirstIllegal(const std::vector<int>& types) {
  static const bool may[4][4] = {{true, true, false, false},
                                 {false, false, true, false},
                                 {false, false, true, true},
                                 {true, true, false, false}};
  for (std::size_t i = 1; i < types.size(); ++i)
    if (!may[types[i - 1]][types[i]]) return long(i);
  return -1;
}

}  // namespace

// Clicks make the encoders switch to short blocks and back. However the parts are
// joined, the windows must follow each other as within one encoder's stream.
TEST_F(SplitTest, WindowsFollowEachOtherLegallyAcrossEverySeam) {
  const Encoding cases[] = {
      {.kbps = 128},
      {.mode = TMP3Mode::STEREO, .kbps = 320},
      {.vbrMin = 32, .vbrMax = 320},
      {.rate = 32000, .channels = 1, .out = TMP3SampleRate::sr32kHz, .mode = TMP3Mode::MONO, .kbps = 48},
      {.rate = 16000, .out = TMP3SampleRate::srDefault, .kbps = 32},  // one granule a frame
  };
  for (const Encoding& e : cases) {
    SCOPED_TRACE(testing::Message() << e.rate << " Hz, " << e.kbps << " kbps, vbr " << e.vbrMax);
    const std::vector<short> pcm = MakeSignal(Signal::Clicks, e.rate, e.rate < 32000 ? 12.0 : 6.0, e.channels);
    const Encoded serial = Encode(Out("serial.mp3"), pcm, e, false);
    const Encoded split = Encode(Out("split.mp3"), pcm, e, true);
    EXPECT_GE(split.report.Seams, 5);
    const auto own = BlockTypes(Out("serial.mp3")), joined = BlockTypes(Out("split.mp3"));
    for (int ch = 0; ch < (e.channels == 1 ? 1 : 2); ++ch) {
      SCOPED_TRACE(ch);
      // The encoder's own stream passes the same check, which shows they are its rules.
      EXPECT_EQ(FirstIllegal(own[ch]), -1);
      EXPECT_GT(std::count(joined[ch].begin(), joined[ch].end(), 2), 20);
      const long bad = FirstIllegal(joined[ch]);
      EXPECT_EQ(bad, -1) << "granule " << bad << ": " << (bad > 0 ? joined[ch][bad - 1] : 0) << " then "
                         << (bad > 0 ? joined[ch][bad] : 0);
    }
  }
}


// Where the encoders of two parts disagree about windows, they must not meet
// there: here every other part's encoder never switches to short blocks, so two
// parts may only be joined where the other's blocks are long on both sides.
TEST_F(SplitEncoderTest, PartsMeetOnlyWhereTheirWindowsAgree) {
  const std::vector<short> pcm = MakeSignal(Signal::Clicks, 44100, 6.0);
  const int samples = int(pcm.size() / 2);
  MemoryStream joined;
  TSplitEncoder::TLayout layout;
  layout.PartFrames = 16;
  int made = 0;
  TSplitEncoder split(layout, NewEncoder(44100, 128), false, [&] { return NewEncoder(44100, 128, ++made % 2); }, joined);
  for (int at = 0; at < samples; at += 1000) split.Push(pcm.data() + 2 * at, std::min(1000, samples - at));
  split.Finish();
  EXPECT_GE(split.Seams(), 5);
  const auto types = BlockTypes(QByteArray(reinterpret_cast<const char*>(joined.bytes.data()), qsizetype(joined.bytes.size())));
  for (const auto& channel : types) {
    EXPECT_GT(std::count(channel.begin(), channel.end(), 2), 20);
    const long bad = FirstIllegal(channel);
    EXPECT_EQ(bad, -1) << "granule " << bad << ": " << (bad > 0 ? channel[bad - 1] : 0) << " then " << (bad > 0 ? channel[bad] : 0);
  }
}
