// The check of an output already there: a file of ours whole, cut, grown or
// damaged, its length as an independent decoder reads it.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "MP3FileCheck.h"
#include "MediaCheck.h"
#include "SinkHarness.h"
#include "ToneInput.h"

TEST(MP3FileCheckTest, OnlyAWholeFileOfOursIsComplete) {
  QTemporaryDir dir;
  const QString made = dir.filePath("made.mp3");
  {
    SinkHarness h;
    ToneInput tone(44100, 2, 3.0);
    h.sink.SetInput(&tone);
    h.sink.FileName = made;
    h.tags.Title = "Checked";  // an ID3v1 tag at the end, too
    h.Run();
    ASSERT_TRUE(h.WaitIdle());
    ASSERT_EQ(h.failures, 0) << h.Failure();
  }
  QFile file(made);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const DecodedAudio decoded = DecodeAudio(made);
  ASSERT_TRUE(decoded.Clean);

  using Change = std::function<QByteArray(QByteArray)>;
  const struct Case {
    const char* name;
    Change change;
    bool complete;
  } cases[] = {
      {"whole", [](QByteArray b) { return b; }, true},
      {"cut in its last frame", [](QByteArray b) { return b.left(b.size() - 128 - 100); }, false},
      {"cut by a frame", [](QByteArray b) { return b.left(b.size() / 2); }, false},
      {"grown by garbage", [](QByteArray b) { return b + QByteArray(700, '\x5a'); }, false},
      {"garbage over a frame", [](QByteArray b) { return b.replace(b.size() / 2, 400, QByteArray(400, '\0')); }, false},
      {"garbage only", [](QByteArray b) { return QByteArray(b.size(), '\x33'); }, false},
      {"empty", [](QByteArray) { return QByteArray(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = dir.filePath(QString(c.name) + ".mp3");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    const QByteArray changed = c.change(bytes);
    ASSERT_EQ(out.write(changed), changed.size());
    out.close();
    const TMP3FileCheck::TResult r = TMP3FileCheck::Read(path.toStdString());
    EXPECT_EQ(r.Complete, c.complete);
    if (c.complete) {
      EXPECT_EQ(r.SampleRate, decoded.SampleRate);
      EXPECT_EQ(r.Samples, (long long)(decoded.Samples.size()) / decoded.Channels);
    }
  }
  EXPECT_FALSE(TMP3FileCheck::Read(dir.filePath("missing.mp3").toStdString()).Complete);
}
