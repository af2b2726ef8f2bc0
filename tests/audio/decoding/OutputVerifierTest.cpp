#include <QFile>
#include <gtest/gtest.h>

#include "MediaCheck.h"
#include "MediaMaker.h"
#include "OutputVerifier.h"
#include "TestSupport.h"

namespace {

// The back half decoded on a lent core must say exactly what one pass says:
// nothing for a clean file, and the same damage at the same time for a file
// damaged before or after the split, or cut. Every core taken is given back.
// A core lent for the back half goes back even when that half never starts: here
// the file is gone by the time it opens it, and the front decodes it all.
TEST(OutputVerifierTest, ACoreLentToABackHalfThatCannotOpenTheFileIsGivenBack) {
  TestFolder t;
  const QString file = t.Path("gone.mp3");
  ASSERT_TRUE(MakeMp3(file, {12.0, 44100, 2, {}}, 128000));
  const DecodedAudio audio = DecodeAudio(file);
  ASSERT_TRUE(audio.Clean);
  int taken = 0, given = 0;
  TOutputVerifier::TOptions options;
  options.TakeCore = [&] { return QFile::remove(file) && ++taken > 0; };
  options.GiveCore = [&] { ++given; };
  options.MinHalfBytes = 1024;
  EXPECT_EQ(TOutputVerifier::Check(QFile::encodeName(file).toStdString(),
                                   static_cast<long long>(audio.Samples.size()) / audio.Channels, options),
            "");
  EXPECT_EQ(taken, 1);
  EXPECT_EQ(given, taken);
}

TEST(OutputVerifierTest, TheBackHalfOnALentCoreSaysWhatOnePassSays) {
  TestFolder t;
  struct TCase {
    int Rate, BitRate;
  };
  // MPEG-1 at the smallest and largest frames, MPEG-2 and MPEG-2.5 with their smaller reservoir.
  for (const TCase c : {TCase{44100, 32000}, TCase{48000, 320000}, TCase{22050, 32000}, TCase{8000, 8000}}) {
    SCOPED_TRACE(std::to_string(c.Rate) + " Hz, " + std::to_string(c.BitRate) + " b/s");
    const QString clean = t.Path("clean.mp3");
    ASSERT_TRUE(MakeMp3(clean, {12.0, c.Rate, 2, {}}, c.BitRate));
    const DecodedAudio audio = DecodeAudio(clean);
    ASSERT_TRUE(audio.Clean);
    const long long samples = static_cast<long long>(audio.Samples.size()) / audio.Channels;
    const std::string path = QFile::encodeName(clean).toStdString();

    int taken = 0, given = 0;
    TOutputVerifier::TOptions halves;
    halves.TakeCore = [&] { return ++taken > 0; };
    halves.GiveCore = [&] { ++given; };
    halves.MinHalfBytes = 1024;
    auto bothWays = [&](const std::string& file, long long length) {
      const std::string whole = TOutputVerifier::Check(file, length);
      taken = given = 0;
      EXPECT_EQ(TOutputVerifier::Check(file, length, halves), whole);
      EXPECT_EQ(taken, 1);
      EXPECT_EQ(given, 1);
      return whole;
    };
    EXPECT_EQ(bothWays(path, samples), "");
    EXPECT_NE(bothWays(path, samples + 1), "");

    QFile in(clean);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    for (const double at : {0.3, 0.55, 0.8}) {
      SCOPED_TRACE("flipped at " + std::to_string(at));
      QByteArray damaged = bytes;
      for (qsizetype i = qsizetype(damaged.size() * at), n = 0; n < 1500; ++i, ++n) damaged[i] = char(~damaged[i]);
      const QString file = t.Path("damaged.mp3");
      QFile out(file);
      ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
      ASSERT_EQ(out.write(damaged), damaged.size());
      out.close();
      EXPECT_NE(bothWays(QFile::encodeName(file).toStdString(), samples), "");
    }
    const QString cut = t.Path("cut.mp3");
    ASSERT_TRUE(CutFile(clean, cut, 0.9));
    EXPECT_NE(bothWays(QFile::encodeName(cut).toStdString(), samples), "");
  }
}

}  // namespace
