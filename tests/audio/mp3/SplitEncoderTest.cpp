#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CoreBudget.h"
#include "Lame.h"
#include "MediaCheck.h"
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

lame_t NewEncoder(int rate, int kbps) {
  lame_t g = Lame.lame_init();
  Lame.lame_set_in_samplerate(g, rate);
  Lame.lame_set_out_samplerate(g, rate);
  Lame.lame_set_num_channels(g, 2);
  Lame.lame_set_brate(g, kbps);
  Lame.lame_set_quality(g, 2);
  Lame.lame_set_bWriteVbrTag(g, 0);
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
