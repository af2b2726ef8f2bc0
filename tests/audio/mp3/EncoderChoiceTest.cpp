// How a file is encoded, whole or in parts and at what rate, through the one
// encoder seam; and the Info frame made for a stream whose frames are too small
// to hold one.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "Lame.h"
#include "MP3EncoderChoice.h"
#include "MediaCheck.h"
#include "SinkHarness.h"
#include "ToneInput.h"

namespace {

struct MemoryStream : TOutputStream {
  std::vector<std::uint8_t> Bytes;
  void Write(const void* data, std::size_t size) override {
    Bytes.insert(Bytes.end(), static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
  }
};

class EncoderChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadLame(); }
  void TearDown() override { UnloadLame(); }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(EncoderChoiceTest, LongFilesAreSplitWhenAskedAndEveryChoiceDecodesToItsLength) {
  const struct Case {
    const char* name;
    int rate, channels;
    double seconds;
    bool known;  // the input states its size
    bool splitting;
    int encoderRate;  // 0: none can be made
    bool split;
  } cases[] = {
      {"long", 44100, 2, 3.0, true, true, 44100, true},
      {"splitting off", 44100, 2, 3.0, true, false, 44100, false},
      {"too short for two parts", 44100, 2, 0.5, true, true, 44100, false},
      {"length unknown", 44100, 1, 3.0, false, true, 44100, true},
      {"resampled", 22050, 2, 3.0, true, true, 44100, true},
      {"resampled whole", 32000, 1, 0.5, true, true, 44100, false},
      {"six channels", 44100, 6, 3.0, true, true, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMP3OutSettings settings;
    settings.SampleRate = TMP3SampleRate::sr41kHz;
    settings.SplitFiles = c.splitting;
    settings.SplitPartFrames = 16;
    const long long samples = (long long)(c.seconds * c.rate);
    TMP3EncoderChoice choice(settings, {}, {c.rate, c.channels, TSampleFormat::sfInt16, c.known ? samples * c.channels * 2 : -1});
    EXPECT_EQ(choice.Rate(), c.encoderRate);
    EXPECT_EQ(choice.Split(), c.split);
    if (c.encoderRate == 0) continue;
    const TMP3EncoderChoice::THead head = choice.Start();
    EXPECT_TRUE(head.Id3v2.empty());  // no tags given
    MemoryStream out;
    std::unique_ptr<TMP3StreamEncoder> encoder = choice.Make(out);
    // PCM at the encoders' rate, as the sink hands it on after resampling.
    const long long n = (long long)(c.seconds * c.encoderRate);
    const std::vector<short> pcm = MakeSignal(Signal::Noise, c.encoderRate, c.seconds, c.channels);
    for (long long at = 0; at < n; at += 4096)
      encoder->Push(pcm.data() + at * c.channels, int(std::min<long long>(4096, n - at)), c.channels, TSampleFormat::sfInt16);
    const std::vector<std::uint8_t> tag = encoder->Finish();
    EXPECT_EQ(encoder->Report().Used, c.split);
    EXPECT_EQ(encoder->Samples(), n);
    ASSERT_FALSE(tag.empty());
    ASSERT_GE(out.Bytes.size(), tag.size());
    std::memcpy(out.Bytes.data(), tag.data(), tag.size());  // over its stand-in, as the file writer does
    const QString path = dir.filePath(QString(c.name) + ".mp3");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(reinterpret_cast<const char*>(out.Bytes.data()), qint64(out.Bytes.size())), qint64(out.Bytes.size()));
    file.close();
    const DecodedAudio decoded = DecodeAudio(path);
    EXPECT_TRUE(decoded.Clean);
    EXPECT_EQ(decoded.SampleRate, c.encoderRate);
    EXPECT_EQ((long long)(decoded.Samples.size()) / std::max(1, decoded.Channels), n);
  }
}

// At rates whose frames cannot hold the Info frame the stream's first frame is one
// of a larger bit rate; its tag still names the stream's own rate, as the encoder's
// tag frame for a constant rate does.
TEST_F(EncoderChoiceTest, TheInfoFrameOfALowRateStreamNamesTheStreamsRate) {
  const struct Case {
    int rate, channels;
    TMP3BitRate bitRate;
    int kbps;
  } cases[] = {{44100, 2, TMP3BitRate::br32, 32}, {16000, 1, TMP3BitRate::br8, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kbps);
    const QString path = dir.filePath(QString("low%1.mp3").arg(c.kbps));
    SinkHarness h;
    ToneInput tone(c.rate, c.channels, 2.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = path;
    h.settings.BitRate = c.bitRate;
    h.settings.SampleRate = TMP3SampleRate::srDefault;
    h.settings.Mode = c.channels == 1 ? TMP3Mode::MONO : TMP3Mode::JOINT_STEREO;
    h.Run();
    ASSERT_TRUE(h.WaitIdle());
    ASSERT_EQ(h.failures, 0) << h.Failure();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(4096);
    // No tags: the file begins with the Info frame.
    ASSERT_EQ(std::uint8_t(head[0]), 0xFF);
    const int index = (std::uint8_t(head[2]) >> 4) & 0x0F;
    const bool mpeg1 = (std::uint8_t(head[1]) & 0x18) == 0x18;
    const int mpeg1Kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    const int mpeg2Kbps[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    EXPECT_GT(mpeg1 ? mpeg1Kbps[index] : mpeg2Kbps[index], c.kbps);  // a frame larger than the stream's
    const qsizetype info = head.indexOf("Info");
    ASSERT_GT(info, 0);
    ASSERT_EQ(head.mid(info + 120, 4), "LAME");
    // The tag's 21st byte: the bit rate of a constant-rate stream.
    EXPECT_EQ(std::uint8_t(head[info + 140]), c.kbps);
    const MediaFacts f = ReadMedia(path);
    EXPECT_TRUE(f.DecodedCleanly);
    EXPECT_EQ(f.BitRate, c.kbps * 1000);
  }
}
