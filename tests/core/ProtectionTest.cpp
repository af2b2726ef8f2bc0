#include <QFile>
#include <QtEndian>
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

// `b` with the little-endian number of `bytes` bytes at `offset` set to `value`.
QByteArray Patched(QByteArray b, int offset, quint64 value, int bytes) {
  const quint64 le = qToLittleEndian(value);
  return b.replace(offset, bytes, QByteArray(reinterpret_cast<const char*>(&le), bytes));
}

// Each kind of protection is found; libavformat still opens and plays the file,
// and names the two kinds it knows itself, so the objects are the real thing.
TEST(Protection, FindsEachKindInAFileThatStillPlays) {
  TestFolder t;
  const char* const tags[][2] = {{"asf_protection_type", "DRM"}, {"encryption", "ASF Extended Content Encryption"}};
  for (int which = 0; which < 4; ++which) {
    SCOPED_TRACE(which);
    const QString path = t.Path(QString("drm%1.wma").arg(which));
    ASSERT_TRUE(MakeProtectedWma(path, {0.5, 44100, 2, {}}, which));
    EXPECT_TRUE(IsCopyProtected(path));
    MediaFacts facts = ReadMedia(path);
    EXPECT_TRUE(facts.DecodedCleanly && facts.Codec == "wmav2");
    if (which < 2) {
      EXPECT_EQ(facts.Tags[tags[which][0]], tags[which][1]);
    }
  }
}

// Whatever is not protected Windows Media, or cannot be read as such, is not
// protected, and a header that lies about its sizes is walked no further.
TEST(Protection, IsFalseForEverythingElse) {
  TestFolder t;
  ASSERT_TRUE(MakeWma(t.Path("plain.wma"), {0.5, 44100, 2, {}}));
  ASSERT_TRUE(MakeProtectedWma(t.Path("drm.wma"), {0.5, 44100, 2, {}}, 0));
  ASSERT_TRUE(MakeProtectedWma(t.Path("ext.wma"), {0.5, 44100, 2, {}}, 2));
  const QByteArray drm = Bytes(t.Path("drm.wma")), ext = Bytes(t.Path("ext.wma"));
  const quint64 headerSize = qFromLittleEndian<quint64>(drm.constData() + 16);
  const int extAt = int(ext.indexOf(QByteArray::fromHex("b503bf5f2ea9cf118ee300c00c205365")));
  ASSERT_GT(extAt, 0);
  const struct {
    const char* name;
    QByteArray bytes;
    bool protectedFile;
  } cases[] = {
      {"plain.wma", Bytes(t.Path("plain.wma")), false},
      {"garbage.wma", QByteArray(4000, '\x5a'), false},
      {"cut.wma", drm.left(drm.size() * 6 / 10), true},  // a cut download keeps its header, and its protection
      {"header size zero.wma", Patched(drm, 16, 0, 8), false},
      {"header past the end.wma", Patched(drm, 16, drm.size() + 1, 8), false},
      {"child size zero.wma", Patched(drm, 46, 0, 8), false},
      {"child past the header.wma", Patched(drm, 46, headerSize, 8), false},
      {"extension data huge.wma", Patched(ext, extAt + 42, 0xFFFFFFFF, 4), false},
      {"extension data short.wma", Patched(ext, extAt + 42, 10, 4), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsCopyProtected(t.Touch(c.name, c.bytes)), c.protectedFile) << c.name;
  EXPECT_FALSE(IsCopyProtected(t.Path("gone.wma")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(t.Path("pipe.wma")).constData(), 0600), 0);
  EXPECT_FALSE(IsCopyProtected(t.Path("pipe.wma")));  // no writer: not waited for
}

}  // namespace
