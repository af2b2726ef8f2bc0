#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "MediaCheck.h"
#include "MediaMaker.h"
#include "Protection.h"
#include "TestSupport.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// `from` with the little-endian number at `offset` set to `value`, written to `to`.
bool Patched(const QString& from, const QString& to, int offset, quint64 value, int bytes) {
  QByteArray b = Bytes(from);
  if (b.size() < offset + bytes) return false;
  const quint64 le = qToLittleEndian(value);
  b.replace(offset, bytes, QByteArray(reinterpret_cast<const char*>(&le), bytes));
  QFile f(to);
  return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

// Each kind of protection is found; libavformat still opens and plays the file,
// and names the two kinds it knows itself, so the objects are the real thing.
TEST(Protection, FindsEachKindInAFileThatStillPlays) {
  TestFolder t;
  ToneSpec tone;
  tone.Seconds = 0.5;
  for (int which = 0; which < 4; ++which) {
    SCOPED_TRACE(which);
    const QString path = t.Path(QString("drm%1.wma").arg(which));
    ASSERT_TRUE(MakeProtectedWma(path, tone, which));
    EXPECT_TRUE(IsCopyProtected(path));
    MediaFacts facts = ReadMedia(path);
    EXPECT_TRUE(facts.Opened);
    EXPECT_TRUE(facts.DecodedCleanly);
    EXPECT_EQ(facts.Codec, "wmav2");
    if (which == 0) {
      EXPECT_EQ(facts.Tags["asf_protection_type"], "DRM");
    } else if (which == 1) {
      EXPECT_EQ(facts.Tags["encryption"], "ASF Extended Content Encryption");
    }
  }
}

// Whatever is not protected Windows Media, or cannot be read as such, is not
// protected, and a header that lies about its sizes is walked no further.
TEST(Protection, IsFalseForEverythingElse) {
  TestFolder t;
  ToneSpec tone;
  tone.Seconds = 0.5;
  const QString drm = t.Path("drm.wma"), ext = t.Path("ext.wma");
  ASSERT_TRUE(MakeProtectedWma(drm, tone, 0));
  ASSERT_TRUE(MakeProtectedWma(ext, tone, 2));
  const QByteArray header = Bytes(drm).left(30);
  const quint64 headerSize = qFromLittleEndian<quint64>(header.constData() + 16);
  const qint64 fileSize = QFileInfo(drm).size();
  const int extAt = int(Bytes(ext).indexOf(QByteArray::fromHex("b503bf5f2ea9cf118ee300c00c205365")));
  ASSERT_GT(extAt, 0);

  using Make = std::function<bool(const QString&)>;
  auto write = [&t](const QByteArray& bytes) -> Make {
    return [&t, bytes](const QString& p) { return !t.Touch(p.section('/', -1), bytes).isEmpty(); };
  };
  const struct {
    const char* name;
    Make make;
    bool protectedFile;
  } cases[] = {
      {"plain.wma", [&](const QString& p) { return MakeWma(p, tone); }, false},
      {"song.mp3", [&](const QString& p) { return MakeMp3(p, tone); }, false},
      {"song.flac", [&](const QString& p) { return MakeFlac24(p, tone); }, false},
      {"empty.wma", write({}), false},
      {"garbage.wma", write(QByteArray(4000, '\x5a')), false},
      {"head only.wma", write(header), false},
      // A cut download keeps its header, and its protection.
      {"cut.wma", [&](const QString& p) { return CutFile(drm, p, 0.6); }, true},
      {"header size zero.wma", [&](const QString& p) { return Patched(drm, p, 16, 0, 8); }, false},
      {"header size huge.wma", [&](const QString& p) { return Patched(drm, p, 16, ~0ull, 8); }, false},
      {"header past the end.wma", [&](const QString& p) { return Patched(drm, p, 16, fileSize + 1, 8); }, false},
      {"child size zero.wma", [&](const QString& p) { return Patched(drm, p, 46, 0, 8); }, false},
      {"child size huge.wma", [&](const QString& p) { return Patched(drm, p, 46, ~0ull - 10, 8); }, false},
      {"child past the header.wma", [&](const QString& p) { return Patched(drm, p, 46, headerSize, 8); }, false},
      {"extension data huge.wma", [&](const QString& p) { return Patched(ext, p, extAt + 42, 0xFFFFFFFF, 4); }, false},
      {"extension data short.wma", [&](const QString& p) { return Patched(ext, p, extAt + 42, 10, 4); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = t.Path(c.name);
    ASSERT_TRUE(c.make(path));
    EXPECT_EQ(IsCopyProtected(path), c.protectedFile);
  }
  EXPECT_FALSE(IsCopyProtected(t.Path("gone.wma")));
  EXPECT_FALSE(IsCopyProtected(t.Path()));  // a folder
  ASSERT_EQ(::mkfifo(QFile::encodeName(t.Path("pipe.wma")).constData(), 0600), 0);
  EXPECT_FALSE(IsCopyProtected(t.Path("pipe.wma")));  // no writer: not waited for
  EXPECT_FALSE(IsCopyProtected({}));
}

}  // namespace
